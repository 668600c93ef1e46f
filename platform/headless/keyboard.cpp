// Keys held and the characters of keys.
#include "platform/headless/keyboard.h"

#include <bitset>
#include <cctype>

namespace headless {

namespace {

std::bitset<256> held;

// The punctuation keys of the layout, unshifted and shifted.
struct PunctuationKey {
    WPARAM key;
    char plain;
    char shifted;
};

const PunctuationKey kPunctuation[] = {
    {VK_OEM_1, ';', ':'},  {VK_OEM_PLUS, '=', '+'}, {VK_OEM_COMMA, ',', '<'}, {VK_OEM_MINUS, '-', '_'},
    {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'}, {VK_OEM_3, '`', '~'},    {VK_OEM_4, '[', '{'},
    {VK_OEM_5, '\\', '|'}, {VK_OEM_6, ']', '}'},    {VK_OEM_7, '\'', '"'},
};

const char kShiftedDigits[] = ")!@#$%^&*(";

}  // namespace

void setKeyDown(int virtualKey, bool down) {
    if (virtualKey > 0 && virtualKey < 256) held[static_cast<size_t>(virtualKey)] = down;
}

bool isKeyHeld(int virtualKey) { return virtualKey > 0 && virtualKey < 256 && held[static_cast<size_t>(virtualKey)]; }

void releaseAllKeys() { held.reset(); }

// Ctrl with a letter makes its control character, with Enter a line feed and with Backspace
// DEL; with the digits and punctuation, none.
unsigned char characterOfKey(WPARAM key) {
    bool shift = isKeyHeld(VK_SHIFT);
    bool control = isKeyHeld(VK_CONTROL);
    if (key >= 'A' && key <= 'Z') {
        if (control) return static_cast<unsigned char>(key - 'A' + 1);
        return static_cast<unsigned char>(shift ? key : std::tolower(static_cast<int>(key)));
    }
    if (control && key == VK_RETURN) return '\n';
    if (control && key == VK_BACK) return 0x7F;
    if (control && key != VK_SPACE && key != VK_ESCAPE) return 0;
    if (key >= '0' && key <= '9') return static_cast<unsigned char>(shift ? kShiftedDigits[key - '0'] : key);
    for (const PunctuationKey& entry : kPunctuation) {
        if (entry.key == key) return static_cast<unsigned char>(shift ? entry.shifted : entry.plain);
    }
    switch (key) {
        case VK_SPACE: return ' ';
        case VK_RETURN: return '\r';
        case VK_BACK: return '\b';
        case VK_TAB: return '\t';
        case VK_ESCAPE: return 0x1B;
        default: return 0;
    }
}

}  // namespace headless
