// The text field of an edit control or of a drop-down combo box: selection, caret (at the
// selection's end, its start the anchor), typing, the caret keys and the text limit, as USER32's
// edit control keeps them (Wine's user32 edit.c was the reference).
#pragma once

#include "platform/headless/window_table.h"

namespace headless {

size_t selectionLow(const Window& field);
size_t selectionHigh(const Window& field);

// EM_SETSEL: a start of -1 removes the selection, an end of -1 (or past the text) means its end.
LRESULT setSelection(Window& field, WPARAM start, LPARAM end);
// EM_GETSEL: the selection's low and high ends, through the pointers when given and packed.
LRESULT getSelection(const Window& field, WPARAM start, LPARAM end);
// EM_LIMITTEXT: 0 means the largest limit, not none.
LRESULT setLimit(Window& field, WPARAM limit);

enum class KeyResult { Changed, Unchanged, LimitReached };

// WM_CHAR as a text field takes it. ES_NUMBER refuses every character but the digits, as USER32
// refuses letters and the minus sign alike; control characters other than backspace do nothing.
// A character past the limit is dropped, but the selection it would replace still goes.
KeyResult typeCharacter(Window& field, unsigned char key);

// WM_KEYDOWN as a text field takes it, with Shift and Ctrl as they are held now (GetKeyState).
// Left and Right (by words with Ctrl), Home and End move the caret from where it is, even out of a
// selection, which they collapse; with Shift they extend the selection from its anchor instead. Up
// and Down are Left and Right (a combo box takes them first for its list). Delete deletes the
// selection, else the character after the caret; with Shift it cuts, which without a clipboard
// here is deleting, and without a selection takes the character before the caret; with Ctrl,
// everything after the caret. A read-only field moves its caret but changes nothing; Alt held does
// nothing.
KeyResult fieldKeyDown(Window& field, WPARAM key);

// The mouse in a text field: a press puts the caret at `position` (with Shift, or while dragging,
// the selection then runs from its anchor to it); a double click selects the word round the caret
// and the blanks after it.
void placeCaret(Window& field, size_t position, bool extend);
void selectWordAtCaret(Window& field);

}  // namespace headless
