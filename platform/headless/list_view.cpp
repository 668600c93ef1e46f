// The caret, scrolling and hit testing that list boxes and combo boxes' lists share.
#include "platform/headless/list_view.h"

#include <algorithm>
#include <string>

#include "platform/headless/list_order.h"

namespace headless {

namespace {

// USER32's default for SPI_GETWHEELSCROLLLINES.
constexpr int kWheelScrollLines = 3;

int itemCount(const ListView& list) { return static_cast<int>(list.box.items.size()); }

bool isItem(const ListView& list, int index) { return index >= 0 && index < itemCount(list); }

}  // namespace

int pageSize(const ListView& list) {
    return list.itemHeight > 0 ? std::max(1, list.clientHeight / list.itemHeight) : 1;
}

void setTopItem(ListView& list, int index) {
    int last = std::max(0, itemCount(list) - pageSize(list));
    list.box.topItem = std::max(0, std::min(index, last));
}

void makeItemVisible(ListView& list, int index, bool fully) {
    int page = pageSize(list);
    int top = list.box.topItem;
    if (index <= top) {
        setTopItem(list, index);
        return;
    }
    if (index < top + page) return;
    bool partlyShown = index == top + page && list.clientHeight > page * list.itemHeight;
    if (!fully && partlyShown) return;
    setTopItem(list, index - page + 1);
}

bool setCaretItem(ListView& list, int index, bool fully) {
    if (!isItem(list, index)) return false;
    if (index == list.box.caretItem) return true;
    list.box.caretItem = index;
    makeItemVisible(list, index, fully);
    return true;
}

void moveCaret(ListView& list, int index, bool fully) {
    if (!isItem(list, index)) return;
    list.box.selectedItem = index;
    list.box.caretItem = index;
    makeItemVisible(list, index, fully);
}

// As USER32 divides, towards zero: a point less than an item above the list is on the top item.
int itemAt(const ListView& list, int y) {
    if (list.box.items.empty() || list.itemHeight <= 0) return -1;
    int index = list.box.topItem + y / list.itemHeight;
    if (index < 0) return 0;
    return index < itemCount(list) ? index : -1;
}

// USER32 goes on stepping on a timer while the button stays down outside; one step is taken here.
int trackedItem(const ListView& list, int y) {
    const Window& box = list.box;
    if (y < 0) return box.topItem > 0 ? box.topItem - 1 : 0;
    if (y < list.clientHeight) {
        int index = itemAt(list, y);
        return index < 0 ? box.caretItem : index;
    }
    int index = box.topItem + pageSize(list);
    if (index == box.caretItem) ++index;
    return std::min(index, itemCount(list) - 1);
}

namespace {

int keyTarget(const ListView& list, WPARAM key) {
    const Window& box = list.box;
    int caret = box.caretItem;
    int last = itemCount(list) - 1;
    int target = -1;
    switch (key) {
    case VK_LEFT:
    case VK_UP: target = std::max(0, caret - 1); break;
    case VK_RIGHT:
    case VK_DOWN: target = std::min(caret + 1, last); break;
    case VK_PRIOR: target = std::max(0, caret - pageSize(list) + 1); break;
    case VK_NEXT: target = std::min(caret + pageSize(list) - 1, last); break;
    case VK_HOME: target = 0; break;
    case VK_END: target = last; break;
    case VK_SPACE: break;
    default: return -1;
    }
    return box.selectedItem != caret ? caret : target;
}

}  // namespace

bool moveCaretByKey(ListView& list, WPARAM key) {
    int target = keyTarget(list, key);
    if (target < 0) return false;
    moveCaret(list, target, true);
    return true;
}

bool moveCaretToLetter(ListView& list, unsigned char character) {
    const Window& box = list.box;
    int target = findListText(box.items, box.caretItem, std::string(1, static_cast<char>(character)), false);
    if (target < 0) return false;
    moveCaret(list, target, true);
    return true;
}

void scrollByWheel(ListView& list, int wheelDelta) {
    int lines = std::min(pageSize(list), kWheelScrollLines) * wheelDelta / WHEEL_DELTA;
    setTopItem(list, list.box.topItem - lines);
}

}  // namespace headless
