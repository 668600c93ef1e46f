// A dialog's state in one line, as a person would see it: the focus and, control by control, texts,
// selections, checks, the default and pushed look, the top item of lists and open drop-downs.
#pragma once

#include <string>

#include "platform/win32_types.h"

namespace scenario {

std::string describeState(HWND dialog);

}  // namespace scenario
