// The keyboard as the headless dialog manager knows it: which keys are down (GetKeyState, brought
// up to date as each key's message is taken from the input, as USER32 does), and the character a
// key makes (TranslateMessage) on a United States layout.
#pragma once

#include "platform/win32_types.h"

namespace headless {

void setKeyDown(int virtualKey, bool down);
bool isKeyHeld(int virtualKey);  // VK_SHIFT, VK_CONTROL, VK_MENU or any other key
void releaseAllKeys();           // a new run starts with every key up

// The character TranslateMessage makes of a key with the keys held now (code page 1252), or 0
// when it makes none.
unsigned char characterOfKey(WPARAM virtualKey);

}  // namespace headless
