// What a picture of a dialog shows: the window and each control with its rectangle in pixels and
// its state, taken from a template or from a live dialog.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32_types.h"
#include "resources/dialog_template.h"
#include "tools/render/image.h"

namespace uitools {

enum class ControlKind { PushButton, DefaultPushButton, CheckBox, RadioButton, GroupBox, Edit, Static, ListBox,
                         ComboBox, Other };

struct ControlView {
    int id = 0;
    std::string className;  // "BUTTON", "EDIT", ... or the template's own class name
    uint32_t style = 0;
    ControlKind kind = ControlKind::Other;
    PixelRect rect;  // client coordinates, pixels; a combo box's is its dropped-down extent
    std::string text;
    bool checked = false;
    std::vector<std::string> items;  // list and combo boxes
    int selection = -1;              // selected item, -1 for none
    int topItem = -1;                // list boxes: first item shown; -1 scrolls just enough to show the selection

    // What only a running dialog has; a template's view shows none of it.
    bool focused = false;    // holds the keyboard focus: a focus rectangle, or a field's caret
    bool pushed = false;     // a push button held down
    int selectionStart = 0;  // a field's selected characters (the caret at the end), shown while focused
    int selectionEnd = 0;
    int firstShown = 0;      // a field's first character shown, as far as its text has scrolled
    int caretItem = -1;      // list boxes: the item the focus rectangle surrounds
    bool dropped = false;    // combo boxes: the list is open, covering `droppedList` (client coordinates)
    PixelRect droppedList;
};

struct DialogView {
    std::string title;
    uint32_t style = 0;
    int clientWidth = 0;   // pixels
    int clientHeight = 0;  // pixels
    std::vector<ControlView> controls;
    bool inactive = false;  // a running dialog below the one in front
};

// The kind of control a predefined class and style make.
ControlKind controlKindOf(const std::string& className, uint32_t style);

// The dialog as its template lays it out: dialog units converted to pixels with the template
// font's base units, as the dialog manager converts them; captions as stored.
DialogView viewFromTemplate(const uires::DialogTemplate& dialog);

// A running dialog as it stands, read through the driver (live_dialog_view.cpp); false when
// `dialog` is not a live window.
bool viewOfLiveDialog(HWND dialog, DialogView& view);

}  // namespace uitools
