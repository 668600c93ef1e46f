// Text set with the atlas and the advance table: glyph lookup, the borrowed left column, tab, line
// feed and carriage return, and the checks made on the font's resources.
#include <gtest/gtest.h>

#include <utility>

#include "block_font.h"

namespace {

using uitools::BitmapFont;

// Sets the alpha of pixel (x, y) of the cell of `code` in a TGA atlas stored bottom row first.
void setAtlasAlpha(std::vector<uint8_t>& atlas, int code, int x, int y, uint8_t alpha) {
    int storedRow = 255 - 16 * (code / 16) - y;
    int column = 16 * (code % 16) + x;
    atlas[18 + (static_cast<size_t>(storedRow) * 256 + column) * 4 + 3] = alpha;
}

}  // namespace

// Ink is alpha 255 in the code's cell; a glyph reaching left of its origin (the hook of j) has it in
// column 15 of the previous code's cell, which belongs to the glyph after it.
TEST(BitmapFont, InkIsAlpha255InTheCodesCellOrColumn15OfThePreviousCell) {
    std::vector<uint8_t> atlas = blockfont::atlasBytes();
    setAtlasAlpha(atlas, 200, 3, 1, 255);
    setAtlasAlpha(atlas, 'A', 0, 5, 254);
    setAtlasAlpha(atlas, 'i', 15, 13, 255);
    std::string error;
    BitmapFont font = blockfont::font(atlas, blockfont::advanceBytes(), &error);
    ASSERT_TRUE(error.empty()) << error;
    EXPECT_TRUE(font.ink(200, 3, 1));
    EXPECT_FALSE(font.ink(201, 3, 1));
    EXPECT_FALSE(font.ink('A', 0, 5)) << "only alpha 255 is ink";
    EXPECT_TRUE(font.ink('A', 0, 4));
    EXPECT_FALSE(font.ink('A', 0, 3)) << "background alpha 1 is not ink";
    EXPECT_TRUE(font.ink('j', -1, 13));
    EXPECT_FALSE(font.ink('i', 15, 13));
    EXPECT_FALSE(font.ink(0, -1, 13));
    uitools::Image image(40, 20, uitools::Colour{255, 255, 255, 255});
    font.drawGlyph(image, 10, 0, 'j', uitools::Colour{0, 0, 0, 255});
    EXPECT_EQ(image.pixel(9, 13), (uitools::Colour{0, 0, 0, 255}));
}

TEST(BitmapFont, TabAdvancesLineFeedBreaksCarriageReturnGoesBack) {
    BitmapFont font = blockfont::font();
    std::vector<std::pair<int, int>> pens;
    for (const uitools::PlacedGlyph& glyph : uitools::layoutParagraph(font, "AB\tC\r\nD\rE", 16))
        pens.emplace_back(glyph.x, glyph.y);
    // Tab is an advance of 40, not a tab stop; CR LF is one break; a lone CR returns along the line.
    EXPECT_EQ(pens, (std::vector<std::pair<int, int>>{{0, 0}, {6, 0}, {6 + 6 + 40, 0}, {0, 16}, {0, 16}}));
    uitools::PixelRect size = uitools::measureParagraph(font, "AB\tC\r\nD\rE", 16);
    EXPECT_EQ(size.width(), 58);
    EXPECT_EQ(size.height(), 32);
    EXPECT_EQ(uitools::measureParagraph(font, "", 16).height(), 16);
}

TEST(BitmapFont, RefusesAtlasesAndTablesOfTheWrongShapeSayingWhy) {
    const std::vector<uint8_t> atlas = blockfont::atlasBytes(), advances = blockfont::advanceBytes();
    std::vector<uint8_t> narrow = atlas, halfWidth = atlas;
    narrow[13] = 0;                          // width 0
    halfWidth[12] = 128, halfWidth[13] = 0;  // 128 pixels wide, half the pixels left over
    const struct { std::vector<uint8_t> atlas, advances; const char* message; } refused[] = {
        {atlas, std::vector<uint8_t>(255, 6), "the advance table holds 255 bytes, not 256"},
        {atlas, {}, "the advance table holds 0 bytes, not 256"},
        {narrow, advances, "the font atlas is not a readable TGA picture"},
        {halfWidth, advances, "the font atlas is 128 x 256 pixels, not 256 x 256"},
        {{}, advances, "the font atlas is not a readable TGA picture"}};
    for (const auto& bad : refused) {
        std::string error;
        const uint8_t* advanceTable = bad.advances.empty() ? nullptr : bad.advances.data();
        EXPECT_FALSE(BitmapFont().load(bad.atlas.data(), bad.atlas.size(), advanceTable, bad.advances.size(), error));
        EXPECT_EQ(error, bad.message);
    }
}
