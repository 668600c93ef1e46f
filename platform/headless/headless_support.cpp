// The read-only side of the headless support interface: window queries, module registration and
// snapshots of live dialogs.
#include "platform/headless/headless_support.h"

#include "platform/headless/dialog_manager.h"
#include "platform/headless/module_registry.h"

namespace headless {

namespace {

ControlSnapshot snapshotControl(const Window& control) {
    ControlSnapshot snapshot;
    snapshot.handle = control.handle;
    snapshot.id = control.id;
    snapshot.className = control.className;
    snapshot.style = control.style;
    snapshot.exStyle = control.exStyle;
    snapshot.rect = control.rect;
    snapshot.text = control.text;
    snapshot.checkState = control.checkState;
    for (const ListItem& item : control.items) snapshot.items.push_back(item.text);
    snapshot.selectedItem = control.selectedItem;
    snapshot.topItem = control.topItem;
    snapshot.selectionStart = control.selectionStart;
    snapshot.selectionEnd = control.selectionEnd;
    snapshot.enabled = control.enabled;
    snapshot.focused = focusedWindow() == control.handle;
    return snapshot;
}

}  // namespace

BOOL isWindow(HWND window) { return findWindow(window) != nullptr; }

DWORD windowStyle(HWND window) {
    const Window* found = findWindow(window);
    return found != nullptr ? found->style : 0;
}

BOOL getClientRect(HWND window, RECT* rect) {
    const Window* found = findWindow(window);
    if (found == nullptr || rect == nullptr) return FALSE;
    *rect = clientRect(*found);
    return TRUE;
}

std::string className(HWND window) {
    const Window* found = findWindow(window);
    return found != nullptr ? found->className : std::string();
}

int getDlgCtrlId(HWND window) {
    const Window* found = findWindow(window);
    return found != nullptr && found->kind != WindowKind::Dialog ? found->id : 0;
}

HINSTANCE registerResourceModule(const void* resBytes, size_t size) { return registerModule(resBytes, size); }

bool snapshotDialog(HWND dialog, DialogSnapshot& snapshot) {
    const Window* window = findWindow(dialog);
    if (window == nullptr || window->kind != WindowKind::Dialog) return false;
    DialogSnapshot result;
    result.handle = dialog;
    result.title = window->text;
    result.style = window->style;
    result.exStyle = window->exStyle;
    result.windowRect = window->rect;
    POINT origin = clientOrigin(*window);
    RECT client = clientRect(*window);
    result.clientRect = RECT{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
    result.baseUnitX = window->baseUnits.width;
    result.baseUnitY = window->baseUnits.height;
    result.visible = isVisible(*window);
    result.ended = window->ended;
    for (HWND child : window->children) {
        if (const Window* control = findWindow(child)) result.controls.push_back(snapshotControl(*control));
    }
    snapshot = std::move(result);
    return true;
}

}  // namespace headless
