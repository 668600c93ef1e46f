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
    int left = std::max(alignedLeft(inside, font.measure(text), alignment), inside.left);
    auto xAt = [&](int position) { return left + font.measure(text.substr(0, static_cast<size_t>(position))); };
    if (field.focused && xAt(end) >= inside.right) left -= xAt(end) - inside.right + 1;
    drawLine(image, font, left, lineTop, Label{text}, palette::kText);
    if (!field.focused) return;
    if (start == end) {
        image.verticalLine(xAt(end), lineTop, lineTop + kTextLineHeight, palette::kText);
        return;
    }
    PixelRect band{xAt(start), lineTop, xAt(end), lineTop + kTextLineHeight};
    image.fillRect(band, palette::kSelection);
    ClipScope clip(image, band);
    drawLine(image, font, left, lineTop, Label{text}, palette::kSelectionText);
}

// Every other pixel of the outline, counted from the top-left corner as DrawFocusRect counts.
void drawFocusRect(Image& image, const PixelRect& rect) {
    if (rect.width() <= 0 || rect.height() <= 0) return;
    for (int x = rect.left; x < rect.right; ++x) {
        if ((x - rect.left) % 2 == 0) image.setPixel(x, rect.top, palette::kText);
        if ((x - rect.left + rect.height() - 1) % 2 == 0) image.setPixel(x, rect.bottom - 1, palette::kText);
    }
    for (int y = rect.top; y < rect.bottom; ++y) {
        if ((y - rect.top) % 2 == 0) image.setPixel(rect.left, y, palette::kText);
        if ((y - rect.top + rect.width() - 1) % 2 == 0) image.setPixel(rect.right - 1, y, palette::kText);
    }
}

}  // namespace uitools
