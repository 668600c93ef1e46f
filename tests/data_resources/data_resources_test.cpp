// The font atlas and the mouse pointer as the host receives them from getResourceData (under Wine,
// from the DLL): their TGA containers and the rules of their layout that the engine relies on.
// What each glyph looks like is the artwork's (read_with_pillow.py compares every pixel with it).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>
#include <utility>

#include <UIResource/UIResource.h>

namespace {

constexpr int kHeader = 18;
constexpr int kFooter = 26;  // no extension area, no developer directory, "TRUEVISION-XFILE." NUL

struct Tga {
    const uint8_t* bytes = nullptr;
    long size = 0;
    // Blue, green, red and alpha of the pixel in stored row `row` (0 is the picture's bottom row).
    const uint8_t* stored(int side, int row, int column) const { return bytes + kHeader + (row * side + column) * 4L; }
};

// Fetched as an uncompressed 32-bit picture with the version 2 footer, stored bottom row first
// (descriptor 0x08: eight alpha bits, origin at the bottom left).
Tga fetch(unsigned short id, const char* type, long size, uint8_t side, uint8_t sideHigh) {
    char* data = nullptr;
    Tga tga{nullptr, getResourceData(getResourceStringFromInt(id), type, &data)};
    tga.bytes = reinterpret_cast<const uint8_t*>(data);
    const uint8_t header[kHeader] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, side, sideHigh, side, sideHigh, 32, 8};
    const char footer[kFooter] = "\0\0\0\0\0\0\0\0TRUEVISION-XFILE.";
    EXPECT_TRUE(tga.size == size && std::memcmp(tga.bytes, header, kHeader) == 0 &&
                std::memcmp(tga.bytes + size - kFooter, footer, kFooter) == 0) << type << ", " << tga.size << " bytes";
    return tga;
}

class FontAtlas : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(atlas.size, 262188); }

    // Ink at (x, y) of the cell of `code`, y = 0 its top row: stored row 255 - 16 * (code / 16) - y.
    bool ink(int code, int x, int y) const {
        return atlas.stored(256, 255 - 16 * (code / 16) - y, 16 * (code % 16) + x)[3] == 255;
    }
    bool anyInk(int code, int left, int right, int top, int bottom) const {
        for (int y = top; y <= bottom; ++y) {
            for (int x = left; x <= right; ++x) {
                if (ink(code, x, y)) return true;
            }
        }
        return false;
    }

    Tga atlas = fetch(107, "FONTDATA", 262188, 0, 1);
};

TEST_F(FontAtlas, EveryPixelIsWhiteWithInkOrBackgroundAlpha) {
    for (long offset = kHeader; offset < atlas.size - kFooter; offset += 4) {
        const uint8_t* pixel = atlas.bytes + offset;
        ASSERT_TRUE(pixel[0] == 255 && pixel[1] == 255 && pixel[2] == 255 && (pixel[3] == 255 || pixel[3] == 1))
            << "offset " << offset << " alpha " << int(pixel[3]);
    }
}

// Rows 0 and 15 are empty; ink stays in columns 0 to 10, and column 15 carries only the left reach
// of the next code's glyph (j, t, the dashes, I and i with grave, circumflex or diaeresis).
TEST_F(FontAtlas, InkKeepsToItsCellSaveTheNineLeftReaches) {
    const int leftReaches[] = {106, 116, 150, 151, 204, 206, 207, 236, 239};
    for (int code = 0; code < 256; ++code) {
        SCOPED_TRACE("code " + std::to_string(code));
        EXPECT_FALSE(anyInk(code, 0, 15, 0, 0) || anyInk(code, 0, 15, 15, 15));
        EXPECT_FALSE(anyInk(code, 11, 14, 0, 15));
        bool nextReachesLeft = std::count(std::begin(leftReaches), std::end(leftReaches), code + 1) == 1;
        EXPECT_EQ(anyInk(code, 15, 15, 0, 15), nextReachesLeft);
    }
}

// The control codes and those code page 1252 leaves unassigned show a hollow box in columns 1 to 6
// and rows 4 to 11; tab, line feed, carriage return and both spaces show nothing.
TEST_F(FontAtlas, UnprintableCodesHoldTheSameHollowBoxAndSpacesNothing) {
    for (int code : {0, 1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27,
                     28, 29, 30, 31, 127, 129, 141, 143, 144, 157}) {
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                bool outline = x >= 1 && x <= 6 && y >= 4 && y <= 11 && (x == 1 || x == 6 || y == 4 || y == 11);
                ASSERT_EQ(ink(code, x, y), outline) << "code " << code << " at " << x << "," << y;
            }
        }
    }
    for (int code : {9, 10, 13, 32, 160}) EXPECT_FALSE(anyInk(code, 0, 15, 0, 15)) << "code " << code;
}

// The tip is the picture's top-left pixel, stored first in the last stored row (offset 3,986).
TEST(MousePointer, IsAClearOrOpaqueArrowFromItsTipInTheTopLeftCorner) {
    Tga pointer = fetch(111, "MOUSE_POINTER_TEXTURE", 4140, 32, 0);
    ASSERT_EQ(pointer.size, 4140);
    EXPECT_EQ(pointer.bytes[3986 + 3], 255) << "the tip is opaque";
    int right = -1, bottom = -1;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const uint8_t* pixel = pointer.stored(32, 31 - y, x);
            ASSERT_TRUE(pixel[3] == 255 || (pixel[3] == 0 && !pixel[0] && !pixel[1] && !pixel[2])) << x << "," << y;
            if (pixel[3] == 0) continue;
            right = std::max(right, x);
            bottom = std::max(bottom, y);
        }
    }
    EXPECT_EQ(std::make_pair(right, bottom), std::make_pair(19, 25)) << "the arrow's last column and row";
}

}  // namespace
