// Read-only views of the data resources as the host receives them from getResourceData: the TGA
// container, the atlas cell by cell and the ink bounds of a glyph.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace data_resources {

constexpr int kCell = 16;           // cell width and height in pixels
constexpr int kTgaHeaderSize = 18;
constexpr int kTgaFooterSize = 26;  // two zero offsets and "TRUEVISION-XFILE.\0"

struct Resource {
    const uint8_t* bytes = nullptr;
    long size = 0;
};

// Fetched through the exported getResourceData.
Resource fontAtlas();
Resource fontAdvances();
Resource mousePointer();

// True when the resource starts with `header` and ends with the TGA 2.0 footer: no extension
// area, no developer directory, then "TRUEVISION-XFILE." and a NUL.
bool hasTgaHeaderAndFooter(Resource resource, const uint8_t (&header)[kTgaHeaderSize]);

// A 32-bit TGA stored bottom row first, addressed as displayed: y = 0 is the top row.
struct TgaView {
    Resource resource;
    int width, height;
    // Byte offset of pixel (x, y) within the file; its bytes are blue, green, red, alpha.
    long pixelOffset(int x, int y) const { return kTgaHeaderSize + ((height - 1 - y) * width + x) * 4L; }
    const uint8_t* pixel(int x, int y) const { return resource.bytes + pixelOffset(x, y); }
};

// Where a glyph's ink lies, in pen coordinates: x from -1 (the column drawn in the previous
// cell) to 15, y from the cell's top. An empty glyph has empty() true and no other meaning.
struct InkBounds {
    int left = kCell, right = -2, top = kCell, bottom = -1;
    bool empty() const { return right < left; }
};

// The atlas as 256 glyphs. A glyph's ink is its own cell's columns 0 to 14 plus column 15 of the
// previous code's cell, which stands one column left of its pen origin.
class AtlasView {
public:
    explicit AtlasView(Resource atlas) : tga_{atlas, 256, 256} {}
    // Ink (alpha 255) at pixel (x, y), 0 to 15 each, of the cell of `code`.
    bool cellInk(int code, int x, int y) const {
        return tga_.pixel(kCell * (code % 16) + x, kCell * (code / 16) + y)[3] == 255;
    }
    // Ink of glyph `code` at pen column x (-1 to 14) and row y.
    bool glyphInk(int code, int x, int y) const {
        return x >= 0 ? cellInk(code, x, y) : code > 0 && cellInk(code - 1, kCell - 1, y);
    }
    InkBounds bounds(int code) const;
    // The glyph's rows from `firstRow` to `lastRow` as bit masks of pen columns -1 to 14.
    std::array<uint32_t, kCell> rows(int code, int firstRow, int lastRow) const;

private:
    TgaView tga_;
};

// How failure messages name a glyph.
inline std::string glyphName(int code) { return "code " + std::to_string(code); }

// The codes whose cell holds the hollow box: the control codes and those code page 1252 leaves
// unassigned.
bool isBoxCode(int code);
// Tab, line feed, carriage return, space and no-break space: cells without ink.
bool isEmptyCode(int code);
// j, t, the en and em dash, I grave, circumflex and diaeresis, i grave and diaeresis.
bool reachesLeftOfOrigin(int code);
// The glyphs whose ink starts one column right of the origin.
bool hasLeftBearing(int code);

}  // namespace data_resources
