// The dialog-manager and shell operations the module's dialogs use, and the only door through
// which they reach the platform: USER32 and SHELL32 on Windows, the headless dialog manager on
// Linux. Each keeps the effect its USER32 namesake has.
#pragma once

#include <UIResource/UIResourcePlatform.h>
#include "platform/win32_types.h"

// The Linux library exports the operations so that tests and tools can drive its dialog manager
// exactly as the module's dialogs do; on Windows they stay internal.
#ifdef _WIN32
#define DIALOG_HOST_API
#else
#define DIALOG_HOST_API UIRESOURCE_API
#endif

namespace DialogHost {

// DialogBoxParamA with an integer template id: the value given to endDialog, or -1 when the
// dialog cannot be created.
DIALOG_HOST_API INT_PTR dialogBoxParam(HINSTANCE instance, WORD templateId, HWND owner, DLGPROC procedure,
                                       LPARAM initValue);
DIALOG_HOST_API BOOL endDialog(HWND dialog, INT_PTR result);
DIALOG_HOST_API HWND getDlgItem(HWND dialog, int id);

// Setting an edit control's text makes it send EN_UPDATE and EN_CHANGE to the dialog procedure
// before these return, even when the text is unchanged.
DIALOG_HOST_API BOOL setDlgItemText(HWND dialog, int id, const char* text);
DIALOG_HOST_API BOOL setDlgItemInt(HWND dialog, int id, int value);  // signed decimal

// Copies at most capacity - 1 characters and a NUL; returns the number copied. A null buffer or a
// capacity of 0 or less copies nothing and returns 0; an id no control has gives an empty text.
DIALOG_HOST_API UINT getDlgItemText(HWND dialog, int id, char* buffer, int capacity);
DIALOG_HOST_API int getDlgItemInt(HWND dialog, int id);  // signed; 0 when the text is not a number

DIALOG_HOST_API LRESULT sendMessage(HWND window, UINT message, WPARAM wordParam, LPARAM longParam);
DIALOG_HOST_API BOOL setWindowText(HWND window, const char* text);
DIALOG_HOST_API BOOL getWindowRect(HWND window, RECT* rect);
DIALOG_HOST_API HWND getDesktopWindow();
DIALOG_HOST_API BOOL moveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
DIALOG_HOST_API BOOL showWindow(HWND window, int command);
DIALOG_HOST_API HWND setFocus(HWND window);  // the previously focused window, or null

// Opens `file` with the default verb, no parameters and no directory; the result is ignored.
DIALOG_HOST_API void shellOpen(const char* file, int showCommand);

}  // namespace DialogHost
