// The dialog-host operations on Windows: each forwards to USER32 or SHELL32, but for the reading of
// numbers, which is the library's own.
#include "platform/dialog_host.h"

#include <shellapi.h>

#include <string>

#include "platform/dialog_integer.h"

namespace DialogHost {

INT_PTR dialogBoxParam(HINSTANCE instance, WORD templateId, HWND owner, DLGPROC procedure, LPARAM initValue) {
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), owner, procedure, initValue);
}

BOOL endDialog(HWND dialog, INT_PTR result) { return EndDialog(dialog, result); }

HWND getDlgItem(HWND dialog, int id) { return GetDlgItem(dialog, id); }

BOOL setDlgItemText(HWND dialog, int id, const char* text) { return SetDlgItemTextA(dialog, id, text); }

BOOL setDlgItemInt(HWND dialog, int id, int value) { return SetDlgItemInt(dialog, id, static_cast<UINT>(value), TRUE); }

// USER32 would take a negative capacity as a huge unsigned one; here it copies nothing.
UINT getDlgItemText(HWND dialog, int id, char* buffer, int capacity) {
    if (buffer == nullptr || capacity <= 0) return 0;
    return GetDlgItemTextA(dialog, id, buffer, capacity);
}

// Read here as GetDlgItemInt reads: Wine's GetDlgItemInt takes an ERANGE that anything before it
// left in its C library's errno for an overflow of its own, and reads INT_MAX and INT_MIN as 0.
int getDlgItemInt(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    int length = control != nullptr ? GetWindowTextLengthA(control) : 0;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    if (length > 0) text.resize(static_cast<size_t>(GetWindowTextA(control, &text[0], length + 1)));
    else text.clear();
    return parseDialogInteger(text);
}

LRESULT sendMessage(HWND window, UINT message, WPARAM wordParam, LPARAM longParam) {
    return SendMessageA(window, message, wordParam, longParam);
}

BOOL setWindowText(HWND window, const char* text) { return SetWindowTextA(window, text); }

BOOL getWindowRect(HWND window, RECT* rect) { return GetWindowRect(window, rect); }

HWND getDesktopWindow() { return GetDesktopWindow(); }

BOOL moveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
    return MoveWindow(window, x, y, width, height, repaint);
}

BOOL showWindow(HWND window, int command) { return ShowWindow(window, command); }

HWND setFocus(HWND window) { return SetFocus(window); }

void shellOpen(const char* file, int showCommand) { ShellExecuteA(nullptr, nullptr, file, nullptr, nullptr, showCommand); }

}  // namespace DialogHost
