// SDL's events turned into the driver's input.
#include "tools/desktop/sdl_input.h"

#include <string>

#include "harness/dialog_driver.h"
#include "tools/desktop/key_mapping.h"
#include "tools/desktop/sdl_library.h"

namespace desktop {

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
    std::vector<int> keys = virtualKeysOf(event.keysym.sym, event.keysym.mod);
    if (event.type == SDL_KEYUP) {
        if (keys.empty()) keys.push_back(letterOrDigitKey(event.keysym.sym));
        bool any = false;
        for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
            if (held_.erase(*key) == 0) continue;
            DialogDriver::keyUp(*key);
            any = true;
        }
        return any;
    }
    for (int key : keys) {
        held_.insert(key);
        DialogDriver::keyDown(key);
    }
    return !keys.empty();
}

bool SdlInput::text(const char* utf8) {
    std::string characters = charactersOf(utf8, static_cast<Uint16>(sdl().SDL_GetModState()));
    for (char character : characters) DialogDriver::typeCharacter(character);
    return !characters.empty();
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
