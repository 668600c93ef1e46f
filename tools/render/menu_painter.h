// Draws an open popup menu (a text field's context menu) in the classic look: a raised frame, its
// items set in the module's bitmap font with their mnemonics underlined, a greyed item etched, the
// highlighted one in the selection's colours, a separator as a groove.
#pragma once

#include <string>
#include <vector>

#include "tools/render/bitmap_font.h"
#include "tools/render/image.h"

namespace uitools {

struct MenuItemView {
    std::string text;  // with its '&' mnemonic mark; empty for a separator
    bool separator = false;
    bool greyed = false;
    bool highlighted = false;
    PixelRect rect;    // where the item lies, in the menu's pixels
};

struct MenuView {
    std::vector<MenuItemView> items;
    PixelRect frame;  // the items and the frame round them
};

// The menu open now, read through the driver, in screen pixels; false when none is open.
bool viewOfOpenMenu(MenuView& view);

// Paints the menu over what `target` holds, moved by (dx, dy); answers the rectangle it covered.
PixelRect paintMenuInto(Image& target, const MenuView& view, const BitmapFont& font, int dx, int dy);

}  // namespace uitools
