// The headless dialog manager: modal dialogs created from templates, their message loop with the
// dialog keys and the close box, the keyboard focus, and the user who answers them. Each step
// follows USER32's order (Wine's user32 dialog.c and defdlg.c were the reference).
#include "platform/headless/dialog_manager.h"

#include <deque>
#include <string>

#include "platform/headless/controls.h"
#include "platform/headless/headless_support.h"
#include "platform/headless/module_registry.h"
#include "resources/dialog_template.h"

namespace headless {

namespace {

struct PostedMessage {
    HWND window;
    UINT message;
    WPARAM wordParam;
    LPARAM longParam;
};

struct Callback {
    UserHook hook = nullptr;
    void* context = nullptr;
};

struct ManagerState {
    HWND focus = nullptr;
    std::deque<PostedMessage> posted;
    std::vector<HWND> modalDialogs;  // innermost last
    Callback user;
    Callback closingObserver;
};

ManagerState& state() {
    static ManagerState managerState;
    return managerState;
}

// A user who keeps returning with the dialog open and nothing posted has given up.
constexpr int kMaxIdleCalls = 1000;

// ---- Dialog procedure and default dialog handling ------------------------------------------------

HWND controlWithId(const Window& dialog, int id) {
    for (HWND child : dialog.children) {
        const Window* control = findWindow(child);
        if (control != nullptr && control->id == id) return child;
    }
    return nullptr;
}

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

void restoreDialogFocus(HWND dialog);

// What DefDlgProc does when the dialog procedure returns FALSE.
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
    case DM_GETDEFID: {
        int id = dialog.ended ? 0 : defaultButtonId(dialog);
        return id != 0 ? MAKELPARAM(id, DC_HASDEFID) : 0;
    }
    case DM_SETDEFID: dialog.defaultId = static_cast<int>(wordParam); return TRUE;
    case WM_SETFOCUS: restoreDialogFocus(dialog.handle); return 0;
    default: return 0;
    }
}

LRESULT dialogMessage(Window& dialog, UINT message, WPARAM wordParam, LPARAM longParam) {
    HWND handle = dialog.handle;
    if (dialog.procedure != nullptr && dialog.procedure(handle, message, wordParam, longParam)) return 0;
    Window* stillThere = findWindow(handle);
    return stillThere != nullptr ? defaultDialogMessage(*stillThere, message, wordParam, longParam) : 0;
}

// ---- Focus ---------------------------------------------------------------------------------------

HWND dialogOf(HWND window) {
    const Window* found = findWindow(window);
    if (found == nullptr) return nullptr;
    return found->kind == WindowKind::Dialog ? window : found->parent;
}

// A dialog remembers its focused control when another dialog takes the focus (it is deactivated),
// so that the focus comes back to it when that dialog ends (DefDlgProc's WM_ACTIVATE handling).
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

