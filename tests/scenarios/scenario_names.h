// The names scenarios use for templates, controls, messages, notifications, styles and keys, and
// the names the recording procedure logs them by.
#pragma once

#include <string>

#include "platform/win32_types.h"

namespace scenario {

// A name of the scenario templates, controls, messages, constants (TRUE, LB_ERR, BST_CHECKED...)
// or styles, or a number (decimal, or 0x hexadecimal, with a sign); false when it is none.
bool valueOf(const std::string& name, long long& value);

// What the fonts decide of a window: the height of its dialog's font, of a row (an item of a list
// or combo box, a line of the font for any other window), and in a text field the first character
// it shows, as far as its text has scrolled.
struct Measures {
    long long font = 0;
    long long row = 0;
    long long shown = 0;
};

// Pixels (or a field's characters) as scenarios write them: a number, or numbers and the measures
// `font`, `row` and `shown` joined by + - * / without spaces ("font+8", "1+row*13+4", "shown-1"),
// * and / first, left to right; a leading minus negates the whole ("-row/2"). False when the text
// is none.
bool pixelsOf(const std::string& text, const Measures& measures, long long& value);

// The control's name ("TEXT", "OK"), or its id as a number.
std::string controlName(int id);

// A notification code named as the class of the control that sends it names it ("EN_CHANGE"),
// or the code as a number.
std::string notificationName(const std::string& className, int code);

// A key as scenarios write it ("Tab", "Shift+Tab", "Alt+N"): its virtual-key code and modifiers.
struct Key {
    WPARAM code = 0;
    unsigned modifiers = 0;  // DialogDriver::Modifier flags
};
bool keyOf(const std::string& name, Key& key);

}  // namespace scenario
