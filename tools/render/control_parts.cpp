// The shared pieces of the control painters.
#include "tools/render/control_parts.h"

#include <algorithm>

#include "tools/render/dialog_painter.h"
#include "tools/render/palette.h"

namespace uitools {

Label stripMnemonic(const std::string& caption) {
    Label label;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != '&') label.underline = static_cast<int>(label.text.size());
        }
        label.text += caption[i];
    }
    return label;
}

void drawLine(Image& image, const BitmapFont& font, int x, int lineTop, const Label& label, Colour colour) {
    drawParagraph(image, font, x, lineTop - kTextCellOffset, label.text, kTextLineHeight, colour);
    if (label.underline < 0) return;
    int start = x + font.measure(label.text.substr(0, static_cast<size_t>(label.underline)));
    int width = font.advance(static_cast<unsigned char>(label.text[static_cast<size_t>(label.underline)]));
    image.horizontalLine(start, start + std::max(1, width - 1), lineTop + 11, colour);
}

int alignedLeft(const PixelRect& area, int textWidth, int alignment) {
    if (alignment == 1) return area.left + (area.width() - textWidth) / 2;
    if (alignment == 2) return area.right - textWidth;
    return area.left;
}

int centredLineTop(const PixelRect& rect) { return rect.top + (rect.height() - kTextLineHeight) / 2; }

void drawDownArrow(Image& image, int centreX, int top) {
    for (int row = 0; row < 4; ++row) image.horizontalLine(centreX - 3 + row, centreX + 4 - row, top + row, palette::kText);
}

void drawUpArrow(Image& image, int centreX, int top) {
    for (int row = 0; row < 4; ++row) image.horizontalLine(centreX - row, centreX + 1 + row, top + row, palette::kText);
}

void drawFieldText(Image& image, const BitmapFont& font, const ControlView& field, const std::string& text,
                   const PixelRect& inside, int lineTop, int alignment) {
    int length = static_cast<int>(text.size());
    int start = std::clamp(field.selectionStart, 0, length);
    int end = std::clamp(field.selectionEnd, start, length);
    int shown = std::clamp(field.firstShown, 0, length);
    int left = shown > 0 ? inside.left - font.measure(text.substr(0, static_cast<size_t>(shown)))
                         : std::max(alignedLeft(inside, font.measure(text), alignment), inside.left);
    auto xAt = [&](int position) { return left + font.measure(text.substr(0, static_cast<size_t>(position))); };
    drawLine(image, font, left, lineTop, Label{text}, palette::kText);
    if (!field.focused) return;
    if (start == end) {
        // A caret after text that fills the field (right-aligned, or scrolled to its end) stays
        // inside it, as the dialog manager's does.
        image.verticalLine(std::min(xAt(end), inside.right - 1), lineTop, lineTop + kTextLineHeight, palette::kText);
        return;
    }
    PixelRect band{xAt(start), lineTop, xAt(end), lineTop + kTextLineHeight};
    image.fillRect(band, palette::kSelection);
    ClipScope clip(image, band);
    drawLine(image, font, left, lineTop, Label{text}, palette::kSelectionText);
}

// Every other pixel of the outline inverted, in a checkerboard from the top-left corner as
// DrawFocusRect draws it, so that it shows on a selected item's highlight as well as on white.
void drawFocusRect(Image& image, const PixelRect& rect) {
    auto invert = [&](int x, int y) {
        if ((x - rect.left + y - rect.top) % 2 != 0) return;
        Colour c = image.pixel(x, y);
        image.setPixel(x, y, Colour{static_cast<uint8_t>(255 - c.r), static_cast<uint8_t>(255 - c.g),
                                    static_cast<uint8_t>(255 - c.b), c.a});
    };
    if (rect.width() <= 0 || rect.height() <= 0) return;
    for (int x = rect.left; x < rect.right; ++x) {
        invert(x, rect.top);
        if (rect.height() > 1) invert(x, rect.bottom - 1);
    }
    for (int y = rect.top + 1; y < rect.bottom - 1; ++y) {
        invert(rect.left, y);
        if (rect.width() > 1) invert(rect.right - 1, y);
    }
}

}  // namespace uitools
