// Draws the predefined controls (buttons, check boxes, group boxes, edit fields, static texts,
// list and combo boxes) in the classic look, and the edges they are built from.
#pragma once

#include "tools/render/bitmap_font.h"
#include "tools/render/dialog_view.h"
#include "tools/render/image.h"

namespace uitools {

void drawRaisedEdge(Image& image, const PixelRect& rect);
void drawSunkenEdge(Image& image, const PixelRect& rect);

// Breaks a text into lines no wider than `width` at blanks (a word wider than the line stays
// whole); line feeds break too.
std::vector<std::string> wrapWords(const BitmapFont& font, const std::string& text, int width);

// Draws `control` into `rect` (picture coordinates), never outside the clip in force when called.
void paintControl(Image& image, const BitmapFont& font, const ControlView& control, const PixelRect& rect);

}  // namespace uitools