// DEFDLG_SetFocus: an edit control has its whole text selected as it takes the focus.
void focusControl(HWND control) {
    const Window* window = findWindow(control);
    if (window != nullptr && window->kind == WindowKind::Edit) sendMessageTo(control, EM_SETSEL, 0, -1);
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

// ---- Creation ------------------------------------------------------------------------------------

RECT frameInsets(const Window& dialog) {
    int frame = 0;
    if ((dialog.exStyle & WS_EX_DLGMODALFRAME) || (dialog.style & WS_DLGFRAME)) frame = kDialogFrame;
    else if (dialog.style & WS_BORDER) frame = 1;
    int caption = (dialog.style & WS_CAPTION) == WS_CAPTION ? kCaptionHeight : 0;
    return RECT{frame, frame + caption, frame, frame};
}

int controlBorder(const Window& control) {
    int border = (control.style & WS_BORDER) ? 1 : 0;
    return border + ((control.exStyle & WS_EX_CLIENTEDGE) ? 2 : 0);
}

// The placement DIALOG_CreateIndirect gives a template's position: relative to the owner's client
// area (or the screen), then moved to fit on the desktop.
void placeDialog(Window& dialog, const uires::DialogTemplate& tmpl) {
    RECT insets = frameInsets(dialog);
    int width = uires::dialogUnitsToPixelsX(tmpl.width, dialog.baseUnits) + insets.left + insets.right;
    int height = uires::dialogUnitsToPixelsY(tmpl.height, dialog.baseUnits) + insets.top + insets.bottom;
    int x = uires::dialogUnitsToPixelsX(tmpl.x, dialog.baseUnits) - insets.left;
    int y = uires::dialogUnitsToPixelsY(tmpl.y, dialog.baseUnits) - insets.top;
    if (const Window* owner = findWindow(dialog.owner)) {
        POINT origin = owner->kind == WindowKind::Dialog ? clientOrigin(*owner) : POINT{0, 0};
        x += origin.x;
        y += origin.y;
    }
    if (x + width + kDialogFrame > kDesktopWidth) x -= x + width + kDialogFrame - kDesktopWidth;
    if (y + height + kDialogFrame > kDesktopHeight) y -= y + height + kDialogFrame - kDesktopHeight;
    if (x < 0) x = 0;
    if (y < 0) y = 0;
    dialog.rect = RECT{x, y, x + width, y + height};
}

// A drop-down combo box is as tall as its edit field; the template's height is that of the list.
int controlHeight(const Window& control, const uires::DialogControl& item, const uires::BaseUnits& base) {
    if (control.kind == WindowKind::ComboBox && (control.style & 0x3) != CBS_SIMPLE)
        return base.height + kComboFieldExtra;
    return uires::dialogUnitsToPixelsY(item.height, base);
}

void addControl(Window& dialog, const uires::DialogControl& item) {
    std::string className = item.className();
    Window& control = createWindow(kindOfClass(className));
    control.className = className;
    control.parent = dialog.handle;
    control.id = item.id;
    control.style = item.style | WS_CHILD;
    control.exStyle = item.exStyle | WS_EX_NOPARENTNOTIFY;
    control.text = item.caption.kind == uires::NameOrOrdinal::Text ? item.caption.text : std::string();
    control.enabled = (control.style & WS_DISABLED) == 0;
    int x = uires::dialogUnitsToPixelsX(item.x, dialog.baseUnits);
    int y = uires::dialogUnitsToPixelsY(item.y, dialog.baseUnits);
    int width = uires::dialogUnitsToPixelsX(item.width, dialog.baseUnits);
    control.rect = RECT{x, y, x + width, y + controlHeight(control, item, dialog.baseUnits)};
    dialog.children.push_back(control.handle);
}

// Only the last BS_DEFPUSHBUTTON of a template stays one; it gives the dialog its default id.
void settleDefaultButton(Window& dialog) {
    Window* chosen = nullptr;
    for (HWND child : dialog.children) {
        Window* control = findWindow(child);
        if (control->kind != WindowKind::Button || (control->style & BS_TYPEMASK) != BS_DEFPUSHBUTTON) continue;
        if (chosen != nullptr) chosen->style &= ~BS_TYPEMASK;
        chosen = control;
    }
    dialog.defaultId = chosen != nullptr ? chosen->id : 0;
}

HWND createDialog(const uires::DialogTemplate& tmpl, HWND owner, DLGPROC procedure) {
    Window& dialog = createWindow(WindowKind::Dialog);
    dialog.className = "#32770";
    dialog.owner = owner;
    dialog.procedure = procedure;
    dialog.text = tmpl.title;
    dialog.style = (tmpl.style | DS_3DLOOK) & ~WS_VISIBLE;
    dialog.exStyle = tmpl.exStyle | WS_EX_CONTROLPARENT | ((tmpl.style & DS_MODALFRAME) ? WS_EX_DLGMODALFRAME : 0);
    dialog.baseUnits = uires::baseUnitsForPointSize(tmpl.hasFont ? tmpl.pointSize : 8);
    placeDialog(dialog, tmpl);
    for (const uires::DialogControl& item : tmpl.controls) addControl(dialog, item);
    settleDefaultButton(dialog);
    return dialog.handle;
}

bool loadDialogTemplate(HINSTANCE instance, WORD templateId, uires::DialogTemplate& tmpl) {
    const uint8_t* data = nullptr;
    size_t size = 0;
    if (!findModuleResource(instance, RT_DIALOG, MAKEINTRESOURCEA(templateId), data, size)) return false;
    std::string error;
    return uires::decodeDialogTemplate(data, size, tmpl, error);
}

// ---- The modal loop ------------------------------------------------------------------------------

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
    HWND focus = state().focus;
    if (focus != dialog && !isChildOf(focus, dialog)) restoreDialogFocus(dialog);
}

