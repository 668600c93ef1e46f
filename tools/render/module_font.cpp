// Fetches the font atlas and the advance table from the module and checks their formats.
#include "tools/render/module_font.h"

#include <UIResource/UIResource.h>

namespace uitools {

bool loadModuleFont(BitmapFont& font, std::string& error) {
    char* atlas = nullptr;
    char* advances = nullptr;
    long atlasSize = getResourceData(getResourceStringFromInt(107), "FONTDATA", &atlas);
    long advancesSize = getResourceData(getResourceStringFromInt(108), "FONTSIZE", &advances);
    if (atlasSize <= 0 || advancesSize <= 0) {
        error = "the module holds no font (FONTDATA 107 and FONTSIZE 108)";
        return false;
    }
    std::string why;
    if (!font.load(reinterpret_cast<const uint8_t*>(atlas), static_cast<size_t>(atlasSize),
                   reinterpret_cast<const uint8_t*>(advances), static_cast<size_t>(advancesSize), why)) {
        error = "the module's font cannot be used: " + why;
        return false;
    }
    return true;
}

}  // namespace uitools
