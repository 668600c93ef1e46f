// Placing a dialog on the screen while it opens: at a given corner, or centred on the desktop.
#pragma once

#include "platform/win32_types.h"

// Moves `dialog` so that its top-left corner is at (x, y), keeping its size, without repainting.
void moveTopLeftTo(HWND dialog, int x, int y);

// Centres `dialog` on the desktop window, keeping its size, without repainting; each half is
// taken with truncating division, so an odd size leans the dialog half a pixel down and right.
void centreOnDesktop(HWND dialog);
