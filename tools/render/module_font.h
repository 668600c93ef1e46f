// The module's own bitmap font, fetched through getResourceData.
#pragma once

#include <string>

#include "tools/render/bitmap_font.h"

namespace uitools {

// Loads the atlas (FONTDATA 107) and the advance table (FONTSIZE 108) of the loaded module.
bool loadModuleFont(BitmapFont& font, std::string& error);

}  // namespace uitools
