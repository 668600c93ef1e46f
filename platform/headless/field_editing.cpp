// Replacing a field's selection with its undo and limits, the clipboard commands and undo.
#include "platform/headless/field_editing.h"

#include <algorithm>
#include <cctype>

#include "platform/headless/clipboard.h"
#include "platform/headless/combo_box_list.h"
#include "platform/headless/field_layout.h"
#include "platform/headless/manager.h"
#include "platform/headless/text_field.h"
#include "platform/headless/text_width.h"

namespace headless {

namespace {

// ES_LOWERCASE wins over ES_UPPERCASE, as USER32 settles the pair when the field is created.
std::string cased(const Window& field, std::string text) {
    int (*change)(int) = (field.style & ES_LOWERCASE) ? ::tolower : (field.style & ES_UPPERCASE) ? ::toupper : nullptr;
    if (change != nullptr) {
        for (char& c : text) c = static_cast<char>(change(static_cast<unsigned char>(c)));
    }
    return text;
}

// A field that does not scroll (no ES_AUTOHSCROLL) takes no more text than it can show.
bool isTooWide(const Window& field) {
    FieldArea area = fieldArea(field);
    return !(field.style & ES_AUTOHSCROLL) && textWidth(field, field.text) > area.right - area.left;
}

// A deletion next to the last one (Delete again, or Backspace again) extends the text kept for
// undo; any other starts it anew and ends the run of insertions.
void keepDeletion(FieldUndo& undo, size_t at, const std::string& deleted) {
    bool continues = undo.inserted == 0 && !undo.deleted.empty();
    if (continues && at == undo.position) {
        undo.deleted += deleted;
    } else if (continues && at + deleted.size() == undo.position) {
        undo.deleted.insert(0, deleted);
        undo.position = at;
    } else {
        undo.deleted = deleted;
        undo.position = at;
    }
    undo.inserted = 0;
}

// An insertion where the last deletion was, or right after the last insertion, extends the run
// (typing over a selection undoes in one go); any other starts a run of its own.
void keepInsertion(FieldUndo& undo, size_t at, size_t count) {
    if (at == undo.position || (undo.inserted != 0 && at == undo.position + undo.inserted)) {
        undo.inserted += count;
        return;
    }
    undo = FieldUndo{std::string(), at, count};
}

void keepUndo(Window& field, bool canUndo, size_t at, const std::string& deleted, size_t inserted) {
    if (!deleted.empty()) {
        if (canUndo) keepDeletion(field.undo, at, deleted);
        else field.undo = FieldUndo{std::string(), field.undo.position, 0};
    }
    if (inserted != 0) {
        if (canUndo) keepInsertion(field.undo, at, inserted);
        else field.undo = FieldUndo{std::string(), field.undo.position, 0};
    }
}

// A right-aligned or centred text that lost characters scrolls back by as many.
void scrollBackAligned(Window& field, size_t removed, size_t inserted) {
    if (field.kind != WindowKind::Edit || !(field.style & (ES_RIGHT | ES_CENTER)) || inserted >= removed) return;
    size_t lost = removed - inserted;
    field.firstShown = lost > field.firstShown ? 0 : field.firstShown - lost;
}

// The length limit, then (for a field that does not scroll) the width: EN_MAXTEXT for each that
// cut what was to be inserted. False when the field went away meanwhile.
bool fitInsertion(HWND handle, size_t low, size_t high, std::string& inserted) {
    Window* field = findWindow(handle);
    size_t kept = field->text.size() - (high - low);
    if (kept + inserted.size() > field->textLimit) {
        notifyField(*field, FieldNote::MaxText);
        if ((field = findWindow(handle)) == nullptr) return false;
        inserted.resize(field->textLimit < kept ? 0 : std::min(inserted.size(), field->textLimit - kept));
    }
    field->text.replace(low, high - low, inserted);
    if (!isTooWide(*field)) return true;
    while (!inserted.empty() && isTooWide(*field)) {
        field->text.erase(low + inserted.size() - 1, 1);
        inserted.pop_back();
    }
    notifyField(*field, FieldNote::MaxText);
    return findWindow(handle) != nullptr;
}

}  // namespace

void replaceSelection(Window& field, const std::string& text, Replacement how) {
    size_t low = selectionLow(field), high = selectionHigh(field);
    if (low == high && text.empty()) return;
    HWND handle = field.handle;
    std::string inserted = cased(field, text);
    std::string deleted = field.text.substr(low, high - low);
    if (how.honourLimits) {
        if (!fitInsertion(handle, low, high, inserted)) return;
    } else {
        field.text.replace(low, high - low, inserted);
    }
    Window* changed = findWindow(handle);
    keepUndo(*changed, how.canUndo, low, deleted, inserted.size());
    scrollBackAligned(*changed, high - low, inserted.size());
    changed->selectionStart = changed->selectionEnd = low + inserted.size();
    if (how.notify) notifyField(*changed, FieldNote::Update);
    if ((changed = findWindow(handle)) == nullptr) return;
    scrollToCaret(*changed);
    if (how.notify) notifyField(*changed, FieldNote::Change);
}

void setFieldText(Window& field, const std::string& text) {
    field.selectionStart = 0;
    field.selectionEnd = field.text.size();
    replaceSelection(field, text, Replacement{false, false, false});
    field.firstShown = 0;
    field.selectionStart = field.selectionEnd = 0;
}

void copySelection(const Window& field) {
    size_t low = selectionLow(field), high = selectionHigh(field);
    if (low == high || !openClipboard(field.handle)) return;
    emptyClipboard();
    setClipboardText(CF_TEXT, field.text.substr(low, high - low));
    closeClipboard();
}

void cutSelection(Window& field) {
    copySelection(field);
    clearSelection(field);
}

void clearSelection(Window& field) {
    if (!(field.style & ES_READONLY)) replaceSelection(field, std::string());
}

// A single-line field takes the clipboard's first line only (without its carriage return); a
// password field loses its selection even when the clipboard holds no text.
void pasteClipboard(Window& field) {
    if ((field.style & ES_READONLY) || !openClipboard(field.handle)) return;
    std::string text;
    if (getClipboardText(CF_TEXT, text)) {
        size_t lineEnd = text.find('\n');
        if (lineEnd != std::string::npos) text.erase(lineEnd > 0 && text[lineEnd - 1] == '\r' ? lineEnd - 1 : lineEnd);
        replaceSelection(field, text);
    } else if (field.style & ES_PASSWORD) {
        replaceSelection(field, std::string());
    }
    closeClipboard();
}

void undoLastEdit(Window& field) {
    if (field.style & ES_READONLY) return;
    HWND handle = field.handle;
    std::string restored = field.undo.deleted;
    setSelectionRange(field, field.undo.position, field.undo.position + field.undo.inserted);
    field.undo = FieldUndo{std::string(), field.undo.position, 0};
    replaceSelection(field, restored);
    Window* undone = findWindow(handle);
    if (undone == nullptr) return;
    setSelectionRange(*undone, undone->undo.position, undone->undo.position + undone->undo.inserted);
    notifyField(*undone, FieldNote::Change);
    if ((undone = findWindow(handle)) != nullptr) scrollToCaret(*undone);
}

bool canUndo(const Window& field) { return field.undo.inserted != 0 || !field.undo.deleted.empty(); }

bool editingMessage(Window& field, UINT message, LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_COPY: copySelection(field); return true;
    case WM_CUT: cutSelection(field); return true;
    case WM_CLEAR: clearSelection(field); return true;
    case WM_PASTE: pasteClipboard(field); return true;
    case WM_UNDO:
    case EM_UNDO:
        undoLastEdit(field);
        result = TRUE;  // a single-line field always answers TRUE, even read-only
        return true;
    case EM_CANUNDO: result = canUndo(field) ? TRUE : FALSE; return true;
    case EM_EMPTYUNDOBUFFER: field.undo = FieldUndo{std::string(), field.undo.position, 0}; return true;
    case EM_GETFIRSTVISIBLELINE: result = static_cast<LRESULT>(field.firstShown); return true;
    default: return false;
    }
}

void notifyField(Window& field, FieldNote note) {
    if (field.kind == WindowKind::ComboBox) {
        if (note == FieldNote::Update) reportFieldUpdate(field);
        else if (note == FieldNote::Change) reportFieldChange(field);
        else notifyParent(field, static_cast<WORD>(CBN_ERRSPACE));
        return;
    }
    notifyParent(field, note == FieldNote::Update ? EN_UPDATE : note == FieldNote::Change ? EN_CHANGE : EN_MAXTEXT);
}

}  // namespace headless
