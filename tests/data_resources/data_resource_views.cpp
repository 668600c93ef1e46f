// Fetching the data resources through the exported interface and reading glyphs out of the atlas.
#include "tests/data_resources/data_resource_views.h"

#include <algorithm>
#include <cstring>

#include <UIResource/UIResource.h>
#include "resources/resource_ids.h"

namespace data_resources {

namespace {

Resource fetch(unsigned short id, const char* type) {
    char* data = nullptr;
    long size = getResourceData(getResourceStringFromInt(id), type, &data);
    return Resource{reinterpret_cast<const uint8_t*>(data), size};
}

}  // namespace

Resource fontAtlas() { return fetch(IDR_FONT_ATLAS, "FONTDATA"); }
Resource fontAdvances() { return fetch(IDR_FONT_ADVANCES, "FONTSIZE"); }
Resource mousePointer() { return fetch(IDR_MOUSE_POINTER, "MOUSE_POINTER_TEXTURE"); }

bool hasTgaHeaderAndFooter(Resource resource, const uint8_t (&header)[kTgaHeaderSize]) {
    if (resource.size < kTgaHeaderSize + kTgaFooterSize) return false;
    static const uint8_t footer[kTgaFooterSize] = {0, 0, 0, 0, 0, 0, 0, 0, 'T', 'R', 'U', 'E', 'V', 'I', 'S',
                                                  'I', 'O', 'N', '-', 'X', 'F', 'I', 'L', 'E', '.', 0};
    return std::memcmp(resource.bytes, header, kTgaHeaderSize) == 0 &&
           std::memcmp(resource.bytes + resource.size - kTgaFooterSize, footer, kTgaFooterSize) == 0;
}

InkBounds AtlasView::bounds(int code) const {
    InkBounds ink;
    for (int y = 0; y < kCell; ++y) {
        for (int x = -1; x < kCell - 1; ++x) {
            if (!glyphInk(code, x, y)) continue;
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
        }
    }
    return ink;
}

std::array<uint32_t, kCell> AtlasView::rows(int code, int firstRow, int lastRow) const {
    std::array<uint32_t, kCell> masks{};
    for (int y = firstRow; y <= lastRow; ++y) {
        for (int x = -1; x < kCell - 1; ++x) {
            if (glyphInk(code, x, y)) masks[y] |= 1u << (x + 1);
        }
    }
    return masks;
}

bool isBoxCode(int code) {
    if (code < 32) return code != 9 && code != 10 && code != 13;
    return code == 127 || code == 129 || code == 141 || code == 143 || code == 144 || code == 157;
}

bool isEmptyCode(int code) { return code == 9 || code == 10 || code == 13 || code == 32 || code == 160; }

bool reachesLeftOfOrigin(int code) {
    switch (code) {
    case 106: case 116: case 150: case 151: case 204: case 206: case 207: case 236: case 239: return true;
    default: return false;
    }
}

bool hasLeftBearing(int code) {
    switch (code) {
    case 44: case 46: case 125: case 133: case 136: case 180: case 184: case 185: case 189: return true;
    default: return false;
    }
}

}  // namespace data_resources
