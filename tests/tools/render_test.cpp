// Pictures of dialogs: each control, the caption and the title bar land where the template's
// rectangles put them, live state shows, and text is set by the advance table.
#include <gtest/gtest.h>

#include "block_font.h"
#include <UIResource/UIResource.h>
#include "platform/win32_types.h"
#include "resources/dialog_template.h"
#include "tools/render/dialog_painter.h"
#include "tools/render/palette.h"

namespace {

using uitools::ControlKind;
using uitools::DialogView;
using uitools::Image;
using uitools::PixelRect;

const int kModuleDialogs[] = {101, 102, 105, 109, 119, 121, 122};

DialogView moduleDialog(int id) {
    char* data = nullptr;
    long size = getResourceData(getResourceStringFromInt(static_cast<unsigned short>(id)), getResourceStringFromInt(5), &data);
    uires::DialogTemplate dialog;
    std::string error;
    EXPECT_TRUE(uires::decodeDialogTemplate(reinterpret_cast<const uint8_t*>(data), static_cast<size_t>(size), dialog, error))
        << "dialog " << id << ": " << error;
    return uitools::viewFromTemplate(dialog);
}

// The smallest rectangle holding every pixel where the pictures differ; empty when none does.
PixelRect differences(const Image& a, const Image& b) {
    PixelRect box{a.width(), a.height(), 0, 0};
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) == b.pixel(x, y)) continue;
            box = PixelRect{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                            std::max(box.bottom, y + 1)};
        }
    }
    return box.right == 0 ? PixelRect{} : box;
}

bool inside(const PixelRect& inner, const PixelRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::string describe(const PixelRect& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ")-(" + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + ")";
}

bool framed(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::DefaultPushButton || kind == ControlKind::Edit ||
           kind == ControlKind::ListBox || kind == ControlKind::ComboBox;
}

}  // namespace

TEST(DialogPicture, EveryControlIsDrawnExactlyWhereItsRectangleSays) {
    uitools::BitmapFont font = blockfont::font();
    for (int id : kModuleDialogs) {
        DialogView view = moduleDialog(id);
        uitools::WindowLayout layout = uitools::layoutWindow(view);
        Image whole = uitools::paintDialog(view, font);
        for (size_t i = 0; i < view.controls.size(); ++i) {
            DialogView without = view;
            without.controls.erase(without.controls.begin() + static_cast<long>(i));
            PixelRect drawn = differences(whole, uitools::paintDialog(without, font));
            PixelRect expected = uitools::intersect(uitools::controlRectInPicture(layout, view.controls[i]), layout.client);
            SCOPED_TRACE("dialog " + std::to_string(id) + ", control " + std::to_string(i + 1) + " (id " +
                         std::to_string(view.controls[i].id) + "): drawn " + describe(drawn) + ", rectangle " +
                         describe(expected));
            ASSERT_GT(drawn.width(), 0);
            EXPECT_TRUE(inside(drawn, expected));
            if (view.controls[i].kind == ControlKind::GroupBox) {
                // The frame starts half a text line down, level with the caption's middle.
                EXPECT_EQ(drawn.left, expected.left);
                EXPECT_EQ(drawn.right, expected.right);
                EXPECT_EQ(drawn.bottom, expected.bottom);
                EXPECT_LE(drawn.top, expected.top + uitools::kTextLineHeight / 2);
            } else if (framed(view.controls[i].kind)) {
                EXPECT_EQ(describe(drawn), describe(expected));
            } else {
                EXPECT_EQ(drawn.left, expected.left);
            }
        }
    }
}

TEST(DialogPicture, TitleBarCarriesTheCaptionAndACloseBoxOnlyWithSystemMenu) {
    uitools::BitmapFont font = blockfont::font();
    for (int id : {101, 102}) {
        DialogView view = moduleDialog(id);
        uitools::WindowLayout layout = uitools::layoutWindow(view);
        Image picture = uitools::paintDialog(view, font);
        SCOPED_TRACE("dialog " + std::to_string(id));
        ASSERT_GT(layout.titleBar.height(), 0);
        for (int y = layout.titleBar.top; y < layout.titleBar.bottom; ++y) {
            EXPECT_EQ(picture.pixel(layout.titleBar.left, y), uitools::palette::kTitle);
        }
        DialogView untitled = view;
        untitled.title.clear();
        PixelRect caption = differences(picture, uitools::paintDialog(untitled, font));
        EXPECT_TRUE(inside(caption, layout.titleBar)) << describe(caption);
        EXPECT_EQ(caption.left, layout.titleBar.left + 4);
        EXPECT_EQ(caption.width(), font.measure(view.title) - 1);  // the last block leaves one empty column
        bool closeBox = (view.style & WS_SYSMENU) != 0;
        EXPECT_EQ(layout.closeBox.width() > 0, closeBox);
        if (closeBox) {
            EXPECT_EQ(picture.pixel(layout.closeBox.left + 1, layout.closeBox.top + 1), uitools::palette::kHighlight);
        }
    }
}

TEST(DialogPicture, LongCaptionStopsBeforeTheCloseBox) {
    uitools::BitmapFont font = blockfont::font();
    DialogView view = moduleDialog(105);
    view.title = std::string(200, 'W');
    uitools::WindowLayout layout = uitools::layoutWindow(view);
    DialogView untitled = view;
    untitled.title.clear();
    PixelRect caption = differences(uitools::paintDialog(view, font), uitools::paintDialog(untitled, font));
    EXPECT_LE(caption.right, layout.closeBox.left);
}

TEST(DialogPicture, LiveStateIsDrawnTypedTextChecksListsAndSelection) {
    uitools::BitmapFont font = blockfont::font();
    DialogView view = moduleDialog(102);
    uitools::ControlView& list = view.controls[3];
    ASSERT_EQ(list.kind, ControlKind::ListBox);
    list.items = {"alpha", "bravo", "charlie"};
    list.selection = 1;
    Image picture = uitools::paintDialog(view, font);
    PixelRect rect = uitools::controlRectInPicture(uitools::layoutWindow(view), list);
    int secondRow = rect.top + 2 + uitools::kTextLineHeight;
    EXPECT_EQ(picture.pixel(rect.right - 4, secondRow + 1), uitools::palette::kSelection);
    EXPECT_EQ(picture.pixel(rect.right - 4, rect.top + 3), uitools::palette::kWindow);
    EXPECT_EQ(picture.pixel(rect.left + 4, rect.top + 2 + 6), uitools::palette::kText);  // "alpha" ink

    DialogView mesh = moduleDialog(109);
    for (uitools::ControlView& control : mesh.controls) {
        if (control.id == 1010) control.checked = true;
    }
    PixelRect changed = differences(uitools::paintDialog(moduleDialog(109), font), uitools::paintDialog(mesh, font));
    uitools::WindowLayout layout = uitools::layoutWindow(mesh);
    for (const uitools::ControlView& control : mesh.controls) {
        if (control.id == 1010) {
            EXPECT_TRUE(inside(changed, uitools::controlRectInPicture(layout, control)));
        }
    }
    EXPECT_GT(changed.width(), 0);
}

TEST(DialogPicture, OversizedTemplatesAreRefusedNotAllocated) {
    DialogView view;
    view.style = WS_POPUP | WS_CAPTION;
    view.clientWidth = 50000;
    view.clientHeight = 10;
    EXPECT_EQ(uitools::paintDialog(view, blockfont::font()).width(), 0);
}
