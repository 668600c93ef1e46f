// What IsDialogMessage does with the keys a person presses in a dialog: Tab and the arrows move
// the focus, Enter and Escape press the default button and Cancel, and a mnemonic (the letter
// after '&' in a caption) reaches its control, unless the focused control wants the key itself
// (WM_GETDLGCODE). Wine's user32 dialog.c was the reference.
#include "platform/headless/keyboard.h"
#include "platform/headless/manager.h"

#include <cctype>

namespace headless {

namespace {

LPARAM handleOf(HWND window) { return reinterpret_cast<LPARAM>(window); }

bool isUsable(const Window* control) { return control != nullptr && isVisible(*control) && control->enabled; }

// Enter: the focused default push button's command, else the default id's (unless that button is
// disabled), else IDOK's.
void pressEnter(HWND dialog) {
    HWND focus = focusedWindow();
    const Window* focused = findWindow(focus);
    if (isChildOf(focus, dialog) && (dialogCode(focus, nullptr) & DLGC_DEFPUSHBUTTON)) {
        sendMessageTo(dialog, WM_COMMAND, MAKEWPARAM(focused->id, BN_CLICKED), handleOf(focus));
        return;
    }
    LRESULT defaultId = sendMessageTo(dialog, DM_GETDEFID, 0, 0);
    const Window* window = findWindow(dialog);
    if (window == nullptr) return;
    if (HIWORD(defaultId) == DC_HASDEFID) {
        HWND button = controlWithId(*window, LOWORD(defaultId));
        const Window* buttonWindow = findWindow(button);
        if (buttonWindow == nullptr || buttonWindow->enabled)
            sendMessageTo(dialog, WM_COMMAND, MAKEWPARAM(LOWORD(defaultId), BN_CLICKED), handleOf(button));
        return;
    }
    sendMessageTo(dialog, WM_COMMAND, IDOK, handleOf(controlWithId(*window, IDOK)));
}

// An arrow: the previous or next control of the group; a radio button there is focused and, if
// automatic, checked; any other control takes the focus as the dialog gives it.
void moveInGroup(HWND dialog, const MSG& message) {
    bool previous = message.wParam == VK_LEFT || message.wParam == VK_UP;
    HWND next = nextGroupItem(dialog, message.hwnd, previous);
    if (next != nullptr && dialogCode(next, &message) == (DLGC_BUTTON | DLGC_RADIOBUTTON)) {
        moveFocus(next);
        const Window* radio = findWindow(next);
        if (radio != nullptr && (radio->style & BS_TYPEMASK) == BS_AUTORADIOBUTTON &&
            sendMessageTo(next, BM_GETCHECK, 0, 0) != BST_CHECKED)
            sendMessageTo(next, BM_CLICK, 1, 0);
        return;
    }
    sendMessageTo(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), 1);
}

bool keyDown(HWND dialog, const MSG& message) {
    LRESULT code = dialogCode(message.hwnd, &message);
    if (code & DLGC_WANTMESSAGE) return false;
    switch (message.wParam) {
    case VK_TAB:
        if (code & DLGC_WANTTAB) return false;
        sendMessageTo(dialog, WM_NEXTDLGCTL, isKeyHeld(VK_SHIFT) ? 1 : 0, 0);
        return true;
    case VK_RIGHT:
    case VK_DOWN:
    case VK_LEFT:
    case VK_UP:
        if (code & DLGC_WANTARROWS) return false;
        moveInGroup(dialog, message);
        return true;
    case VK_ESCAPE: {
        const Window* window = findWindow(dialog);
        sendMessageTo(dialog, WM_COMMAND, IDCANCEL, handleOf(window ? controlWithId(*window, IDCANCEL) : nullptr));
        return true;
    }
    case VK_RETURN:
        pressEnter(dialog);
        return true;
    default:
        return false;
    }
}

// The mnemonic of a caption: the character after a single '&', or 0.
char mnemonicOf(const std::string& caption) {
    for (size_t at = caption.find('&'); at != std::string::npos && at + 1 < caption.size();
         at = caption.find('&', at + 2)) {
        if (caption[at + 1] != '&') return caption[at + 1];
    }
    return 0;
}

// DIALOG_IsAccelerator: from the focused control on, round the dialog, the first button or label
// whose mnemonic is the key. A label (or group box) passes the focus to the control after it; a
// button is clicked.
bool pressMnemonic(HWND dialog, HWND target, WPARAM key) {
    const Window* window = findWindow(dialog);
    if (window == nullptr || window->children.empty()) return false;
    const std::vector<HWND>& controls = window->children;
    size_t start = 0;
    for (size_t i = 0; i < controls.size(); ++i) {
        if (controls[i] == target) start = i;
    }
    for (size_t step = 0; step < controls.size(); ++step) {
        HWND handle = controls[(start + step) % controls.size()];
        const Window* control = findWindow(handle);
        if (!isUsable(control)) continue;
        LRESULT code = dialogCode(handle, nullptr);
        char mnemonic = (code & (DLGC_BUTTON | DLGC_STATIC)) ? mnemonicOf(control->text) : 0;
        if (mnemonic == 0 || std::toupper(static_cast<unsigned char>(mnemonic)) != std::toupper(static_cast<int>(key)))
            continue;
        if ((code & DLGC_STATIC) || (control->style & BS_TYPEMASK) == BS_GROUPBOX) {
            sendMessageTo(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(handle), 1);
            sendMessageTo(dialog, WM_NEXTDLGCTL, 0, 0);
        } else {
            sendMessageTo(handle, BM_CLICK, 0, 0);
        }
        return true;
    }
    return false;
}

}  // namespace

LRESULT dialogCode(HWND window, const MSG* message) {
    if (window == nullptr) return 0;
    WPARAM key = message != nullptr ? message->wParam : 0;
    return sendMessageTo(window, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(message));
}

void systemCharacter(HWND dialog, const MSG& message) {
    bool altDown = (static_cast<DWORD>(message.lParam) & (1u << 29)) != 0;
    WPARAM character = message.wParam;
    if (!altDown || character == 0 || character == '\t' || character == 0x1B || character == ' ') return;
    const Window* window = findWindow(dialog);
    if (window == nullptr || !(window->style & WS_SYSMENU)) return;
    sendMessageTo(dialog, WM_ENTERMENULOOP, FALSE, 0);
    sendMessageTo(dialog, WM_EXITMENULOOP, FALSE, 0);
}

bool isDialogMessage(HWND dialog, const MSG& message) {
    if (message.hwnd != dialog && !isChildOf(message.hwnd, dialog)) return false;
    switch (message.message) {
    case WM_KEYDOWN: return keyDown(dialog, message);
    case WM_CHAR: {
        LRESULT code = dialogCode(message.hwnd, &message);
        if (code & (DLGC_WANTCHARS | DLGC_WANTMESSAGE)) return false;
        if (message.wParam == '\t' && (code & DLGC_WANTTAB)) return false;
        return pressMnemonic(dialog, message.hwnd, message.wParam);
    }
    case WM_SYSCHAR: return pressMnemonic(dialog, message.hwnd, message.wParam);
    default: return false;
    }
}

}  // namespace headless
