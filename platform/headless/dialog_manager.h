// The headless dialog manager's inner operations, shared by its controls, the DialogHost operations
// and the test-support interface.
#pragma once

#include "platform/headless/window_table.h"

namespace headless {

// The window-procedure side: a control's class behaviour, a dialog's procedure followed by the
// default dialog handling when the procedure returns FALSE. Unknown handles give 0.
LRESULT sendMessageTo(HWND window, UINT message, WPARAM wordParam, LPARAM longParam);

// WM_COMMAND from a control to its dialog's procedure, with the control's id and handle.
void notifyParent(const Window& control, WORD code);

// The queue the modal loop takes keystrokes and posted commands from.
BOOL postMessageTo(HWND window, UINT message, WPARAM wordParam, LPARAM longParam);

HWND focusedWindow();
// SetFocus: returns the previously focused window, or null when `window` is not a live window
// (the focus then stays where it was). Sends the focus notifications the controls send.
HWND moveFocus(HWND window);
// The first visible, enabled control with WS_TABSTOP, else the first visible, enabled control.
HWND firstTabStop(const Window& dialog);

INT_PTR runModalDialog(HINSTANCE instance, WORD templateId, HWND owner, DLGPROC procedure, LPARAM initValue);
BOOL endModalDialog(HWND dialog, INT_PTR result);

HWND desktopWindow();
RECT screenRect(const Window& window);  // GetWindowRect
RECT clientRect(const Window& window);  // GetClientRect: origin 0, 0
POINT clientOrigin(const Window& dialog);  // screen position of a dialog's client area

}  // namespace headless
