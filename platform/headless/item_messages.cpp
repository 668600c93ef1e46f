// The item messages list and combo boxes share (LB_ADDSTRING and the rest; a combo box's CB_
// messages are mapped onto them): the items, their data, sorted insertion and search.
#include "platform/headless/item_messages.h"

#include <cstring>

#include "platform/headless/controls.h"
#include "platform/headless/list_order.h"

namespace headless {

namespace {

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

// The selection moves with its item; the caret stays where it was unless no item is left there.
LRESULT deleteItem(Window& box, WPARAM position) {
    if (!validItem(box, position)) return LB_ERR;
    if (box.items.size() == 1) return resetItems(box);
    int index = static_cast<int>(position);
    box.items.erase(static_cast<size_t>(index));
    if (box.selectedItem == index) box.selectedItem = -1;
    else if (box.selectedItem > index) --box.selectedItem;
    int count = static_cast<int>(box.items.size());
    if (box.caretItem >= count) box.caretItem = count - 1;
    return count;
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

}  // namespace

bool validItem(const Window& box, WPARAM index) {
    return static_cast<int>(index) >= 0 && static_cast<int>(index) < static_cast<int>(box.items.size());
}

LRESULT resetItems(Window& box) {
    box.items.clear();
    box.selectedItem = -1;
    box.topItem = 0;
    box.caretItem = 0;
    return LB_OKAY;
}

LRESULT findItem(const Window& box, WPARAM start, LPARAM text, bool exact) {
    return findListText(box.items, static_cast<int>(start), textOf(text), exact);
}

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

}  // namespace headless
