// How wide a control's text is, for the headless dialog manager, which has no fonts: each character
// is as wide as the module's own bitmap font advances it (FONTSIZE 108, the table the renderer sets
// dialog text with, so that a picture and the caret agree), else as wide as the dialog font's
// average character. USER32 measures the real font, so a place inside a text is approximate; only
// before the first character and after the last are exactly where USER32 has them.
#pragma once

#include <string>

#include "platform/headless/window_table.h"

namespace headless {

int textWidth(const Window& control, const std::string& text);
int averageCharacterWidth(const Window& control);  // the dialog font's, its base unit

// The character boundary nearest to `x` pixels right of the text's left edge: 0 left of the first
// character, the text's length past the last (ScriptStringXtoCP with its trailing half).
size_t boundaryNearest(const Window& control, const std::string& text, int x);

}  // namespace headless
