// The names scenarios use for templates, controls, messages, notifications, styles and keys, and
// the names the recording procedure logs them by.
#pragma once

#include <string>

#include "platform/win32_types.h"

namespace scenario {

// A name of the scenario templates, controls, messages, constants (TRUE, LB_ERR, BST_CHECKED...)
// or styles, or a number (decimal, or 0x hexadecimal, with a sign); false when it is none.
bool valueOf(const std::string& name, long long& value);

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
