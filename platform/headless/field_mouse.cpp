// The mouse in a text field.
#include "platform/headless/field_mouse.h"

#include <algorithm>

#include "platform/headless/manager.h"
#include "platform/headless/text_field.h"
#include "platform/headless/text_width.h"

namespace headless {

namespace {

// The character boundary nearest to a point `x` of the client area. The point is first brought
// inside the text's area (EDIT_ConfinePoint), so that anywhere left of the text finds its start
// and anywhere right of it its end; a text narrower than the area is placed by its alignment.
size_t characterAt(const Window& field, int x, FieldArea area) {
    int left = area.left;
    int right = std::max(area.left + 1, area.right);
    int spare = std::max(0, right - left - textWidth(field, field.text));
    if (field.kind == WindowKind::Edit && (field.style & ES_RIGHT)) left += spare;
    else if (field.kind == WindowKind::Edit && (field.style & ES_CENTER)) left += spare / 2;
    return boundaryNearest(field, field.text, std::min(std::max(x, left), right - 1) - left);
}

}  // namespace

void fieldPressed(Window& field, WPARAM keys, int x, FieldArea area) {
    HWND handle = field.handle;
    setCapture(handle);
    Window* pressed = findWindow(handle);
    if (pressed == nullptr) return;
    placeCaret(*pressed, characterAt(*pressed, x, area), (keys & MK_SHIFT) != 0);
    if (focusedWindow() != handle) moveFocus(handle);
}

void fieldDoubleClicked(Window& field) {
    HWND handle = field.handle;
    setCapture(handle);
    if (Window* pressed = findWindow(handle)) selectWordAtCaret(*pressed);
}

void fieldDragged(Window& field, int x, FieldArea area) {
    if (captureWindow() == field.handle) placeCaret(field, characterAt(field, x, area), true);
}

void fieldReleased(Window& field) {
    if (captureWindow() == field.handle) releaseCapture();
}

}  // namespace headless
