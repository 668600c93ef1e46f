// What IsDialogMessage does with the keys a person presses in a dialog.
#include "platform/headless/manager.h"

namespace headless {

namespace {

LPARAM handleOf(HWND window) { return reinterpret_cast<LPARAM>(window); }

bool isDefaultPushButton(const Window* control) {
    return control != nullptr && control->kind == WindowKind::Button &&
           (control->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

// Enter: the focused default push button's command, else the default id's (IDOK when there is
// none); a disabled default button takes no Enter.
void pressEnter(HWND dialog) {
    const Window* focused = findWindow(focusedWindow());
    if (isDefaultPushButton(focused) && focused->parent == dialog) {
        sendMessageTo(dialog, WM_COMMAND, MAKEWPARAM(focused->id, BN_CLICKED), handleOf(focused->handle));
        return;
    }
    LRESULT defaultId = sendMessageTo(dialog, DM_GETDEFID, 0, 0);
    int id = HIWORD(defaultId) == DC_HASDEFID ? LOWORD(defaultId) : IDOK;
    const Window* window = findWindow(dialog);
    if (window == nullptr) return;
    HWND button = controlWithId(*window, id);
    const Window* buttonWindow = findWindow(button);
    if (buttonWindow != nullptr && !buttonWindow->enabled) return;
    sendMessageTo(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), handleOf(button));
}

}  // namespace

// Escape sends the Cancel command even when no control has id 2.
void dialogKey(HWND dialog, WPARAM key) {
    const Window* window = findWindow(dialog);
    if (window == nullptr) return;
    if (key == VK_ESCAPE) sendMessageTo(dialog, WM_COMMAND, IDCANCEL, handleOf(controlWithId(*window, IDCANCEL)));
    else if (key == VK_RETURN) pressEnter(dialog);
}

}  // namespace headless
