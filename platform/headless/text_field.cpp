// Selection, typing and the text limit of edit controls and of combo boxes' edit fields.
#include "platform/headless/text_field.h"

#include <algorithm>
#include <cctype>

namespace headless {

namespace {

constexpr size_t kLargestLimit = 0x7FFFFFFE;

void replaceSelection(Window& field, const std::string& replacement) {
    size_t low = selectionLow(field);
    field.text.replace(low, selectionHigh(field) - low, replacement);
    field.selectionStart = field.selectionEnd = low + replacement.size();
}

// Backspace deletes the selection, else the character before the caret; false when nothing changed.
bool deleteBackwards(Window& field) {
    if (selectionLow(field) == selectionHigh(field)) {
        if (field.selectionEnd == 0) return false;
        field.selectionStart = field.selectionEnd - 1;
    }
    replaceSelection(field, std::string());
    return true;
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
    if (key == VK_BACK) return deleteBackwards(field) ? KeyResult::Changed : KeyResult::Unchanged;
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

KeyResult fieldKeyDown(Window&, WPARAM) { return KeyResult::Unchanged; }

}  // namespace headless
