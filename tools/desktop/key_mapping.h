// How the keys and text SDL reports become what Windows gives a dialog: virtual keys for the keys
// that type no text, characters of code page 1252 for the rest. Kept apart from the events so that
// every key and modifier can be checked without a display.
#pragma once

#include <string>
#include <vector>

#include <SDL_keycode.h>

namespace desktop {

// The virtual keys a press of `key` stands for, in the order they go down (and the reverse order
// they go up), with `modifiers` held: none for a key whose text comes as text input. A letter or
// digit is a key while Ctrl or the left Alt is held (Ctrl+C, Alt+mnemonic). AltGr (SDL's Mode
// key) goes down as Windows reports it, left Ctrl and right Alt together, so that what it types
// reaches a field as a character and never as a mnemonic.
std::vector<int> virtualKeysOf(SDL_Keycode key, Uint16 modifiers);

// The virtual key of a letter or digit, 0 for any other key.
int letterOrDigitKey(SDL_Keycode key);

// The characters of code page 1252 that `utf8`, typed with `modifiers` held, types: none while Ctrl
// or the left Alt is held (those letters came as keys), no space (Space is a key of its own), and
// nothing for characters the code page lacks or bytes that are not UTF-8.
std::string charactersOf(const char* utf8, Uint16 modifiers);

}  // namespace desktop
