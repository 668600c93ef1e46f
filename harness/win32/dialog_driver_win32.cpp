// The driver's operations over USER32: the user as a thread timer inside the modal loop, dialogs
// heard closing through a CBT hook, and windows read with USER32's own queries.
#include "harness/dialog_driver.h"

#include <cctype>

namespace DialogDriver {

namespace {

struct Hook {
    DialogHook hook = nullptr;
    void* context = nullptr;
};

struct DriverState {
    Hook user;
    FrontEnd frontEnd;
    UINT_PTR timer = 0;
    Hook closingObserver;
    HHOOK closingHook = nullptr;
};

DriverState& state() {
    static DriverState driver;
    return driver;
}

bool isWaitingDialog(HWND window) {
    return window != nullptr && className(window) == "#32770" && IsWindowVisible(window) && IsWindowEnabled(window);
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

// A thread timer set before the modal call fires inside the dialog manager's modal loop, once
// what was posted has been handled (WM_TIMER comes after every posted message).
void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = waitingDialog();
    Hook user = state().user;
    FrontEnd frontEnd = state().frontEnd;
    if (dialog == nullptr) return;
    if (user.hook != nullptr) user.hook(dialog, user.context);
    else if (frontEnd.wait != nullptr) frontEnd.wait(dialog, 0, frontEnd.context);
}

void runTimer(bool on) {
    DriverState& driver = state();
    if (on && driver.timer == 0) driver.timer = SetTimer(nullptr, 0, 5, onTimer);
    if (!on && driver.timer != 0) {
        KillTimer(nullptr, driver.timer);
        driver.timer = 0;
    }
}

LRESULT CALLBACK onWindowEvent(int code, WPARAM wordParam, LPARAM longParam) {
    Hook observer = state().closingObserver;
    if (code == HCBT_DESTROYWND && observer.hook != nullptr) {
        HWND window = reinterpret_cast<HWND>(wordParam);
        if (className(window) == "#32770") observer.hook(window, observer.context);
    }
    return CallNextHookEx(state().closingHook, code, wordParam, longParam);
}

}  // namespace

void attachUser(DialogHook whenWaiting, void* context) {
    state().user = Hook{whenWaiting, context};
    state().frontEnd = FrontEnd{};
    runTimer(whenWaiting != nullptr);
}

void attachFrontEnd(const FrontEnd* frontEnd) {
    state().frontEnd = frontEnd != nullptr ? *frontEnd : FrontEnd{};
    state().user = Hook{};
    runTimer(state().frontEnd.wait != nullptr);
}

void observeClosing(DialogHook observer, void* context) {
    DriverState& driver = state();
    driver.closingObserver = Hook{observer, context};
    if (observer != nullptr && driver.closingHook == nullptr) {
        driver.closingHook = SetWindowsHookExA(WH_CBT, onWindowEvent, nullptr, GetCurrentThreadId());
    } else if (observer == nullptr && driver.closingHook != nullptr) {
        UnhookWindowsHookEx(driver.closingHook);
        driver.closingHook = nullptr;
    }
}

std::string lastDialogFailure() {
    DWORD error = GetLastError();
    if (error == 0) return std::string();
    char message[512] = "";
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                  message, sizeof message, nullptr);
    while (length > 0 && std::isspace(static_cast<unsigned char>(message[length - 1]))) message[--length] = '\0';
    return length > 0 ? std::string(message) : "error " + std::to_string(error);
}

BOOL postMessage(HWND window, UINT message, WPARAM wordParam, LPARAM longParam) {
    return PostMessageA(window, message, wordParam, longParam);
}

