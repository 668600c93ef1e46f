// A dialog's state in one line, as a person would see it: the focus and, control by control, texts,
// selections and how far a field's text scrolled, checks, the default and pushed look, the top item
// of lists, open drop-downs and an open context menu.
#pragma once

#include <string>

#include "platform/win32_types.h"

namespace scenario {

std::string describeState(HWND dialog);

}  // namespace scenario