// IsDialogMessage's keys: Enter sends the focused default button's or the default id's command
// (IDOK when there is none), Escape the Cancel command even when no control has id 2.
void dialogKey(HWND dialog, WPARAM key) {
    Window* window = findWindow(dialog);
    if (key == VK_ESCAPE) {
        sendMessageTo(dialog, WM_COMMAND, IDCANCEL, handleOf(controlWithId(*window, IDCANCEL)));
        return;
    }
    if (key != VK_RETURN) return;
    const Window* focused = findWindow(state().focus);
    if (focused != nullptr && focused->parent == dialog && focused->kind == WindowKind::Button &&
        (focused->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
        sendMessageTo(dialog, WM_COMMAND, MAKEWPARAM(focused->id, BN_CLICKED), handleOf(focused->handle));
        return;
    }
    LRESULT defaultId = sendMessageTo(dialog, DM_GETDEFID, 0, 0);
    int id = HIWORD(defaultId) == DC_HASDEFID ? LOWORD(defaultId) : IDOK;
    window = findWindow(dialog);
    if (window == nullptr) return;
    HWND button = controlWithId(*window, id);
    const Window* buttonWindow = findWindow(button);
    if (buttonWindow != nullptr && !buttonWindow->enabled) return;
    sendMessageTo(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), handleOf(button));
}

void dispatchPosted(HWND dialog, const PostedMessage& posted) {
    if (findWindow(posted.window) == nullptr) return;
    bool ours = posted.window == dialog || isChildOf(posted.window, dialog);
    if (posted.message == WM_KEYDOWN && ours) dialogKey(dialog, posted.wordParam);
    else if (posted.message != WM_KEYDOWN)
        sendMessageTo(posted.window, posted.message, posted.wordParam, posted.longParam);
}

void runMessageLoop(HWND dialog) {
    bool shown = false;
    int idleCalls = 0;
    while (!hasEnded(dialog)) {
        ManagerState& manager = state();
        if (!manager.posted.empty()) {
            PostedMessage next = manager.posted.front();
            manager.posted.pop_front();
            dispatchPosted(dialog, next);
            idleCalls = 0;
        } else if (!shown) {
            showDialog(dialog);
            shown = true;
        } else if (manager.user.hook == nullptr || ++idleCalls > kMaxIdleCalls) {
            endModalDialog(dialog, -1);
        } else {
            manager.user.hook(dialog, manager.user.context);
        }
    }
}

INT_PTR closeDialog(HWND dialog, HWND owner) {
    ManagerState& manager = state();
    if (manager.closingObserver.hook != nullptr) manager.closingObserver.hook(dialog, manager.closingObserver.context);
    if (isChildOf(manager.focus, dialog)) moveFocus(nullptr);  // a focused control loses it as it goes
    if (manager.focus == dialog) manager.focus = nullptr;
    Window* window = findWindow(dialog);
    INT_PTR result = window->result;
    dialogMessage(*window, WM_DESTROY, 0, 0);
    destroyWindow(dialog);
    manager.modalDialogs.pop_back();
    if (Window* ownerWindow = findWindow(owner)) ownerWindow->enabled = true;
    return result;
}

}  // namespace

// ---- Shared operations ---------------------------------------------------------------------------

LRESULT sendMessageTo(HWND window, UINT message, WPARAM wordParam, LPARAM longParam) {
    Window* target = findWindow(window);
    if (target == nullptr || target->kind == WindowKind::Desktop) return 0;
    if (message == WM_GETTEXT) return copyTextOut(target->text, wordParam, longParam);
    if (message == WM_GETTEXTLENGTH) return static_cast<LRESULT>(target->text.size());
    if (target->kind == WindowKind::Dialog) return dialogMessage(*target, message, wordParam, longParam);
    return controlProcedure(*target, message, wordParam, longParam);
}

