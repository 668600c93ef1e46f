// The advance table as the host reads it: every value, and its agreement with the atlas's ink.
#include <gtest/gtest.h>

#include "tests/data_resources/data_resource_views.h"

namespace data_resources {
namespace {

// The whole table, sixteen codes a row: the digits all 6 so that columns of numbers line up, tab
// 40, line feed and carriage return 0, the box cells 8, accented I and i as the plain letters.
const uint8_t kAdvances[256] = {
    8, 8, 8, 8, 8, 8, 8, 8, 8, 40, 0, 8, 8, 0, 8, 8,     // 0
    8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8,      // 16
    3, 2, 4, 6, 6, 10, 7, 2, 4, 4, 4, 6, 3, 4, 3, 3,     // 32
    6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 3, 3, 6, 6, 6, 6,      // 48
    11, 8, 7, 7, 7, 6, 6, 8, 7, 2, 5, 7, 6, 8, 7, 8,     // 64
    6, 8, 7, 7, 6, 7, 8, 12, 7, 8, 7, 3, 3, 3, 5, 6,     // 80
    4, 6, 6, 6, 6, 6, 4, 6, 6, 2, 2, 5, 2, 8, 6, 6,      // 96
    6, 6, 4, 6, 3, 6, 6, 10, 6, 6, 6, 4, 2, 4, 6, 8,     // 112
    6, 8, 2, 6, 4, 11, 6, 6, 4, 11, 7, 4, 11, 8, 7, 8,   // 128
    8, 2, 2, 4, 4, 4, 6, 11, 4, 11, 6, 4, 10, 8, 6, 8,   // 144
    3, 2, 6, 6, 7, 6, 2, 6, 4, 8, 4, 6, 6, 4, 8, 6,      // 160
    4, 6, 4, 4, 4, 6, 6, 3, 4, 4, 5, 6, 9, 10, 10, 6,    // 176
    8, 8, 8, 8, 8, 8, 11, 7, 6, 6, 6, 6, 2, 2, 2, 2,     // 192
    8, 7, 8, 8, 8, 8, 8, 6, 8, 7, 7, 7, 7, 8, 7, 7,      // 208
    6, 6, 6, 6, 6, 6, 10, 6, 6, 6, 6, 6, 2, 2, 2, 2,     // 224
    6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6,      // 240
};

class FontAdvances : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(advances.size, 256); }

    int advance(int code) const { return advances.bytes[code]; }

    Resource advances = fontAdvances();
};

TEST_F(FontAdvances, HoldTheWholeTable) {
    for (int code = 0; code < 256; ++code) EXPECT_EQ(advance(code), kAdvances[code]) << glyphName(code);
}

// The gap a glyph leaves after its rightmost ink column: one empty column for most glyphs.
int gapAfterInk(int code) {
    switch (code) {
    case ':': case ';': case '`': case 183: case 153: return 2;  // middle dot, trade mark
    case 133: return 3;                                           // ellipsis
    case '/': case '\\': case '^': case '_': case '}': case 128: case 136: case 152: case 137:
    case 150: case 151: case 169: case 174: case 175: case 182: return 0;  // touch the next glyph
    default: return 1;
    }
}

// The narrow one advances 6 like the other digits, so that columns of numbers line up.
bool advanceIgnoresInk(int code) {
    bool accentedI = (code >= 204 && code <= 207) || (code >= 236 && code <= 239);
    return code == '1' || accentedI || isEmptyCode(code);
}

TEST_F(FontAdvances, AgreeWithTheRightmostInkOfEveryGlyph) {
    AtlasView atlas(fontAtlas());
    for (int code = 0; code < 256; ++code) {
        if (advanceIgnoresInk(code)) continue;
        InkBounds ink = atlas.bounds(code);
        ASSERT_FALSE(ink.empty()) << glyphName(code);
        EXPECT_EQ(advance(code), ink.right + 1 + gapAfterInk(code)) << glyphName(code);
    }
}

}  // namespace
}  // namespace data_resources
