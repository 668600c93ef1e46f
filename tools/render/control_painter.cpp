// The classic look of each predefined control, drawn from a ControlView.
#include "tools/render/control_painter.h"

#include <algorithm>

#include "platform/win32_types.h"
#include "tools/render/dialog_painter.h"
#include "tools/render/palette.h"

namespace uitools {

namespace {

constexpr int kCheckBoxSize = 13;
constexpr int kCheckBoxTextGap = 4;
constexpr int kScrollBarWidth = 16;
constexpr Colour kScrollTrack{234, 232, 228, 255};

// Narrows the clip for the lifetime of the scope and gives the previous one back.
class ClipScope {
public:
    ClipScope(Image& image, const PixelRect& rect) : image_(image), saved_(image.clip()) {
        image_.setClip(intersect(saved_, rect));
    }
    ~ClipScope() { image_.setClip(saved_); }
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

private:
    Image& image_;
    PixelRect saved_;
};

PixelRect shrink(const PixelRect& rect, int by) {
    return PixelRect{rect.left + by, rect.top + by, rect.right - by, rect.bottom - by};
}

// A caption without its mnemonic marks ("&&" is a literal "&"), and which character to underline.
struct Label {
    std::string text;
    int underline = -1;
};

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

// Draws one line of dialog text whose 13-pixel line box starts at (x, lineTop).
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
    drawRaisedEdge(image, edge);
    Label label = stripMnemonic(control.text);
    int left = alignedLeft(rect, font.measure(label.text), 1);
    drawLine(image, font, left, centredLineTop(rect), label, palette::kText);
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
    drawLine(image, font, box.right + kCheckBoxTextGap, centredLineTop(rect), stripMnemonic(control.text),
             palette::kText);
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
    PixelRect inside{rect.left + 4, rect.top + 2, rect.right - 4, rect.bottom - 2};
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
    int left = alignedLeft(inside, font.measure(shown), static_cast<int>(control.style & 0x3));
    drawLine(image, font, std::max(left, inside.left), centredLineTop(rect), Label{shown}, palette::kText);
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

static void paintScrollBar(Image& image, const PixelRect& bar, int first, int visible, int total) {
    image.fillRect(bar, kScrollTrack);
    PixelRect up{bar.left, bar.top, bar.right, bar.top + kScrollBarWidth};
    PixelRect down{bar.left, bar.bottom - kScrollBarWidth, bar.right, bar.bottom};
    for (const PixelRect& button : {up, down}) {
        image.fillRect(button, palette::kFace);
        drawRaisedEdge(image, button);
    }
    drawUpArrow(image, up.left + 7, up.top + 6);
    drawDownArrow(image, down.left + 7, down.top + 6);
    int track = down.top - up.bottom;
    if (total <= 0 || track < 8) return;
    int thumbTop = up.bottom + track * first / total;
    int thumbHeight = std::max(8, track * visible / total);
    PixelRect thumb{bar.left, thumbTop, bar.right, std::min(down.top, thumbTop + thumbHeight)};
    image.fillRect(thumb, palette::kFace);
    drawRaisedEdge(image, thumb);
}

// The items the list shows when it scrolls just far enough to show the selection.
static int firstVisibleItem(const ControlView& control, int visible) {
    if (control.topItem >= 0) return control.topItem;
    if (control.selection < visible) return 0;
    return control.selection - visible + 1;
}

static void paintListBox(Image& image, const BitmapFont& font, const ControlView& control, const PixelRect& rect) {
    image.fillRect(intersect(rect, image.clip()), palette::kWindow);
    drawSunkenEdge(image, rect);
    PixelRect inside = shrink(rect, 2);
    ClipScope clip(image, inside);
    int total = static_cast<int>(control.items.size());
    int visible = std::max(1, inside.height() / kTextLineHeight);
    if ((control.style & WS_VSCROLL) && total > visible) {
        PixelRect bar{inside.right - kScrollBarWidth, inside.top, inside.right, inside.bottom};
        inside.right = bar.left;
        paintScrollBar(image, bar, firstVisibleItem(control, visible), visible, total);
    }
    int first = firstVisibleItem(control, visible);
    for (int i = first; i < total && (i - first) * kTextLineHeight < inside.height(); ++i) {
        PixelRect row{inside.left, inside.top + (i - first) * kTextLineHeight, inside.right,
                      inside.top + (i - first + 1) * kTextLineHeight};
        bool selected = i == control.selection;
        if (selected) image.fillRect(intersect(row, image.clip()), palette::kSelection);
        drawLine(image, font, row.left + 2, row.top, Label{control.items[static_cast<size_t>(i)]},
                 selected ? palette::kSelectionText : palette::kText);
    }
}

static void paintComboBox(Image& image, const BitmapFont& font, const ControlView& control, const PixelRect& rect) {
    image.fillRect(intersect(rect, image.clip()), palette::kWindow);
    drawSunkenEdge(image, rect);
    PixelRect button{rect.right - 2 - kScrollBarWidth, rect.top + 2, rect.right - 2, rect.bottom - 2};
    image.fillRect(intersect(button, image.clip()), palette::kFace);
    drawRaisedEdge(image, button);
    drawDownArrow(image, button.left + 7, button.top + button.height() / 2 - 2);
    std::string shown = control.text;
    if (shown.empty() && control.selection >= 0 && control.selection < static_cast<int>(control.items.size())) {
        shown = control.items[static_cast<size_t>(control.selection)];
    }
    ClipScope clip(image, PixelRect{rect.left + 2, rect.top + 2, button.left, rect.bottom - 2});
    drawLine(image, font, rect.left + 4, centredLineTop(rect), Label{shown}, palette::kText);
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
