// The picture decoder behind the inspector and the font loader: a TGA whose header asks for more
// pixels than its data holds is refused at once (the fuzz target found an 18-byte header that
// made it build a 8192 x 8192 picture of zeros for seconds), while complete pictures, plain or
// run-length encoded, still decode.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tools/render/image.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A true-colour TGA header, type 2 (plain) or 10 (run-length encoded), 32 bits a pixel, top-down,
// followed by `pixels` pixels of bytes `value`.
Bytes tga(uint8_t type, uint16_t width, uint16_t height, size_t pixels = 0, uint8_t value = 0) {
    Bytes bytes = {0, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0, uint8_t(width), uint8_t(width >> 8),
                   uint8_t(height), uint8_t(height >> 8), 32, 0x28};
    bytes.insert(bytes.end(), pixels * 4, value);
    return bytes;
}

bool decodes(const Bytes& bytes, uitools::Image& image) {
    return uitools::decodeImage(bytes.data(), bytes.size(), image);
}

TEST(ImageDecoderRegression, AHeaderClaimingMorePixelsThanItsDataHoldsIsRefusedAndCompletePicturesDecode) {
    uitools::Image image;
    EXPECT_FALSE(decodes(tga(2, 8192, 8192, 40), image));  // the fuzz target's find
    EXPECT_FALSE(decodes(tga(10, 65535, 65535), image));
    EXPECT_FALSE(decodes(tga(2, 2, 2, 3, 0xFF), image));  // one pixel short
    EXPECT_EQ(image.width(), 0);

    ASSERT_TRUE(decodes(tga(2, 2, 2, 4, 0x80), image));
    EXPECT_EQ(image.width(), 2);
    EXPECT_EQ(image.pixel(1, 1), (uitools::Colour{0x80, 0x80, 0x80, 0x80}));
    // 300 pixels in three run-length packets of 128, 128 and 44 copies of one pixel.
    Bytes rle = tga(10, 20, 15);
    for (uint8_t run : {128, 128, 44}) rle.insert(rle.end(), {uint8_t(0x80 | (run - 1)), 1, 2, 3, 255});
    ASSERT_TRUE(decodes(rle, image));
    EXPECT_EQ(image.height(), 15);
    EXPECT_EQ(image.pixel(19, 14), (uitools::Colour{3, 2, 1, 255}));  // TGA stores blue, green, red
}

}  // namespace
