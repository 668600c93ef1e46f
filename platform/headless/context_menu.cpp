// The context menu of a text field: its entries, where it opens, and what the keys and the mouse do
// in it.
#include "platform/headless/context_menu.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/headless/clipboard.h"
#include "platform/headless/field_editing.h"
#include "platform/headless/headless_metrics.h"
#include "platform/headless/manager.h"
#include "platform/headless/text_field.h"
#include "platform/headless/text_width.h"

namespace headless {

namespace {

// The entries of USER32's edit menu, each named by the message it sends the field.
struct Item {
    const char* text;  // null for a separator
    UINT command;
};
const Item kItems[] = {{"&Undo", EM_UNDO}, {nullptr, 0},         {"Cu&t", WM_CUT},       {"&Copy", WM_COPY},
                       {"&Paste", WM_PASTE}, {"&Delete", WM_CLEAR}, {nullptr, 0}, {"Select &All", EM_SETSEL}};
constexpr int kItemCount = static_cast<int>(sizeof kItems / sizeof kItems[0]);

struct OpenMenu {
    HWND window = nullptr;
    HWND field = nullptr;
    bool greyed[kItemCount] = {};
    int highlighted = -1;  // none
};

OpenMenu& menu() {
    static OpenMenu open;
    return open;
}

// ---- Entries and where they lie ----------------------------------------------------------------

// Greyed as USER32 greys them: Undo with nothing to undo, Cut, Copy and Delete without a selection,
// Paste without text on the clipboard, Select All when all is selected; Undo, Cut, Paste and Delete
// in a read-only field, Cut and Copy in a password field.
bool isGreyed(const Window& field, UINT command) {
    bool selected = selectionLow(field) != selectionHigh(field);
    bool readOnly = (field.style & ES_READONLY) != 0, password = (field.style & ES_PASSWORD) != 0;
    switch (command) {
    case EM_UNDO: return !canUndo(field) || readOnly;
    case WM_CUT: return !selected || password || readOnly;
    case WM_COPY: return !selected || password;
    case WM_PASTE: return !isClipboardFormatAvailable(CF_TEXT) || readOnly;
    case WM_CLEAR: return !selected || readOnly;
    default: return selectionLow(field) == 0 && selectionHigh(field) == field.text.size();
    }
}

int itemHeight(int index) { return kItems[index].text != nullptr ? kMenuItemHeight : kMenuSeparatorHeight; }

// Each entry's rectangle in the menu window's own pixels.
RECT itemRect(const Window& window, int index) {
    int top = kMenuFrame;
    for (int i = 0; i < index; ++i) top += itemHeight(i);
    return RECT{kMenuFrame, top, window.rect.right - window.rect.left - kMenuFrame, top + itemHeight(index)};
}

int menuWidth(const Window& field) {
    int widest = 0;
    for (const Item& item : kItems) {
        if (item.text != nullptr) widest = std::max(widest, textWidth(field, item.text));
    }
    return widest + 2 * (kMenuTextIndent + kMenuFrame);
}

int menuHeight() {
    int height = 2 * kMenuFrame;
    for (int i = 0; i < kItemCount; ++i) height += itemHeight(i);
    return height;
}

// The entry at a point of the menu window, separators included; -1 outside every entry.
int itemAt(const Window& window, POINT point) {
    for (int i = 0; i < kItemCount; ++i) {
        if (contains(itemRect(window, i), point)) return i;
    }
    return -1;
}

// Beyond the screen's right or bottom edge the menu opens to the point's left or above it.
RECT placeMenu(POINT corner, int width, int height) {
    if (corner.x + width > kDesktopWidth) corner.x = std::max(0, static_cast<int>(corner.x) - width);
    if (corner.y + height > kDesktopHeight) corner.y = std::max(0, static_cast<int>(corner.y) - height);
    return RECT{corner.x, corner.y, corner.x + width, corner.y + height};
}

POINT menuCorner(const Window& field, LPARAM point) {
    if (static_cast<DWORD>(point) == 0xFFFFFFFFu) {
        RECT client = clientScreenRect(field);
        return POINT{(client.left + client.right) / 2, (client.top + client.bottom) / 2};
    }
    return POINT{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
}

// ---- Choosing ------------------------------------------------------------------------------------

// EDIT_ContextMenuCommand: the command reaches the field as its message would.
void runCommand(HWND handle, UINT command) {
    Window* field = findWindow(handle);
    if (field == nullptr) return;
    switch (command) {
    case EM_UNDO: undoLastEdit(*field); break;
    case WM_CUT: cutSelection(*field); break;
    case WM_COPY: copySelection(*field); break;
    case WM_PASTE: pasteClipboard(*field); break;
    case WM_CLEAR: clearSelection(*field); break;
    default: setSelection(*field, 0, -1); break;
    }
}

// Chooses the highlighted entry: a greyed one, a separator or none closes the menu with nothing.
void chooseHighlighted() {
    OpenMenu& open = menu();
    int index = open.highlighted;
    HWND field = open.field;
    bool runs = index >= 0 && kItems[index].text != nullptr && !open.greyed[index];
    closeMenu();
    if (runs) runCommand(field, kItems[index].command);
}

// move_selection: the next entry that is no separator, round from the far end when none follows;
// with none highlighted, the first (or the last, going up).
void moveHighlight(int step) {
    OpenMenu& open = menu();
    int start = open.highlighted < 0 ? (step > 0 ? -1 : kItemCount) : open.highlighted;
    for (int i = start + step; i >= 0 && i < kItemCount; i += step) {
        if (kItems[i].text != nullptr) {
            open.highlighted = i;
            return;
        }
    }
    for (int i = step > 0 ? 0 : kItemCount - 1; i >= 0 && i < kItemCount; i += step) {
        if (kItems[i].text != nullptr) {
            open.highlighted = i;
            return;
        }
    }
}

// The first entry whose mnemonic is `key`, or -1.
int itemWithMnemonic(unsigned char key) {
    for (int i = 0; i < kItemCount; ++i) {
        const char* mark = kItems[i].text != nullptr ? std::strchr(kItems[i].text, '&') : nullptr;
        if (mark != nullptr && std::tolower(static_cast<unsigned char>(mark[1])) == std::tolower(key)) return i;
    }
    return -1;
}

LRESULT menuKey(WPARAM key) {
    switch (key) {
    case VK_MENU:
    case VK_F10:
    case VK_ESCAPE: closeMenu(); break;
    case VK_HOME: menu().highlighted = -1; moveHighlight(1); break;
    case VK_END: menu().highlighted = -1; moveHighlight(-1); break;
    case VK_UP:
    case VK_DOWN: moveHighlight(key == VK_UP ? -1 : 1); break;
    default: break;
    }
    return 0;
}

// Enter and Space choose the highlighted entry, a mnemonic its entry; other characters do nothing.
LRESULT menuCharacter(WPARAM character) {
    if (character == '\r' || character == ' ') {
        chooseHighlighted();
    } else if (character >= 0x20) {
        int index = itemWithMnemonic(static_cast<unsigned char>(character));
        if (index < 0) return 0;
        menu().highlighted = index;
        chooseHighlighted();
    }
    return 0;
}

// The mouse, in the menu window's pixels: over an entry it is highlighted (a separator shows no
// highlight), elsewhere on the menu none is, and off the menu the highlight stays; a release on the
// highlighted entry chooses it unless it is greyed.
LRESULT menuMouse(Window& window, UINT message, LPARAM point) {
    POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    bool inside = contains(clientRect(window), at);
    int index = inside ? itemAt(window, at) : -1;
    bool onEntry = index >= 0 && kItems[index].text != nullptr;
    switch (message) {
    case WM_MOUSEMOVE:
        if (inside) menu().highlighted = onEntry ? index : -1;
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        if (!inside) closeMenu();
        else if (onEntry) menu().highlighted = index;
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        if (onEntry && index == menu().highlighted && !menu().greyed[index]) chooseHighlighted();
        break;
    default: break;
    }
    return 0;
}

}  // namespace

void openFieldMenu(Window& field, LPARAM point) {
    closeMenu();
    HWND handle = field.handle;
    if (focusedWindow() != handle) moveFocus(handle);
    const Window* focused = findWindow(handle);
    if (focused == nullptr) return;
    OpenMenu& open = menu();
    for (int i = 0; i < kItemCount; ++i) open.greyed[i] = kItems[i].text != nullptr && isGreyed(*focused, kItems[i].command);
    Window& window = createWindow(WindowKind::Menu);
    window.className = "#32768";
    window.owner = handle;
    window.style = WS_POPUP | WS_VISIBLE;
    window.rect = placeMenu(menuCorner(*focused, point), menuWidth(*focused), menuHeight());
    open.window = window.handle;
    open.field = handle;
    open.highlighted = -1;
    setCapture(window.handle);
}

HWND openMenuWindow() { return findWindow(menu().window) != nullptr ? menu().window : nullptr; }

void closeMenuOf(HWND field) {
    if (menu().field == field) closeMenu();
}

void closeMenu() {
    OpenMenu& open = menu();
    HWND window = open.window;
    open = OpenMenu();
    if (findWindow(window) == nullptr) return;
    if (captureWindow() == window) releaseCapture();
    destroyWindow(window);
}

LRESULT menuProcedure(Window& window, UINT message, WPARAM wordParam, LPARAM longParam) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: return menuKey(wordParam);
    case WM_CHAR:
    case WM_SYSCHAR: return menuCharacter(wordParam);
    default: return menuMouse(window, message, longParam);
    }
}

std::vector<MenuEntry> openMenuEntries() {
    std::vector<MenuEntry> entries;
    const Window* window = findWindow(openMenuWindow());
    if (window == nullptr) return entries;
    const OpenMenu& open = menu();
    for (int i = 0; i < kItemCount; ++i) {
        RECT rect = itemRect(*window, i);
        RECT screen{rect.left + window->rect.left, rect.top + window->rect.top, rect.right + window->rect.left,
                    rect.bottom + window->rect.top};
        entries.push_back(MenuEntry{kItems[i].text != nullptr ? kItems[i].text : "", kItems[i].text == nullptr,
                                    open.greyed[i], i == open.highlighted, screen});
    }
    return entries;
}

}  // namespace headless
