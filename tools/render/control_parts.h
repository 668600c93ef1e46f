// The pieces the control painters share: clipping scopes, captions with their mnemonic, text lines
// in the dialog font, arrows and focus rectangles.
#pragma once

#include <string>

#include "tools/render/bitmap_font.h"
#include "tools/render/dialog_view.h"
#include "tools/render/image.h"

namespace uitools {

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

inline PixelRect shrink(const PixelRect& rect, int by) {
    return PixelRect{rect.left + by, rect.top + by, rect.right - by, rect.bottom - by};
}

// A caption without its mnemonic marks ("&&" is a literal "&"), and which character to underline.
struct Label {
    std::string text;
    int underline = -1;
};

Label stripMnemonic(const std::string& caption);

// Draws one line of dialog text whose 13-pixel line box starts at (x, lineTop).
void drawLine(Image& image, const BitmapFont& font, int x, int lineTop, const Label& label, Colour colour);

// Left edge of a text in `area`: 0 left, 1 centred, 2 right (the SS_ and ES_ alignments).
int alignedLeft(const PixelRect& area, int textWidth, int alignment);
int centredLineTop(const PixelRect& rect);

void drawDownArrow(Image& image, int centreX, int top);
void drawUpArrow(Image& image, int centreX, int top);

// One line of a field's text in `inside` with its line box at `lineTop`: from its first character
// shown (an unscrolled text placed by its alignment) and, while `field` holds the focus, its
// selection in the highlight colours or else its caret.
void drawFieldText(Image& image, const BitmapFont& font, const ControlView& field, const std::string& text,
                   const PixelRect& inside, int lineTop, int alignment);

// The dotted rectangle that marks the control holding the keyboard focus.
void drawFocusRect(Image& image, const PixelRect& rect);

}  // namespace uitools
