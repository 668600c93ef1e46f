// The RGBA picture, its drawing operations and its PNG and TGA conversions through stb's codecs.
#include "tools/render/image.h"

#include <algorithm>
#include <cstring>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_TGA
#define STBI_ONLY_PNG
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#include <stb_image.h>
#include <stb_image_write.h>
#pragma GCC diagnostic pop

namespace uitools {

Image::Image(int width, int height, Colour fill)
    : width_(width > 0 ? width : 0), height_(height > 0 ? height : 0),
      pixels_(static_cast<size_t>(width_) * height_, fill) {}

Colour Image::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return Colour{0, 0, 0, 0};
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

void Image::setClip(const PixelRect& clip) {
    clipped_ = true;
    clip_ = clip;
}

void Image::clearClip() { clipped_ = false; }

void Image::setPixel(int x, int y, Colour colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    if (clipped_ && !clip_.contains(x, y)) return;
    pixels_[static_cast<size_t>(y) * width_ + x] = colour;
}

void Image::fillRect(const PixelRect& rect, Colour colour) {
    for (int y = rect.top; y < rect.bottom; ++y) horizontalLine(rect.left, rect.right, y, colour);
}

void Image::outlineRect(const PixelRect& rect, Colour colour) {
    if (rect.width() <= 0 || rect.height() <= 0) return;
    horizontalLine(rect.left, rect.right, rect.top, colour);
    horizontalLine(rect.left, rect.right, rect.bottom - 1, colour);
    verticalLine(rect.left, rect.top, rect.bottom, colour);
    verticalLine(rect.right - 1, rect.top, rect.bottom, colour);
}

// Whole rows are the bulk of every picture (a desktop frame is filled anew each time): the row is
// cut to the picture and the clip once, then filled at a stroke.
void Image::horizontalLine(int left, int right, int y, Colour colour) {
    PixelRect bounds = clip();
    if (y < 0 || y >= height_ || y < bounds.top || y >= bounds.bottom) return;
    left = std::max({left, bounds.left, 0});
    right = std::min({right, bounds.right, width_});
    if (left >= right) return;
    auto row = pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_;
    std::fill(row + left, row + right, colour);
}

void Image::verticalLine(int x, int top, int bottom, Colour colour) {
    for (int y = top; y < bottom; ++y) setPixel(x, y, colour);
}

void Image::blitScaled(const Image& source, int x, int y, int scale) {
    for (int sy = 0; sy < source.height(); ++sy) {
        for (int sx = 0; sx < source.width(); ++sx) {
            fillRect(PixelRect{x + sx * scale, y + sy * scale, x + (sx + 1) * scale, y + (sy + 1) * scale},
                     source.pixel(sx, sy));
        }
    }
}

static void appendBytes(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<uint8_t>*>(context);
    const auto* bytes = static_cast<const uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

std::vector<uint8_t> Image::encodePng() const {
    std::vector<uint8_t> out;
    if (width_ == 0 || height_ == 0) return out;
    static_assert(sizeof(Colour) == 4, "pixels are handed to the encoder as packed RGBA");
    if (!stbi_write_png_to_func(appendBytes, &out, width_, height_, 4, pixels_.data(), width_ * 4)) out.clear();
    return out;
}

namespace {

bool isPng(const uint8_t* bytes, size_t size) {
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return size >= sizeof kSignature && std::memcmp(bytes, kSignature, sizeof kSignature) == 0;
}

// stb's TGA reader reads bytes past the end as zeros, so an 18-byte header could ask for a
// picture of 65535 x 65535 pixels and get it, slowly. A TGA is read only when its data can hold
// the pixels its header claims, even run-length encoded (at best 128 pixels a packet).
bool tgaDataCanHoldPixels(const uint8_t* bytes, size_t size) {
    constexpr size_t kHeader = 18;
    if (size < kHeader) return false;
    size_t colourMap = bytes[1] ? (bytes[5] | bytes[6] << 8) * ((bytes[7] + 7u) / 8) : 0;
    size_t pixelBytes = (bytes[16] + 7u) / 8;
    size_t pixels = static_cast<size_t>(bytes[12] | bytes[13] << 8) * (bytes[14] | bytes[15] << 8);
    bool runLength = (bytes[2] & 8) != 0;
    size_t needed = runLength ? (pixels + 127) / 128 * (1 + pixelBytes) : pixels * pixelBytes;
    return size - kHeader >= bytes[0] + colourMap + needed;
}

}  // namespace

bool decodeImage(const uint8_t* bytes, size_t size, Image& image) {
    int width = 0, height = 0, channels = 0;
    if (bytes == nullptr || size == 0 || size > 0x7FFFFFFF) return false;
    if (!isPng(bytes, size) && !tgaDataCanHoldPixels(bytes, size)) return false;
    stbi_uc* decoded = stbi_load_from_memory(bytes, static_cast<int>(size), &width, &height, &channels, 4);
    if (decoded == nullptr) return false;
    image = Image(width, height, Colour{});
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const stbi_uc* p = decoded + (static_cast<size_t>(y) * width + x) * 4;
            image.setPixel(x, y, Colour{p[0], p[1], p[2], p[3]});
        }
    }
    stbi_image_free(decoded);
    return true;
}

}  // namespace uitools
