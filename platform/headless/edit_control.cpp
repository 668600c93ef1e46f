// The EDIT class: its text, selection and limit, the keys and the mouse that move its caret, and the
// change notifications it sends.
#include <algorithm>

#include "platform/headless/controls.h"
#include "platform/headless/headless_metrics.h"
#include "platform/headless/manager.h"
#include "platform/headless/text_field.h"
#include "platform/headless/text_width.h"

namespace headless {

namespace {

void notifyEditChanged(Window& edit) {
    notifyParent(edit, EN_UPDATE);
    notifyParent(edit, EN_CHANGE);
}

// Setting the text replaces it whole, unfiltered and unlimited, and reports a change even when the
// text stays the same, before the call returns.
LRESULT editSetText(Window& edit, LPARAM text) {
    edit.text = textOf(text);
    edit.selectionStart = edit.selectionEnd = 0;
    notifyEditChanged(edit);
    return TRUE;
}

// At the limit USER32 reports EN_MAXTEXT and then a change, even when nothing could change.
LRESULT editTyped(Window& edit, WPARAM key) {
    KeyResult typed = typeCharacter(edit, static_cast<unsigned char>(key));
    if (typed == KeyResult::LimitReached) notifyParent(edit, EN_MAXTEXT);
    if (typed != KeyResult::Unchanged) notifyEditChanged(edit);
    return 0;
}

// Delete reports its change as typing does; the caret keys report nothing.
LRESULT editKeyDown(Window& edit, WPARAM key) {
    if (fieldKeyDown(edit, key) == KeyResult::Changed) notifyEditChanged(edit);
    return 0;
}

// ---- The mouse -------------------------------------------------------------------------------------

// The character boundary nearest to a point `x` of the client area. The point is first brought
// inside the text's rectangle (EDIT_ConfinePoint), so that anywhere left of the text finds its start
// and anywhere right of it its end; a text narrower than the field is placed by its alignment.
size_t characterAt(const Window& edit, int x) {
    int clientWidth = clientRect(edit).right;
    int border = (edit.rect.right - edit.rect.left - clientWidth) / 2;
    int left = kEditTextInset - border;
    int right = std::max(left + 1, clientWidth - left);
    int spare = std::max(0, right - left - textWidth(edit, edit.text));
    if (edit.style & ES_RIGHT) left += spare;
    else if (edit.style & ES_CENTER) left += spare / 2;
    return boundaryNearest(edit, edit.text, std::min(std::max(x, left), right - 1) - left);
}

int pointX(LPARAM point) { return static_cast<short>(LOWORD(point)); }

// A press puts the caret where it lands (Shift extends the selection to there) and captures the
// mouse for a drag; the field takes the focus last, without the whole-text selection the dialog's
// keys give it.
LRESULT editPressed(Window& edit, WPARAM keys, LPARAM point) {
    HWND handle = edit.handle;
    setCapture(handle);
    Window* pressed = findWindow(handle);
    if (pressed == nullptr) return 0;
    placeCaret(*pressed, characterAt(*pressed, pointX(point)), (keys & MK_SHIFT) != 0);
    if (focusedWindow() != handle) moveFocus(handle);
    return 0;
}

// The second press of a double click (the first placed the caret) selects the word there; the
// mouse stays captured, so a drag goes on from the word.
LRESULT editDoubleClicked(Window& edit) {
    HWND handle = edit.handle;
    setCapture(handle);
    if (Window* pressed = findWindow(handle)) selectWordAtCaret(*pressed);
    return 0;
}

// While the field holds the capture, the pointer drags the selection's end along.
LRESULT editDragged(Window& edit, LPARAM point) {
    if (captureWindow() == edit.handle) placeCaret(edit, characterAt(edit, pointX(point)), true);
    return 0;
}

LRESULT editReleased(Window& edit) {
    if (captureWindow() == edit.handle) releaseCapture();
    return 0;
}

}  // namespace

LRESULT editProcedure(Window& edit, UINT message, WPARAM wordParam, LPARAM longParam) {
    switch (message) {
    case WM_SETTEXT: return editSetText(edit, longParam);
    case WM_GETDLGCODE: return DLGC_HASSETSEL | DLGC_WANTCHARS | DLGC_WANTARROWS;
    case WM_CHAR: return editTyped(edit, wordParam);
    case WM_KEYDOWN: return editKeyDown(edit, wordParam);
    case WM_LBUTTONDOWN: return editPressed(edit, wordParam, longParam);
    case WM_LBUTTONDBLCLK: return editDoubleClicked(edit);
    case WM_MOUSEMOVE: return editDragged(edit, longParam);
    case WM_LBUTTONUP: return editReleased(edit);
    case EM_SETSEL: return setSelection(edit, wordParam, longParam);
    case EM_GETSEL: return getSelection(edit, wordParam, longParam);
    case EM_LIMITTEXT: return setLimit(edit, wordParam);
    case EM_GETLIMITTEXT: return static_cast<LRESULT>(edit.textLimit);
    default: return 0;
    }
}

}  // namespace headless
