// The mouse in a text field, an edit control's or a drop-down combo box's: a press puts the caret
// where it lands and captures the mouse, a drag carries the selection's end, a double click selects
// the word (Wine's user32 edit.c was the reference).
#pragma once

#include "platform/headless/window_table.h"

namespace headless {

// A press at client `x` (Shift extends the selection to it), scrolling the caret into view; the
// field takes the focus last, without the whole-text selection the dialog's keys give it.
void fieldPressed(Window& field, WPARAM keys, int x);
// The second press of a double click selects the word at the caret; the drag goes on from there.
void fieldDoubleClicked(Window& field);
// While the field holds the capture, the pointer drags the selection's end along; the text does
// not scroll for it (USER32 scrolls on a timer while the pointer stays outside, which no script
// can wait for alike on both dialog managers).
void fieldDragged(Window& field, int x);
void fieldReleased(Window& field);

}  // namespace headless
