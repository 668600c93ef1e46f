// The scripted user's platform on Linux: the headless dialog manager's support interface.
#include "platform/scripted_user/user_platform.h"

#include "platform/dialog_host.h"
#include "platform/headless/headless_support.h"

namespace scripted {
namespace platform {

namespace {

WaitingHandler& currentHandler() {
    static WaitingHandler handler = nullptr;
    return handler;
}

void callHandler(HWND dialog, void*) {
    if (currentHandler() != nullptr) currentHandler()(dialog);
}

}  // namespace

void attach(WaitingHandler handler) {
    currentHandler() = handler;
    headless::attachUser(callHandler, nullptr);
}

void detach() {
    headless::attachUser(nullptr, nullptr);
    currentHandler() = nullptr;
}

BOOL post(HWND window, UINT message, WPARAM wordParam, LPARAM longParam) {
    return headless::postMessage(window, message, wordParam, longParam);
}

HWND focus() { return headless::getFocus(); }

DWORD style(HWND window) { return headless::windowStyle(window); }

RECT clientRect(HWND window) {
    RECT rect{0, 0, 0, 0};
    headless::getClientRect(window, &rect);
    return rect;
}

bool isComboBox(HWND window) { return headless::className(window) == "COMBOBOX"; }

int controlId(HWND control) { return headless::getDlgCtrlId(control); }

HWND controlOf(HWND window, HWND dialog) {
    return window != nullptr && DialogHost::getDlgItem(dialog, headless::getDlgCtrlId(window)) == window ? window
                                                                                                     : nullptr;
}

}  // namespace platform
}  // namespace scripted
