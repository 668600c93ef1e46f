// The order in which sorted list and combo boxes place their strings, as USER32 does it.
#pragma once

#include <string>
#include <vector>

#include "platform/headless/window_table.h"

namespace headless {

// Compares two texts the way CompareString with NORM_IGNORECASE does for the ANSI characters:
// case is ignored, symbols come before digits and digits before letters; the hyphen and the
// apostrophe count only when everything else is equal (the "word sort"). Negative, 0 or positive.
int compareListTexts(const std::string& left, const std::string& right);

// The position where a sorted list inserts `text`: USER32's binary search, which stops at the first
// equal item it probes and inserts before it.
int sortedInsertPosition(const ListItems& items, const std::string& text);

// First item from `start` + 1 on (wrapping) that equals `text` (exact) or starts with it, ignoring
// case; -1 when none does or the text is empty.
int findListText(const ListItems& items, int start, const std::string& text, bool exact);

}  // namespace headless
