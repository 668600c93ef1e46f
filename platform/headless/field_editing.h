// What changes a text field's text, as USER32's edit control changes it (Wine's user32 edit.c was the
// reference): replacing the selection as EM_REPLACESEL does, with the length limit, the width limit
// of a field that does not scroll and the one level of undo; setting the whole text; the clipboard
// commands and undo. Shared by edit controls and drop-down combo boxes' fields: an edit control
// reports with EN_ codes, a combo box's field through the box (EN_UPDATE becomes CBN_EDITUPDATE,
// EN_CHANGE CBN_EDITCHANGE and EN_MAXTEXT CBN_ERRSPACE).
#pragma once

#include <string>

#include "platform/headless/window_table.h"

namespace headless {

struct Replacement {
    bool canUndo = true;       // kept as the one level of undo; otherwise the undo is emptied
    bool honourLimits = true;  // the text limit and, without ES_AUTOHSCROLL, the field's width
    bool notify = true;        // EN_UPDATE and EN_CHANGE (EN_MAXTEXT comes with the limits)
};

// EM_REPLACESEL: the selection replaced by `text` (upper- or lower-cased as the style asks), the
// caret after it, scrolled into view. Nothing selected and nothing to insert changes nothing and
// reports nothing. At a limit the field reports EN_MAXTEXT, inserts what fits and still reports a
// change. The undo extends the last run of insertions or deletions it continues, else starts anew.
void replaceSelection(Window& field, const std::string& text, Replacement how = Replacement());

// WM_SETTEXT's effect on the field: the whole text replaced without limits or notifications, the
// undo emptied (unless both texts are empty), the caret at the start, nothing scrolled.
void setFieldText(Window& field, const std::string& text);

// WM_COPY copies the selection (nothing without one); WM_CUT copies and clears it; WM_CLEAR
// deletes it; WM_PASTE replaces it with the clipboard's text up to its first line break. A
// read-only field neither clears nor pastes.
void copySelection(const Window& field);
void cutSelection(Window& field);
void clearSelection(Window& field);
void pasteClipboard(Window& field);

// EM_UNDO: the text the last edit took out put back for what it put in, selected, reported as a
// change (and once more as one, as USER32 does, even with nothing to undo); undoing again redoes.
// A read-only field does nothing.
void undoLastEdit(Window& field);
bool canUndo(const Window& field);  // EM_CANUNDO

// The messages above, with EM_EMPTYUNDOBUFFER and EM_GETFIRSTVISIBLELINE, as an edit control
// answers them; false for any other message.
bool editingMessage(Window& field, UINT message, LRESULT& result);

// What the field tells its dialog.
enum class FieldNote { Update, Change, MaxText };
void notifyField(Window& field, FieldNote note);

}  // namespace headless
