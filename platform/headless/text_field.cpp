// Selection, typing, the caret keys and the text limit of edit controls and of combo boxes' edit
// fields.
#include "platform/headless/text_field.h"

#include <algorithm>
#include <cctype>

#include "platform/headless/keyboard.h"

namespace headless {

namespace {

constexpr size_t kLargestLimit = 0x7FFFFFFE;

void replaceSelection(Window& field, const std::string& replacement) {
    size_t low = selectionLow(field);
    field.text.replace(low, selectionHigh(field) - low, replacement);
    field.selectionStart = field.selectionEnd = low + replacement.size();
}

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
// `toward` would take it; false when nothing went.
bool deleteToward(Window& field, WPARAM toward) {
    if (field.selectionStart == field.selectionEnd) placeCaret(field, caretTarget(field, toward, false), true);
    if (field.selectionStart == field.selectionEnd) return false;
    replaceSelection(field, std::string());
    return true;
}

KeyResult deleteKey(Window& field, bool shift, bool control) {
    if ((field.style & ES_READONLY) || (shift && control)) return KeyResult::Unchanged;
    WPARAM toward = shift ? VK_LEFT : control ? VK_END : VK_RIGHT;
    return deleteToward(field, toward) ? KeyResult::Changed : KeyResult::Unchanged;
}

}  // namespace

size_t selectionLow(const Window& field) { return std::min(field.selectionStart, field.selectionEnd); }
size_t selectionHigh(const Window& field) { return std::max(field.selectionStart, field.selectionEnd); }

LRESULT setSelection(Window& field, WPARAM start, LPARAM end) {
    size_t length = field.text.size();
    auto clamp = [length](long long value) { return value < 0 ? length : std::min<size_t>(value, length); };
    if (static_cast<int>(start) == -1) {
        field.selectionStart = field.selectionEnd;
        return 0;
    }
    field.selectionStart = clamp(static_cast<int>(start));
    field.selectionEnd = clamp(static_cast<int>(end));
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

KeyResult typeCharacter(Window& field, unsigned char key) {
    if (field.style & ES_READONLY) return KeyResult::Unchanged;
    if (key == VK_BACK) return deleteToward(field, VK_LEFT) ? KeyResult::Changed : KeyResult::Unchanged;
    if (key < 0x20) return KeyResult::Unchanged;
    if ((field.style & ES_NUMBER) && !std::isdigit(key)) return KeyResult::Unchanged;
    if (field.text.size() - (selectionHigh(field) - selectionLow(field)) + 1 > field.textLimit) {
        replaceSelection(field, std::string());
        return KeyResult::LimitReached;
    }
    char typed = static_cast<char>(key);
    if (field.style & ES_UPPERCASE) typed = static_cast<char>(std::toupper(key));
    if (field.style & ES_LOWERCASE) typed = static_cast<char>(std::tolower(key));
    replaceSelection(field, std::string(1, typed));
    return KeyResult::Changed;
}

KeyResult fieldKeyDown(Window& field, WPARAM key) {
    if (isKeyHeld(VK_MENU)) return KeyResult::Unchanged;
    bool shift = isKeyHeld(VK_SHIFT);
    bool control = isKeyHeld(VK_CONTROL);
    if (key == VK_DELETE) return deleteKey(field, shift, control);
    if (isCaretKey(key)) placeCaret(field, caretTarget(field, key, control), shift);
    return KeyResult::Unchanged;
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
