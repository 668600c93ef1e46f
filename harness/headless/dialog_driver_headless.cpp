// The driver's operations over the headless dialog manager, exported from the Linux library: all
// that tools, tests and hosts use of the manager beyond the DialogHost operations is here.
#include "harness/dialog_driver.h"

#include "platform/headless/clipboard.h"
#include "platform/headless/combo_box_list.h"
#include "platform/headless/context_menu.h"
#include "platform/headless/manager.h"
#include "platform/headless/module_registry.h"

namespace DialogDriver {

using headless::findWindow;

namespace {

struct ScriptedUser {
    DialogHook hook = nullptr;
    void* context = nullptr;
    HWND dialog = nullptr;  // the dialog the idle calls were counted for
    int idleCalls = 0;      // calls in a row that handed it nothing
};

ScriptedUser scriptedUser;

constexpr int kGivingUpCalls = 1000;

bool isRunning(HWND dialog) {
    const headless::Window* window = findWindow(dialog);
    return window != nullptr && !window->ended;
}

// The scripted user acts and returns; the loop then handles what it handed over.
void callUser(HWND dialog, DWORD, void*) {
    ScriptedUser& user = scriptedUser;
    if (dialog != user.dialog) user = ScriptedUser{user.hook, user.context, dialog, 0};
    user.hook(dialog, user.context);
    if (headless::isInputWaiting()) user.idleCalls = 0;
    else if (++user.idleCalls >= kGivingUpCalls && isRunning(dialog)) headless::endModalDialog(dialog, -1);
}

}  // namespace

void attachUser(DialogHook whenWaiting, void* context) {
    scriptedUser = ScriptedUser{whenWaiting, context};
    headless::setInputWait(whenWaiting != nullptr ? callUser : nullptr, nullptr, nullptr);
}

void attachFrontEnd(const FrontEnd* frontEnd) {
    scriptedUser = ScriptedUser{};
    if (frontEnd != nullptr) headless::setInputWait(frontEnd->wait, frontEnd->gone, frontEnd->context);
    else headless::setInputWait(nullptr, nullptr, nullptr);
}

void observeClosing(DialogHook observer, void* context) { headless::setClosingObserver(observer, context); }

std::string lastDialogFailure() { return headless::lastDialogFailure(); }

BOOL postMessage(HWND window, UINT message, WPARAM wordParam, LPARAM longParam) {
    return headless::postMessageTo(window, message, wordParam, longParam);
}

void keyDown(int virtualKey) { headless::queueInput(headless::InputEvent{headless::InputKind::KeyDown, virtualKey}); }

void keyUp(int virtualKey) { headless::queueInput(headless::InputEvent{headless::InputKind::KeyUp, virtualKey}); }

void typeCharacter(char character) {
    headless::queueInput(headless::InputEvent{headless::InputKind::Character, static_cast<unsigned char>(character)});
}

namespace {

POINT pointer{0, 0};  // where the last move left the mouse

void queueMouse(headless::InputKind kind, int wheel = 0) {
    headless::queueInput(headless::InputEvent{kind, 0, pointer, wheel});
}

}  // namespace

void moveMouse(POINT screen) {
    pointer = screen;
    queueMouse(headless::InputKind::MouseMove);
}

void mouseButton(bool down, MouseButton button) {
    headless::InputEvent event{down ? headless::InputKind::ButtonDown : headless::InputKind::ButtonUp, 0, pointer};
    event.button = button == MouseButton::Right    ? headless::MouseButton::Right
                   : button == MouseButton::Middle ? headless::MouseButton::Middle
                                                   : headless::MouseButton::Left;
    headless::queueInput(event);
}

void turnWheel(int notches) { queueMouse(headless::InputKind::Wheel, notches); }

bool isWindow(HWND window) { return findWindow(window) != nullptr; }

HWND focus() { return headless::focusedWindow(); }

HWND activeDialog() { return headless::activeDialog(); }

std::vector<HWND> controls(HWND dialog) {
    const headless::Window* window = findWindow(dialog);
    return window != nullptr ? window->children : std::vector<HWND>();
}

int controlId(HWND control) {
    const headless::Window* window = findWindow(control);
    return window != nullptr && window->kind != headless::WindowKind::Dialog ? window->id : 0;
}

std::string className(HWND window) {
    const headless::Window* found = findWindow(window);
    return found != nullptr ? found->className : std::string();
}

// USER32 keeps a disabled window's state in its style, and GetWindowLong shows it.
DWORD style(HWND window) {
    const headless::Window* found = findWindow(window);
    if (found == nullptr) return 0;
    return found->enabled ? found->style & ~WS_DISABLED : found->style | WS_DISABLED;
}

RECT clientRect(HWND window) {
    const headless::Window* found = findWindow(window);
    return found != nullptr ? headless::clientScreenRect(*found) : RECT{0, 0, 0, 0};
}

// The headless combo box is its own edit field, so every control holds only itself.
// The manager draws every face as the 8-point ones Windows has, a base unit high.
int fontHeight(HWND window) {
    const headless::Window* found = findWindow(window);
    if (found != nullptr && found->kind != headless::WindowKind::Dialog) found = findWindow(found->parent);
    return found != nullptr ? found->baseUnits.height : 0;
}

HWND controlHolding(HWND window, HWND dialog) { return headless::isChildOf(window, dialog) ? window : nullptr; }

int firstShownCharacter(HWND control) {
    const headless::Window* found = findWindow(control);
    bool field = found != nullptr && (found->kind == headless::WindowKind::Edit ||
                                      (found->kind == headless::WindowKind::ComboBox && headless::hasEditField(*found)));
    return field ? static_cast<int>(found->firstShown) : 0;
}

std::vector<MenuItem> openMenu() {
    std::vector<MenuItem> items;
    for (const headless::MenuEntry& entry : headless::openMenuEntries())
        items.push_back(MenuItem{entry.text, entry.separator, entry.greyed, entry.highlighted, entry.rect});
    return items;
}

void closeMenu() { headless::closeMenu(); }

// The user's own turn at the clipboard, as another program takes it: opened for no window.
bool setClipboardText(const char* text) {
    if (!headless::openClipboard(nullptr)) return false;
    headless::emptyClipboard();
    if (text != nullptr) headless::setClipboardText(CF_TEXT, text);
    headless::closeClipboard();
    return true;
}

bool clipboardText(std::string& text) {
    if (!headless::openClipboard(nullptr)) return false;
    bool held = headless::getClipboardText(CF_TEXT, text) != FALSE;
    headless::closeClipboard();
    return held;
}

void connectClipboard(const ClipboardStore& store) {
    headless::connectClipboardStore(headless::ClipboardStore{store.read, store.write, store.context});
}

void recordShellRequests(bool) { headless::shellRequestLog().clear(); }

std::vector<ShellRequest> shellRequests() {
    std::vector<ShellRequest> requests;
    for (const headless::ShellRequest& each : headless::shellRequestLog())
        requests.push_back(ShellRequest{each.file, each.showCommand, each.defaultVerbOnly});
    return requests;
}

bool listResources(HINSTANCE module, std::vector<ModuleResource>& resources, std::string& error) {
    const headless::ParsedResources* parsed = headless::moduleResources(module);
    if (parsed == nullptr || !parsed->error.empty()) {
        error = parsed == nullptr ? "not a module of the headless dialog manager"
                                  : "the module's compiled resources are damaged: " + parsed->error;
        return false;
    }
    resources.clear();
    for (const uires::ResourceEntry& entry : parsed->entries)
        resources.push_back(ModuleResource{entry.type, entry.name, entry.language});
    return true;
}

HINSTANCE registerResources(const void* resBytes, size_t size, std::string& error) {
    return headless::registerModule(resBytes, size, error);
}

}  // namespace DialogDriver
