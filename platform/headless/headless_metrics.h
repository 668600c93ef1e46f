// What a real display would decide and the headless dialog manager fixes instead:
// - the desktop is kDesktopWidth x kDesktopHeight pixels at (0, 0);
// - dialog units become pixels with uires::baseUnitsForPointSize of the template's point size
//   (6 x 13 for the 8-point faces), rounded as MapDialogRect rounds;
// - a dialog's frame is kDialogFrame pixels on each side (DS_MODALFRAME or a caption) with a caption
//   bar of kCaptionHeight pixels above its client area (Wine's default metrics);
// - a bordered control (WS_BORDER) has a one-pixel border; a list-box item is as high as the
//   dialog's base-unit height; a drop-down combo box is kComboFieldExtra pixels taller than that;
// - an edit control's text starts kEditTextInset pixels right of its left edge and ends as far
//   left of its right edge, frame included (where the renderer draws it, inside the sunken edge).
// - the system font, which a combo box measures its field with until the dialog's font arrives, is
//   kSystemFontHeight pixels high, and a combo box's arrow button kScrollBarWidth pixels wide
//   (SM_CXVSCROLL);
// - a popup menu has a kMenuFrame-pixel frame round entries kMenuItemHeight pixels high (separators
//   kMenuSeparatorHeight), their text kMenuTextIndent pixels in from either side of the frame, as
//   the classic look's menus with an 8-point face measure.
#pragma once

namespace headless {

constexpr int kDesktopWidth = 1024;
constexpr int kDesktopHeight = 768;
constexpr int kDialogFrame = 3;
constexpr int kCaptionHeight = 19;
constexpr int kComboFieldExtra = 8;
constexpr int kEditTextInset = 3;
constexpr int kSystemFontHeight = 16;
constexpr int kScrollBarWidth = 16;
constexpr int kMenuFrame = 3;
constexpr int kMenuItemHeight = 17;
constexpr int kMenuSeparatorHeight = 9;
constexpr int kMenuTextIndent = 18;

}  // namespace headless
