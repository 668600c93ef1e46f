// Paints the window frame, title bar and controls of a dialog picture.
#include "tools/render/dialog_painter.h"

#include <algorithm>

#include "platform/win32_types.h"
#include "tools/render/control_painter.h"
#include "tools/render/list_painter.h"
#include "tools/render/palette.h"

namespace uitools {

static bool hasDialogFrame(uint32_t style) {
    return (style & DS_MODALFRAME) != 0 || (style & WS_DLGFRAME) != 0;
}

WindowLayout layoutWindow(const DialogView& view, int x, int y) {
    WindowLayout layout;
    layout.frameWidth = hasDialogFrame(view.style) ? kDialogFrameWidth : ((view.style & WS_BORDER) ? 1 : 0);
    bool caption = (view.style & WS_CAPTION) == WS_CAPTION;
    int captionHeight = caption ? kCaptionHeight : 0;
    int width = std::max(0, view.clientWidth) + 2 * layout.frameWidth;
    int height = std::max(0, view.clientHeight) + 2 * layout.frameWidth + captionHeight;
    layout.window = PixelRect{0, 0, width, height};
    int inner = layout.frameWidth;
    if (caption) {
        layout.titleBar = PixelRect{inner, inner, width - inner, inner + captionHeight};
        if (view.style & WS_SYSMENU) {
            const PixelRect& bar = layout.titleBar;
            layout.closeBox = PixelRect{bar.right - 2 - 16, bar.top + 2, bar.right - 2, bar.top + 16};  // 16 x 14
        }
    }
    layout.client = PixelRect{inner, inner + captionHeight, width - inner, height - inner};
    for (PixelRect* part : {&layout.window, &layout.titleBar, &layout.closeBox, &layout.client}) {
        if (part->width() > 0) *part = moved(*part, x, y);
    }
    return layout;
}

PixelRect controlRectInPicture(const WindowLayout& layout, const ControlView& control) {
    PixelRect rect = control.rect;
    if (control.kind == ControlKind::ComboBox && (control.style & 0x3) != CBS_SIMPLE) {
        rect.bottom = rect.top + std::min(rect.height(), kComboClosedHeight);
    }
    return PixelRect{rect.left + layout.client.left, rect.top + layout.client.top, rect.right + layout.client.left,
                     rect.bottom + layout.client.top};
}

static void paintFrame(Image& image, const WindowLayout& layout) {
    if (layout.frameWidth >= 2) {
        drawRaisedEdge(image, layout.window);
    } else if (layout.frameWidth == 1) {
        image.outlineRect(layout.window, palette::kDarkShadow);
    }
}

static void paintCloseBox(Image& image, const PixelRect& box) {
    image.fillRect(box, palette::kFace);
    drawRaisedEdge(image, box);
    int left = box.left + 4, top = box.top + 3, size = 7;
    for (int i = 0; i < size; ++i) {
        for (int thick = 0; thick < 2; ++thick) {
            image.setPixel(left + i + thick, top + i, palette::kText);
            image.setPixel(left + size - 1 - i + thick, top + i, palette::kText);
        }
    }
}

// The window in front has the coloured title bar; the ones below it a grey one.
static void paintTitleBar(Image& image, const WindowLayout& layout, const DialogView& view, const BitmapFont& font) {
    Colour start = view.inactive ? palette::kInactiveTitle : palette::kTitle;
    Colour end = view.inactive ? palette::kInactiveTitleEnd : palette::kTitleEnd;
    const PixelRect& bar = layout.titleBar;
    for (int x = bar.left; x < bar.right; ++x) {
        int span = std::max(1, bar.width() - 1), t = x - bar.left;
        auto mix = [&](uint8_t a, uint8_t b) { return static_cast<uint8_t>(a + (b - a) * t / span); };
        Colour c{mix(start.r, end.r), mix(start.g, end.g), mix(start.b, end.b), 255};
        image.verticalLine(x, bar.top, bar.bottom, c);
    }
    int textRight = layout.closeBox.width() > 0 ? layout.closeBox.left - 2 : bar.right - 2;
    image.setClip(intersect(image.clip(), PixelRect{bar.left, bar.top, textRight, bar.bottom}));
    int lineTop = bar.top + (bar.height() - kTextLineHeight) / 2;
    drawParagraph(image, font, bar.left + 4, lineTop - kTextCellOffset, view.title, kTextLineHeight,
                  view.inactive ? palette::kInactiveTitleText : palette::kTitleText);
    image.clearClip();
    if (layout.closeBox.width() > 0) paintCloseBox(image, layout.closeBox);
}

Image paintDialog(const DialogView& view, const BitmapFont& font) {
    WindowLayout layout = layoutWindow(view);
    if (layout.window.width() > kLargestPicture || layout.window.height() > kLargestPicture) return Image();
    Image image(layout.window.width(), layout.window.height(), palette::kFace);
    paintDialogInto(image, view, font, 0, 0);
    return image;
}

PixelRect paintDialogInto(Image& target, const DialogView& view, const BitmapFont& font, int x, int y) {
    WindowLayout layout = layoutWindow(view, x, y);
    target.clearClip();
    target.fillRect(layout.window, palette::kFace);
    paintFrame(target, layout);
    if (layout.titleBar.width() > 0) paintTitleBar(target, layout, view, font);
    // Controls never draw outside the client area, as child windows are clipped by their parent.
    for (const ControlView& control : view.controls) {
        target.setClip(layout.client);
        paintControl(target, font, control, controlRectInPicture(layout, control));
    }
    target.clearClip();
    PixelRect painted = layout.window;
    for (const ControlView& control : view.controls) {
        if (!control.dropped) continue;
        PixelRect list = moved(control.droppedList, layout.client.left, layout.client.top);
        paintDroppedList(target, font, control, list);
        painted = unite(painted, list);
    }
    return painted;
}

}  // namespace uitools
