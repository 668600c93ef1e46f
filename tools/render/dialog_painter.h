// Draws a dialog in the classic desktop look: frame, title bar, and each control, with every
// text set in the module's bitmap font.
#pragma once

#include "tools/render/bitmap_font.h"
#include "tools/render/dialog_view.h"
#include "tools/render/image.h"

namespace uitools {

// Where the window's parts fall in the picture, which is the whole window.
struct WindowLayout {
    PixelRect window;    // the whole picture
    PixelRect titleBar;  // empty without WS_CAPTION
    PixelRect closeBox;  // empty without a title bar or without WS_SYSMENU
    PixelRect client;    // where the template's (0, 0) lands
    int frameWidth = 0;
};

// Frame metrics at 96 dpi: Wine's defaults, which the headless dialog manager uses as well.
constexpr int kDialogFrameWidth = 3;  // DS_MODALFRAME or WS_DLGFRAME
constexpr int kCaptionHeight = 19;
constexpr int kComboClosedHeight = 21;  // a drop-down combo box shows this much when closed: 13 + 8
constexpr int kTextLineHeight = 13;     // dialog text lines, as the 8-point faces space them
constexpr int kTextCellOffset = 2;      // glyph cells start this far above a dialog text line
constexpr int kFieldTextInset = 3;      // a text field's line starts this far in from its outer edge

// Pictures larger than this on either side are refused (a malformed template's size).
constexpr int kLargestPicture = 8192;

// The parts of the window whose top-left corner is at (x, y) of the picture.
WindowLayout layoutWindow(const DialogView& view, int x = 0, int y = 0);

// The rectangle a control covers in the picture (a closed combo box keeps only its field).
PixelRect controlRectInPicture(const WindowLayout& layout, const ControlView& control);

// The picture of the dialog; empty when it would exceed kLargestPicture.
Image paintDialog(const DialogView& view, const BitmapFont& font);

// Paints the dialog over what `target` holds, its window's top-left corner at (x, y); an open
// drop-down list may reach past the window, as it does on a screen. Answers the rectangle it
// covered, the list included.
PixelRect paintDialogInto(Image& target, const DialogView& view, const BitmapFont& font, int x, int y);

}  // namespace uitools
