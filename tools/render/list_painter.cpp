// The classic look of list boxes and combo boxes: sunken white wells of item rows, the selected
// one in the highlight colours, a scroll bar when the items overflow.
#include "tools/render/list_painter.h"

#include <algorithm>

#include "platform/win32_types.h"
#include "tools/render/control_painter.h"
#include "tools/render/control_parts.h"
#include "tools/render/dialog_painter.h"
#include "tools/render/palette.h"

namespace uitools {

namespace {

constexpr int kScrollBarWidth = 16;
constexpr Colour kScrollTrack{234, 232, 228, 255};

void paintScrollBar(Image& image, const PixelRect& bar, int first, int visible, int total) {
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

// The first item shown: the list's own top item, or just far enough down to show the selection.
int firstVisibleItem(const ControlView& control, int visible) {
    if (control.topItem >= 0) return control.topItem;
    if (control.selection < visible) return 0;
    return control.selection - visible + 1;
}

PixelRect rowRect(const PixelRect& area, int row) {
    return PixelRect{area.left, area.top + row * kTextLineHeight, area.right, area.top + (row + 1) * kTextLineHeight};
}

// The rows that fit in `inside`, with a scroll bar at its right when they overflow and the control
// has WS_VSCROLL; returns where the rows went and which item is at the top.
struct Rows {
    PixelRect area;
    int first = 0;
};

Rows paintRows(Image& image, const BitmapFont& font, const ControlView& control, PixelRect inside) {
    ClipScope clip(image, inside);
    int total = static_cast<int>(control.items.size());
    int visible = std::max(1, inside.height() / kTextLineHeight);
    Rows rows{inside, firstVisibleItem(control, visible)};
    if ((control.style & WS_VSCROLL) && total > visible) {
        PixelRect bar{inside.right - kScrollBarWidth, inside.top, inside.right, inside.bottom};
        rows.area.right = bar.left;
        paintScrollBar(image, bar, rows.first, visible, total);
    }
    for (int i = rows.first; i < total && (i - rows.first) * kTextLineHeight < inside.height(); ++i) {
        PixelRect row = rowRect(rows.area, i - rows.first);
        bool selected = i == control.selection;
        if (selected) image.fillRect(row, palette::kSelection);
        drawLine(image, font, row.left + 2, row.top, Label{control.items[static_cast<size_t>(i)]},
                 selected ? palette::kSelectionText : palette::kText);
    }
    return rows;
}

// The focus rectangle surrounds the caret item, or the first row when there is none.
void paintListFocus(Image& image, const ControlView& control, const Rows& rows) {
    int item = std::max(control.caretItem, 0);
    ClipScope clip(image, rows.area);
    if (item >= rows.first) drawFocusRect(image, rowRect(rows.area, item - rows.first));
}

}  // namespace

void paintListBox(Image& image, const BitmapFont& font, const ControlView& control, const PixelRect& rect) {
    image.fillRect(rect, palette::kWindow);
    drawSunkenEdge(image, rect);
    Rows rows = paintRows(image, font, control, shrink(rect, 2));
    if (control.focused) paintListFocus(image, control, rows);
}

// A drop-down list shows the selection in its field, in the highlight colours while it has the
// focus; a drop-down combo box's field is an edit field with its caret.
void paintComboBox(Image& image, const BitmapFont& font, const ControlView& control, const PixelRect& rect) {
    image.fillRect(rect, palette::kWindow);
    drawSunkenEdge(image, rect);
    PixelRect button{rect.right - 2 - kScrollBarWidth, rect.top + 2, rect.right - 2, rect.bottom - 2};
    image.fillRect(button, palette::kFace);
    if (control.dropped) image.outlineRect(button, palette::kShadow);
    else drawRaisedEdge(image, button);
    drawDownArrow(image, button.left + 7 + (control.dropped ? 1 : 0), button.top + button.height() / 2 - 2);
    std::string shown = control.text;
    if (shown.empty() && control.selection >= 0 && control.selection < static_cast<int>(control.items.size())) {
        shown = control.items[static_cast<size_t>(control.selection)];
    }
    PixelRect field{rect.left + 2, rect.top + 2, button.left, rect.bottom - 2};
    ClipScope clip(image, field);
    bool listOnly = (control.style & 0x3) == CBS_DROPDOWNLIST;
    if (!listOnly) {
        drawFieldText(image, font, control, shown, PixelRect{rect.left + kFieldTextInset, field.top, field.right, field.bottom},
                      centredLineTop(rect), 0);
        return;
    }
    PixelRect band = shrink(field, 1);
    if (control.focused) image.fillRect(band, palette::kSelection);
    drawLine(image, font, rect.left + 4, centredLineTop(rect), Label{shown},
             control.focused ? palette::kSelectionText : palette::kText);
    if (control.focused) drawFocusRect(image, band);
}

void paintDroppedList(Image& image, const BitmapFont& font, const ControlView& combo, const PixelRect& list) {
    ClipScope clip(image, list);
    image.fillRect(list, palette::kWindow);
    image.outlineRect(list, palette::kText);
    paintRows(image, font, combo, shrink(list, 1));
}

}  // namespace uitools
