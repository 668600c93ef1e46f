// A stand-in font for picture tests: every printable code is a solid block, so where text lands
// can be checked whatever the module's artwork looks like.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/render/bitmap_font.h"

namespace blockfont {

constexpr int kAdvance = 6;  // every printable glyph; the block covers columns 0 to 4
constexpr int kInkTop = 4;   // rows 4 to 11, like the module's capitals
constexpr int kInkBottom = 12;

// The 256 x 256 TGA bytes of an atlas whose printable glyphs are blocks, bottom row first.
inline std::vector<uint8_t> atlasBytes() {
    std::vector<uint8_t> bytes = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 32, 8};
    for (int storedRow = 0; storedRow < 256; ++storedRow) {
        int y = 255 - storedRow;
        for (int x = 0; x < 256; ++x) {
            int code = (y / 16) * 16 + x / 16, cellX = x % 16, cellY = y % 16;
            bool ink = code > 32 && code < 127 && cellX < kAdvance - 1 && cellY >= kInkTop && cellY < kInkBottom;
            bytes.insert(bytes.end(), {255, 255, 255, static_cast<uint8_t>(ink ? 255 : 1)});
        }
    }
    bytes.insert(bytes.end(), 8, 0);
    const char signature[] = "TRUEVISION-XFILE.";
    bytes.insert(bytes.end(), signature, signature + sizeof signature);
    return bytes;
}

inline std::vector<uint8_t> advanceBytes() {
    std::vector<uint8_t> advances(256, kAdvance);
    advances['\t'] = 40;
    advances['\n'] = 0;
    advances['\r'] = 0;
    advances[' '] = 3;
    return advances;
}

inline uitools::BitmapFont font() {
    std::vector<uint8_t> atlas = atlasBytes(), advances = advanceBytes();
    uitools::BitmapFont loaded;
    std::string error;
    loaded.load(atlas.data(), atlas.size(), advances.data(), advances.size(), error);
    return loaded;
}

}  // namespace blockfont
