// The font atlas as the host reads it: its TGA container, its pixels, and where each glyph's ink
// lies in its cell, checked cell by cell.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/data_resources/data_resource_views.h"

namespace data_resources {
namespace {

constexpr long kAtlasSize = 262188;

class FontAtlas : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(atlas.size, kAtlasSize); }

    Resource atlas = fontAtlas();
    AtlasView view{atlas};
};

TEST_F(FontAtlas, IsAnUncompressed32BitTgaWithTheVersion2Footer) {
    const uint8_t header[kTgaHeaderSize] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0x20, 0x08};
    EXPECT_TRUE(hasTgaHeaderAndFooter(atlas, header));
}

TEST_F(FontAtlas, EveryPixelIsWhiteWithInkOrBackgroundAlpha) {
    for (long offset = kTgaHeaderSize; offset < kAtlasSize - kTgaFooterSize; offset += 4) {
        const uint8_t* pixel = atlas.bytes + offset;
        ASSERT_TRUE(pixel[0] == 255 && pixel[1] == 255 && pixel[2] == 255) << "offset " << offset;
        ASSERT_TRUE(pixel[3] == 255 || pixel[3] == 1) << "offset " << offset << " alpha " << int(pixel[3]);
    }
}

// The stored rows run bottom up, so code 0 sits at the end of the pixels and code 255 at the start.
TEST_F(FontAtlas, CellsOfTheFirstAndLastCodesLieAtTheEndAndStartOfTheStoredRows) {
    auto storedAlpha = [&](int storedRow, int column) {
        return atlas.bytes[kTgaHeaderSize + (storedRow * 256 + column) * 4 + 3];
    };
    // Code 0 is the box: its top edge is cell row 4, stored row 255 - 4, columns 1 to 6.
    for (int column = 0; column < kCell; ++column) {
        EXPECT_EQ(storedAlpha(251, column), column >= 1 && column <= 6 ? 255 : 1) << "column " << column;
        EXPECT_EQ(storedAlpha(255, column), 1) << "cell row 0 of code 0, column " << column;
    }
    // Code 255 (y diaeresis): its dots are in cell row 3 and its descender ends in cell row 13,
    // stored rows 15 - 3 and 15 - 13 within the first sixteen; cell rows 0 and 15 are empty.
    auto inkIn = [&](int storedRow) {
        int count = 0;
        for (int column = 240; column < 256; ++column) count += storedAlpha(storedRow, column) == 255;
        return count;
    };
    EXPECT_EQ(inkIn(12), 2);
    EXPECT_GT(inkIn(2), 0);
    EXPECT_EQ(inkIn(0), 0);
    EXPECT_EQ(inkIn(15), 0);
    EXPECT_EQ(inkIn(1), 0) << "nothing below the descender";
}

TEST_F(FontAtlas, TopAndBottomRowsOfEveryCellAreEmpty) {
    for (int code = 0; code < 256; ++code) {
        for (int x = 0; x < kCell; ++x) {
            EXPECT_FALSE(view.cellInk(code, x, 0)) << glyphName(code) << " column " << x;
            EXPECT_FALSE(view.cellInk(code, x, kCell - 1)) << glyphName(code) << " column " << x;
        }
    }
}

// Columns 11 to 14 stay empty; column 15 carries only the left reach of the next code's glyph.
TEST_F(FontAtlas, InkStaysInColumnsZeroToTenSaveTheNineLeftReaches) {
    for (int code = 0; code < 256; ++code) {
        bool lastColumnUsed = false;
        for (int y = 0; y < kCell; ++y) {
            for (int x = 11; x < kCell - 1; ++x) EXPECT_FALSE(view.cellInk(code, x, y)) << glyphName(code);
            lastColumnUsed = lastColumnUsed || view.cellInk(code, kCell - 1, y);
        }
        bool nextReachesLeft = code < 255 && reachesLeftOfOrigin(code + 1);
        EXPECT_EQ(lastColumnUsed, nextReachesLeft) << glyphName(code) << " column 15";
    }
}

TEST_F(FontAtlas, InkStartsAtTheOriginSaveLeftBearingsAndLeftReaches) {
    for (int code = 0; code < 256; ++code) {
        InkBounds ink = view.bounds(code);
        if (isEmptyCode(code)) {
            EXPECT_TRUE(ink.empty()) << glyphName(code);
            continue;
        }
        ASSERT_FALSE(ink.empty()) << glyphName(code);
        int expected = reachesLeftOfOrigin(code) ? -1 : (hasLeftBearing(code) || isBoxCode(code)) ? 1 : 0;
        EXPECT_EQ(ink.left, expected) << glyphName(code);
    }
}

