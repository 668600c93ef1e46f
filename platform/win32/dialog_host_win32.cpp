// The dialog-host operations on Windows: each forwards to USER32 or SHELL32.
#include "platform/dialog_host.h"

#include <shellapi.h>

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

int getDlgItemInt(HWND dialog, int id) { return static_cast<int>(GetDlgItemInt(dialog, id, nullptr, TRUE)); }

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
