// The EDIT class: its text, selection and limit, the keys and the mouse that move its caret and
// change its text, its context menu, and the change notifications it sends.
#include "platform/headless/context_menu.h"
#include "platform/headless/controls.h"
#include "platform/headless/field_editing.h"
#include "platform/headless/field_mouse.h"
#include "platform/headless/manager.h"
#include "platform/headless/text_field.h"

namespace headless {

namespace {

// Setting the text replaces it whole, unfiltered and unlimited, and reports a change even when the
// text stays the same, before the call returns.
LRESULT editSetText(Window& edit, LPARAM text) {
    HWND handle = edit.handle;
    setFieldText(edit, textOf(text));
    notifyParent(edit, EN_UPDATE);
    if (Window* still = findWindow(handle)) notifyParent(*still, EN_CHANGE);
    return TRUE;
}

int pointX(LPARAM point) { return static_cast<short>(LOWORD(point)); }

// The middle button does nothing in a field on Windows (Wine 8.0 pastes with it).
LRESULT editMouse(Window& edit, UINT message, WPARAM keys, LPARAM point) {
    switch (message) {
    case WM_LBUTTONDOWN: fieldPressed(edit, keys, pointX(point)); break;
    case WM_LBUTTONDBLCLK: fieldDoubleClicked(edit); break;
    case WM_MOUSEMOVE: fieldDragged(edit, pointX(point)); break;
    case WM_LBUTTONUP: fieldReleased(edit); break;
    default: break;
    }
    return 0;
}

}  // namespace

LRESULT editProcedure(Window& edit, UINT message, WPARAM wordParam, LPARAM longParam) {
    LRESULT result = 0;
    if (editingMessage(edit, message, result)) return result;
    switch (message) {
    case WM_SETTEXT: return editSetText(edit, longParam);
    case WM_GETDLGCODE: return DLGC_HASSETSEL | DLGC_WANTCHARS | DLGC_WANTARROWS;
    case WM_CHAR: typeCharacter(edit, static_cast<unsigned char>(wordParam)); return 0;
    case WM_KEYDOWN: fieldKeyDown(edit, wordParam); return 0;
    case WM_SYSKEYDOWN: return fieldSystemKeyDown(edit, wordParam, longParam) ? 0 : defaultControlMessage(edit, message, wordParam, longParam);
    case WM_CONTEXTMENU: openFieldMenu(edit, longParam); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: return editMouse(edit, message, wordParam, longParam);
    case EM_SETSEL: return setSelection(edit, wordParam, longParam);
    case EM_GETSEL: return getSelection(edit, wordParam, longParam);
    case EM_LIMITTEXT: return setLimit(edit, wordParam);
    case EM_GETLIMITTEXT: return static_cast<LRESULT>(edit.textLimit);
    default: return defaultControlMessage(edit, message, wordParam, longParam);
    }
}

}  // namespace headless
