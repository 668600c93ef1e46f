// What the scripted user needs of a dialog manager beyond the DialogHost operations: being called
// while a modal dialog waits, posting input, and a few window queries. Implemented over USER32 for
// Windows and over the headless dialog manager's support interface for Linux.
#pragma once

#include "platform/win32_types.h"

namespace scripted {
namespace platform {

// Called with a dialog that waits for its user: on Linux each time the headless loop is idle, on
// Windows from a thread timer inside the modal loop.
using WaitingHandler = void (*)(HWND dialog);

void attach(WaitingHandler handler);
void detach();

BOOL post(HWND window, UINT message, WPARAM wordParam, LPARAM longParam);
HWND focus();
DWORD style(HWND window);
RECT clientRect(HWND window);
bool isComboBox(HWND window);
int controlId(HWND control);
// The child of `dialog` that holds `window` (a combo box for its edit field), or null.
HWND controlOf(HWND window, HWND dialog);

}  // namespace platform
}  // namespace scripted
