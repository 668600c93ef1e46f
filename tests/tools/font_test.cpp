// Text set with the atlas and the advance table: glyph lookup, the borrowed left column, tab, line
// feed and carriage return, and the checks made on the font's resources.
#include <gtest/gtest.h>

#include "block_font.h"
#include "tools/render/module_font.h"

namespace {

using uitools::BitmapFont;

// Sets the alpha of pixel (x, y) of the cell of `code` in a TGA atlas stored bottom row first.
void setAtlasAlpha(std::vector<uint8_t>& atlas, int code, int x, int y, uint8_t alpha) {
    int storedRow = 255 - 16 * (code / 16) - y;
    int column = 16 * (code % 16) + x;
    atlas[18 + (static_cast<size_t>(storedRow) * 256 + column) * 4 + 3] = alpha;
}

BitmapFont loadFont(const std::vector<uint8_t>& atlas, const std::vector<uint8_t>& advances, std::string& error) {
    BitmapFont font;
    font.load(atlas.data(), atlas.size(), advances.data(), advances.size(), error);
    return font;
}

}  // namespace

TEST(BitmapFont, InkIsAlpha255AndCellsFollowTheCodeOrder) {
    std::vector<uint8_t> atlas = blockfont::atlasBytes();
    setAtlasAlpha(atlas, 200, 3, 1, 255);
    setAtlasAlpha(atlas, 'A', 0, 5, 254);
    std::string error;
    BitmapFont font = loadFont(atlas, blockfont::advanceBytes(), error);
    ASSERT_TRUE(error.empty()) << error;
    EXPECT_TRUE(font.ink(200, 3, 1));
    EXPECT_FALSE(font.ink(201, 3, 1));
    EXPECT_FALSE(font.ink('A', 0, 5)) << "only alpha 255 is ink";
    EXPECT_TRUE(font.ink('A', 0, 4));
    EXPECT_FALSE(font.ink('A', 0, 3)) << "background alpha 1 is not ink";
}

TEST(BitmapFont, GlyphsReachingLeftOfTheirOriginBorrowColumn15OfThePreviousCell) {
    std::vector<uint8_t> atlas = blockfont::atlasBytes();
    setAtlasAlpha(atlas, 'i', 15, 13, 255);  // the hook of j, one column left of its origin
    std::string error;
    BitmapFont font = loadFont(atlas, blockfont::advanceBytes(), error);
    EXPECT_TRUE(font.ink('j', -1, 13));
    EXPECT_FALSE(font.ink('i', 15, 13)) << "column 15 belongs to the next glyph";
    EXPECT_FALSE(font.ink(0, -1, 13));
    uitools::Image image(40, 20, uitools::Colour{255, 255, 255, 255});
    font.drawGlyph(image, 10, 0, 'j', uitools::Colour{0, 0, 0, 255});
    EXPECT_EQ(image.pixel(9, 13), (uitools::Colour{0, 0, 0, 255}));
}

TEST(BitmapFont, TabAdvancesLineFeedBreaksCarriageReturnGoesBack) {
    BitmapFont font = blockfont::font();
    std::vector<uitools::PlacedGlyph> placed = uitools::layoutParagraph(font, "AB\tC\r\nD\rE", 16);
    ASSERT_EQ(placed.size(), 5u);
    EXPECT_EQ(placed[1].x, 6);
    EXPECT_EQ(placed[2].x, 6 + 6 + 40);  // tab is an advance of 40, not a tab stop
    EXPECT_EQ(placed[2].y, 0);
    EXPECT_EQ(placed[3].x, 0);  // CR LF is one line break
    EXPECT_EQ(placed[3].y, 16);
    EXPECT_EQ(placed[4].x, 0);  // a lone CR returns to the start of the same line
    EXPECT_EQ(placed[4].y, 16);
    uitools::PixelRect size = uitools::measureParagraph(font, "AB\tC\r\nD\rE", 16);
    EXPECT_EQ(size.width(), 58);
    EXPECT_EQ(size.height(), 32);
    EXPECT_EQ(uitools::measureParagraph(font, "", 16).height(), 16);
}

TEST(BitmapFont, RefusesAtlasesAndTablesOfTheWrongShape) {
    std::string error;
    std::vector<uint8_t> shortTable(255, 6);
    loadFont(blockfont::atlasBytes(), shortTable, error);
    EXPECT_NE(error.find("255 bytes"), std::string::npos) << error;
    std::vector<uint8_t> small = blockfont::atlasBytes();
    small[13] = 0;  // width 0
    error.clear();
    loadFont(small, blockfont::advanceBytes(), error);
    EXPECT_FALSE(error.empty());
    error.clear();
    BitmapFont font;
    EXPECT_FALSE(font.load(nullptr, 0, nullptr, 0, error));
}
