// The LISTBOX class: selection, scrolling, the item under the mouse and the notifications of
// clicks, as USER32's list box gives them.
#include "platform/headless/controls.h"
#include "platform/headless/item_messages.h"
#include "platform/headless/manager.h"

#include <algorithm>

namespace headless {

namespace {

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

}  // namespace

LRESULT listBoxProcedure(Window& list, UINT message, WPARAM wordParam, LPARAM longParam) {
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
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN: return listButtonDown(list, longParam);
    case WM_LBUTTONUP: return listButtonUp(list);
    case WM_LBUTTONDBLCLK: return listDoubleClick(list);
    case WM_SETTEXT: list.text = textOf(longParam); return TRUE;
    default: return 0;
    }
}

}  // namespace headless
