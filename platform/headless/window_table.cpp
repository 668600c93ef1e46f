// The handle table of the headless dialog manager.
#include "platform/headless/window_table.h"

#include <map>
#include <memory>

namespace headless {

namespace {

// Handle values look like USER32's (small, even) and are never dereferenced.
std::map<UINT_PTR, std::unique_ptr<Window>>& table() {
    static std::map<UINT_PTR, std::unique_ptr<Window>> windows;
    return windows;
}

UINT_PTR nextHandleValue() {
    static UINT_PTR next = 0x10020;
    next += 4;
    return next;
}

}  // namespace

Window& createWindow(WindowKind kind) {
    UINT_PTR value = nextHandleValue();
    auto window = std::make_unique<Window>();
    window->handle = reinterpret_cast<HWND>(value);
    window->kind = kind;
    Window& created = *window;
    table()[value] = std::move(window);
    return created;
}

Window* findWindow(HWND handle) {
    auto found = table().find(reinterpret_cast<UINT_PTR>(handle));
    return found == table().end() ? nullptr : found->second.get();
}

void destroyWindow(HWND handle) {
    Window* window = findWindow(handle);
    if (window == nullptr) return;
    std::vector<HWND> children = window->children;
    for (HWND child : children) destroyWindow(child);
    table().erase(reinterpret_cast<UINT_PTR>(handle));
}

bool isChildOf(HWND control, HWND dialog) {
    const Window* window = findWindow(control);
    return window != nullptr && dialog != nullptr && window->parent == dialog;
}

bool isVisible(const Window& window) { return (window.style & WS_VISIBLE) != 0; }

}  // namespace headless
