// The EDIT class: its text, selection and limit, the keys and the mouse that move its caret, and the
// change notifications it sends.
#include <algorithm>

#include "platform/headless/controls.h"
#include "platform/headless/field_mouse.h"
#include "platform/headless/headless_metrics.h"
#include "platform/headless/manager.h"
#include "platform/headless/text_field.h"

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

// The text runs between insets at both ends, the frame included (where the renderer draws it).
FieldArea editTextArea(const Window& edit) {
    int clientWidth = clientRect(edit).right;
    int border = (edit.rect.right - edit.rect.left - clientWidth) / 2;
    int left = kEditTextInset - border;
    return FieldArea{left, clientWidth - left};
}

int pointX(LPARAM point) { return static_cast<short>(LOWORD(point)); }

LRESULT editMouse(Window& edit, UINT message, WPARAM keys, LPARAM point) {
    switch (message) {
    case WM_LBUTTONDOWN: fieldPressed(edit, keys, pointX(point), editTextArea(edit)); break;
    case WM_LBUTTONDBLCLK: fieldDoubleClicked(edit); break;
    case WM_MOUSEMOVE: fieldDragged(edit, pointX(point), editTextArea(edit)); break;
    default: fieldReleased(edit); break;
    }
    return 0;
}

}  // namespace

LRESULT editProcedure(Window& edit, UINT message, WPARAM wordParam, LPARAM longParam) {
    switch (message) {
    case WM_SETTEXT: return editSetText(edit, longParam);
    case WM_GETDLGCODE: return DLGC_HASSETSEL | DLGC_WANTCHARS | DLGC_WANTARROWS;
    case WM_CHAR: return editTyped(edit, wordParam);
    case WM_KEYDOWN: return editKeyDown(edit, wordParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: return editMouse(edit, message, wordParam, longParam);
    case EM_SETSEL: return setSelection(edit, wordParam, longParam);
    case EM_GETSEL: return getSelection(edit, wordParam, longParam);
    case EM_LIMITTEXT: return setLimit(edit, wordParam);
    case EM_GETLIMITTEXT: return static_cast<LRESULT>(edit.textLimit);
    default: return 0;
    }
}

}  // namespace headless
