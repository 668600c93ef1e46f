// The dialog-manager and shell operations the module's dialogs use, and the only door through
// which they reach the platform: USER32 and SHELL32 on Windows, the headless dialog manager on
// Linux. Each keeps the effect its USER32 namesake has.
#pragma once

#include "platform/win32_types.h"

namespace DialogHost {

// DialogBoxParamA with an integer template id: the value given to endDialog, or -1 when the
// dialog cannot be created.
INT_PTR dialogBoxParam(HINSTANCE instance, WORD templateId, HWND owner, DLGPROC procedure, LPARAM initValue);
BOOL endDialog(HWND dialog, INT_PTR result);
HWND getDlgItem(HWND dialog, int id);

// Setting an edit control's text makes it send EN_UPDATE and EN_CHANGE to the dialog procedure
// before these return, even when the text is unchanged.
BOOL setDlgItemText(HWND dialog, int id, const char* text);
BOOL setDlgItemInt(HWND dialog, int id, int value);  // signed decimal

// Copies at most capacity - 1 characters and a NUL; returns the number copied.
UINT getDlgItemText(HWND dialog, int id, char* buffer, int capacity);
int getDlgItemInt(HWND dialog, int id);  // signed; 0 when the text is not a number

LRESULT sendMessage(HWND window, UINT message, WPARAM wordParam, LPARAM longParam);
BOOL setWindowText(HWND window, const char* text);
BOOL getWindowRect(HWND window, RECT* rect);
HWND getDesktopWindow();
BOOL moveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL showWindow(HWND window, int command);
HWND setFocus(HWND window);  // the previously focused window, or null

// Opens `file` with the default verb, no parameters and no directory; the result is ignored.
void shellOpen(const char* file, int showCommand);

}  // namespace DialogHost
