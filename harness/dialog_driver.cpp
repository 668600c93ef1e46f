// Reading controls as they stand, written once over the driver's and DialogHost's operations, so
// that it reads alike on both dialog managers.
#include "harness/dialog_driver.h"

#include <iterator>

namespace DialogDriver {

namespace {

// The LB_ message, or its CB_ twin for a combo box.
UINT listMessage(HWND box, UINT listBoxMessage, UINT comboBoxMessage) {
    return isComboBox(box) ? comboBoxMessage : listBoxMessage;
}

}  // namespace

std::string text(HWND window) {
    LRESULT length = DialogHost::sendMessage(window, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT copied = DialogHost::sendMessage(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

bool isComboBox(HWND window) { return className(window) == "COMBOBOX"; }

std::vector<std::string> items(HWND box) {
    std::vector<std::string> entries;
    LRESULT count = DialogHost::sendMessage(box, listMessage(box, LB_GETCOUNT, CB_GETCOUNT), 0, 0);
    for (LRESULT position = 0; position < count; ++position) {
        LRESULT length = DialogHost::sendMessage(box, listMessage(box, LB_GETTEXTLEN, CB_GETLBTEXTLEN), position, 0);
        std::string entry(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
        DialogHost::sendMessage(box, listMessage(box, LB_GETTEXT, CB_GETLBTEXT), position,
                                reinterpret_cast<LPARAM>(&entry[0]));
        entry.resize(static_cast<size_t>(length > 0 ? length : 0));
        entries.push_back(entry);
    }
    return entries;
}

int selectedItem(HWND box) {
    if (!isWindow(box)) return -1;
    return static_cast<int>(DialogHost::sendMessage(box, listMessage(box, LB_GETCURSEL, CB_GETCURSEL), 0, 0));
}

LPARAM itemData(HWND box, int position) {
    if (!isWindow(box)) return LB_ERR;
    return DialogHost::sendMessage(box, listMessage(box, LB_GETITEMDATA, CB_GETITEMDATA),
                                   static_cast<WPARAM>(position), 0);
}

bool isChecked(HWND button) { return DialogHost::sendMessage(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

RECT windowRect(HWND window) {
    RECT rect{0, 0, 0, 0};
    DialogHost::getWindowRect(window, &rect);
    return rect;
}

RECT rectInDialog(HWND control, HWND dialog) {
    RECT frame = windowRect(control);
    RECT client = clientRect(dialog);
    return RECT{frame.left - client.left, frame.top - client.top, frame.right - client.left,
                frame.bottom - client.top};
}

namespace {

const struct {
    Modifier modifier;
    int key;
} kModifierKeys[] = {{kControl, VK_CONTROL}, {kAlt, VK_MENU}, {kShift, VK_SHIFT}};

}  // namespace

void pressKey(int virtualKey, unsigned modifiers) {
    for (const auto& held : kModifierKeys) {
        if (modifiers & held.modifier) keyDown(held.key);
    }
    keyDown(virtualKey);
    keyUp(virtualKey);
    for (auto held = std::rbegin(kModifierKeys); held != std::rend(kModifierKeys); ++held) {
        if (modifiers & held->modifier) keyUp(held->key);
    }
}

void typeText(const std::string& text) {
    for (char character : text) typeCharacter(character);
}

void clickAt(POINT screen) {
    moveMouse(screen);
    mouseButton(true);
    mouseButton(false);
}

void doubleClickAt(POINT screen) {
    clickAt(screen);
    clickAt(screen);
}

POINT centreOf(HWND window) {
    RECT rect = windowRect(window);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace DialogDriver
