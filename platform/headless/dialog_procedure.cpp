// Messages to windows: a control's class procedure, or a dialog's own procedure followed by what
// DefDlgProc does when that procedure returns FALSE.
#include "platform/headless/controls.h"
#include "platform/headless/manager.h"

namespace headless {

namespace {

LPARAM handleOf(HWND window) { return reinterpret_cast<LPARAM>(window); }

int defaultButtonId(const Window& dialog) {
    if (dialog.defaultId != 0) return dialog.defaultId;
    for (HWND child : dialog.children) {
        const Window* control = findWindow(child);
        if (control != nullptr && control->kind == WindowKind::Button &&
            (control->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            return control->id;
    }
    return 0;
}

// A click on the dialog itself, or a menu entered, always rolls up an open combo-box list: the focused control is asked
// to, and when it answers 0 (it is no combo box: on Windows, the focus may be a combo box's edit
// field) its parent is.
void rollUpFocusedComboBox() {
    HWND focus = focusedWindow();
    if (focus == nullptr || sendMessageTo(focus, CB_SHOWDROPDOWN, FALSE, 0) != 0) return;
    const Window* focused = findWindow(focus);
    if (focused != nullptr) sendMessageTo(focused->parent, CB_SHOWDROPDOWN, FALSE, 0);
}

LRESULT defaultDialogMessage(Window& dialog, UINT message, WPARAM wordParam, LPARAM longParam) {
    switch (message) {
    case WM_SETTEXT:
        dialog.text = longParam != 0 ? reinterpret_cast<const char*>(longParam) : "";
        return TRUE;
    case WM_CLOSE:  // the close box posts the Cancel command, whether or not a control has id 2
        postMessageTo(dialog.handle, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                      handleOf(controlWithId(dialog, IDCANCEL)));
        return 0;
    case WM_SYSCOMMAND:
        if ((wordParam & 0xFFF0) == SC_CLOSE) sendMessageTo(dialog.handle, WM_CLOSE, 0, 0);
        return 0;
    case WM_SYSKEYDOWN: closeOnAltF4(dialog.handle, wordParam, longParam); return 0;
    case DM_GETDEFID: {
        int id = dialog.ended ? 0 : defaultButtonId(dialog);
        return id != 0 ? MAKELPARAM(id, DC_HASDEFID) : 0;
    }
    case DM_SETDEFID:
        if (!dialog.ended) setDefaultId(dialog, static_cast<int>(wordParam));
        return TRUE;
    case WM_RBUTTONUP: {  // DefWindowProc asks for a context menu where the button was let go
        POINT origin = clientOrigin(dialog);
        LPARAM screen = MAKELPARAM(origin.x + GET_X_LPARAM(longParam), origin.y + GET_Y_LPARAM(longParam));
        sendMessageTo(dialog.handle, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(dialog.handle), screen);
        return 0;
    }
    case WM_SETFOCUS: restoreDialogFocus(dialog.handle); return 0;
    case WM_NEXTDLGCTL: nextDialogControl(dialog, wordParam, longParam); return 0;
    case WM_LBUTTONDOWN:
    case WM_ENTERMENULOOP: rollUpFocusedComboBox(); return 0;
    default: return 0;
    }
}

LRESULT dialogMessage(Window& dialog, UINT message, WPARAM wordParam, LPARAM longParam) {
    HWND handle = dialog.handle;
    if (dialog.procedure != nullptr && dialog.procedure(handle, message, wordParam, longParam)) return 0;
    Window* stillThere = findWindow(handle);
    return stillThere != nullptr ? defaultDialogMessage(*stillThere, message, wordParam, longParam) : 0;
}

}  // namespace

LRESULT sendMessageTo(HWND window, UINT message, WPARAM wordParam, LPARAM longParam) {
    Window* target = findWindow(window);
    if (target == nullptr || target->kind == WindowKind::Desktop) return 0;
    if (message == WM_GETTEXT) return copyTextOut(target->text, wordParam, longParam);
    if (message == WM_GETTEXTLENGTH) return static_cast<LRESULT>(target->text.size());
    if (target->kind == WindowKind::Dialog) return dialogMessage(*target, message, wordParam, longParam);
    return controlProcedure(*target, message, wordParam, longParam);
}

void closeOnAltF4(HWND dialog, WPARAM key, LPARAM flags) {
    if (key == VK_F4 && (static_cast<DWORD>(flags) & (1u << 29))) postMessageTo(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void notifyParent(const Window& control, WORD code) {
    sendMessageTo(control.parent, WM_COMMAND, MAKEWPARAM(control.id, code), handleOf(control.handle));
}

HWND controlWithId(const Window& dialog, int id) {
    for (HWND child : dialog.children) {
        const Window* control = findWindow(child);
        if (control != nullptr && control->id == id) return child;
    }
    return nullptr;
}

}  // namespace headless
