// The dialog-host operations on Linux, over the headless dialog manager, with USER32's results for
// bad input: null and unknown handles, ids no control has, null buffers.
#include "platform/dialog_host.h"

#include <string>

#include "platform/dialog_integer.h"
#include "platform/headless/manager.h"

namespace headless {

std::vector<ShellRequest>& shellRequestLog() {
    static std::vector<ShellRequest> requests;
    return requests;
}

}  // namespace headless

namespace DialogHost {

using headless::findWindow;

INT_PTR dialogBoxParam(HINSTANCE instance, WORD templateId, HWND owner, DLGPROC procedure, LPARAM initValue) {
    return headless::runModalDialog(instance, templateId, owner, procedure, initValue);
}

BOOL endDialog(HWND dialog, INT_PTR result) { return headless::endModalDialog(dialog, result); }

HWND getDlgItem(HWND dialog, int id) {
    const headless::Window* window = findWindow(dialog);
    return window != nullptr ? headless::controlWithId(*window, id) : nullptr;
}

BOOL setDlgItemText(HWND dialog, int id, const char* text) {
    HWND control = getDlgItem(dialog, id);
    if (control == nullptr) return FALSE;
    return static_cast<BOOL>(headless::sendMessageTo(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)));
}

BOOL setDlgItemInt(HWND dialog, int id, int value) { return setDlgItemText(dialog, id, std::to_string(value).c_str()); }

UINT getDlgItemText(HWND dialog, int id, char* buffer, int capacity) {
    if (buffer == nullptr || capacity <= 0) return 0;
    buffer[0] = '\0';
    HWND control = getDlgItem(dialog, id);
    LPARAM out = reinterpret_cast<LPARAM>(buffer);
    return static_cast<UINT>(headless::sendMessageTo(control, WM_GETTEXT, static_cast<WPARAM>(capacity), out));
}

int getDlgItemInt(HWND dialog, int id) {
    const headless::Window* control = findWindow(getDlgItem(dialog, id));
    return control != nullptr ? parseDialogInteger(control->text) : 0;
}

LRESULT sendMessage(HWND window, UINT message, WPARAM wordParam, LPARAM longParam) {
    return headless::sendMessageTo(window, message, wordParam, longParam);
}

BOOL setWindowText(HWND window, const char* text) {
    if (findWindow(window) == nullptr) return FALSE;
    return static_cast<BOOL>(headless::sendMessageTo(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)));
}

BOOL getWindowRect(HWND window, RECT* rect) {
    const headless::Window* found = findWindow(window);
    if (found == nullptr || rect == nullptr) return FALSE;
    *rect = headless::screenRect(*found);
    return TRUE;
}

HWND getDesktopWindow() { return headless::desktopWindow(); }

// Moves and sizes without sending anything: dialogs in screen pixels, controls in their dialog's
// client area. Negative sizes become 0.
BOOL moveWindow(HWND window, int x, int y, int width, int height, BOOL) {
    headless::Window* found = findWindow(window);
    if (found == nullptr || found->kind == headless::WindowKind::Desktop) return FALSE;
    found->rect = RECT{x, y, x + (width > 0 ? width : 0), y + (height > 0 ? height : 0)};
    return TRUE;
}

// Nonzero when the window was visible before.
BOOL showWindow(HWND window, int command) {
    headless::Window* found = findWindow(window);
    if (found == nullptr || found->kind == headless::WindowKind::Desktop) return FALSE;
    BOOL wasVisible = headless::isVisible(*found) ? TRUE : FALSE;
    if (command == SW_HIDE) found->style &= ~WS_VISIBLE;
    else found->style |= WS_VISIBLE;
    return wasVisible;
}

HWND setFocus(HWND window) { return headless::moveFocus(window); }

// Nothing is ever opened on Linux: every request is kept for the driver, as it takes no window,
// verb, parameters or directory.
void shellOpen(const char* file, int showCommand) {
    std::string text = file != nullptr ? file : "(null)";
    headless::shellRequestLog().push_back(headless::ShellRequest{text, showCommand, true});
}

}  // namespace DialogHost
