// Selection, typing, the caret and editing keys and the text limit of edit controls and of combo
// boxes' edit fields.
#include "platform/headless/text_field.h"

#include <algorithm>
#include <cctype>

#include "platform/headless/field_editing.h"
#include "platform/headless/field_layout.h"
#include "platform/headless/keyboard.h"

namespace headless {

namespace {

constexpr size_t kLargestLimit = 0x7FFFFFFE;

// ---- Words ---------------------------------------------------------------------------------------

bool isBlank(char character) { return character == ' ' || character == '\t'; }

// Where a line may break, as USER32's default word-break procedure finds it (through the Unicode
// line-breaking rules) for the characters our dialogs hold: before the first character after
// blanks, and after a hyphen unless a digit or another hyphen follows. Never at the text's ends.
bool startsWord(const std::string& text, size_t at) {
    if (at == 0 || at >= text.size() || isBlank(text[at])) return false;
    char before = text[at - 1];
    if (isBlank(before)) return true;
    return before == '-' && text[at] != '-' && !std::isdigit(static_cast<unsigned char>(text[at]));
}

// WB_LEFT: the last word start before `at`, else 0.
size_t wordStartBefore(const std::string& text, size_t at) {
    if (at > 0) --at;
    while (at > 0 && !startsWord(text, at)) --at;
    return at;
}

// WB_RIGHT: the first word start from `at` on, else the text's end.
size_t wordStartFrom(const std::string& text, size_t at) {
    while (at < text.size() && !startsWord(text, at)) ++at;
    return std::min(at, text.size());
}

// ---- The caret keys ------------------------------------------------------------------------------

// Where a caret key takes the caret, which is at the selection's end.
size_t caretTarget(const Window& field, WPARAM key, bool control) {
    const std::string& text = field.text;
    size_t caret = field.selectionEnd;
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        if (control) return wordStartBefore(text, caret);
        return caret > 0 ? caret - 1 : 0;
    case VK_RIGHT:
    case VK_DOWN:
        if (control) return caret < text.size() ? wordStartFrom(text, caret + 1) : caret;
        return std::min(caret + 1, text.size());
    case VK_HOME: return 0;
    default: return text.size();  // VK_END
    }
}

bool isCaretKey(WPARAM key) {
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN || key == VK_HOME || key == VK_END;
}

// ---- Deleting ------------------------------------------------------------------------------------

// Backspace and Delete take the selection, else the text between the caret and where the caret key
// `toward` takes it (the caret scrolled there first, as USER32 moves it).
void deleteToward(Window& field, WPARAM toward) {
    if (field.selectionStart == field.selectionEnd) {
        placeCaret(field, caretTarget(field, toward, false), true);
        scrollToCaret(field);
    }
    clearSelection(field);
}

void deleteKey(Window& field, bool shift, bool control) {
    if ((field.style & ES_READONLY) || (shift && control)) return;
    if (field.selectionStart != field.selectionEnd) {
        if (shift) cutSelection(field);
        else clearSelection(field);
        return;
    }
    deleteToward(field, shift ? VK_LEFT : control ? VK_END : VK_RIGHT);
}

void insertKey(Window& field, bool shift, bool control) {
    if (shift) pasteClipboard(field);
    else if (control) copySelection(field);
}

// The control characters of Ctrl with C, V, X and Z.
constexpr unsigned char kCopy = 0x03, kPaste = 0x16, kCut = 0x18, kUndo = 0x1A, kDelete = 0x7F;

// True when `key` is a command character, carried out.
bool commandCharacter(Window& field, unsigned char key) {
    bool readOnly = (field.style & ES_READONLY) != 0, password = (field.style & ES_PASSWORD) != 0;
    switch (key) {
    case VK_BACK:
        if (!readOnly && !isKeyHeld(VK_CONTROL)) deleteToward(field, VK_LEFT);
        return true;
    case kCopy:
        if (!password) copySelection(field);
        return true;
    case kPaste: pasteClipboard(field); return true;
    case kCut:
        if (!readOnly && !password) cutSelection(field);
        return true;
    case kUndo: undoLastEdit(field); return true;
    default: return false;
    }
}

}  // namespace

size_t selectionLow(const Window& field) { return std::min(field.selectionStart, field.selectionEnd); }
size_t selectionHigh(const Window& field) { return std::max(field.selectionStart, field.selectionEnd); }

void setSelectionRange(Window& field, size_t start, size_t end) {
    field.selectionStart = std::min(start, field.text.size());
    field.selectionEnd = std::min(end, field.text.size());
}

LRESULT setSelection(Window& field, WPARAM start, LPARAM end) {
    size_t length = field.text.size();
    auto clamp = [length](long long value) { return value < 0 ? length : std::min<size_t>(value, length); };
    if (static_cast<int>(start) == -1) {
        field.selectionStart = field.selectionEnd;
    } else {
        field.selectionStart = clamp(static_cast<int>(start));
        field.selectionEnd = clamp(static_cast<int>(end));
    }
    scrollToCaret(field);
    return 0;
}

LRESULT getSelection(const Window& field, WPARAM start, LPARAM end) {
    if (start != 0) *reinterpret_cast<DWORD*>(start) = static_cast<DWORD>(selectionLow(field));
    if (end != 0) *reinterpret_cast<DWORD*>(end) = static_cast<DWORD>(selectionHigh(field));
    return MAKELPARAM(selectionLow(field), selectionHigh(field));
}

LRESULT setLimit(Window& field, WPARAM limit) {
    field.textLimit = limit == 0 ? kLargestLimit : limit;
    return 0;
}

void typeCharacter(Window& field, unsigned char key) {
    if (commandCharacter(field, key)) return;
    if ((field.style & ES_NUMBER) && (key < '0' || key > '9')) return;
    if ((field.style & ES_READONLY) || key < 0x20 || key == kDelete) return;
    replaceSelection(field, std::string(1, static_cast<char>(key)));
}

void fieldKeyDown(Window& field, WPARAM key) {
    if (isKeyHeld(VK_MENU)) return;
    bool shift = isKeyHeld(VK_SHIFT);
    bool control = isKeyHeld(VK_CONTROL);
    if (key == VK_DELETE) {
        deleteKey(field, shift, control);
    } else if (key == VK_INSERT) {
        insertKey(field, shift, control);
    } else if (isCaretKey(key)) {
        placeCaret(field, caretTarget(field, key, control), shift);
        scrollToCaret(field);
    }
}

// Windows reads Alt from the key's flags (bit 29). Wine 8.0 reads bit 13 instead, so Alt+Backspace
// undoes nothing there.
bool fieldSystemKeyDown(Window& field, WPARAM key, LPARAM flags) {
    if (key != VK_BACK || !(static_cast<DWORD>(flags) & (1u << 29))) return false;
    if (canUndo(field)) undoLastEdit(field);
    return true;
}

void placeCaret(Window& field, size_t position, bool extend) {
    field.selectionEnd = std::min(position, field.text.size());
    if (!extend) field.selectionStart = field.selectionEnd;
}

void selectWordAtCaret(Window& field) {
    size_t caret = field.selectionEnd;
    field.selectionStart = wordStartBefore(field.text, caret);
    field.selectionEnd = wordStartFrom(field.text, caret);
}

}  // namespace headless
