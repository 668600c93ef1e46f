// The COMBOBOX class: its list (the LB_ item messages under their CB_ numbers), its selection shown
// in the field, dropping the list, and the input that reaches the box (combo_box_list.cpp and
// combo_box_mouse.cpp say what it does).
#include "platform/headless/combo_box_list.h"
#include "platform/headless/controls.h"
#include "platform/headless/field_editing.h"
#include "platform/headless/item_messages.h"
#include "platform/headless/manager.h"
#include "platform/headless/text_field.h"

namespace headless {

namespace {

// The CB_ item messages, as the LB_ messages of the combo box's list.
int listEquivalent(UINT message) {
    switch (message) {
    case CB_ADDSTRING: return LB_ADDSTRING;
    case CB_INSERTSTRING: return LB_INSERTSTRING;
    case CB_DELETESTRING: return LB_DELETESTRING;
    case CB_GETCOUNT: return LB_GETCOUNT;
    case CB_GETLBTEXT: return LB_GETTEXT;
    case CB_GETLBTEXTLEN: return LB_GETTEXTLEN;
    case CB_GETITEMDATA: return LB_GETITEMDATA;
    case CB_SETITEMDATA: return LB_SETITEMDATA;
    case CB_FINDSTRINGEXACT: return LB_FINDSTRINGEXACT;
    case CB_GETCURSEL: return LB_GETCURSEL;
    default: return 0;
    }
}

// CB_SETCURSEL shows the item in the field (-1 empties it), scrolls the list to it and notifies
// nothing.
LRESULT comboSetSelection(Window& combo, WPARAM position) {
    int index = static_cast<int>(position);
    if (index != -1 && !validItem(combo, position)) return CB_ERR;
    ListView view = comboListView(combo);
    setCaretItem(view, index, true);
    combo.selectedItem = index;
    if (index != -1) setTopItem(view, index);
    showItemInField(combo, index);
    return index == -1 ? CB_ERR : index;
}

LRESULT comboSelectText(Window& combo, WPARAM start, LPARAM text) {
    LRESULT found = findItem(combo, start, text, false);
    if (found == CB_ERR) return CB_ERR;
    ListView view = comboListView(combo);
    moveCaret(view, static_cast<int>(found), true);
    showItemInField(combo, static_cast<int>(found));
    return found;
}

// USER32 answers TRUE whatever the list did.
LRESULT comboShowDropDown(Window& combo, WPARAM show) {
    if (show && !combo.dropped) dropDown(combo);
    else if (!show && combo.dropped) rollUp(combo, false);
    return TRUE;
}

// The box's corner with the size its list was given: the template's width and extent.
LRESULT droppedControlRect(const Window& combo, LPARAM out) {
    if (out == 0) return CB_OKAY;
    RECT frame = screenRect(combo);
    *reinterpret_cast<RECT*>(out) = RECT{frame.left, frame.top, frame.right, frame.top + combo.droppedExtent};
    return CB_OKAY;
}

// A combo box wants the arrows and characters; while its list is down, Enter and Escape are
// its own, not the dialog's. (A drop-down combo box's field, which has the focus on Windows, could
// take a selection too, but the dialog never asks it: it gives the box the focus, and the box
// selects its field's text itself.)
LRESULT comboDialogCode(const Window& combo, LPARAM message) {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    const MSG* key = reinterpret_cast<const MSG*>(message);
    if (combo.dropped && key != nullptr && key->message == WM_KEYDOWN &&
        (key->wParam == VK_RETURN || key->wParam == VK_ESCAPE))
        code |= DLGC_WANTMESSAGE;
    return code;
}

// A drop-down list box's text is its selected item, which WM_SETTEXT cannot change.
LRESULT comboSetText(Window& combo, LPARAM text) {
    if (!hasEditField(combo)) return CB_ERR;
    setFieldText(combo, textOf(text));
    return TRUE;
}

void clearQuietly(Window& combo) {
    replaceSelection(combo, std::string(), Replacement{true, true, false});
    selectFromField(combo, combo.dropped);
}

// WM_CUT, WM_COPY and WM_PASTE reach the field as the field's own; WM_CLEAR too, but the box passes
// on none of the field's notifications for it (only the list follows the text). A drop-down list
// box has no field to take them.
LRESULT comboEditing(Window& combo, UINT message) {
    if (!hasEditField(combo)) return CB_ERR;
    if (message == WM_CUT) cutSelection(combo);
    else if (message == WM_COPY) copySelection(combo);
    else if (message == WM_PASTE) pasteClipboard(combo);
    else if (selectionLow(combo) != selectionHigh(combo)) clearQuietly(combo);
    return 0;
}

LRESULT comboItemMessage(Window& combo, UINT message, WPARAM wordParam, LPARAM longParam, bool& answered) {
    LRESULT answer = 0;
    answered = itemMessage(combo, listEquivalent(message), wordParam, longParam, (combo.style & CBS_SORT) != 0, answer);
    if (answered) followSelection(combo);
    return answer;
}

LRESULT comboInput(Window& combo, UINT message, WPARAM wordParam, LPARAM longParam) {
    switch (message) {
    case WM_KEYDOWN: return comboKeyDown(combo, wordParam);
    case WM_SYSKEYDOWN: return comboSystemKeyDown(combo, wordParam, longParam);
    case WM_CHAR: return comboCharacter(combo, wordParam);
    case WM_MOUSEWHEEL: return comboWheel(combo, wordParam, longParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // the box, its field and its list are one window here
        return comboButtonDown(combo, wordParam, longParam, message == WM_LBUTTONDBLCLK);
    case WM_LBUTTONUP: return comboButtonUp(combo, longParam);
    case WM_MOUSEMOVE: return comboMouseMove(combo, longParam);
    case WM_RBUTTONUP: return combo.dropped ? 0 : defaultControlMessage(combo, message, wordParam, longParam);
    case WM_CONTEXTMENU: return comboContextMenu(combo, wordParam, longParam);
    default: return defaultControlMessage(combo, message, wordParam, longParam);
    }
}

}  // namespace

LRESULT comboBoxProcedure(Window& combo, UINT message, WPARAM wordParam, LPARAM longParam) {
    if (message == CB_RESETCONTENT) {
        resetItems(combo);
        if (hasEditField(combo)) setFieldText(combo, std::string());
        else combo.text.clear();
        return CB_OKAY;
    }
    bool answered = false;
    LRESULT answer = comboItemMessage(combo, message, wordParam, longParam, answered);
    if (answered) return answer;
    switch (message) {
    case CB_SETCURSEL: return comboSetSelection(combo, wordParam);
    case CB_SELECTSTRING: return comboSelectText(combo, wordParam, longParam);
    case CB_SHOWDROPDOWN: return comboShowDropDown(combo, wordParam);
    case CB_GETDROPPEDSTATE: return combo.dropped ? TRUE : FALSE;
    case CB_GETTOPINDEX: return combo.topItem;
    // -1 asks for the selection field, which USER32 makes two pixels taller than an item.
    case CB_GETITEMHEIGHT: return listItemHeight(combo) + (static_cast<int>(wordParam) == -1 ? 2 : 0);
    case CB_GETDROPPEDCONTROLRECT: return droppedControlRect(combo, longParam);
    case CB_LIMITTEXT: return setLimit(combo, wordParam) + TRUE;
    case CB_SETEDITSEL:
        if (!hasEditField(combo)) return CB_ERR;
        return setSelection(combo, static_cast<WPARAM>(static_cast<short>(LOWORD(longParam))),
                            static_cast<short>(HIWORD(longParam))) + TRUE;
    case CB_GETEDITSEL: return hasEditField(combo) ? getSelection(combo, wordParam, longParam) : CB_ERR;
    case WM_SETTEXT: return comboSetText(combo, longParam);
    case WM_CUT:
    case WM_COPY:
    case WM_PASTE:
    case WM_CLEAR: return comboEditing(combo, message);
    case WM_GETDLGCODE: return comboDialogCode(combo, longParam);
    case EM_SETSEL: return hasEditField(combo) ? setSelection(combo, wordParam, longParam) : 0;
    default: return comboInput(combo, message, wordParam, longParam);
    }
}

}  // namespace headless
