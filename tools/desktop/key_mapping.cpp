// The keys and text a person types, as Windows would hand them to a dialog.
#include "tools/desktop/key_mapping.h"

#include "platform/win32_types.h"
#include "tools/render/code_page_1252.h"

namespace desktop {

namespace {

struct KeyPair {
    SDL_Keycode key;
    int virtualKey;
};

// Space is a key of its own: the dialog manager makes its character, and buttons and check boxes
// take the key itself.
constexpr KeyPair kKeysWithoutText[] = {
    {SDLK_TAB, VK_TAB},         {SDLK_RETURN, VK_RETURN},   {SDLK_KP_ENTER, VK_RETURN}, {SDLK_ESCAPE, VK_ESCAPE},
    {SDLK_BACKSPACE, VK_BACK},  {SDLK_DELETE, VK_DELETE},   {SDLK_INSERT, VK_INSERT},   {SDLK_SPACE, VK_SPACE},
    {SDLK_LEFT, VK_LEFT},       {SDLK_RIGHT, VK_RIGHT},     {SDLK_UP, VK_UP},           {SDLK_DOWN, VK_DOWN},
    {SDLK_HOME, VK_HOME},       {SDLK_END, VK_END},         {SDLK_PAGEUP, VK_PRIOR},    {SDLK_PAGEDOWN, VK_NEXT},
    {SDLK_F4, VK_F4},           {SDLK_F10, VK_F10},         {SDLK_LSHIFT, VK_SHIFT},    {SDLK_RSHIFT, VK_SHIFT},
    {SDLK_LCTRL, VK_CONTROL},   {SDLK_RCTRL, VK_CONTROL},   {SDLK_LALT, VK_MENU},       {SDLK_RALT, VK_MENU},
};

// Ctrl, or the left Alt: the right one is AltGr on many layouts, which types text.
bool commandHeld(Uint16 modifiers) { return (modifiers & (KMOD_CTRL | KMOD_LALT)) != 0; }

}  // namespace

int letterOrDigitKey(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    return 0;
}

std::vector<int> virtualKeysOf(SDL_Keycode key, Uint16 modifiers) {
    if (key == SDLK_MODE) return {VK_CONTROL, VK_MENU};
    for (const KeyPair& pair : kKeysWithoutText) {
        if (pair.key == key) return {pair.virtualKey};
    }
    int letterOrDigit = commandHeld(modifiers) ? letterOrDigitKey(key) : 0;
    if (letterOrDigit == 0) return {};
    return {letterOrDigit};
}

std::string charactersOf(const char* utf8, Uint16 modifiers) {
    if (utf8 == nullptr || commandHeld(modifiers)) return "";
    std::string characters;
    for (char character : uitools::utf8ToCodePage1252Lossy(utf8)) {
        if (character != ' ') characters += character;
    }
    return characters;
}

}  // namespace desktop
