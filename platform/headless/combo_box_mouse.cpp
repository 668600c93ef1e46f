// The mouse on a combo box: a press on the arrow button (anywhere on a drop-down list box) drops
// the list and the list then holds the mouse, so that a press on an item chooses it and a press
// anywhere else rolls the list up, cancelling, and reaches nothing else.
#include "platform/headless/combo_box_list.h"
#include "platform/headless/context_menu.h"
#include "platform/headless/controls.h"
#include "platform/headless/field_mouse.h"
#include "platform/headless/headless_metrics.h"
#include "platform/headless/manager.h"

namespace headless {

namespace {

POINT screenPointOf(const Window& combo, LPARAM point) {
    RECT client = clientScreenRect(combo);
    return POINT{client.left + GET_X_LPARAM(point), client.top + GET_Y_LPARAM(point)};
}

// Inside the list's one-pixel border.
RECT listClient(const Window& combo) {
    const RECT& frame = combo.droppedList;
    return RECT{frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1};
}

int listY(const Window& combo, POINT screen) { return screen.y - listClient(combo).top; }

// The arrow button at the right end of the closed box, inside its edge.
bool onButton(const Window& combo, LPARAM point) {
    RECT client = clientRect(combo);
    RECT button{client.right - kComboEdge - kScrollBarWidth, kComboEdge, client.right - kComboEdge,
                client.bottom - kComboEdge};
    return contains(button, POINT{GET_X_LPARAM(point), GET_Y_LPARAM(point)});
}

// A press on the field is the field's own, as on an edit control.
LRESULT pressInField(Window& combo, WPARAM keys, LPARAM point, bool twice) {
    combo.draggingInField = true;
    if (twice) fieldDoubleClicked(combo);
    else fieldPressed(combo, keys, GET_X_LPARAM(point));
    return TRUE;
}

// The selection as it was when the list dropped, and the list rolled up, cancelling.
void cancelInList(Window& combo) {
    ListView view = comboListView(combo);
    setCaretItem(view, combo.droppedIndex, false);
    combo.selectedItem = combo.droppedIndex;
    followSelection(combo);
    rollUp(combo, false);
}

// A press on an item selects it, silently, and the release chooses it.
void pressInList(Window& combo, POINT screen) {
    combo.droppedIndex = combo.items.empty() ? -1 : combo.selectedItem;
    ListView view = comboListView(combo);
    int index = itemAt(view, listY(combo, screen));
    if (index < 0) return;
    combo.mouseCaptured = true;
    moveCaret(view, index, false);
    followSelection(combo);
}

// The list's border takes a press without effect.
LRESULT pressWhileDropped(Window& combo, POINT screen) {
    if (contains(listClient(combo), screen)) pressInList(combo, screen);
    else if (!contains(combo.droppedList, screen)) cancelInList(combo);
    return TRUE;
}

// The release of the press that dropped the list: the list keeps the mouse, and a drop-down
// combo box's field shows the item its text begins.
LRESULT endDroppingPress(Window& combo) {
    combo.trackingPress = false;
    if (!combo.dropped) {
        if (captureWindow() == combo.handle) releaseCapture();
        return TRUE;
    }
    if (!hasEditField(combo)) return TRUE;
    int index = selectFromField(combo, true);
    if (index >= 0) showItemInField(combo, index);
    return TRUE;
}

}  // namespace

// A press on a closed box takes the focus first; on a drop-down combo box's field it then places
// the caret as in an edit control.
LRESULT comboButtonDown(Window& combo, WPARAM keys, LPARAM point, bool twice) {
    if (!combo.enabled) return TRUE;
    HWND handle = combo.handle;
    if (focusedWindow() != handle) moveFocus(handle);
    Window* box = findWindow(handle);
    if (box == nullptr || focusedWindow() != handle) return TRUE;
    if (box->dropped) return pressWhileDropped(*box, screenPointOf(*box, point));
    if (hasEditField(*box) && !onButton(*box, point)) return pressInField(*box, keys, point, twice);
    box->trackingPress = true;
    setCapture(handle);
    dropDown(*box);
    return TRUE;
}

// A release after a press in the list chooses what is selected then: outside the list, the
// selection it dropped with.
LRESULT comboButtonUp(Window& combo, LPARAM point) {
    if (combo.draggingInField) {
        combo.draggingInField = false;
        fieldReleased(combo);
        return TRUE;
    }
    if (combo.trackingPress) return endDroppingPress(combo);
    if (!combo.dropped) return TRUE;
    if (!contains(listClient(combo), screenPointOf(combo, point))) {
        ListView view = comboListView(combo);
        moveCaret(view, combo.droppedIndex, false);
        followSelection(combo);
    }
    if (!combo.mouseCaptured) return TRUE;
    combo.mouseCaptured = false;
    if (!combo.items.empty()) reportListSelection(combo);
    return TRUE;
}

// Over the dropped list the selection follows the mouse, pressed or not; the press that dropped
// the list becomes a press in it once the mouse gets there.
LRESULT comboMouseMove(Window& combo, LPARAM point) {
    if (combo.draggingInField) {
        fieldDragged(combo, GET_X_LPARAM(point));
        return TRUE;
    }
    POINT screen = screenPointOf(combo, point);
    bool inList = combo.dropped && contains(listClient(combo), screen);
    if (combo.trackingPress) {
        if (!inList) return TRUE;
        combo.trackingPress = false;
        if (hasEditField(combo)) selectFromField(combo, true);
        pressInList(combo, screen);
        return TRUE;
    }
    if (!inList && !combo.mouseCaptured) return TRUE;
    ListView view = comboListView(combo);
    moveCaret(view, trackedItem(view, listY(combo, screen)), false);
    followSelection(combo);
    return TRUE;
}

// The field has the menu of an edit control, asked for by a right click on it or by Shift+F10 (at
// no point); the rest of the box, and a drop-down list box, give none and ask the dialog.
LRESULT comboContextMenu(Window& combo, WPARAM from, LPARAM screenPoint) {
    RECT client = clientScreenRect(combo);
    LPARAM point = MAKELPARAM(GET_X_LPARAM(screenPoint) - client.left, GET_Y_LPARAM(screenPoint) - client.top);
    bool atNoPoint = static_cast<DWORD>(screenPoint) == 0xFFFFFFFFu;
    if (hasEditField(combo) && (atNoPoint || !onButton(combo, point))) openFieldMenu(combo, screenPoint);
    else defaultControlMessage(combo, WM_CONTEXTMENU, from, screenPoint);
    return 0;
}

// The wheel scrolls the dropped list; on the closed box each turn is an arrow key, but a
// drop-down combo box's field lets it be.
LRESULT comboWheel(Window& combo, WPARAM wordParam, LPARAM screenPoint) {
    if (LOWORD(wordParam) & (MK_SHIFT | MK_CONTROL)) return 0;
    int delta = GET_WHEEL_DELTA_WPARAM(wordParam);
    if (combo.dropped) {
        ListView view = comboListView(combo);
        scrollByWheel(view, delta);
        return 0;
    }
    RECT client = clientScreenRect(combo);
    LPARAM point = MAKELPARAM(GET_X_LPARAM(screenPoint) - client.left, GET_Y_LPARAM(screenPoint) - client.top);
    if (delta == 0 || (hasEditField(combo) && !onButton(combo, point))) return TRUE;
    return comboKeyDown(combo, delta > 0 ? VK_UP : VK_DOWN);
}

}  // namespace headless
