// The text field of an edit control or of a drop-down combo box: selection, caret (at the
// selection's end, its start the anchor), typing, the caret and editing keys and the text limit, as
// USER32's edit control keeps them (Wine's user32 edit.c was the reference). What the keys change
// is replaced, undone and reported as field_editing.h says.
#pragma once

#include "platform/headless/window_table.h"

namespace headless {

size_t selectionLow(const Window& field);
size_t selectionHigh(const Window& field);

// The selection from `start` (the anchor) to `end` (the caret), each brought inside the text;
// nothing scrolls.
void setSelectionRange(Window& field, size_t start, size_t end);
// EM_SETSEL: a start of -1 removes the selection, an end of -1 (or past the text) means its end;
// the caret is then scrolled into view.
LRESULT setSelection(Window& field, WPARAM start, LPARAM end);
// EM_GETSEL: the selection's low and high ends, through the pointers when given and packed.
LRESULT getSelection(const Window& field, WPARAM start, LPARAM end);
// EM_LIMITTEXT: 0 means the largest limit, not none.
LRESULT setLimit(Window& field, WPARAM limit);

// WM_CHAR as a text field takes it. Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z (their control characters)
// copy, paste, cut and undo; Backspace deletes the selection or the character before the caret,
// but not with Ctrl held (Ctrl+H, or Ctrl+Backspace, whose DEL is refused like every other control
// character). ES_NUMBER refuses every other character but the digits, as USER32 refuses letters
// and the minus sign alike. A read-only field still copies.
void typeCharacter(Window& field, unsigned char key);

// WM_KEYDOWN as a text field takes it, with Shift and Ctrl as they are held now (GetKeyState).
// Left and Right (by words with Ctrl), Home and End move the caret from where it is, even out of a
// selection, which they collapse; with Shift they extend the selection from its anchor instead. Up
// and Down are Left and Right (a combo box takes them first for its list). Delete deletes the
// selection, else the character after the caret; with Shift it cuts the selection, or without one
// deletes the character before the caret; with Ctrl, everything after the caret. Shift+Insert
// pastes and Ctrl+Insert copies. A read-only field moves its caret and copies but changes nothing;
// Alt held does nothing.
void fieldKeyDown(Window& field, WPARAM key);

// WM_SYSKEYDOWN: Alt+Backspace undoes when there is something to undo; true when it was that key.
bool fieldSystemKeyDown(Window& field, WPARAM key, LPARAM flags);

// The mouse in a text field: a press puts the caret at `position` (with Shift, or while dragging,
// the selection then runs from its anchor to it); a double click selects the word round the caret
// and the blanks after it.
void placeCaret(Window& field, size_t position, bool extend);
void selectWordAtCaret(Window& field);

}  // namespace headless
