// Draws list boxes, combo boxes and a combo box's dropped-down list.
#pragma once

#include "tools/render/bitmap_font.h"
#include "tools/render/dialog_view.h"
#include "tools/render/image.h"

namespace uitools {

void paintListBox(Image& image, const BitmapFont& font, const ControlView& control, const PixelRect& rect);
void paintComboBox(Image& image, const BitmapFont& font, const ControlView& control, const PixelRect& rect);
// The open list of a combo box, in `list` (picture coordinates), over whatever lies there.
void paintDroppedList(Image& image, const BitmapFont& font, const ControlView& combo, const PixelRect& list);

}  // namespace uitools
