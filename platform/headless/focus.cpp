// The keyboard focus: the one routine that moves it, with the notifications the controls send, and
// the focus a dialog keeps while another dialog has it (DefDlgProc's WM_ACTIVATE handling).
#include "platform/headless/controls.h"
#include "platform/headless/manager.h"

namespace headless {

namespace {

HWND focus = nullptr;

HWND dialogOf(HWND window) {
    const Window* found = findWindow(window);
    if (found == nullptr) return nullptr;
    return found->kind == WindowKind::Dialog ? window : found->parent;
}

// A dialog remembers its focused control when another dialog takes the focus (it is deactivated),
// so that the focus comes back to it when that dialog ends.
void rememberFocusLeaving(HWND previous, HWND next) {
    HWND left = dialogOf(previous);
    HWND entered = dialogOf(next);
    if (left == nullptr || left == previous || entered == nullptr || left == entered) return;
    findWindow(left)->savedFocus = previous;
}

// Giving the focus to a dialog or one of its controls activates the dialog, even while hidden.
void activateDialogOf(HWND window) {
    if (Window* dialog = findWindow(dialogOf(window))) dialog->activated = true;
}

}  // namespace

HWND focusedWindow() { return focus; }

HWND moveFocus(HWND window) {
    Window* target = findWindow(window);
    if (window != nullptr && (target == nullptr || target->kind == WindowKind::Desktop)) return nullptr;
    HWND previous = focus;
    if (previous == window) return previous;
    rememberFocusLeaving(previous, window);
    activateDialogOf(window);
    focus = window;
    Window* old = findWindow(previous);
    if (old != nullptr && old->kind != WindowKind::Dialog) controlFocusChanged(*old, false);
    if (focus != window || (target = findWindow(window)) == nullptr) return previous;
    if (target->kind == WindowKind::Dialog) sendMessageTo(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    else controlFocusChanged(*target, true);
    return previous;
}

void focusControl(HWND control) {
    if (dialogCode(control, nullptr) & DLGC_HASSETSEL) sendMessageTo(control, EM_SETSEL, 0, -1);
    moveFocus(control);
}

void restoreDialogFocus(HWND dialog) {
    Window* window = findWindow(dialog);
    if (window == nullptr || window->ended) return;
    HWND saved = window->savedFocus;
    window->savedFocus = nullptr;
    if (isChildOf(saved, dialog)) {
        moveFocus(saved);
        return;
    }
    HWND first = firstTabStop(*window);
    if (first != nullptr) focusControl(first);
}

// WM_ACTIVATE as DefDlgProc answers it: leaving, the dialog keeps its focused control for later and
// nothing has the focus; coming back, that control has it again, its selection as it was.
void deactivateDialog(HWND dialog) {
    Window* window = findWindow(dialog);
    if (window == nullptr || window->deactivated) return;
    if (isChildOf(focus, dialog)) window->savedFocus = focus;
    window->deactivated = true;
    moveFocus(nullptr);
}

void reactivateDialog(HWND dialog) {
    Window* window = findWindow(dialog);
    if (window == nullptr || !window->deactivated) return;
    window->deactivated = false;
    HWND saved = window->savedFocus;
    window->savedFocus = nullptr;
    if (isChildOf(saved, dialog)) moveFocus(saved);
}

HWND firstTabStop(const Window& dialog) {
    HWND firstUsable = nullptr;
    for (HWND child : dialog.children) {
        const Window* control = findWindow(child);
        if (control == nullptr || !isVisible(*control) || !control->enabled) continue;
        if (control->style & WS_TABSTOP) return child;
        if (firstUsable == nullptr) firstUsable = child;
    }
    return firstUsable;
}

}  // namespace headless
