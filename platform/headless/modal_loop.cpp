// Running a modal dialog: creation, WM_INITDIALOG, the loop that takes posted messages and input
// and, with nothing left, waits for more as GetMessage does, showing, ending and closing, each step
// in USER32's order (Wine's user32 dialog.c and defdlg.c were the reference).
#include <deque>
#include <string>
#include <vector>

#include "platform/headless/keyboard.h"
#include "platform/headless/manager.h"

namespace headless {

namespace {

struct PostedMessage {
    HWND window;
    UINT message;
    WPARAM wordParam;
    LPARAM longParam;
};

struct Callback {
    DialogHook hook = nullptr;
    void* context = nullptr;
};

struct Waiter {
    InputWait wait = nullptr;
    DialogHook gone = nullptr;
    void* context = nullptr;
};

struct LoopState {
    std::deque<PostedMessage> posted;
    std::vector<HWND> modalDialogs;  // innermost last
    Waiter waiter;
    Callback closingObserver;
    std::string lastFailure;
};

LoopState& state() {
    static LoopState loopState;
    return loopState;
}

bool hasEnded(HWND dialog) {
    const Window* window = findWindow(dialog);
    return window == nullptr || window->ended;
}

// WM_INITDIALOG with the first tab stop as its word parameter; TRUE asks for the focus on that
// control, even when the procedure ended the dialog meanwhile (as USER32 does).
void initialiseDialog(HWND dialog, LPARAM initValue) {
    Window* window = findWindow(dialog);
    HWND first = firstTabStop(*window);
    INT_PTR wantsFocus = window->procedure != nullptr
                             ? window->procedure(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), initValue)
                             : FALSE;
    window = findWindow(dialog);
    if (!wantsFocus || window == nullptr) return;
    first = firstTabStop(*window);
    if (first != nullptr) focusControl(first);
    else moveFocus(dialog);
}

// Shown once the queue first runs empty. A dialog not yet activated (nothing gave it the focus
// during WM_INITDIALOG) is activated now and its first tab stop takes the focus; one that was
// activated keeps the focus where its procedure left it, even nowhere.
void showDialog(HWND dialog) {
    Window* window = findWindow(dialog);
    window->style |= WS_VISIBLE;
    if (window->activated) return;
    window->activated = true;
    HWND focus = focusedWindow();
    if (focus != dialog && !isChildOf(focus, dialog)) restoreDialogFocus(dialog);
}

// TranslateMessage: a key down makes the character its key makes (a system key its WM_SYSCHAR),
// posted so that it is taken before any further input.
void translateKey(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return;
    unsigned char character = message.wParam == VK_PACKET ? static_cast<unsigned char>(HIWORD(message.lParam))
                                                          : characterOfKey(message.wParam);
    if (character == 0) return;
    UINT made = message.message == WM_KEYDOWN || message.wParam == VK_PACKET ? WM_CHAR : WM_SYSCHAR;
    postMessageTo(message.hwnd, made, character, message.lParam);
}

// What the modal loop does with each message it takes: IsDialogMessage first, for the dialog's
// own windows; what that leaves is translated and dispatched.
void handleMessage(HWND dialog, const MSG& message) {
    if (findWindow(message.hwnd) == nullptr) return;
    if (isDialogMessage(dialog, message)) return;
    translateKey(message);
    sendMessageTo(message.hwnd, message.message, message.wParam, message.lParam);
    if (message.message == WM_SYSCHAR) systemCharacter(dialog, message);
}

// GetMessage's order: posted messages, then input. With neither, the waiter waits for more; the
// manager sets no timers of its own yet, so nothing ends the wait but input. A dialog whose waiter
// went away can never be answered, and ends with -1.
void runMessageLoop(HWND dialog) {
    bool shown = false;
    while (!hasEnded(dialog)) {
        LoopState& loop = state();
        MSG input{};
        if (!loop.posted.empty()) {
            PostedMessage next = loop.posted.front();
            loop.posted.pop_front();
            handleMessage(dialog, MSG{next.window, next.message, next.wordParam, next.longParam, 0, POINT{0, 0}});
        } else if (!shown) {
            showDialog(dialog);
            shown = true;
        } else if (takeInputMessage(input)) {
            handleMessage(dialog, input);
        } else if (loop.waiter.wait == nullptr) {
            endModalDialog(dialog, -1);
        } else {
            loop.waiter.wait(dialog, kWaitForever, loop.waiter.context);
        }
    }
}

INT_PTR closeDialog(HWND dialog, HWND owner) {
    LoopState& loop = state();
    if (loop.closingObserver.hook != nullptr) loop.closingObserver.hook(dialog, loop.closingObserver.context);
    if (loop.waiter.gone != nullptr) loop.waiter.gone(dialog, loop.waiter.context);
    HWND focus = focusedWindow();
    if (focus == dialog || isChildOf(focus, dialog)) moveFocus(nullptr);  // a focused control loses it as it goes
    Window* window = findWindow(dialog);
    INT_PTR result = window->result;
    sendMessageTo(dialog, WM_DESTROY, 0, 0);
    destroyWindow(dialog);
    loop.modalDialogs.pop_back();
    if (Window* ownerWindow = findWindow(owner)) ownerWindow->enabled = true;
    return result;
}

INT_PTR failDialog(const std::string& reason) {
    state().lastFailure = reason;
    return -1;
}

}  // namespace

