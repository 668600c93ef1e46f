// SDL's events turned into the driver's input.
#include "tools/desktop/sdl_input.h"

#include <string>

#include "harness/dialog_driver.h"
#include "tools/desktop/sdl_library.h"
#include "tools/render/code_page_1252.h"

namespace desktop {

namespace {

struct KeyPair {
    SDL_Keycode key;
    int virtualKey;
};

constexpr KeyPair kKeysWithoutText[] = {
    {SDLK_TAB, VK_TAB},         {SDLK_RETURN, VK_RETURN},   {SDLK_KP_ENTER, VK_RETURN}, {SDLK_ESCAPE, VK_ESCAPE},
    {SDLK_BACKSPACE, VK_BACK},  {SDLK_DELETE, VK_DELETE},   {SDLK_INSERT, VK_INSERT},   {SDLK_SPACE, VK_SPACE},
    {SDLK_LEFT, VK_LEFT},       {SDLK_RIGHT, VK_RIGHT},     {SDLK_UP, VK_UP},           {SDLK_DOWN, VK_DOWN},
    {SDLK_HOME, VK_HOME},       {SDLK_END, VK_END},         {SDLK_PAGEUP, VK_PRIOR},    {SDLK_PAGEDOWN, VK_NEXT},
    {SDLK_F4, VK_F4},           {SDLK_F10, VK_F10},         {SDLK_LSHIFT, VK_SHIFT},    {SDLK_RSHIFT, VK_SHIFT},    {SDLK_LCTRL, VK_CONTROL},
    {SDLK_RCTRL, VK_CONTROL},   {SDLK_LALT, VK_MENU},       {SDLK_RALT, VK_MENU},
};

// Ctrl, or the left Alt: the right one is AltGr on many layouts, which types text.
bool commandHeld(Uint16 modifiers) { return (modifiers & (KMOD_CTRL | KMOD_LALT)) != 0; }

}  // namespace

// Space is a key of its own: the dialog manager makes its character, and buttons and check boxes
// take the key itself.
int virtualKeyOf(SDL_Keycode key, Uint16 modifiers) {
    for (const KeyPair& pair : kKeysWithoutText) {
        if (pair.key == key) return pair.virtualKey;
    }
    if (!commandHeld(modifiers)) return 0;
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    return 0;
}

bool SdlInput::forward(const SDL_Event& event, HWND dialog, const WindowPlace& place,
                       const uitools::PixelRect& closeBox) {
    switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP: return key(event.key);
        case SDL_TEXTINPUT: return text(event.text.text);
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            return button(event.button, dialog, place.toScreen(event.button.x, event.button.y), closeBox);
        case SDL_MOUSEMOTION: return moved(place.toScreen(event.motion.x, event.motion.y));
        case SDL_MOUSEWHEEL:
            if (event.wheel.y == 0) return false;
            movePointer(pointer_);
            DialogDriver::turnWheel(event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y);
            return true;
        default: return false;
    }
}

// A key goes up as it went down, even when its modifier was let go first.
bool SdlInput::key(const SDL_KeyboardEvent& event) {
    int virtualKey = virtualKeyOf(event.keysym.sym, event.keysym.mod);
    if (event.type == SDL_KEYUP) {
        if (virtualKey == 0 && event.keysym.sym >= SDLK_a && event.keysym.sym <= SDLK_z)
            virtualKey = 'A' + (event.keysym.sym - SDLK_a);
        if (virtualKey == 0 && event.keysym.sym >= SDLK_0 && event.keysym.sym <= SDLK_9)
            virtualKey = '0' + (event.keysym.sym - SDLK_0);
        if (held_.erase(virtualKey) == 0) return false;
        DialogDriver::keyUp(virtualKey);
        return true;
    }
    if (virtualKey == 0) return false;
    held_.insert(virtualKey);
    DialogDriver::keyDown(virtualKey);
    return true;
}

// The space comes as its key; with Ctrl or Alt held the letters came as keys too.
bool SdlInput::text(const char* utf8) {
    if (commandHeld(static_cast<Uint16>(sdl().SDL_GetModState()))) return false;
    bool any = false;
    for (char character : uitools::utf8ToCodePage1252Lossy(utf8)) {
        if (character == ' ') continue;
        DialogDriver::typeCharacter(character);
        any = true;
    }
    return any;
}

void SdlInput::movePointer(POINT at) {
    pointer_ = at;
    DialogDriver::moveMouse(at);
}

// Without a button held the pointer only needs to be where the next press or turn happens, so
// plain moves are not passed on: each would wake the dialog for nothing. An open menu's highlight
// follows the pointer, though.
bool SdlInput::moved(POINT at) {
    pointer_ = at;
    if (!buttonDown_ && DialogDriver::openMenu().empty()) return false;
    movePointer(at);
    return true;
}

// The dialog manager leaves the frame and caption to the window around it: a click on the close
// box (down and up on it) is the close box's command.
bool SdlInput::button(const SDL_MouseButtonEvent& event, HWND dialog, POINT at, const uitools::PixelRect& closeBox) {
    if (event.button == SDL_BUTTON_RIGHT || event.button == SDL_BUTTON_MIDDLE) return otherButton(event, at);
    if (event.button != SDL_BUTTON_LEFT) return false;
    bool down = event.type == SDL_MOUSEBUTTONDOWN;
    bool onCloseBox = closeBox.contains(at.x, at.y);
    if (down && onCloseBox) {
        pressedCloseBox_ = true;
        return false;
    }
    if (!down && pressedCloseBox_) {
        pressedCloseBox_ = false;
        if (onCloseBox) DialogDriver::postMessage(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        return onCloseBox;
    }
    if (!down && !buttonDown_) return false;
    buttonDown_ = down;
    movePointer(at);
    DialogDriver::mouseButton(down);
    return true;
}

// The right and middle buttons go where the pointer is, as they are pressed and let go.
bool SdlInput::otherButton(const SDL_MouseButtonEvent& event, POINT at) {
    movePointer(at);
    DialogDriver::mouseButton(event.type == SDL_MOUSEBUTTONDOWN, event.button == SDL_BUTTON_RIGHT
                                                                    ? DialogDriver::MouseButton::Right
                                                                    : DialogDriver::MouseButton::Middle);
    return true;
}

}  // namespace desktop
