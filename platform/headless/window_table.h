// The windows of the headless dialog manager: one record per dialog and control, reached by handle.
// Handles are never reused, so a handle of a destroyed window finds nothing instead of another window.
#pragma once

#include <string>
#include <vector>

#include "platform/headless/list_items.h"
#include "platform/win32_types.h"
#include "resources/dialog_units.h"

namespace headless {

enum class WindowKind { Desktop, Dialog, Button, Edit, Static, ListBox, ComboBox, Menu, Other };

// The one level of undo of a text field, as USER32's edit control keeps it: the characters inserted
// last in one run from `position` on, or else the text deleted last at `position`.
struct FieldUndo {
    std::string deleted;
    size_t position = 0;
    size_t inserted = 0;
};

struct Window {
    HWND handle = nullptr;
    WindowKind kind = WindowKind::Other;
    std::string className;  // "#32770" for dialogs, "BUTTON", "EDIT", ... or the template's text
    HWND parent = nullptr;  // a control's dialog
    HWND owner = nullptr;   // a dialog's owner
    int id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect{};  // dialogs: screen pixels; controls: pixels in the dialog's client area
    std::string text;
    bool enabled = true;

    int checkState = BST_UNCHECKED;  // buttons
    bool pushed = false;             // BM_SETSTATE: the button looks pushed
    bool pressing = false;           // a mouse press or Space is under way on the button

    size_t selectionStart = 0;  // edits (and a combo box's edit field): selection, caret at the end
    size_t selectionEnd = 0;
    size_t textLimit = 0x7FFFFFFE;
    size_t firstShown = 0;      // the first character the field shows, as it scrolled
    FieldUndo undo;

    ListItems items;  // list and combo boxes
    int selectedItem = -1;
    int topItem = 0;
    bool mouseCaptured = false;
    int caretItem = 0;          // the item with the focus rectangle, which the keys move
    bool dropped = false;       // combo boxes: the list is down
    int droppedIndex = -1;      // the selection as the list dropped, restored by a click outside it
    int droppedExtent = 0;      // the height the template gives the list below the closed box
    RECT droppedList{};         // the list's frame in screen pixels, kept after it rolls up
    bool trackingPress = false;  // the press that dropped the list is still down
    bool keepDropped = false;   // a key moved the selection in the dropped list: it stays down
    bool draggingInField = false;  // a press in a drop-down combo box's field is selecting text

    DLGPROC procedure = nullptr;  // dialogs
    bool ended = false;
    bool activated = false;       // has been the active window: given the focus or shown
    bool deactivated = false;     // a click elsewhere on the desktop took the activation away
    INT_PTR result = 0;
    uires::BaseUnits baseUnits;
    int defaultId = 0;            // DM_SETDEFID, else the template's last BS_DEFPUSHBUTTON, else IDOK
    HWND savedFocus = nullptr;    // the control that had the focus when another dialog took it
    std::vector<HWND> children;   // controls in template order (creation, tab and z-order)
};

// Creates a record and gives it a fresh handle.
Window& createWindow(WindowKind kind);
// The live window of a handle, or null for null, unknown and destroyed handles.
Window* findWindow(HWND handle);
void destroyWindow(HWND handle);  // a dialog takes its controls with it

bool isChildOf(HWND control, HWND dialog);
bool isVisible(const Window& window);

}  // namespace headless
