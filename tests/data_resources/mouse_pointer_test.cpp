// The mouse pointer image as the host reads it: its TGA container, its tip, its extent and its
// shading.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/data_resources/data_resource_views.h"

namespace data_resources {
namespace {

constexpr long kPointerSize = 4140;
constexpr int kSide = 32;

int lightness(const uint8_t* pixel) { return (pixel[0] + pixel[1] + pixel[2]) / 3; }
bool isMidGrey(const uint8_t* pixel) { return lightness(pixel) >= 100 && lightness(pixel) <= 140; }
bool isLight(const uint8_t* pixel) { return lightness(pixel) > 140; }
bool isDark(const uint8_t* pixel) { return lightness(pixel) < 80; }

class MousePointer : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(pointer.size, kPointerSize); }

    bool opaque(int x, int y) const {
        return x >= 0 && y >= 0 && x < kSide && y < kSide && view.pixel(x, y)[3] == 255;
    }
    // Opaque with all eight neighbours opaque.
    bool interior(int x, int y) const {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (!opaque(x + dx, y + dy)) return false;
            }
        }
        return true;
    }

    Resource pointer = mousePointer();
    TgaView view{pointer, kSide, kSide};
};

TEST_F(MousePointer, IsAnUncompressed32BitTgaWithTheVersion2Footer) {
    const uint8_t header[kTgaHeaderSize] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x20, 0, 0x20, 0, 0x20, 0x08};
    EXPECT_TRUE(hasTgaHeaderAndFooter(pointer, header));
}

TEST_F(MousePointer, TipIsTheFirstPixelOfTheLastStoredRow) {
    EXPECT_EQ(view.pixelOffset(0, 0), 3986);
    EXPECT_EQ(pointer.bytes[3986 + 3], 255) << "the tip is opaque";
}

TEST_F(MousePointer, PixelsAreClearZeroOrOpaqueNearGrey) {
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const uint8_t* pixel = view.pixel(x, y);
            if (pixel[3] == 0) {
                EXPECT_TRUE(pixel[0] == 0 && pixel[1] == 0 && pixel[2] == 0) << x << "," << y;
                continue;
            }
            ASSERT_EQ(pixel[3], 255) << x << "," << y;
            auto channels = std::minmax({pixel[0], pixel[1], pixel[2]});
            EXPECT_GE(channels.first, 33) << x << "," << y;
            EXPECT_LE(channels.second, 247) << x << "," << y;
            EXPECT_LE(channels.second - channels.first, 9) << x << "," << y;
        }
    }
}

TEST_F(MousePointer, ArrowStaysInTheTopLeftTwentyColumnsAndTwentySixRows) {
    int opaqueCount = 0, right = -1, bottom = -1;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            if (!opaque(x, y)) continue;
            ++opaqueCount;
            right = std::max(right, x);
            bottom = std::max(bottom, y);
        }
    }
    EXPECT_EQ(right, 19);
    EXPECT_EQ(bottom, 25);
    EXPECT_GT(opaqueCount, 100) << "an arrow, not a speck";
}

// Along every row the left-hand edge is mid-grey and the right-hand edge dark, and the interior
// is lighter than both and darkens from left to right.
TEST_F(MousePointer, ShadingRunsFromAMidGreyLeftEdgeThroughALightInteriorToDarkRightEdges) {
    for (int y = 0; y < kSide; ++y) {
        int first = kSide, last = -1, previousInterior = 256;
        for (int x = 0; x < kSide; ++x) {
            if (!opaque(x, y)) continue;
            first = std::min(first, x);
            last = x;
            if (!interior(x, y)) continue;
            int light = lightness(view.pixel(x, y));
            EXPECT_TRUE(isLight(view.pixel(x, y))) << "interior " << x << "," << y;
            EXPECT_LE(light, previousInterior) << "interior " << x << "," << y;
            previousInterior = light;
        }
        if (last < 0) continue;
        EXPECT_TRUE(isMidGrey(view.pixel(first, y))) << "left edge of row " << y;
        if (last > first) {
            EXPECT_TRUE(isDark(view.pixel(last, y))) << "right edge of row " << y;
        }
    }
}

}  // namespace
}  // namespace data_resources
