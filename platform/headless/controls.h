// The predefined control classes (BUTTON, EDIT, STATIC, LISTBOX, COMBOBOX) of the headless dialog
// manager: the messages they answer and the notifications they send, as USER32's. Each class has
// a file of its own: button_control.cpp, edit_control.cpp, list_box_control.cpp and
// combo_box_control.cpp; what the text fields and the item lists share is in text_field.cpp and
// item_messages.cpp.
#pragma once

#include <string>

#include "platform/headless/window_table.h"

namespace headless {

LRESULT controlProcedure(Window& control, UINT message, WPARAM wordParam, LPARAM longParam);
LRESULT buttonProcedure(Window& button, UINT message, WPARAM wordParam, LPARAM longParam);
LRESULT editProcedure(Window& edit, UINT message, WPARAM wordParam, LPARAM longParam);
LRESULT listBoxProcedure(Window& list, UINT message, WPARAM wordParam, LPARAM longParam);
LRESULT comboBoxProcedure(Window& combo, UINT message, WPARAM wordParam, LPARAM longParam);

// What DefWindowProc does with a control's message its class leaves alone: the right button's
// release asks the control for a context menu at the point it was let go, Shift+F10 at no point
// (-1, -1); a control that gives no context menu of its own passes the request to its dialog.
LRESULT defaultControlMessage(Window& control, UINT message, WPARAM wordParam, LPARAM longParam);

// WM_SETFOCUS / WM_KILLFOCUS: EN_, LBN_ and CBN_ focus codes always, BN_ ones only with BS_NOTIFY.
void controlFocusChanged(Window& control, bool gained);
// A button losing the focus while pressed lets the mouse go; so does a list box, reporting its
// selection; a combo box rolls its list up, cancelling.
void buttonFocusLost(Window& button);
void listFocusLost(Window& list);
void comboFocusGained(Window& combo);
void comboFocusLost(Window& combo);

// The height below a drop-down combo box that a template of `templateHeight` pixels leaves its
// list (CB_GETDROPPEDCONTROLRECT), as Wine's USER32 measures it while the box is created, its
// field then sized for the system font.
int comboDroppedExtent(const Window& combo, int templateHeight);

// The text a message's LPARAM points at; a null pointer is an empty text.
std::string textOf(LPARAM text);

// WM_GETTEXT / WM_SETTEXT / WM_GETTEXTLENGTH on any window's text.
LRESULT copyTextOut(const std::string& text, WPARAM capacity, LPARAM buffer);

// The class a template names, as the window kind; the height in pixels of a list-box item.
WindowKind kindOfClass(const std::string& className);
int listItemHeight(const Window& list);

}  // namespace headless
