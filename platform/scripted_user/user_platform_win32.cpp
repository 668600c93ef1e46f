// The scripted user's platform on Windows: a thread timer, set before the modal call, fires inside
// the dialog manager's modal loop and finds the dialog waiting there; input is posted as a person's
// keystrokes are.
#include "platform/scripted_user/user_platform.h"

#include <cstring>

namespace scripted {
namespace platform {

namespace {

struct TimerState {
    WaitingHandler handler = nullptr;
    UINT_PTR timer = 0;
};

TimerState& timerState() {
    static TimerState current;
    return current;
}

bool isWaitingDialog(HWND window) {
    char name[16] = {};
    if (window == nullptr || GetClassNameA(window, name, sizeof name) == 0) return false;
    return std::strcmp(name, "#32770") == 0 && IsWindowVisible(window) && IsWindowEnabled(window);
}

BOOL CALLBACK rememberWaitingDialog(HWND window, LPARAM found) {
    if (isWaitingDialog(window)) *reinterpret_cast<HWND*>(found) = window;
    return TRUE;
}

// The active window, else the last enabled, visible dialog of this thread: a modal dialog's owner
// is disabled while it runs, so that is the innermost one.
HWND waitingDialog() {
    HWND active = GetActiveWindow();
    if (isWaitingDialog(active)) return active;
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), rememberWaitingDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = waitingDialog();
    if (dialog != nullptr && timerState().handler != nullptr) timerState().handler(dialog);
}

}  // namespace

void attach(WaitingHandler handler) {
    timerState().handler = handler;
    if (timerState().timer == 0) timerState().timer = SetTimer(nullptr, 0, 5, onTimer);
}

void detach() {
    if (timerState().timer != 0) KillTimer(nullptr, timerState().timer);
    timerState() = TimerState{};
}

BOOL post(HWND window, UINT message, WPARAM wordParam, LPARAM longParam) {
    return PostMessageA(window, message, wordParam, longParam);
}

HWND focus() { return GetFocus(); }

DWORD style(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)); }

RECT clientRect(HWND window) {
    RECT rect{0, 0, 0, 0};
    GetClientRect(window, &rect);
    return rect;
}

bool isComboBox(HWND window) {
    char name[16] = {};
    return GetClassNameA(window, name, sizeof name) != 0 && _stricmp(name, "ComboBox") == 0;
}

int controlId(HWND control) { return GetDlgCtrlID(control); }

HWND controlOf(HWND window, HWND dialog) {
    if (window == nullptr || !IsChild(dialog, window)) return nullptr;
    while (window != nullptr && GetParent(window) != dialog) window = GetParent(window);
    return window;
}

}  // namespace platform
}  // namespace scripted
