// A single-selection list as a person works it: its caret (the item with the focus rectangle),
// its scrolling, the item under the mouse and what the keys, the characters and the wheel do to
// them, as USER32's list box does (Wine's listbox.c). A list box's own list and the list a combo
// box drops share it; they differ only in where the list lies and in whom they notify.
#pragma once

#include "platform/headless/window_table.h"

namespace headless {

// The list of `box` with the height of its client area and of its items, in pixels.
struct ListView {
    Window& box;
    int clientHeight;
    int itemHeight;
};

// Whole items the client area shows, at least one.
int pageSize(const ListView& list);
// LB_SETTOPINDEX: clamped so that the last page is full.
void setTopItem(ListView& list, int index);
// Scrolls as little as makes `index` visible; `fully` false lets a partly shown last item be.
void makeItemVisible(ListView& list, int index, bool fully);
// LB_SETCARETINDEX's move, without its refusal: false for no such item. A caret that is already
// there scrolls nothing.
bool setCaretItem(ListView& list, int index, bool fully);
// The caret to `index`, the selection with it, and the list scrolled to show it; nothing for no
// such item.
void moveCaret(ListView& list, int index, bool fully);

// The item at `y` pixels down the client area: the top item for a point just above it, -1 past
// the last item.
int itemAt(const ListView& list, int y);
// The item a held button tracks at `y`: the one under it, one step past the edge it is dragged
// above or below, or the caret's below the last item.
int trackedItem(const ListView& list, int y);

// A caret key (the arrows, Page Up and Down, Home, End) moves the caret and the selection and
// scrolls the item in whole; while the selection is not on the caret, any of them selects the
// caret's item instead. False for a key that moves nothing.
bool moveCaretByKey(ListView& list, WPARAM key);
// A typed letter moves them to the next item after the caret, round the list, whose text starts
// with it (case ignored). False when none does.
bool moveCaretToLetter(ListView& list, unsigned char character);
// WM_MOUSEWHEEL: three lines a notch (SPI_GETWHEELSCROLLLINES), at most a page; the selection
// stays.
void scrollByWheel(ListView& list, int wheelDelta);

}  // namespace headless
