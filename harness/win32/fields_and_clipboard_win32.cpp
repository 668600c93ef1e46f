// The driver's reading of text fields, the context menu and the clipboard over USER32.
#include "harness/dialog_driver.h"

#include <cstring>

namespace DialogDriver {

// A combo box's field is its edit window (none for a drop-down list box).
int firstShownCharacter(HWND control) {
    std::string kind = className(control);
    HWND field = kind == "EDIT" ? control : nullptr;
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (kind == "COMBOBOX" && GetComboBoxInfo(control, &info)) field = info.hwndItem;
    return field != nullptr ? static_cast<int>(SendMessageA(field, EM_GETFIRSTVISIBLELINE, 0, 0)) : 0;
}

namespace {

// The popup menu's window (#32768) that is shown now, or null.
HWND shownMenuWindow() {
    for (HWND window = FindWindowExA(nullptr, nullptr, "#32768", nullptr); window != nullptr;
         window = FindWindowExA(nullptr, window, "#32768", nullptr)) {
        if (IsWindowVisible(window)) return window;
    }
    return nullptr;
}

MenuItem menuItemAt(HWND window, HMENU menu, int position) {
    char text[128] = "";
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    MenuItem item;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) return item;
    item.separator = (info.fType & MFT_SEPARATOR) != 0;
    item.text = item.separator ? std::string() : text;
    item.greyed = (info.fState & MFS_GRAYED) != 0;
    item.highlighted = (info.fState & MFS_HILITE) != 0;
    GetMenuItemRect(window, menu, static_cast<UINT>(position), &item.rect);
    return item;
}

}  // namespace

std::vector<MenuItem> openMenu() {
    std::vector<MenuItem> items;
    HWND window = shownMenuWindow();
    HMENU menu = window != nullptr ? reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0)) : nullptr;
    int count = menu != nullptr ? GetMenuItemCount(menu) : 0;
    for (int position = 0; position < count; ++position) items.push_back(menuItemAt(window, menu, position));
    return items;
}

void closeMenu() { EndMenu(); }

// The user's own turn at the clipboard, as another program takes it: opened for no window.
bool setClipboardText(const char* text) {
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    if (text != nullptr) {
        size_t size = std::strlen(text) + 1;
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
        if (memory != nullptr) {
            std::memcpy(GlobalLock(memory), text, size);
            GlobalUnlock(memory);
            if (SetClipboardData(CF_TEXT, memory) == nullptr) GlobalFree(memory);
        }
    }
    CloseClipboard();
    return true;
}

bool clipboardText(std::string& text) {
    text.clear();
    if (!OpenClipboard(nullptr)) return false;
    HANDLE memory = GetClipboardData(CF_TEXT);
    const char* held = memory != nullptr ? static_cast<const char*>(GlobalLock(memory)) : nullptr;
    if (held != nullptr) {
        text = held;
        GlobalUnlock(memory);
    }
    CloseClipboard();
    return held != nullptr;
}

}  // namespace DialogDriver
