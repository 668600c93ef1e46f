// The module's bitmap font: the 16 x 16 cell atlas and the advance table, and text set with them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/render/image.h"

namespace uitools {

class BitmapFont {
public:
    static constexpr int kCellSize = 16;   // pixels a cell is wide and high
    static constexpr int kLineHeight = 16; // a line of the text command is one cell high

    // From the atlas's TGA bytes and the 256-byte advance table. False, with the reason in
    // `error`, when the atlas is not a 256 x 256 picture or the table is not 256 bytes.
    bool load(const uint8_t* atlas, size_t atlasSize, const uint8_t* advances, size_t advancesSize,
              std::string& error);

    // The picture as displayed (top row first), ink where alpha is 255.
    const Image& atlas() const { return atlas_; }
    int advance(unsigned char code) const { return advances_[code]; }
    // Whether pixel (x, y) of the glyph of `code` holds ink; x may be -1, the column some glyphs
    // borrow from the previous cell.
    bool ink(unsigned char code, int x, int y) const;

    // Draws one glyph with its pen origin (the cell's top-left corner) at (x, y).
    void drawGlyph(Image& image, int x, int y, unsigned char code, Colour colour) const;
    // Width of one line of text: the sum of its advances (no line breaks looked at).
    int measure(const std::string& text) const;

private:
    Image atlas_;
    std::vector<uint8_t> advances_ = std::vector<uint8_t>(256, 0);
};

// Where each character of a paragraph goes. Tab, line feed and carriage return draw nothing;
// tab moves the pen by its advance (40 pixels), line feed starts a new line at the left
// margin, carriage return goes back to the left margin of the same line, so CR LF is one break.
struct PlacedGlyph {
    unsigned char code;
    int x, y;  // pen origin relative to the paragraph's top-left corner
};
std::vector<PlacedGlyph> layoutParagraph(const BitmapFont& font, const std::string& text, int lineHeight);

// The box a paragraph covers from (0, 0): the widest line's pen travel by the number of lines.
PixelRect measureParagraph(const BitmapFont& font, const std::string& text, int lineHeight);

// Draws a paragraph with its first pen origin at (x, y).
void drawParagraph(Image& image, const BitmapFont& font, int x, int y, const std::string& text, int lineHeight,
                   Colour colour);

}  // namespace uitools
