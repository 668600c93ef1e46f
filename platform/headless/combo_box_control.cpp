// The COMBOBOX class: its list (the LB_ item messages under their CB_ numbers), its selection shown
// in the edit field, and typing into that field.
#include "platform/headless/controls.h"
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

// CB_SETCURSEL shows the item in the edit field (-1 empties it) and notifies nothing.
LRESULT comboSetSelection(Window& combo, WPARAM position) {
    int index = static_cast<int>(position);
    if (index != -1 && !validItem(combo, position)) return CB_ERR;
    combo.selectedItem = index;
    combo.text = index == -1 ? std::string() : combo.items[index].text;
    combo.selectionStart = 0;
    combo.selectionEnd = combo.text.size();
    return index == -1 ? CB_ERR : index;
}

bool hasEditField(const Window& combo) { return (combo.style & 0x3) != CBS_DROPDOWNLIST; }

// A drop-down list box is asked for its code; the other kinds keep the focus in their edit
// field, which is asked instead and can also take a selection.
LRESULT comboDialogCode(const Window& combo) {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    return hasEditField(combo) ? code | DLGC_HASSETSEL : code;
}

LRESULT comboTyped(Window& combo, WPARAM key) {
    if (!hasEditField(combo)) return 0;
    KeyResult typed = typeCharacter(combo, static_cast<unsigned char>(key));
    if (typed != KeyResult::Changed) return 0;
    notifyParent(combo, CBN_EDITUPDATE);
    notifyParent(combo, CBN_EDITCHANGE);
    return 0;
}

}  // namespace

LRESULT comboBoxProcedure(Window& combo, UINT message, WPARAM wordParam, LPARAM longParam) {
    if (message == CB_RESETCONTENT) {
        resetItems(combo);
        combo.text.clear();
        return CB_OKAY;
    }
    LRESULT answer = 0;
    if (itemMessage(combo, listEquivalent(message), wordParam, longParam, (combo.style & CBS_SORT) != 0, answer))
        return answer;
    switch (message) {
    case CB_SETCURSEL: return comboSetSelection(combo, wordParam);
    case CB_SELECTSTRING: {
        LRESULT found = findItem(combo, wordParam, longParam, false);
        return found == CB_ERR ? CB_ERR : comboSetSelection(combo, static_cast<WPARAM>(found));
    }
    case CB_LIMITTEXT: return setLimit(combo, wordParam) + TRUE;
    case CB_SETEDITSEL:
        return setSelection(combo, static_cast<WPARAM>(static_cast<short>(LOWORD(longParam))),
                            static_cast<short>(HIWORD(longParam))) + TRUE;
    case WM_SETTEXT: combo.text = textOf(longParam); combo.selectionStart = combo.selectionEnd = 0; return TRUE;
    case WM_GETDLGCODE: return comboDialogCode(combo);
    case EM_SETSEL: return hasEditField(combo) ? setSelection(combo, wordParam, longParam) : 0;
    case WM_CHAR: return comboTyped(combo, wordParam);
    default: return 0;
    }
}

}  // namespace headless
