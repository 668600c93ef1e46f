// The layout of a text field's line: its area, where each character stands, the scrolling that
// keeps the caret shown, and the character under a point.
#include "platform/headless/field_layout.h"

#include <algorithm>

#include "platform/headless/combo_box_list.h"
#include "platform/headless/headless_metrics.h"
#include "platform/headless/manager.h"
#include "platform/headless/text_width.h"

namespace headless {

namespace {

int width(const FieldArea& area) { return area.right - area.left; }

// The width of the text before `index`; past the text's end (the first character shown can be, once
// text before it was replaced) each missing character counts as an average one, as USER32 counts it.
int textWidthUpTo(const Window& field, size_t index) {
    if (field.text.empty()) return 0;  // USER32 lays out no line for an empty text, and measures none
    size_t present = std::min(index, field.text.size());
    int beyond = static_cast<int>(index - present) * averageCharacterWidth(field);
    return textWidth(field, field.text.substr(0, present)) + beyond;
}

// Only an edit control aligns its text; a combo box's field is always left-aligned.
DWORD alignment(const Window& field) { return field.kind == WindowKind::Edit ? field.style & (ES_CENTER | ES_RIGHT) : 0; }

// How far an unscrolled text narrower than the field moves right by its alignment.
int alignmentShift(const Window& field, const FieldArea& area) {
    int spare = width(area) - textWidth(field, field.text);
    if (field.firstShown != 0 || spare <= 0) return 0;
    if (alignment(field) & ES_RIGHT) return spare;
    return (alignment(field) & ES_CENTER) ? spare / 2 : 0;
}

}  // namespace

FieldArea fieldArea(const Window& field) {
    int clientWidth = clientRect(field).right;
    if (field.kind == WindowKind::ComboBox)
        return FieldArea{kComboEdge + 1, clientWidth - kComboEdge - kScrollBarWidth - 2};
    int border = (field.rect.right - field.rect.left - clientWidth) / 2;
    int left = kEditTextInset - border;
    return FieldArea{left, std::max(left + 1, clientWidth - left)};
}

int positionOf(const Window& field, size_t index) {
    index = std::min(index, field.text.size());
    FieldArea area = fieldArea(field);
    int shown = textWidthUpTo(field, index) - textWidthUpTo(field, field.firstShown);
    return area.left + shown + (index >= field.firstShown ? alignmentShift(field, area) : 0);
}

void scrollToCaret(Window& field) {
    FieldArea area = fieldArea(field);
    size_t caret = field.selectionEnd;
    int x = positionOf(field, caret);
    if (x < area.left && field.firstShown > 0) {
        int goal = area.left + width(area) / 3;
        do {
            --field.firstShown;
        } while (positionOf(field, caret) < goal && field.firstShown > 0);
    } else if (x > area.right) {
        int goal = area.right - width(area) / 3;
        do {
            ++field.firstShown;
        } while (positionOf(field, caret) > goal && positionOf(field, field.text.size()) > area.right &&
                 field.firstShown < field.text.size());
    }
}

// At the area's left edge exactly, the first character shown; left of an aligned text, its start.
size_t characterAt(const Window& field, int x) {
    FieldArea area = fieldArea(field);
    int offset = std::min(std::max(x, area.left), area.right - 1) - area.left;
    if (offset == 0) return std::min(field.firstShown, field.text.size());
    offset -= alignmentShift(field, area);
    return boundaryNearest(field, field.text, offset + textWidthUpTo(field, field.firstShown));
}

}  // namespace headless
