// The behaviour of the predefined control classes (BUTTON, EDIT, STATIC, LISTBOX, COMBOBOX) in the
// headless dialog manager: the messages they answer and the notifications they send, as USER32's.
#pragma once

#include "platform/headless/window_table.h"

namespace headless {

LRESULT controlProcedure(Window& control, UINT message, WPARAM wordParam, LPARAM longParam);

// WM_SETFOCUS / WM_KILLFOCUS: EN_, LBN_ and CBN_ focus codes always, BN_ ones only with BS_NOTIFY.
void controlFocusChanged(Window& control, bool gained);

// WM_GETTEXT / WM_SETTEXT / WM_GETTEXTLENGTH on any window's text.
LRESULT copyTextOut(const std::string& text, WPARAM capacity, LPARAM buffer);

// The class a template names, as the window kind; the height in pixels of a list-box item.
WindowKind kindOfClass(const std::string& className);
int listItemHeight(const Window& list);

}  // namespace headless
