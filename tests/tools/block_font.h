// A stand-in font for picture tests: every printable code is a solid block, so where text lands
// can be checked whatever the module's artwork looks like.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/render/bitmap_font.h"

namespace blockfont {

// The 256 x 256 TGA bytes of an atlas, bottom row first, whose printable glyphs (33 to 126) are
// blocks over columns 0 to 4 and rows 4 to 11, like the module's capitals.
inline std::vector<uint8_t> atlasBytes() {
    std::vector<uint8_t> bytes = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 32, 8};
    for (int y = 255; y >= 0; --y) {
        for (int x = 0; x < 256; ++x) {
            int code = (y / 16) * 16 + x / 16, cellX = x % 16, cellY = y % 16;
            bool ink = code > 32 && code < 127 && cellX < 5 && cellY >= 4 && cellY < 12;
            bytes.insert(bytes.end(), {255, 255, 255, static_cast<uint8_t>(ink ? 255 : 1)});
        }
    }
    const char footer[26] = "\0\0\0\0\0\0\0\0TRUEVISION-XFILE.";
    bytes.insert(bytes.end(), footer, footer + sizeof footer);
    return bytes;
}

// Every glyph advances 6 pixels; tab 40, space 3, line feed and carriage return 0.
inline std::vector<uint8_t> advanceBytes() {
    std::vector<uint8_t> advances(256, 6);
    advances['\t'] = 40;
    advances['\n'] = advances['\r'] = 0;
    advances[' '] = 3;
    return advances;
}

// The font loaded from those bytes, or from others; `error`, if given, says why a load failed.
inline uitools::BitmapFont font(const std::vector<uint8_t>& atlas = atlasBytes(),
                                const std::vector<uint8_t>& advances = advanceBytes(), std::string* error = nullptr) {
    uitools::BitmapFont loaded;
    std::string ignored;
    loaded.load(atlas.data(), atlas.size(), advances.data(), advances.size(), error ? *error : ignored);
    return loaded;
}

}  // namespace blockfont
