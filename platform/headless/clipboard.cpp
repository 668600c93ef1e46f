// The clipboard's opening, text and store.
#include "platform/headless/clipboard.h"

#include "platform/headless/window_table.h"

namespace headless {

namespace {

struct ClipboardState {
    bool open = false;
    HWND openedBy = nullptr;
    bool holdsText = false;  // the manager's own keeping, without a store
    std::string text;
    ClipboardStore store;
};

ClipboardState& clipboard() {
    static ClipboardState state;
    return state;
}

bool hasStore() { return clipboard().store.read != nullptr && clipboard().store.write != nullptr; }

void keep(bool holdsText, const std::string& text) {
    ClipboardState& state = clipboard();
    if (hasStore()) {
        state.store.write(holdsText ? text : std::string(), state.store.context);
        return;
    }
    state.holdsText = holdsText;
    state.text = holdsText ? text : std::string();
}

bool heldText(std::string& text) {
    ClipboardState& state = clipboard();
    if (hasStore()) return state.store.read(text, state.store.context);
    text = state.text;
    return state.holdsText;
}

}  // namespace

// An owner that is no window is refused, as USER32 refuses it; a null one is allowed.
BOOL openClipboard(HWND owner) {
    ClipboardState& state = clipboard();
    if (owner != nullptr && findWindow(owner) == nullptr) return FALSE;
    if (state.open && state.openedBy != owner) return FALSE;
    state.open = true;
    state.openedBy = owner;
    return TRUE;
}

BOOL closeClipboard() {
    ClipboardState& state = clipboard();
    if (!state.open) return FALSE;
    state.open = false;
    state.openedBy = nullptr;
    return TRUE;
}

BOOL emptyClipboard() {
    if (!clipboard().open) return FALSE;
    keep(false, std::string());
    return TRUE;
}

BOOL setClipboardText(UINT format, const std::string& text) {
    if (!clipboard().open || format != CF_TEXT) return FALSE;
    keep(true, text);
    return TRUE;
}

BOOL getClipboardText(UINT format, std::string& text) {
    text.clear();
    if (!clipboard().open || format != CF_TEXT) return FALSE;
    return heldText(text) ? TRUE : FALSE;
}

BOOL isClipboardFormatAvailable(UINT format) {
    std::string text;
    return format == CF_TEXT && heldText(text) ? TRUE : FALSE;
}

void connectClipboardStore(const ClipboardStore& store) {
    ClipboardState& state = clipboard();
    state.store = store;
    state.holdsText = false;
    state.text.clear();
}

}  // namespace headless