void notifyParent(const Window& control, WORD code) {
    sendMessageTo(control.parent, WM_COMMAND, MAKEWPARAM(control.id, code), handleOf(control.handle));
}

BOOL postMessageTo(HWND window, UINT message, WPARAM wordParam, LPARAM longParam) {
    if (findWindow(window) == nullptr) return FALSE;
    state().posted.push_back(PostedMessage{window, message, wordParam, longParam});
    return TRUE;
}

HWND focusedWindow() { return state().focus; }

HWND moveFocus(HWND window) {
    Window* target = findWindow(window);
    if (window != nullptr && (target == nullptr || target->kind == WindowKind::Desktop)) return nullptr;
    ManagerState& manager = state();
    HWND previous = manager.focus;
    if (previous == window) return previous;
    rememberFocusLeaving(previous, window);
    activateDialogOf(window);
    manager.focus = window;
    Window* old = findWindow(previous);
    if (old != nullptr && old->kind != WindowKind::Dialog) controlFocusChanged(*old, false);
    if (manager.focus != window || (target = findWindow(window)) == nullptr) return previous;
    if (target->kind == WindowKind::Dialog) sendMessageTo(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    else controlFocusChanged(*target, true);
    return previous;
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

INT_PTR runModalDialog(HINSTANCE instance, WORD templateId, HWND owner, DLGPROC procedure, LPARAM initValue) {
    if (owner != nullptr && findWindow(owner) == nullptr) return 0;
    uires::DialogTemplate tmpl;
    if (!loadDialogTemplate(instance, templateId, tmpl)) return -1;
    ManagerState& manager = state();
    if (manager.user.hook == nullptr) return -1;
    HWND dialog = createDialog(tmpl, owner, procedure);
    manager.modalDialogs.push_back(dialog);
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
    if (isChildOf(state().focus, dialog)) moveFocus(dialog);
    window = findWindow(dialog);
    window->style &= ~WS_VISIBLE;
    std::vector<HWND>& modal = state().modalDialogs;
    if (modal.size() >= 2 && modal.back() == dialog) {
        HWND below = modal[modal.size() - 2];
        HWND focus = state().focus;
        if (focus != below && !isChildOf(focus, below)) restoreDialogFocus(below);
    }
    return TRUE;
}

HWND desktopWindow() {
    static HWND desktop = [] {
        Window& window = createWindow(WindowKind::Desktop);
        window.className = "#32769";
        window.style = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        window.rect = RECT{0, 0, kDesktopWidth, kDesktopHeight};
        return window.handle;
    }();
    return desktop;
}

POINT clientOrigin(const Window& dialog) {
    RECT insets = frameInsets(dialog);
    return POINT{dialog.rect.left + insets.left, dialog.rect.top + insets.top};
}

RECT screenRect(const Window& window) {
    const Window* parent = findWindow(window.parent);
    if (parent == nullptr) return window.rect;
    POINT origin = clientOrigin(*parent);
    return RECT{window.rect.left + origin.x, window.rect.top + origin.y, window.rect.right + origin.x,
                window.rect.bottom + origin.y};
}

RECT clientRect(const Window& window) {
    RECT insets{0, 0, 0, 0};
    if (window.kind == WindowKind::Dialog) insets = frameInsets(window);
    else if (window.kind != WindowKind::Desktop) {
        int border = controlBorder(window);
        insets = RECT{border, border, border, border};
    }
    LONG width = window.rect.right - window.rect.left - insets.left - insets.right;
    LONG height = window.rect.bottom - window.rect.top - insets.top - insets.bottom;
    return RECT{0, 0, width > 0 ? width : 0, height > 0 ? height : 0};
}

// ---- Exported support ----------------------------------------------------------------------------

void attachUser(UserHook hook, void* context) { state().user = Callback{hook, context}; }

void observeDialogClosing(UserHook observer, void* context) { state().closingObserver = Callback{observer, context}; }

BOOL postMessage(HWND window, UINT message, WPARAM wordParam, LPARAM longParam) {
    return postMessageTo(window, message, wordParam, longParam);
}

HWND getFocus() { return state().focus; }

HWND activeDialog() {
    const std::vector<HWND>& modal = state().modalDialogs;
    return modal.empty() ? nullptr : modal.back();
}

}  // namespace headless
