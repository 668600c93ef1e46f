// The predefined control classes of the headless dialog manager, message by message as USER32's
// (Wine's user32 button.c, edit.c, listbox.c and combo.c were the reference for the details).
#include "platform/headless/controls.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <strings.h>

#include "platform/headless/dialog_manager.h"
#include "platform/headless/list_order.h"

namespace headless {

namespace {

std::string textOf(LPARAM text) { return text != 0 ? std::string(reinterpret_cast<const char*>(text)) : std::string(); }

// ---- Text fields: an edit control, or the edit field of a drop-down combo box --------------------

size_t selectionLow(const Window& field) { return std::min(field.selectionStart, field.selectionEnd); }
size_t selectionHigh(const Window& field) { return std::max(field.selectionStart, field.selectionEnd); }

void replaceSelection(Window& field, const std::string& replacement) {
    size_t low = selectionLow(field);
    field.text.replace(low, selectionHigh(field) - low, replacement);
    field.selectionStart = field.selectionEnd = low + replacement.size();
}

// EM_SETSEL: a start of -1 removes the selection, an end of -1 (or past the text) means its end.
LRESULT setSelection(Window& field, WPARAM start, LPARAM end) {
    size_t length = field.text.size();
    auto clamp = [length](long long value) { return value < 0 ? length : std::min<size_t>(value, length); };
    if (static_cast<int>(start) == -1) {
        field.selectionStart = field.selectionEnd;
        return 0;
    }
    field.selectionStart = clamp(static_cast<int>(start));
    field.selectionEnd = clamp(static_cast<int>(end));
    return 0;
}

LRESULT getSelection(const Window& field, WPARAM start, LPARAM end) {
    if (start != 0) *reinterpret_cast<DWORD*>(start) = static_cast<DWORD>(selectionLow(field));
    if (end != 0) *reinterpret_cast<DWORD*>(end) = static_cast<DWORD>(selectionHigh(field));
    return MAKELPARAM(selectionLow(field), selectionHigh(field));
}

// Backspace deletes the selection, else the character before the caret; false when nothing changed.
bool deleteBackwards(Window& field) {
    if (selectionLow(field) == selectionHigh(field)) {
        if (field.selectionEnd == 0) return false;
        field.selectionStart = field.selectionEnd - 1;
    }
    replaceSelection(field, std::string());
    return true;
}

enum class KeyResult { Changed, Unchanged, LimitReached };

// WM_CHAR as a text field takes it. ES_NUMBER refuses every character but the digits, as USER32
// refuses letters and the minus sign alike; control characters other than backspace do nothing.
// A character past the limit is dropped, but the selection it would replace still goes.
KeyResult typeCharacter(Window& field, unsigned char key) {
    if (field.style & ES_READONLY) return KeyResult::Unchanged;
    if (key == VK_BACK) return deleteBackwards(field) ? KeyResult::Changed : KeyResult::Unchanged;
    if (key < 0x20) return KeyResult::Unchanged;
    if ((field.style & ES_NUMBER) && !std::isdigit(key)) return KeyResult::Unchanged;
    if (field.text.size() - (selectionHigh(field) - selectionLow(field)) + 1 > field.textLimit) {
        replaceSelection(field, std::string());
        return KeyResult::LimitReached;
    }
    char typed = static_cast<char>(key);
    if (field.style & ES_UPPERCASE) typed = static_cast<char>(std::toupper(key));
    if (field.style & ES_LOWERCASE) typed = static_cast<char>(std::tolower(key));
    replaceSelection(field, std::string(1, typed));
    return KeyResult::Changed;
}

LRESULT setLimit(Window& field, WPARAM limit) {
    field.textLimit = limit == 0 ? 0x7FFFFFFE : limit;
    return 0;
}

// ---- Edit ----------------------------------------------------------------------------------------

void notifyEditChanged(Window& edit) {
    notifyParent(edit, EN_UPDATE);
    notifyParent(edit, EN_CHANGE);
}

// Setting the text replaces it whole, unfiltered and unlimited, and reports a change even when the
// text stays the same, before the call returns.
LRESULT editSetText(Window& edit, LPARAM text) {
    edit.text = textOf(text);
    edit.selectionStart = edit.selectionEnd = 0;
    notifyEditChanged(edit);
    return TRUE;
}

// At the limit USER32 reports EN_MAXTEXT and then a change, even when nothing could change.
LRESULT editTyped(Window& edit, WPARAM key) {
    KeyResult typed = typeCharacter(edit, static_cast<unsigned char>(key));
    if (typed == KeyResult::LimitReached) notifyParent(edit, EN_MAXTEXT);
    if (typed != KeyResult::Unchanged) notifyEditChanged(edit);
    return 0;
}

LRESULT editProcedure(Window& edit, UINT message, WPARAM wordParam, LPARAM longParam) {
    switch (message) {
    case WM_SETTEXT: return editSetText(edit, longParam);
    case WM_CHAR: return editTyped(edit, wordParam);
    case EM_SETSEL: return setSelection(edit, wordParam, longParam);
    case EM_GETSEL: return getSelection(edit, wordParam, longParam);
    case EM_LIMITTEXT: return setLimit(edit, wordParam);
    case EM_GETLIMITTEXT: return static_cast<LRESULT>(edit.textLimit);
    default: return 0;
    }
}

// ---- Button --------------------------------------------------------------------------------------

DWORD buttonType(const Window& button) { return button.style & BS_TYPEMASK; }

bool isCheckable(const Window& button) {
    DWORD type = buttonType(button);
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON || type == BS_3STATE ||
           type == BS_AUTO3STATE || type == BS_AUTORADIOBUTTON;
}

void uncheckRadioSiblings(const Window& button) {
    const Window* dialog = findWindow(button.parent);
    if (dialog == nullptr) return;
    for (HWND sibling : dialog->children) {
        Window* other = findWindow(sibling);
        if (other != nullptr && other != &button && other->kind == WindowKind::Button &&
            buttonType(*other) == BS_AUTORADIOBUTTON)
            other->checkState = BST_UNCHECKED;
    }
}

// A click as BM_CLICK gives it: the button takes the focus, an automatic button changes its state,
// then BN_CLICKED goes to the dialog.
LRESULT buttonClicked(Window& button) {
    if (!button.enabled) return 0;
    HWND handle = button.handle;
    moveFocus(handle);
    if (findWindow(handle) == nullptr) return 0;
    DWORD type = buttonType(button);
    if (type == BS_AUTOCHECKBOX) button.checkState = button.checkState == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
    if (type == BS_AUTO3STATE) button.checkState = (button.checkState + 1) % 3;
    if (type == BS_AUTORADIOBUTTON) {
        uncheckRadioSiblings(button);
        button.checkState = BST_CHECKED;
    }
    notifyParent(button, BN_CLICKED);
    return 0;
}

// BM_SETCHECK changes the state silently; two-state buttons take any nonzero value as checked.
LRESULT buttonSetCheck(Window& button, WPARAM state) {
    if (!isCheckable(button)) return 0;
    DWORD type = buttonType(button);
    bool threeState = type == BS_3STATE || type == BS_AUTO3STATE;
    button.checkState = threeState ? static_cast<int>(std::min<WPARAM>(state, 2)) : (state != 0 ? 1 : 0);
    return 0;
}

LRESULT buttonProcedure(Window& button, UINT message, WPARAM wordParam, LPARAM longParam) {
    switch (message) {
    case BM_CLICK: return buttonClicked(button);
    case BM_GETCHECK: return isCheckable(button) ? button.checkState : BST_UNCHECKED;
    case BM_SETCHECK: return buttonSetCheck(button, wordParam);
    case WM_SETTEXT: button.text = textOf(longParam); return TRUE;
    default: return 0;
    }
}

// ---- Items of list and combo boxes ---------------------------------------------------------------

bool validItem(const Window& box, WPARAM index) {
    return static_cast<int>(index) >= 0 && static_cast<int>(index) < static_cast<int>(box.items.size());
}

int insertItemAt(Window& box, int index, const std::string& text) {
    box.items.insert(static_cast<size_t>(index), ListItem{text, 0});
    if (box.selectedItem >= index) ++box.selectedItem;
    return index;
}

// LB_ADDSTRING / CB_ADDSTRING: sorted boxes insert where USER32's binary search puts the text; a
// null text is an empty string.
LRESULT addItem(Window& box, LPARAM text, bool sorted) {
    std::string item = textOf(text);
    int index = sorted ? sortedInsertPosition(box.items, item) : static_cast<int>(box.items.size());
    return insertItemAt(box, index, item);
}

LRESULT insertItem(Window& box, WPARAM position, LPARAM text) {
    int index = static_cast<int>(position);
    if (index == -1) index = static_cast<int>(box.items.size());
    if (index < 0 || index > static_cast<int>(box.items.size())) return LB_ERR;
    return insertItemAt(box, index, textOf(text));
}

LRESULT deleteItem(Window& box, WPARAM position) {
    if (!validItem(box, position)) return LB_ERR;
    int index = static_cast<int>(position);
    box.items.erase(static_cast<size_t>(index));
    if (box.selectedItem == index) box.selectedItem = -1;
    else if (box.selectedItem > index) --box.selectedItem;
    return static_cast<LRESULT>(box.items.size());
}

LRESULT resetItems(Window& box) {
    box.items.clear();
    box.selectedItem = -1;
    box.topItem = 0;
    return LB_OKAY;
}

// LB_GETTEXT copies the whole item: the caller's buffer must hold it (USER32 takes no size).
LRESULT getItemText(const Window& box, WPARAM position, LPARAM buffer) {
    if (!validItem(box, position) || buffer == 0) return LB_ERR;
    const std::string& text = box.items[position].text;
    std::memcpy(reinterpret_cast<char*>(buffer), text.c_str(), text.size() + 1);
    return static_cast<LRESULT>(text.size());
}

LRESULT itemTextLength(const Window& box, WPARAM position) {
    return validItem(box, position) ? static_cast<LRESULT>(box.items[position].text.size()) : LB_ERR;
}

LRESULT getItemData(const Window& box, WPARAM position) {
    return validItem(box, position) ? box.items[position].data : LB_ERR;
}

LRESULT setItemData(Window& box, WPARAM position, LPARAM data) {
    if (!validItem(box, position)) return LB_ERR;
    box.items[position].data = data;
    return TRUE;
}

LRESULT findItem(const Window& box, WPARAM start, LPARAM text, bool exact) {
    return findListText(box.items, static_cast<int>(start), textOf(text), exact);
}

// The item messages lists and combo boxes share (with their own message numbers). False when
// `operation` is none of them; any value is a possible answer of one (LB_ERRSPACE is -2).
bool itemMessage(Window& box, int operation, WPARAM wordParam, LPARAM longParam, bool sorted, LRESULT& answer) {
    switch (operation) {
    case LB_ADDSTRING: answer = addItem(box, longParam, sorted); return true;
    case LB_INSERTSTRING: answer = insertItem(box, wordParam, longParam); return true;
    case LB_DELETESTRING: answer = deleteItem(box, wordParam); return true;
    case LB_RESETCONTENT: answer = resetItems(box); return true;
    case LB_GETCOUNT: answer = static_cast<LRESULT>(box.items.size()); return true;
    case LB_GETTEXT: answer = getItemText(box, wordParam, longParam); return true;
    case LB_GETTEXTLEN: answer = itemTextLength(box, wordParam); return true;
    case LB_GETITEMDATA: answer = getItemData(box, wordParam); return true;
    case LB_SETITEMDATA: answer = setItemData(box, wordParam, longParam); return true;
    case LB_FINDSTRINGEXACT: answer = findItem(box, wordParam, longParam, true); return true;
    case LB_FINDSTRING: answer = findItem(box, wordParam, longParam, false); return true;
    case LB_GETCURSEL: answer = box.selectedItem; return true;
    default: return false;
    }
}

// ---- List box ------------------------------------------------------------------------------------

int visibleItemCount(const Window& list) {
    int height = clientRect(list).bottom;
    return std::max(1, height / listItemHeight(list));
}

void makeItemVisible(Window& list, int index) {
    if (index < list.topItem) list.topItem = index;
    int page = visibleItemCount(list);
    if (index >= list.topItem + page) list.topItem = index - page + 1;
}

// LB_SETCURSEL: silent; -1 clears the selection and still answers LB_ERR, as USER32 does.
LRESULT listSetSelection(Window& list, WPARAM position) {
    int index = static_cast<int>(position);
    if (index == -1) {
        list.selectedItem = -1;
        return LB_ERR;
    }
    if (!validItem(list, position)) return LB_ERR;
    list.selectedItem = index;
    makeItemVisible(list, index);
    return index;
}

LRESULT listSetTopItem(Window& list, WPARAM position) {
    int last = static_cast<int>(list.items.size()) - visibleItemCount(list);
    list.topItem = std::max(0, std::min(static_cast<int>(position), last));
    return LB_OKAY;
}

LRESULT listItemRect(const Window& list, WPARAM position, LPARAM rectangle) {
    if (rectangle == 0 || (!list.items.empty() && !validItem(list, position))) return LB_ERR;
    int height = listItemHeight(list);
    RECT client = clientRect(list);
    RECT* item = reinterpret_cast<RECT*>(rectangle);
    item->left = 0;
    item->right = client.right;
    item->top = (static_cast<int>(position) - list.topItem) * height;
    item->bottom = item->top + height;
    return item->bottom > 0 && item->top < client.bottom ? 1 : 0;
}

int itemAtPoint(const Window& list, LPARAM point) {
    if (list.items.empty()) return -1;
    int y = GET_Y_LPARAM(point);
    int index = list.topItem + (y >= 0 ? y / listItemHeight(list) : -1);
    if (index < 0) return 0;
    return index < static_cast<int>(list.items.size()) ? index : -1;
}

// A press takes the focus and selects the item under the mouse; the release reports the
// selection (LBS_NOTIFY), even when the item was selected already.
LRESULT listButtonDown(Window& list, LPARAM point) {
    if (!list.enabled) return 0;
    HWND handle = list.handle;
    if (focusedWindow() != handle) moveFocus(handle);
    if (findWindow(handle) == nullptr) return 0;
    int index = itemAtPoint(list, point);
    if (index < 0) return 0;
    list.selectedItem = index;
    list.mouseCaptured = true;
    return 0;
}

LRESULT listButtonUp(Window& list) {
    if (!list.mouseCaptured) return 0;
    list.mouseCaptured = false;
    if ((list.style & LBS_NOTIFY) && !list.items.empty()) notifyParent(list, LBN_SELCHANGE);
    return 0;
}

LRESULT listDoubleClick(Window& list) {
    if (list.enabled && (list.style & LBS_NOTIFY)) notifyParent(list, LBN_DBLCLK);
    return 0;
}

LRESULT listProcedure(Window& list, UINT message, WPARAM wordParam, LPARAM longParam) {
    LRESULT answer = 0;
    if (itemMessage(list, static_cast<int>(message), wordParam, longParam, (list.style & LBS_SORT) != 0, answer))
        return answer;
    switch (message) {
    case LB_SETCURSEL: return listSetSelection(list, wordParam);
    case LB_SELECTSTRING: {
        LRESULT found = findItem(list, wordParam, longParam, false);
        return found == LB_ERR ? LB_ERR : listSetSelection(list, static_cast<WPARAM>(found));
    }
    case LB_GETTOPINDEX: return list.topItem;
    case LB_SETTOPINDEX: return listSetTopItem(list, wordParam);
    case LB_GETITEMHEIGHT: return listItemHeight(list);
    case LB_GETITEMRECT: return listItemRect(list, wordParam, longParam);
    case WM_LBUTTONDOWN: return listButtonDown(list, longParam);
    case WM_LBUTTONUP: return listButtonUp(list);
    case WM_LBUTTONDBLCLK: return listDoubleClick(list);
    case WM_SETTEXT: list.text = textOf(longParam); return TRUE;
    default: return 0;
    }
}

// ---- Combo box -----------------------------------------------------------------------------------

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

LRESULT comboTyped(Window& combo, WPARAM key) {
    if ((combo.style & 0x3) == CBS_DROPDOWNLIST) return 0;
    KeyResult typed = typeCharacter(combo, static_cast<unsigned char>(key));
    if (typed != KeyResult::Changed) return 0;
    notifyParent(combo, CBN_EDITUPDATE);
    notifyParent(combo, CBN_EDITCHANGE);
    return 0;
}

LRESULT comboProcedure(Window& combo, UINT message, WPARAM wordParam, LPARAM longParam) {
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
    case WM_CHAR: return comboTyped(combo, wordParam);
    default: return 0;
    }
}

}  // namespace

