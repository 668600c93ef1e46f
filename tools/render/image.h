// An RGBA picture in memory with the few drawing operations the renderers need, encoded as PNG.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace uitools {

struct Colour {
    uint8_t r = 0, g = 0, b = 0, a = 255;
    bool operator==(const Colour& other) const {
        return r == other.r && g == other.g && b == other.b && a == other.a;
    }
    bool operator!=(const Colour& other) const { return !(*this == other); }
};

// A rectangle in pixels: left and top inclusive, right and bottom exclusive (Windows' RECT rule).
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const PixelRect& other) const {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
    bool operator!=(const PixelRect& other) const { return !(*this == other); }
};

// The smallest rectangle holding both; an empty one adds nothing.
inline PixelRect unite(const PixelRect& a, const PixelRect& b) {
    if (a.width() <= 0 || a.height() <= 0) return b;
    if (b.width() <= 0 || b.height() <= 0) return a;
    return PixelRect{a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
                     a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}

inline PixelRect moved(const PixelRect& rect, int x, int y) {
    return PixelRect{rect.left + x, rect.top + y, rect.right + x, rect.bottom + y};
}

inline PixelRect intersect(const PixelRect& a, const PixelRect& b) {
    PixelRect r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    return r;
}

class Image {
public:
    Image() = default;
    Image(int width, int height, Colour fill);

    int width() const { return width_; }
    int height() const { return height_; }
    // Pixels outside the picture read as transparent black and ignore writes.
    Colour pixel(int x, int y) const;
    void setPixel(int x, int y, Colour colour);
    // Writes outside the clip rectangle are dropped until it is cleared.
    void setClip(const PixelRect& clip);
    void clearClip();
    // The clip rectangle in force (the whole picture when none is set).
    PixelRect clip() const { return clipped_ ? clip_ : PixelRect{0, 0, width_, height_}; }

    void fillRect(const PixelRect& rect, Colour colour);
    void outlineRect(const PixelRect& rect, Colour colour);  // one pixel inside the rectangle's edge
    void horizontalLine(int left, int right, int y, Colour colour);  // right exclusive
    void verticalLine(int x, int top, int bottom, Colour colour);    // bottom exclusive
    // Copies `source` scaled by a whole factor, its top-left corner at (x, y).
    void blitScaled(const Image& source, int x, int y, int scale);

    // The pixels, row after row from the top, each as R, G, B, A bytes.
    const Colour* pixels() const { return pixels_.data(); }
    Colour* pixels() { return pixels_.data(); }
    bool samePixels(const Image& other) const {
        return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
    }

    // The picture as the bytes of an 8-bit RGBA PNG file; empty on failure.
    std::vector<uint8_t> encodePng() const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Colour> pixels_;
    bool clipped_ = false;
    PixelRect clip_;
};

// Decodes a picture file held in memory (TGA, PNG, ...); false when it is not one.
bool decodeImage(const uint8_t* bytes, size_t size, Image& image);

}  // namespace uitools