// A new waiter starts with an empty input queue and every key up.
void setInputWait(InputWait wait, DialogHook gone, void* context) {
    state().waiter = Waiter{wait, gone, context};
    discardInput();
}

bool isInputWaiting() { return !state().posted.empty() || isInputQueued(); }

void setClosingObserver(DialogHook observer, void* context) { state().closingObserver = Callback{observer, context}; }

BOOL postMessageTo(HWND window, UINT message, WPARAM wordParam, LPARAM longParam) {
    if (findWindow(window) == nullptr) return FALSE;
    state().posted.push_back(PostedMessage{window, message, wordParam, longParam});
    return TRUE;
}

HWND innermostDialog() {
    const std::vector<HWND>& modal = state().modalDialogs;
    return modal.empty() ? nullptr : modal.back();
}

HWND activeDialog() {
    const Window* innermost = findWindow(innermostDialog());
    return innermost != nullptr && !innermost->deactivated ? innermost->handle : nullptr;
}

bool isOnRunningDialog(POINT screen) {
    for (HWND dialog : state().modalDialogs) {
        const Window* window = findWindow(dialog);
        RECT frame = window != nullptr ? screenRect(*window) : RECT{0, 0, 0, 0};
        if (screen.x >= frame.left && screen.x < frame.right && screen.y >= frame.top && screen.y < frame.bottom)
            return true;
    }
    return false;
}

const std::string& lastDialogFailure() { return state().lastFailure; }

// USER32 refuses an owner that is no window before it looks at the template, and answers 0.
INT_PTR runModalDialog(HINSTANCE instance, WORD templateId, HWND owner, DLGPROC procedure, LPARAM initValue) {
    if (owner != nullptr && findWindow(owner) == nullptr) return 0;
    LoopState& loop = state();
    std::string failure;
    HWND dialog = createDialogFromTemplate(instance, templateId, owner, procedure, failure);
    if (dialog == nullptr) return failDialog(failure);
    if (loop.waiter.wait == nullptr) {
        destroyWindow(dialog);
        return failDialog("no user is attached to answer dialog " + std::to_string(templateId));
    }
    loop.lastFailure.clear();
    loop.modalDialogs.push_back(dialog);
    if (Window* ownerWindow = findWindow(owner)) ownerWindow->enabled = false;
    initialiseDialog(dialog, initValue);
    runMessageLoop(dialog);
    return closeDialog(dialog, owner);
}

// EndDialog: the focus leaves the dialog's controls for the dialog itself, the dialog hides, and
// the dialog it was opened over gets its focus back; the loop ends once the procedure returns.
BOOL endModalDialog(HWND dialog, INT_PTR result) {
    Window* window = findWindow(dialog);
    if (window == nullptr || window->kind != WindowKind::Dialog) return FALSE;
    window->result = result;
    window->ended = true;
    if (Window* owner = findWindow(window->owner)) owner->enabled = true;
    if (isChildOf(focusedWindow(), dialog)) moveFocus(dialog);
    window = findWindow(dialog);
    window->style &= ~WS_VISIBLE;
    std::vector<HWND>& modal = state().modalDialogs;
    if (modal.size() >= 2 && modal.back() == dialog) {
        HWND below = modal[modal.size() - 2];
        HWND focus = focusedWindow();
        if (focus != below && !isChildOf(focus, below)) restoreDialogFocus(below);
    }
    return TRUE;
}

}  // namespace headless