LRESULT copyTextOut(const std::string& text, WPARAM capacity, LPARAM buffer) {
    if (buffer == 0 || capacity == 0) return 0;
    size_t copied = std::min<size_t>(text.size(), capacity - 1);
    char* out = reinterpret_cast<char*>(buffer);
    std::memcpy(out, text.data(), copied);
    out[copied] = '\0';
    return static_cast<LRESULT>(copied);
}

WindowKind kindOfClass(const std::string& className) {
    static const struct {
        const char* name;
        WindowKind kind;
    } classes[] = {{"BUTTON", WindowKind::Button}, {"EDIT", WindowKind::Edit}, {"STATIC", WindowKind::Static},
                   {"LISTBOX", WindowKind::ListBox}, {"COMBOBOX", WindowKind::ComboBox}};
    for (const auto& entry : classes) {
        if (strcasecmp(entry.name, className.c_str()) == 0) return entry.kind;
    }
    return WindowKind::Other;
}

int listItemHeight(const Window& list) {
    const Window* dialog = findWindow(list.parent);
    return dialog != nullptr ? dialog->baseUnits.height : uires::BaseUnits().height;
}

LRESULT controlProcedure(Window& control, UINT message, WPARAM wordParam, LPARAM longParam) {
    switch (control.kind) {
    case WindowKind::Edit: return editProcedure(control, message, wordParam, longParam);
    case WindowKind::Button: return buttonProcedure(control, message, wordParam, longParam);
    case WindowKind::ListBox: return listProcedure(control, message, wordParam, longParam);
    case WindowKind::ComboBox: return comboProcedure(control, message, wordParam, longParam);
    default:
        if (message == WM_SETTEXT) control.text = textOf(longParam);
        return message == WM_SETTEXT ? TRUE : 0;
    }
}

void controlFocusChanged(Window& control, bool gained) {
    switch (control.kind) {
    case WindowKind::Edit: notifyParent(control, gained ? EN_SETFOCUS : EN_KILLFOCUS); break;
    case WindowKind::ListBox: notifyParent(control, gained ? LBN_SETFOCUS : LBN_KILLFOCUS); break;
    case WindowKind::ComboBox:  // leaving rolls the list up first, cancelling any choice in it
        if (!gained) notifyParent(control, CBN_SELENDCANCEL);
        notifyParent(control, gained ? CBN_SETFOCUS : CBN_KILLFOCUS);
        break;
    case WindowKind::Button:
        if (control.style & BS_NOTIFY) notifyParent(control, gained ? BN_SETFOCUS : BN_KILLFOCUS);
        break;
    default: break;
    }
}

}  // namespace headless
