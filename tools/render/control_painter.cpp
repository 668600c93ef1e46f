// The classic look of each predefined control, drawn from a ControlView.
#include "tools/render/control_painter.h"

#include <algorithm>

#include "platform/win32_types.h"
#include "tools/render/control_parts.h"
#include "tools/render/dialog_painter.h"
#include "tools/render/list_painter.h"
#include "tools/render/palette.h"

namespace uitools {

namespace {

constexpr int kCheckBoxSize = 13;
constexpr int kCheckBoxTextGap = 4;

void drawTick(Image& image, int left, int top) {
    static const int tops[] = {2, 3, 4, 3, 2, 1, 0};
    for (int column = 0; column < 7; ++column) image.verticalLine(left + column, top + tops[column], top + tops[column] + 3, palette::kText);
}

// One ring of a 3D edge: top and left in one colour, bottom and right (which take the corners) in
// the other.
void drawRing(Image& image, const PixelRect& rect, Colour topLeft, Colour bottomRight) {
    image.horizontalLine(rect.left, rect.right - 1, rect.top, topLeft);
    image.verticalLine(rect.left, rect.top, rect.bottom - 1, topLeft);
    image.horizontalLine(rect.left, rect.right, rect.bottom - 1, bottomRight);
    image.verticalLine(rect.right - 1, rect.top, rect.bottom, bottomRight);
}

}  // namespace

void drawRaisedEdge(Image& image, const PixelRect& rect) {
    drawRing(image, rect, palette::kFace, palette::kDarkShadow);
    drawRing(image, shrink(rect, 1), palette::kHighlight, palette::kShadow);
}

void drawSunkenEdge(Image& image, const PixelRect& rect) {
    drawRing(image, rect, palette::kShadow, palette::kHighlight);
    drawRing(image, shrink(rect, 1), palette::kDarkShadow, palette::kFace);
}

std::vector<std::string> wrapWords(const BitmapFont& font, const std::string& text, int width) {
    std::vector<std::string> lines(1);
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of(" \n", start);
        std::string word = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        std::string& line = lines.back();
        std::string joined = line.empty() ? word : line + " " + word;
        if (!line.empty() && font.measure(joined) > width) lines.push_back(word);
        else line = joined;
        if (end == std::string::npos) break;
        if (text[end] == '\n') lines.emplace_back();
        start = end + 1;
    }
    return lines;
}

static void paintPushButton(Image& image, const BitmapFont& font, const ControlView& control, const PixelRect& rect) {
    ClipScope clip(image, rect);
    image.fillRect(rect, palette::kFace);
    PixelRect edge = rect;
    if (control.kind == ControlKind::DefaultPushButton) {
        image.outlineRect(rect, palette::kText);
        edge = shrink(rect, 1);
    }
    // Held down, the button is flat, framed in the shadow colour, and its caption moves a pixel.
    int sink = control.pushed ? 1 : 0;
    if (control.pushed) image.outlineRect(edge, palette::kShadow);
    else drawRaisedEdge(image, edge);
    Label label = stripMnemonic(control.text);
    int left = alignedLeft(rect, font.measure(label.text), 1);
    drawLine(image, font, left + sink, centredLineTop(rect) + sink, label, palette::kText);
    if (control.focused) drawFocusRect(image, shrink(rect, 4));
}

static void paintCheckBox(Image& image, const BitmapFont& font, const ControlView& control, const PixelRect& rect) {
    ClipScope clip(image, rect);
    PixelRect box{rect.left, centredLineTop(rect), rect.left + kCheckBoxSize, centredLineTop(rect) + kCheckBoxSize};
    image.fillRect(box, palette::kWindow);
    drawSunkenEdge(image, box);
    if (control.checked && control.kind == ControlKind::RadioButton) {
        image.fillRect(shrink(box, 4), palette::kText);
    } else if (control.checked) {
        drawTick(image, box.left + 3, box.top + 3);
    }
    Label label = stripMnemonic(control.text);
    int textLeft = box.right + kCheckBoxTextGap, lineTop = centredLineTop(rect);
    drawLine(image, font, textLeft, lineTop, label, palette::kText);
    if (control.focused && !label.text.empty()) {
        drawFocusRect(image, PixelRect{textLeft - 1, lineTop, textLeft + font.measure(label.text) + 1, lineTop + kTextLineHeight});
    }
}

