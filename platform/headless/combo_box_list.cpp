// A combo box's list: where it drops, how it rolls up, and the keys and characters that work it.
#include "platform/headless/combo_box_list.h"

#include <algorithm>

#include "platform/headless/controls.h"
#include "platform/headless/field_editing.h"
#include "platform/headless/headless_metrics.h"
#include "platform/headless/list_order.h"
#include "platform/headless/manager.h"
#include "platform/headless/text_field.h"

namespace headless {

namespace {

constexpr int kListFrame = 2;       // the dropped list's border, top and bottom together
constexpr LPARAM kAltDown = 1 << 29;  // a system key's lParam: Alt is held

// Without CBS_NOINTEGRALHEIGHT the list shows whole items only: its client area drops what a
// partly shown item would take.
int integralFrameHeight(int frame, int itemHeight) {
    int client = frame - kListFrame;
    if (itemHeight > 0 && client > itemHeight && client % itemHeight != 0) frame -= client % itemHeight;
    return frame;
}

// The template's extent, or less when the items take less.
int droppedFrameHeight(const Window& combo) {
    int needed = static_cast<int>(combo.items.size()) * listItemHeight(combo);
    int frame = combo.droppedExtent;
    if (needed > 0 && needed < frame - kListFrame) frame = needed + kListFrame;
    return integralFrameHeight(frame, listItemHeight(combo));
}

// Below the box, as wide as it; above it when it would leave the screen.
RECT placeList(const Window& combo) {
    RECT box = screenRect(combo);
    int height = droppedFrameHeight(combo);
    RECT list{box.left, box.bottom, box.right, box.bottom + height};
    if (list.bottom > kDesktopHeight) {
        list.top = std::max<LONG>(box.top - height, 0);
        list.bottom = std::min<LONG>(list.top + height, kDesktopHeight);
    }
    return list;
}

// The keys a drop-down combo box's field passes to its list.
bool isListKey(WPARAM key) { return key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT; }

void flip(Window& combo) {
    if (combo.dropped) rollUp(combo, false);
    else dropDown(combo);
}

LRESULT listKey(Window& combo, WPARAM key) {
    ListView view = comboListView(combo);
    if (!moveCaretByKey(view, key)) return 0;
    followSelection(combo);
    if (combo.dropped) combo.keepDropped = true;
    if (!combo.items.empty()) reportListSelection(combo);
    return 0;
}

LRESULT fieldKey(Window& combo, WPARAM key) {
    fieldKeyDown(combo, key);
    return 0;
}

}  // namespace

bool hasEditField(const Window& combo) { return (combo.style & 0x3) != CBS_DROPDOWNLIST; }

// Until it first drops, the list has the height the template gave it.
ListView comboListView(Window& combo) {
    int frame = combo.droppedList.bottom - combo.droppedList.top;
    if (frame == 0) frame = integralFrameHeight(combo.droppedExtent, listItemHeight(combo));
    return ListView{combo, std::max(0, frame - kListFrame), listItemHeight(combo)};
}

int comboDroppedExtent(const Window& combo, int templateHeight) {
    DWORD kind = combo.style & 0x3;
    if (kind == CBS_SIMPLE || kind == 0) return 0;
    int fieldBottom = kComboEdge + kSystemFontHeight + kComboTextPadding - (hasEditField(combo) ? 1 : 0);
    return std::max(0, templateHeight - fieldBottom - kComboEdge);
}

// The field shows the item with its text selected while the box has the focus, and with the caret
// at its start otherwise, as setting its text leaves it (which also empties its undo).
void showItemInField(Window& combo, int index) {
    setFieldText(combo, index >= 0 && index < static_cast<int>(combo.items.size()) ? combo.items[index].text
                                                                                    : std::string());
    if (focusedWindow() == combo.handle) setSelection(combo, 0, -1);
}

void followSelection(Window& combo) {
    if (!hasEditField(combo)) showItemInField(combo, combo.selectedItem);
}

int selectFromField(Window& combo, bool select) {
    int found = combo.text.empty() ? -1 : findListText(combo.items, -1, combo.text, false);
    int shown = std::max(found, 0);
    ListView view = comboListView(combo);
    int selected = select ? found : -1;
    setCaretItem(view, selected, true);
    combo.selectedItem = selected;
    if (selected == -1) setCaretItem(view, shown, true);
    setTopItem(view, shown);
    return found;
}

// A drop-down combo box's field shows the item its text begins; a drop-down list box scrolls its
// selection to the top. The list then holds the mouse.
void dropDown(Window& combo) {
    HWND handle = combo.handle;
    notifyParent(combo, CBN_DROPDOWN);
    Window* box = findWindow(handle);
    if (box == nullptr) return;
    box->dropped = true;
    box->droppedList = placeList(*box);
    if (hasEditField(*box)) {
        box->droppedIndex = selectFromField(*box, true);
        if (!box->trackingPress && box->droppedIndex >= 0) showItemInField(*box, box->droppedIndex);
    } else {
        box->droppedIndex = box->selectedItem;
        ListView view = comboListView(*box);
        setTopItem(view, std::max(box->droppedIndex, 0));
    }
    setCapture(handle);
}

void rollUp(Window& combo, bool chosen) {
    HWND handle = combo.handle;
    notifyParent(combo, chosen ? CBN_SELENDOK : CBN_SELENDCANCEL);
    Window* box = findWindow(handle);
    if (box == nullptr || !box->dropped) return;
    box->dropped = false;
    box->mouseCaptured = false;
    if (captureWindow() == handle && !box->trackingPress) releaseCapture();
    notifyParent(*box, CBN_CLOSEUP);
}

// What the list's LBN_SELCHANGE does in the box: the list rolls up, choosing, unless a key moved
// the selection in the dropped list; CBN_SELCHANGE; then the field shows the item, so that the
// procedure still reads the old text while it hears of the change, as on Windows.
void reportListSelection(Window& combo) {
    HWND handle = combo.handle;
    if (combo.keepDropped) combo.keepDropped = false;
    else rollUp(combo, true);
    Window* box = findWindow(handle);
    if (box == nullptr) return;
    notifyParent(*box, CBN_SELCHANGE);
    box = findWindow(handle);
    if (box != nullptr && hasEditField(*box)) showItemInField(*box, box->selectedItem);
}

void reportFieldUpdate(Window& combo) { notifyParent(combo, CBN_EDITUPDATE); }

void reportFieldChange(Window& combo) {
    selectFromField(combo, combo.dropped);
    notifyParent(combo, CBN_EDITCHANGE);
}

// Windows selects a drop-down combo box's whole text each time the box takes the focus and takes
// the selection away each time it loses it. (Wine selects the text only the first time and leaves
// the selection when the focus goes: its own tests mark both as differences from Windows.)
void comboFocusGained(Window& combo) {
    if (hasEditField(combo)) setSelection(combo, 0, -1);
}

// Whatever press is under way ends with the focus: the mouse goes free.
void comboFocusLost(Window& combo) {
    HWND handle = combo.handle;
    combo.trackingPress = false;
    combo.draggingInField = false;
    rollUp(combo, false);
    Window* box = findWindow(handle);
    if (box == nullptr) return;
    if (hasEditField(*box)) setSelection(*box, 0, 0);
    if (captureWindow() == handle) releaseCapture();
}

// Enter and Escape choose or cancel in the dropped list, F4 drops or rolls it up; a drop-down
// list box's list takes the other keys, a drop-down combo box's field all but the list's.
LRESULT comboKeyDown(Window& combo, WPARAM key) {
    if ((key == VK_RETURN || key == VK_ESCAPE) && combo.dropped) {
        rollUp(combo, key == VK_RETURN);
        return TRUE;
    }
    if (key == VK_F4) {
        flip(combo);
        return TRUE;
    }
    return hasEditField(combo) && !isListKey(key) ? fieldKey(combo, key) : listKey(combo, key);
}

// Alt+Up and Alt+Down flip the list. The field takes Alt+Backspace and passes the other system keys
// on (Shift+F10 asks for its menu, Alt+F4 closes the dialog); a drop-down list box, which has no
// field, answers them all itself, so Alt+F4 there closes nothing.
LRESULT comboSystemKeyDown(Window& combo, WPARAM key, LPARAM flags) {
    if ((flags & kAltDown) && (key == VK_UP || key == VK_DOWN)) flip(combo);
    else if (hasEditField(combo) && !fieldSystemKeyDown(combo, key, flags)) defaultControlMessage(combo, WM_SYSKEYDOWN, key, flags);
    return 0;
}

// Typed into the field, or in a drop-down list box the first-letter search, which chooses.
LRESULT comboCharacter(Window& combo, WPARAM character) {
    if (hasEditField(combo)) {
        typeCharacter(combo, static_cast<unsigned char>(character));
        return 0;
    }
    ListView view = comboListView(combo);
    if (!moveCaretToLetter(view, static_cast<unsigned char>(character))) return 0;
    followSelection(combo);
    if (!combo.items.empty()) reportListSelection(combo);
    return 0;
}

}  // namespace headless
