// The EDIT class: its text, selection and limit, and the change notifications it sends.
#include "platform/headless/controls.h"
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

}  // namespace

LRESULT editProcedure(Window& edit, UINT message, WPARAM wordParam, LPARAM longParam) {
    switch (message) {
    case WM_SETTEXT: return editSetText(edit, longParam);
    case WM_GETDLGCODE: return DLGC_HASSETSEL | DLGC_WANTCHARS | DLGC_WANTARROWS;
    case WM_LBUTTONDOWN: moveFocus(edit.handle); return 0;
    case WM_CHAR: return editTyped(edit, wordParam);
    case EM_SETSEL: return setSelection(edit, wordParam, longParam);
    case EM_GETSEL: return getSelection(edit, wordParam, longParam);
    case EM_LIMITTEXT: return setLimit(edit, wordParam);
    case EM_GETLIMITTEXT: return static_cast<LRESULT>(edit.textLimit);
    default: return 0;
    }
}

}  // namespace headless
