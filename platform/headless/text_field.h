// The text field of an edit control or of a drop-down combo box: selection, caret (at the
// selection's end), typing and the text limit, as USER32's edit control keeps them.
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

// WM_KEYDOWN as a text field takes it: the caret keys (Left, Right, Home, End; with Shift they
// move the selection's end) and Delete.
KeyResult fieldKeyDown(Window& field, WPARAM key);

}  // namespace headless