TEST_F(FontAtlas, ControlAndUnassignedCodesHoldTheSameHollowBox) {
    int boxes = 0;
    for (int code = 0; code < 256; ++code) {
        if (!isBoxCode(code)) continue;
        ++boxes;
        for (int y = 0; y < kCell; ++y) {
            for (int x = 0; x < kCell; ++x) {
                bool inside = x >= 1 && x <= 6 && y >= 4 && y <= 11;
                bool outline = inside && (x == 1 || x == 6 || y == 4 || y == 11);
                ASSERT_EQ(view.cellInk(code, x, y), outline) << glyphName(code) << " at " << x << "," << y;
            }
        }
    }
    EXPECT_EQ(boxes, 29 + 1 + 5) << "29 control codes below 32, DEL and five unassigned codes";
}

struct RowSpan {
    int top;
    int bottom;
};

// Expected first and last ink rows of the unaccented letters, digits and brackets.
RowSpan plainRows(int code) {
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) return {4, 11};
    if (std::strchr("()[]{}", code) != nullptr) return {4, 13};
    if (std::strchr("bdfhiklt", code) != nullptr) return {4, 11};
    if (code == 'j') return {4, 13};
    if (std::strchr("gpqy", code) != nullptr) return {6, 13};
    return {6, 11};
}

TEST_F(FontAtlas, LettersDigitsAndBracketsSitOnTheBaseline) {
    const char* codes = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789()[]{}";
    for (const char* c = codes; *c != '\0'; ++c) {
        InkBounds ink = view.bounds(*c);
        RowSpan expected = plainRows(*c);
        EXPECT_EQ(ink.top, expected.top) << "'" << *c << "'";
        EXPECT_EQ(ink.bottom, expected.bottom) << "'" << *c << "'";
    }
}

struct Accented {
    int code;
    char base;
    int accentTop;  // first ink row: where the accent reaches
    int bottom;     // last ink row: 14 with a cedilla
};

// Every accented letter of code page 1252 with the letter it is built on.
const Accented kAccented[] = {
    {138, 'S', 1, 11}, {142, 'Z', 1, 11}, {154, 's', 3, 11}, {158, 'z', 3, 11}, {159, 'Y', 2, 11},
    {192, 'A', 1, 11}, {193, 'A', 1, 11}, {194, 'A', 1, 11}, {195, 'A', 1, 11}, {196, 'A', 2, 11},
    {197, 'A', 2, 11}, {199, 'C', 4, 14}, {200, 'E', 1, 11}, {201, 'E', 1, 11}, {202, 'E', 1, 11},
    {203, 'E', 2, 11}, {204, 'I', 1, 11}, {205, 'I', 1, 11}, {206, 'I', 1, 11}, {207, 'I', 2, 11},
    {209, 'N', 1, 11}, {210, 'O', 1, 11}, {211, 'O', 1, 11}, {212, 'O', 1, 11}, {213, 'O', 1, 11},
    {214, 'O', 2, 11}, {217, 'U', 1, 11}, {218, 'U', 1, 11}, {219, 'U', 1, 11}, {220, 'U', 2, 11},
    {221, 'Y', 1, 11}, {224, 'a', 3, 11}, {225, 'a', 3, 11}, {226, 'a', 3, 11}, {227, 'a', 3, 11},
    {228, 'a', 3, 11}, {229, 'a', 2, 11}, {231, 'c', 6, 14}, {232, 'e', 3, 11}, {233, 'e', 3, 11},
    {234, 'e', 3, 11}, {235, 'e', 3, 11}, {236, 'i', 3, 11}, {237, 'i', 3, 11}, {238, 'i', 3, 11},
    {239, 'i', 3, 11}, {241, 'n', 3, 11}, {242, 'o', 3, 11}, {243, 'o', 3, 11}, {244, 'o', 3, 11},
    {245, 'o', 3, 11}, {246, 'o', 3, 11}, {249, 'u', 3, 11}, {250, 'u', 3, 11}, {251, 'u', 3, 11},
    {252, 'u', 3, 11}, {253, 'y', 3, 13}, {255, 'y', 3, 13},
};

TEST_F(FontAtlas, AccentsAndCedillasReachTheirRows) {
    for (const Accented& letter : kAccented) {
        InkBounds ink = view.bounds(letter.code);
        EXPECT_EQ(ink.top, letter.accentTop) << glyphName(letter.code);
        EXPECT_EQ(ink.bottom, letter.bottom) << glyphName(letter.code);
    }
    EXPECT_EQ(view.bounds(184).bottom, 14) << "the cedilla on its own";
}

// Under its accent (and above a cedilla) an accented letter is drawn exactly as its base letter;
// the dot of i gives way to the accent, so i is compared from the x-height down.
TEST_F(FontAtlas, AccentedLettersKeepTheirBaseLetterUnderTheAccent) {
    for (const Accented& letter : kAccented) {
        bool capital = letter.base >= 'A' && letter.base <= 'Z';
        int first = capital ? 4 : 6;
        int last = letter.bottom == 14 ? 11 : letter.bottom;
        EXPECT_EQ(view.rows(letter.code, first, last), view.rows(letter.base, first, last))
            << glyphName(letter.code) << " over '" << letter.base << "'";
    }
}

}  // namespace
}  // namespace data_resources