namespace {

// A press beside every dialog lands on the desktop's window, which belongs to another process
// (explorer) and handles it whenever that process is scheduled: under load, after the user has
// been called again and has read the dialog. Input sent here therefore meets a desktop of this
// thread's own, a window behind every dialog that covers the screen, so that every press is handled
// in this thread's queue before the next WM_TIMER calls the user. Like the desktop it takes the
// activation from the dialog; unlike it, it never becomes active itself (that would raise it over
// the dialogs), so keys then reach no window, as they reach none of this thread's on Windows.
LRESULT CALLBACK desktopStandIn(HWND window, UINT message, WPARAM wordParam, LPARAM longParam) {
    if (message != WM_MOUSEACTIVATE) return DefWindowProcA(window, message, wordParam, longParam);
    SetActiveWindow(nullptr);
    return MA_NOACTIVATE;
}

void placeDesktopStandIn() {
    static HWND standIn = nullptr;
    if (standIn != nullptr && IsWindow(standIn)) return;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = desktopStandIn;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BACKGROUND + 1);
    windowClass.lpszClassName = "UIResourceDesktopStandIn";
    RegisterClassA(&windowClass);
    standIn = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, windowClass.lpszClassName, "", WS_POPUP,
                              GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                              GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN), nullptr,
                              nullptr, windowClass.hInstance, nullptr);
    SetWindowPos(standIn, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void sendInput(INPUT input) {
    placeDesktopStandIn();
    SendInput(1, &input, sizeof input);
}

// The keys whose scan codes are extended: without the flag the arrows and their block would be
// the numeric keypad's.
bool isExtendedKey(int virtualKey) {
    return (virtualKey >= VK_PRIOR && virtualKey <= VK_DOWN) || virtualKey == VK_INSERT || virtualKey == VK_DELETE;
}

void sendKey(int virtualKey, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(virtualKey);
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (down ? 0 : KEYEVENTF_KEYUP) | (isExtendedKey(virtualKey) ? KEYEVENTF_EXTENDEDKEY : 0);
    sendInput(input);
}

void sendMouse(DWORD flags, DWORD data = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = data;
    sendInput(input);
}

}  // namespace

void keyDown(int virtualKey) { sendKey(virtualKey, true); }

void keyUp(int virtualKey) { sendKey(virtualKey, false); }

// Code page 1252 whatever the system's, as on Linux.
void typeCharacter(char character) {
    wchar_t wide = 0;
    if (MultiByteToWideChar(1252, 0, &character, 1, &wide, 1) != 1) return;
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = static_cast<WORD>(wide);
    input.ki.dwFlags = KEYEVENTF_UNICODE;
    sendInput(input);
    input.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
    sendInput(input);
}

// The pointer is placed exactly, and USER32 queues the WM_MOUSEMOVE behind the input sent before
// it; a button pressed next goes in at the new place.
void moveMouse(POINT screen) {
    placeDesktopStandIn();
    SetCursorPos(screen.x, screen.y);
}

void mouseButton(bool down, MouseButton button) {
    switch (button) {
    case MouseButton::Right: sendMouse(down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP); break;
    case MouseButton::Middle: sendMouse(down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP); break;
    default: sendMouse(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP); break;
    }
}

void turnWheel(int notches) { sendMouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(notches * WHEEL_DELTA)); }

bool isWindow(HWND window) { return IsWindow(window) != FALSE; }

HWND focus() { return GetFocus(); }

HWND activeDialog() { return GetActiveWindow(); }

std::vector<HWND> controls(HWND dialog) {
    std::vector<HWND> children;
    if (!IsWindow(dialog)) return children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

int controlId(HWND control) { return GetDlgCtrlID(control); }

std::string className(HWND window) {
    char name[64] = "";
    if (window == nullptr || GetClassNameA(window, name, sizeof name) == 0) return std::string();
    for (char* c = name; *c != '\0'; ++c) *c = static_cast<char>(std::toupper(static_cast<unsigned char>(*c)));
    return name;
}

DWORD style(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)); }

RECT clientRect(HWND window) {
    RECT rect{0, 0, 0, 0};
    if (!GetClientRect(window, &rect)) return rect;
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int fontHeight(HWND window) {
    if (!IsWindow(window)) return 0;
    HDC context = GetDC(window);
    HGDIOBJ previous = SelectObject(context, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(context, &metrics);
    SelectObject(context, previous);
    ReleaseDC(window, context);
    return static_cast<int>(metrics.tmHeight);
}

HWND controlHolding(HWND window, HWND dialog) {
    if (window == nullptr || !IsChild(dialog, window)) return nullptr;
    while (window != nullptr && GetParent(window) != dialog) window = GetParent(window);
    return window;
}

}  // namespace DialogDriver
