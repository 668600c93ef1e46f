// The open menu, read and painted.
#include "tools/render/menu_painter.h"

#include "harness/dialog_driver.h"
#include "tools/render/control_painter.h"
#include "tools/render/control_parts.h"
#include "tools/render/palette.h"

namespace uitools {

namespace {

constexpr int kMenuFrame = 3;       // the raised edge and the margin inside it
constexpr int kMenuTextIndent = 15;  // an item's text starts this far into it

void paintSeparator(Image& image, const PixelRect& item) {
    int middle = item.top + item.height() / 2 - 1;
    image.horizontalLine(item.left + 1, item.right - 1, middle, palette::kShadow);
    image.horizontalLine(item.left + 1, item.right - 1, middle + 1, palette::kHighlight);
}

// A greyed item is etched: its text in the shadow colour over a highlight one pixel down and right,
// except on the highlight band, where it is only grey.
void paintItem(Image& image, const BitmapFont& font, const MenuItemView& item, const PixelRect& rect) {
    if (item.separator) return paintSeparator(image, rect);
    if (item.highlighted) image.fillRect(rect, palette::kSelection);
    Label label = stripMnemonic(item.text);
    int left = rect.left + kMenuTextIndent, top = centredLineTop(rect);
    if (item.greyed && !item.highlighted) drawLine(image, font, left + 1, top + 1, label, palette::kHighlight);
    Colour colour = item.greyed ? palette::kShadow : item.highlighted ? palette::kSelectionText : palette::kText;
    drawLine(image, font, left, top, label, colour);
}

}  // namespace

bool viewOfOpenMenu(MenuView& view) {
    view = MenuView();
    for (const DialogDriver::MenuItem& item : DialogDriver::openMenu()) {
        PixelRect rect{item.rect.left, item.rect.top, item.rect.right, item.rect.bottom};
        view.items.push_back(MenuItemView{item.text, item.separator, item.greyed, item.highlighted, rect});
        view.frame = view.items.size() == 1 ? rect : unite(view.frame, rect);
    }
    if (view.items.empty()) return false;
    view.frame = PixelRect{view.frame.left - kMenuFrame, view.frame.top - kMenuFrame,
                           view.frame.right + kMenuFrame, view.frame.bottom + kMenuFrame};
    return true;
}

PixelRect paintMenuInto(Image& target, const MenuView& view, const BitmapFont& font, int dx, int dy) {
    PixelRect frame = moved(view.frame, dx, dy);
    target.clearClip();
    target.fillRect(frame, palette::kFace);
    drawRaisedEdge(target, frame);
    for (const MenuItemView& item : view.items) {
        PixelRect rect = moved(item.rect, dx, dy);
        ClipScope clip(target, rect);
        paintItem(target, font, item, rect);
    }
    return frame;
}

}  // namespace uitools
