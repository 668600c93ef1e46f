// Where a text field (an edit control's, or a drop-down combo box's) lays out its one line of text
// and which part of it shows: USER32's single-line edit scrolls by whole characters, keeping the
// first one shown, and moves it only when the caret would leave the field (Wine's user32 edit.c
// was the reference).
#pragma once

#include "platform/headless/window_table.h"

namespace headless {

// Where the field lays its text out, in client pixels: from `left` to `right` (the format
// rectangle).
struct FieldArea {
    int left = 0;
    int right = 0;
};

// An edit control's text runs between insets at both ends, its frame included (where the renderer
// draws it); a combo box's field lies left of its arrow button and the pixel before it, inside the
// box's edge. Both as Wine's USER32 lays them out with its "MS Sans Serif" (EM_GETRECT).
FieldArea fieldArea(const Window& field);

// EM_POSFROMCHAR: the client x of the boundary before character `index`, as the field is scrolled
// now. A text narrower than the field and not scrolled is placed by its alignment.
int positionOf(const Window& field, size_t index);

// EM_SCROLLCARET: a caret past either edge scrolls the text by characters until it is a third of
// the field inside that edge (or the text's start or end is reached).
void scrollToCaret(Window& field);

// The character boundary a press at client `x` lands on: the point is first brought inside the
// area (EDIT_ConfinePoint), so that anywhere left of it finds the first character shown and
// anywhere right of it the one at the right edge.
size_t characterAt(const Window& field, int x);

}  // namespace headless
