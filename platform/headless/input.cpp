// A person's input to the headless dialog manager: the queue of key and mouse events the driver
// adds, and the message each becomes when the modal loop takes it, as USER32 makes them then: the
// key state brought up to date, a key to the focused window (or, with nothing focused, to the
// active dialog as a WM_SYS key), the mouse and its wheel to the window holding the capture or the
// one under the pointer, and a second press soon after the first, on the same window and near it,
// a double click.
#include <chrono>
#include <cstdlib>
#include <deque>

#include "platform/headless/context_menu.h"
#include "platform/headless/keyboard.h"
#include "platform/headless/manager.h"

namespace headless {

namespace {

using Clock = std::chrono::steady_clock;

// USER32's defaults: GetDoubleClickTime() and SM_CXDOUBLECLK / SM_CYDOUBLECLK.
constexpr auto kDoubleClickTime = std::chrono::milliseconds(500);
constexpr int kDoubleClickSize = 4;

struct LastPress {
    HWND window = nullptr;
    bool inDroppedList = false;  // a combo box's dropped list is a window of its own on USER32
    MouseButton button = MouseButton::Left;
    POINT point{0, 0};
    Clock::time_point time;
};

struct InputState {
    std::deque<InputEvent> queue;
    POINT pointer{0, 0};
    WPARAM buttonsDown = 0;  // MK_LBUTTON, MK_RBUTTON, MK_MBUTTON
    HWND capture = nullptr;
    LastPress lastPress;
};

// Each button's messages, down, up and double click, and its MK_ flag.
struct ButtonMessages {
    UINT down, up, doubleClick;
    WPARAM flag;
};

ButtonMessages messagesOf(MouseButton button) {
    switch (button) {
    case MouseButton::Right: return ButtonMessages{WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, MK_RBUTTON};
    case MouseButton::Middle: return ButtonMessages{WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, MK_MBUTTON};
    default: return ButtonMessages{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, MK_LBUTTON};
    }
}

InputState& input() {
    static InputState state;
    return state;
}

LPARAM pointParam(POINT point) { return MAKELPARAM(point.x, point.y); }

// ---- Keys ------------------------------------------------------------------------------------------

// The key's lParam: a repeat count of 1, Alt in bit 29, the previous state in bit 30 and the
// transition in bit 31.
LPARAM keyParam(bool down, bool wasDown) {
    DWORD flags = 1;
    if (isKeyHeld(VK_MENU)) flags |= 1u << 29;
    if (wasDown) flags |= 1u << 30;
    if (!down) flags |= 1u << 31;
    return static_cast<LPARAM>(flags);
}

// Alt without Ctrl makes every key a system key, and so does F10 without Ctrl, or any key with
// nothing focused. An open popup menu takes every key.
MSG keyMessage(const InputEvent& event) {
    bool down = event.kind == InputKind::KeyDown;
    bool wasDown = isKeyHeld(event.key);
    setKeyDown(event.key, down);
    HWND target = openMenuWindow() != nullptr ? openMenuWindow() : focusedWindow();
    bool system = !isKeyHeld(VK_CONTROL) && (isKeyHeld(VK_MENU) || event.key == VK_F10);
    if (target == nullptr) {
        target = activeDialog();  // none when the dialog lost the activation: the key goes elsewhere
        system = true;
    }
    UINT message = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    return MSG{target, message, static_cast<WPARAM>(event.key), keyParam(down, wasDown), 0, input().pointer};
}

// A character with no key of its own (SendInput's KEYEVENTF_UNICODE): VK_PACKET, with the character
// in the high word for TranslateMessage.
MSG characterMessage(const InputEvent& event) {
    MSG message = keyMessage(InputEvent{InputKind::KeyDown, VK_PACKET});
    setKeyDown(VK_PACKET, false);
    message.lParam = static_cast<LPARAM>(static_cast<DWORD>(event.key & 0xFF) << 16 | 1);
    return message;
}

// ---- The mouse -------------------------------------------------------------------------------------

// WM_NCHITTEST's HTTRANSPARENT: group boxes, and static controls without SS_NOTIFY, let the mouse
// through to what lies below them.
bool isTransparent(const Window& control) {
    if (control.kind == WindowKind::Static) return (control.style & SS_NOTIFY) == 0;
    return control.kind == WindowKind::Button && (control.style & BS_TYPEMASK) == BS_GROUPBOX;
}

// A combo box's dropped list lies over everything else, even outside its dialog.
HWND droppedListUnder(const Window& dialog, POINT point) {
    for (HWND child : dialog.children) {
        const Window* control = findWindow(child);
        if (control != nullptr && control->dropped && contains(control->droppedList, point)) return child;
    }
    return nullptr;
}

// The window a press at `point` reaches, or null when it reaches none: a dropped list, else the
// innermost dialog's topmost visible control under it, else the dialog itself, which also takes
// what reaches a disabled control (its DefDlgProc rolls a list up, a right click there asks the
// dialog for a context menu). Only the client areas take clicks: a frame, a border or a caption
// passes none on.
HWND windowUnder(POINT point) {
    const Window* dialog = findWindow(innermostDialog());
    if (dialog == nullptr) return nullptr;
    if (HWND list = droppedListUnder(*dialog, point)) return list;
    if (!contains(screenRect(*dialog), point)) return nullptr;
    for (HWND child : dialog->children) {
        const Window* control = findWindow(child);
        if (control == nullptr || !isVisible(*control) || !contains(screenRect(*control), point)) continue;
        if (!control->enabled) return dialog->handle;
        if (isTransparent(*control)) continue;
        return contains(clientScreenRect(*control), point) ? child : nullptr;
    }
    return contains(clientScreenRect(*dialog), point) ? dialog->handle : nullptr;
}

// A press on the running dialog activates it again if a press elsewhere had taken its activation;
// one on the desktop, outside every dialog, takes it (one on a dialog below, disabled, does nothing).
bool activatedBy(POINT point) {
    HWND dialog = innermostDialog();
    const Window* window = findWindow(dialog);
    if (window == nullptr) return false;
    if (contains(screenRect(*window), point)) {
        reactivateDialog(dialog);
        return true;
    }
    if (!isOnRunningDialog(point)) deactivateDialog(dialog);
    return false;
}

WPARAM mouseKeys() {
    WPARAM keys = input().buttonsDown;
    if (isKeyHeld(VK_SHIFT)) keys |= MK_SHIFT;
    if (isKeyHeld(VK_CONTROL)) keys |= MK_CONTROL;
    return keys;
}

// A second press of the same button within the double-click time and rectangle, on the same
// window, is a double click; the press after a double click starts afresh. A press that a combo
// box's dropped list takes and one on the box itself are on two windows, as USER32 has them.
UINT pressMessage(const Window& target, const InputEvent& event) {
    LastPress& last = input().lastPress;
    Clock::time_point now = Clock::now();
    bool inDroppedList = target.kind == WindowKind::ComboBox && target.dropped;
    bool twice = last.window == target.handle && last.inDroppedList == inDroppedList && last.button == event.button &&
                 now - last.time <= kDoubleClickTime &&
                 std::abs(event.point.x - last.point.x) <= kDoubleClickSize / 2 &&
                 std::abs(event.point.y - last.point.y) <= kDoubleClickSize / 2;
    last = twice ? LastPress{} : LastPress{target.handle, inDroppedList, event.button, event.point, now};
    return twice ? messagesOf(event.button).doubleClick : messagesOf(event.button).down;
}

UINT mouseMessageOf(const InputEvent& event, const Window& target) {
    switch (event.kind) {
    case InputKind::ButtonDown: return pressMessage(target, event);
    case InputKind::ButtonUp: return messagesOf(event.button).up;
    case InputKind::Wheel: return WM_MOUSEWHEEL;
    default: return WM_MOUSEMOVE;
    }
}

// Every mouse message goes to the window holding the capture, else to the one under the pointer:
// the wheel too, as USER32 sends it (Windows 10's default, which Wine follows), with the notches
// in the high word and the screen position as its point; the others with their point in the
// window's client area.
bool mouseMessage(const InputEvent& event, MSG& message) {
    InputState& state = input();
    state.pointer = event.point;
    if (event.kind == InputKind::ButtonDown) state.buttonsDown |= messagesOf(event.button).flag;
    if (event.kind == InputKind::ButtonUp) state.buttonsDown &= ~messagesOf(event.button).flag;
    if (event.kind == InputKind::ButtonDown && captureWindow() == nullptr && !activatedBy(event.point)) return false;
    HWND target = findWindow(state.capture) != nullptr ? state.capture : windowUnder(event.point);
    const Window* window = findWindow(target);
    if (window == nullptr) return false;
    if (event.kind == InputKind::Wheel) {
        WPARAM notches = MAKEWPARAM(mouseKeys(), static_cast<WORD>(event.wheel * WHEEL_DELTA));
        message = MSG{target, WM_MOUSEWHEEL, notches, pointParam(event.point), 0, event.point};
        return true;
    }
    RECT client = clientScreenRect(*window);
    POINT local{event.point.x - client.left, event.point.y - client.top};
    message = MSG{target, mouseMessageOf(event, *window), mouseKeys(), pointParam(local), 0, event.point};
    return true;
}

}  // namespace

void queueInput(const InputEvent& event) { input().queue.push_back(event); }

bool isInputQueued() { return !input().queue.empty(); }

void discardInput() {
    InputState& state = input();
    state.queue.clear();
    state.buttonsDown = 0;
    state.capture = nullptr;
    state.lastPress = LastPress{};
    releaseAllKeys();
}

bool takeInputMessage(MSG& message) {
    InputState& state = input();
    while (!state.queue.empty()) {
        InputEvent event = state.queue.front();
        state.queue.pop_front();
        if (event.kind == InputKind::Character) {
            message = characterMessage(event);
            if (message.hwnd != nullptr) return true;
        } else if (event.kind == InputKind::KeyDown || event.kind == InputKind::KeyUp) {
            message = keyMessage(event);
            if (message.hwnd != nullptr) return true;
        } else if (mouseMessage(event, message)) {
            return true;
        }
    }
    return false;
}

HWND captureWindow() { return findWindow(input().capture) != nullptr ? input().capture : nullptr; }

// SetCapture / ReleaseCapture: the window losing the capture hears WM_CAPTURECHANGED with the one
// taking it.
HWND setCapture(HWND window) {
    HWND previous = captureWindow();
    input().capture = window;
    if (previous != nullptr && previous != window)
        sendMessageTo(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(window));
    return previous;
}

void releaseCapture() { setCapture(nullptr); }

}  // namespace headless