static void paintGroupBox(Image& image, const BitmapFont& font, const ControlView& control, const PixelRect& rect) {
    ClipScope clip(image, rect);
    int frameTop = rect.top + kTextLineHeight / 2;
    image.outlineRect(PixelRect{rect.left, frameTop, rect.right - 1, rect.bottom - 1}, palette::kShadow);
    image.outlineRect(PixelRect{rect.left + 1, frameTop + 1, rect.right, rect.bottom}, palette::kHighlight);
    Label label = stripMnemonic(control.text);
    if (label.text.empty()) return;
    int left = rect.left + 8, width = font.measure(label.text);
    image.fillRect(PixelRect{left - 2, rect.top, left + width + 2, rect.top + kTextLineHeight}, palette::kFace);
    drawLine(image, font, left, rect.top, label, palette::kText);
}

static void paintEdit(Image& image, const BitmapFont& font, const ControlView& control, const PixelRect& rect) {
    image.fillRect(intersect(rect, image.clip()), palette::kWindow);
    drawSunkenEdge(image, rect);
    PixelRect inside{rect.left + kFieldTextInset, rect.top + 2, rect.right - kFieldTextInset, rect.bottom - 2};
    ClipScope clip(image, inside);
    std::string shown = (control.style & ES_PASSWORD) ? std::string(control.text.size(), '*') : control.text;
    if (control.style & ES_MULTILINE) {
        std::vector<std::string> lines = wrapWords(font, shown, inside.width());
        for (size_t i = 0; i < lines.size(); ++i) {
            drawLine(image, font, inside.left, inside.top + 1 + static_cast<int>(i) * kTextLineHeight, Label{lines[i]},
                     palette::kText);
        }
        return;
    }
    drawFieldText(image, font, control, shown, inside, centredLineTop(rect), static_cast<int>(control.style & 0x3));
}

static void paintStatic(Image& image, const BitmapFont& font, const ControlView& control, const PixelRect& rect) {
    ClipScope clip(image, rect);
    int type = static_cast<int>(control.style & 0x1F);
    Label label = stripMnemonic(control.text);
    // Like USER32, these types wrap at blanks; a label only one line high keeps its one line and
    // is cut at its right edge instead, which shows more of it.
    bool wrap = type <= SS_RIGHT && rect.height() >= 2 * kTextLineHeight;
    std::vector<std::string> lines = wrap ? wrapWords(font, label.text, rect.width()) : std::vector<std::string>{label.text};
    for (size_t i = 0; i < lines.size(); ++i) {
        Label line{lines[i], i == 0 && lines.size() == 1 ? label.underline : -1};
        int left = alignedLeft(rect, font.measure(line.text), type <= SS_RIGHT ? type : 0);
        drawLine(image, font, left, rect.top + static_cast<int>(i) * kTextLineHeight, line, palette::kText);
    }
}

static void paintUnknown(Image& image, const BitmapFont& font, const ControlView& control, const PixelRect& rect) {
    ClipScope clip(image, rect);
    image.outlineRect(rect, palette::kShadow);
    drawLine(image, font, rect.left + 2, rect.top + 1, Label{control.className}, palette::kShadow);
}

void paintControl(Image& image, const BitmapFont& font, const ControlView& control, const PixelRect& rect) {
    switch (control.kind) {
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton: paintPushButton(image, font, control, rect); break;
        case ControlKind::CheckBox:
        case ControlKind::RadioButton: paintCheckBox(image, font, control, rect); break;
        case ControlKind::GroupBox: paintGroupBox(image, font, control, rect); break;
        case ControlKind::Edit: paintEdit(image, font, control, rect); break;
        case ControlKind::Static: paintStatic(image, font, control, rect); break;
        case ControlKind::ListBox: paintListBox(image, font, control, rect); break;
        case ControlKind::ComboBox: paintComboBox(image, font, control, rect); break;
        case ControlKind::Other: paintUnknown(image, font, control, rect); break;
    }
}

}  // namespace uitools
