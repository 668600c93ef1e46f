// The mouse in a text field.
#include "platform/headless/field_mouse.h"

#include "platform/headless/field_layout.h"
#include "platform/headless/manager.h"
#include "platform/headless/text_field.h"

namespace headless {

void fieldPressed(Window& field, WPARAM keys, int x) {
    HWND handle = field.handle;
    setCapture(handle);
    Window* pressed = findWindow(handle);
    if (pressed == nullptr) return;
    placeCaret(*pressed, characterAt(*pressed, x), (keys & MK_SHIFT) != 0);
    scrollToCaret(*pressed);
    if (focusedWindow() != handle) moveFocus(handle);
}

void fieldDoubleClicked(Window& field) {
    HWND handle = field.handle;
    setCapture(handle);
    Window* pressed = findWindow(handle);
    if (pressed == nullptr) return;
    selectWordAtCaret(*pressed);
    scrollToCaret(*pressed);
}

void fieldDragged(Window& field, int x) {
    if (captureWindow() == field.handle) placeCaret(field, characterAt(field, x), true);
}

void fieldReleased(Window& field) {
    if (captureWindow() == field.handle) releaseCapture();
}

}  // namespace headless
