// The messages about items that list boxes and combo boxes share.
#pragma once

#include "platform/headless/window_table.h"

namespace headless {

bool validItem(const Window& box, WPARAM index);
LRESULT resetItems(Window& box);
LRESULT findItem(const Window& box, WPARAM start, LPARAM text, bool exact);

// Answers an item message, LB_ numbered (LB_ADDSTRING, LB_GETTEXT, LB_SETITEMDATA, ...), into
// `answer`; sorted boxes insert where USER32's binary search puts a text. False when `operation`
// is none of them: any value is a possible answer of one (LB_ERRSPACE is -2).
bool itemMessage(Window& box, int operation, WPARAM wordParam, LPARAM longParam, bool sorted, LRESULT& answer);

}  // namespace headless
