// Glyph lookup in the atlas and text setting with the advance table.
#include "tools/render/bitmap_font.h"

#include <algorithm>

namespace uitools {

bool BitmapFont::load(const uint8_t* atlas, size_t atlasSize, const uint8_t* advances, size_t advancesSize,
                      std::string& error) {
    Image decoded;
    if (!decodeImage(atlas, atlasSize, decoded)) {
        error = "the font atlas is not a readable TGA picture";
        return false;
    }
    if (decoded.width() != 256 || decoded.height() != 256) {
        error = "the font atlas is " + std::to_string(decoded.width()) + " x " + std::to_string(decoded.height()) +
                " pixels, not 256 x 256";
        return false;
    }
    if (advances == nullptr || advancesSize != 256) {
        error = "the advance table holds " + std::to_string(advances ? advancesSize : 0) + " bytes, not 256";
        return false;
    }
    atlas_ = decoded;
    advances_.assign(advances, advances + 256);
    return true;
}

bool BitmapFont::ink(unsigned char code, int x, int y) const {
    if (y < 0 || y >= kCellSize || x < -1 || x >= kCellSize - 1) return false;
    int cell = code;
    if (x == -1) {
        // Nine glyphs reach one column left of their origin; that column lives in column 15 of
        // the previous cell, so column 15 never belongs to its own cell's glyph.
        if (cell == 0) return false;
        cell -= 1;
        x = kCellSize - 1;
    }
    int px = (cell % 16) * kCellSize + x;
    int py = (cell / 16) * kCellSize + y;
    return atlas_.pixel(px, py).a == 255;
}

void BitmapFont::drawGlyph(Image& image, int x, int y, unsigned char code, Colour colour) const {
    for (int gy = 0; gy < kCellSize; ++gy) {
        for (int gx = -1; gx < kCellSize - 1; ++gx) {
            if (ink(code, gx, gy)) image.setPixel(x + gx, y + gy, colour);
        }
    }
}

int BitmapFont::measure(const std::string& text) const {
    int width = 0;
    for (char c : text) width += advance(static_cast<unsigned char>(c));
    return width;
}

std::vector<PlacedGlyph> layoutParagraph(const BitmapFont& font, const std::string& text, int lineHeight) {
    std::vector<PlacedGlyph> placed;
    int x = 0, y = 0;
    for (char c : text) {
        auto code = static_cast<unsigned char>(c);
        if (code == '\n') {
            x = 0;
            y += lineHeight;
        } else if (code == '\r') {
            x = 0;
        } else {
            if (code != '\t') placed.push_back(PlacedGlyph{code, x, y});
            x += font.advance(code);
        }
    }
    return placed;
}

PixelRect measureParagraph(const BitmapFont& font, const std::string& text, int lineHeight) {
    int x = 0, widest = 0, lines = 1;
    for (char c : text) {
        auto code = static_cast<unsigned char>(c);
        if (code == '\n') ++lines;
        if (code == '\n' || code == '\r') x = 0;
        else x += font.advance(code);
        widest = std::max(widest, x);
    }
    return PixelRect{0, 0, widest, lines * lineHeight};
}

void drawParagraph(Image& image, const BitmapFont& font, int x, int y, const std::string& text, int lineHeight,
                   Colour colour) {
    for (const PlacedGlyph& glyph : layoutParagraph(font, text, lineHeight)) {
        font.drawGlyph(image, x + glyph.x, y + glyph.y, glyph.code, colour);
    }
}

}  // namespace uitools
