// The LISTBOX class, single selection: the caret and the selection, scrolling, the keys, the
// characters, the wheel and the mouse, with the notifications USER32's list box sends for them.
#include "platform/headless/controls.h"
#include "platform/headless/item_messages.h"
#include "platform/headless/list_view.h"
#include "platform/headless/manager.h"

namespace headless {

namespace {

ListView viewOf(Window& list) { return ListView{list, clientRect(list).bottom, listItemHeight(list)}; }

// LBN_SELCHANGE follows every key, character and release that reaches an item, changed or not.
void reportSelection(const Window& list) {
    if ((list.style & LBS_NOTIFY) && !list.items.empty()) notifyParent(list, LBN_SELCHANGE);
}

// LB_SETCURSEL: silent, with the caret moved to the item; -1 clears the selection and still
// answers LB_ERR, as USER32 does.
LRESULT listSetSelection(Window& list, WPARAM position) {
    ListView view = viewOf(list);
    int index = static_cast<int>(position);
    setCaretItem(view, index, true);
    if (index == -1) {
        list.selectedItem = -1;
        return LB_ERR;
    }
    if (!validItem(list, position)) return LB_ERR;
    list.selectedItem = index;
    return index;
}

LRESULT listSelectText(Window& list, WPARAM start, LPARAM text) {
    LRESULT found = findItem(list, start, text, false);
    if (found == LB_ERR) return LB_ERR;
    ListView view = viewOf(list);
    moveCaret(view, static_cast<int>(found), true);
    return found;
}

// A single-selection list moves its caret on its own only while nothing is selected.
LRESULT listSetCaret(Window& list, WPARAM position, LPARAM partly) {
    if (list.selectedItem != -1) return LB_ERR;
    ListView view = viewOf(list);
    return setCaretItem(view, static_cast<int>(position), partly == 0) ? LB_OKAY : LB_ERR;
}

LRESULT listSetTopItem(Window& list, WPARAM position) {
    ListView view = viewOf(list);
    setTopItem(view, static_cast<int>(position));
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

LRESULT listKeyDown(Window& list, WPARAM key) {
    ListView view = viewOf(list);
    if (moveCaretByKey(view, key)) reportSelection(list);
    return 0;
}

LRESULT listCharacter(Window& list, WPARAM character) {
    ListView view = viewOf(list);
    if (moveCaretToLetter(view, static_cast<unsigned char>(character))) reportSelection(list);
    return 0;
}

// With Shift or Ctrl the wheel scrolls nothing here.
LRESULT listWheel(Window& list, WPARAM wordParam) {
    if (LOWORD(wordParam) & (MK_SHIFT | MK_CONTROL)) return 0;
    ListView view = viewOf(list);
    scrollByWheel(view, GET_WHEEL_DELTA_WPARAM(wordParam));
    return 0;
}

// A press takes the focus, and on an item the mouse too: the caret and the selection go to the
// item, silently. A press below the last item only takes the focus.
LRESULT listButtonDown(Window& list, LPARAM point) {
    if (!list.enabled) return 0;
    HWND handle = list.handle;
    if (focusedWindow() != handle) moveFocus(handle);
    Window* pressed = findWindow(handle);
    if (pressed == nullptr) return 0;
    ListView view = viewOf(*pressed);
    int index = itemAt(view, GET_Y_LPARAM(point));
    if (index < 0) return 0;
    pressed->mouseCaptured = true;
    setCapture(handle);
    moveCaret(view, index, false);
    return 0;
}

// While the button is down the caret and the selection follow the mouse.
LRESULT listMouseMove(Window& list, LPARAM point) {
    if (!list.mouseCaptured) return 0;
    ListView view = viewOf(list);
    moveCaret(view, trackedItem(view, GET_Y_LPARAM(point)), false);
    return 0;
}

LRESULT listDoubleClick(Window& list) {
    if (list.enabled && (list.style & LBS_NOTIFY)) notifyParent(list, LBN_DBLCLK);
    return 0;
}

// The release lets the mouse go and reports the selection, even when the item was selected already.
LRESULT listButtonUp(Window& list) {
    if (!list.mouseCaptured) return 0;
    list.mouseCaptured = false;
    if (captureWindow() == list.handle) releaseCapture();
    reportSelection(list);
    return 0;
}

}  // namespace

void listFocusLost(Window& list) { listButtonUp(list); }

LRESULT listBoxProcedure(Window& list, UINT message, WPARAM wordParam, LPARAM longParam) {
    LRESULT answer = 0;
    if (itemMessage(list, static_cast<int>(message), wordParam, longParam, (list.style & LBS_SORT) != 0, answer))
        return answer;
    switch (message) {
    case LB_SETCURSEL: return listSetSelection(list, wordParam);
    case LB_SELECTSTRING: return listSelectText(list, wordParam, longParam);
    case LB_GETCARETINDEX: return list.caretItem;
    case LB_SETCARETINDEX: return listSetCaret(list, wordParam, longParam);
    case LB_GETTOPINDEX: return list.topItem;
    case LB_SETTOPINDEX: return listSetTopItem(list, wordParam);
    case LB_GETITEMHEIGHT: return listItemHeight(list);
    case LB_GETITEMRECT: return listItemRect(list, wordParam, longParam);
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN: return listKeyDown(list, wordParam);
    case WM_CHAR: return listCharacter(list, wordParam);
    case WM_MOUSEWHEEL: return listWheel(list, wordParam);
    case WM_LBUTTONDOWN: return listButtonDown(list, longParam);
    case WM_MOUSEMOVE: return listMouseMove(list, longParam);
    case WM_LBUTTONUP: return listButtonUp(list);
    case WM_LBUTTONDBLCLK: return listDoubleClick(list);
    case WM_SETTEXT: list.text = textOf(longParam); return TRUE;
    default: return defaultControlMessage(list, message, wordParam, longParam);
    }
}

}  // namespace headless
