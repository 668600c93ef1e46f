// Pictures of dialogs: each control, the caption and the title bar land where the template's
// rectangles put them and text is set by the advance table. Each control's own look, in each state,
// is in control_pictures_test.cpp.
#include <gtest/gtest.h>

#include "block_font.h"
#include <UIResource/UIResource.h>
#include "harness/dialog_driver.h"
#include "harness/scripted_user/scripted_user.h"
#include "platform/win32_types.h"
#include "resources/dialog_template.h"
#include "resources/module_resources.h"
#include "tools/render/dialog_painter.h"
#include "tools/render/palette.h"

namespace {

using uitools::ControlKind;
using uitools::DialogView;
using uitools::PixelRect;

DialogView moduleDialog(unsigned short id) {
    char* data = nullptr;
    long size = getResourceData(getResourceStringFromInt(id), getResourceStringFromInt(uires::kDialogType), &data);
    const auto* bytes = reinterpret_cast<const uint8_t*>(data);
    uires::DialogTemplate dialog;
    std::string error;
    EXPECT_TRUE(uires::decodeDialogTemplate(bytes, static_cast<size_t>(size), dialog, error)) << id << ": " << error;
    return uitools::viewFromTemplate(dialog);
}

const uitools::BitmapFont& font() {
    static const uitools::BitmapFont blocks = blockfont::font();
    return blocks;
}

// The smallest rectangle holding every pixel where the two views' pictures differ; empty if none.
PixelRect differences(const DialogView& a, const DialogView& b) {
    uitools::Image one = uitools::paintDialog(a, font()), other = uitools::paintDialog(b, font());
    PixelRect box{one.width(), one.height(), 0, 0};
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            if (one.pixel(x, y) == other.pixel(x, y)) continue;
            box = PixelRect{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                            std::max(box.bottom, y + 1)};
        }
    }
    return box.right == 0 ? PixelRect{} : box;
}

std::string describe(const PixelRect& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ")-(" + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + ")";
}

bool inside(const PixelRect& inner, const PixelRect& outer) {
    return describe(uitools::intersect(inner, outer)) == describe(inner);
}

// The caption's ink: the picture against the same dialog without a title.
PixelRect captionInk(const DialogView& view) {
    DialogView untitled = view;
    untitled.title.clear();
    return differences(view, untitled);
}

}  // namespace

// Where the running dialog has its window and controls, from its window's top-left corner: each
// "LEFT TOP RIGHT BOTTOM", a closed combo box's bottom left out (its list is not dropped).
std::vector<std::string> liveRectangles;

std::string corners(const RECT& r, const RECT& window, bool withBottom) {
    std::string text = std::to_string(r.left - window.left) + " " + std::to_string(r.top - window.top) + " " +
                       std::to_string(r.right - window.left);
    return withBottom ? text + " " + std::to_string(r.bottom - window.top) : text;
}

INT_PTR CALLBACK recordRectangles(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG) return FALSE;
    RECT window = DialogDriver::windowRect(dialog);
    liveRectangles = {corners(window, window, true)};
    for (HWND control : DialogDriver::controls(dialog))
        liveRectangles.push_back(corners(DialogDriver::windowRect(control), window, DialogDriver::className(control) != "COMBOBOX"));
    DialogHost::endDialog(dialog, 1);
    return TRUE;
}

// Framed controls fill their rectangle exactly; a group box's frame starts level with the middle of
// its caption, half a text line down; other controls start at their rectangle's left edge.
TEST(DialogPicture, EveryControlIsDrawnExactlyWhereItsRectangleSays) {
    for (uint16_t id : uires::moduleResourceIds(uires::ResourceKind::Dialog)) {
        DialogView view = moduleDialog(id);
        uitools::WindowLayout layout = uitools::layoutWindow(view);
        for (size_t i = 0; i < view.controls.size(); ++i) {
            DialogView without = view;
            without.controls.erase(without.controls.begin() + static_cast<long>(i));
            PixelRect drawn = differences(view, without);
            PixelRect expected =
                uitools::intersect(uitools::controlRectInPicture(layout, view.controls[i]), layout.client);
            SCOPED_TRACE("dialog " + std::to_string(id) + ", control " + std::to_string(i + 1) + ": drawn " +
                         describe(drawn) + ", rectangle " + describe(expected));
            ASSERT_GT(drawn.width(), 0);
            EXPECT_TRUE(inside(drawn, expected));
            ControlKind kind = view.controls[i].kind;
            bool framed = kind == ControlKind::PushButton || kind == ControlKind::DefaultPushButton ||
                          kind == ControlKind::Edit || kind == ControlKind::ListBox || kind == ControlKind::ComboBox;
            if (kind == ControlKind::GroupBox) {
                EXPECT_EQ(describe({drawn.left, expected.top, drawn.right, drawn.bottom}), describe(expected));
                EXPECT_LE(drawn.top, expected.top + uitools::kTextLineHeight / 2);
            } else if (framed) {
                EXPECT_EQ(describe(drawn), describe(expected));
            } else {
                EXPECT_EQ(drawn.left, expected.left);
            }
        }
    }
}

// A template is drawn as the dialog manager opens it: the picture as large as the window, and each
// control where the running dialog has it.
TEST(DialogPicture, TemplatesAreLaidOutAsTheDialogManagerOpensThem) {
    for (uint16_t id : uires::moduleResourceIds(uires::ResourceKind::Dialog)) {
        DialogView view = moduleDialog(id);
        uitools::WindowLayout layout = uitools::layoutWindow(view);
        RECT origin{layout.window.left, layout.window.top, 0, 0};
        auto asRect = [](const PixelRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; };
        std::vector<std::string> drawn = {corners(asRect(layout.window), origin, true)};
        for (const uitools::ControlView& control : view.controls)
            drawn.push_back(corners(asRect(uitools::controlRectInPicture(layout, control)), origin,
                                    control.kind != ControlKind::ComboBox));
        liveRectangles.clear();
        scripted::User user;  // a dialog is only opened where someone can answer it
        DialogHost::dialogBoxParam(getUIResourceAppInstance(), id, nullptr, recordRectangles, 0);
        EXPECT_EQ(drawn, liveRectangles) << "dialog " << id;
    }
}

// The caption starts 4 pixels into the title bar and stops before the close box, which only
// WS_SYSMENU gives.
TEST(DialogPicture, TitleBarCarriesTheCaptionAndACloseBoxOnlyWithSystemMenu) {
    for (unsigned short id : {101, 102}) {
        DialogView view = moduleDialog(id);
        uitools::WindowLayout layout = uitools::layoutWindow(view);
        uitools::Image picture = uitools::paintDialog(view, font());
        SCOPED_TRACE("dialog " + std::to_string(id));
        EXPECT_EQ(picture.pixel(layout.titleBar.left, layout.titleBar.bottom - 1), uitools::palette::kTitle);
        PixelRect caption = captionInk(view);
        EXPECT_TRUE(inside(caption, layout.titleBar)) << describe(caption);
        EXPECT_EQ(caption.left, layout.titleBar.left + 4);
        EXPECT_EQ(caption.width(), font().measure(view.title) - 1);  // the last block's empty column
        bool closeBox = (view.style & WS_SYSMENU) != 0;
        EXPECT_EQ(layout.closeBox.width() > 0, closeBox);
        if (closeBox) {
            EXPECT_EQ(picture.pixel(layout.closeBox.left + 1, layout.closeBox.top + 1), uitools::palette::kHighlight);
        }
        view.title = std::string(200, 'W');
        EXPECT_LE(captionInk(view).right, closeBox ? layout.closeBox.left : layout.titleBar.right);
    }
}

// An open drop-down list lies below its field, over whatever is there, down to its own bottom.
TEST(DialogPicture, AnOpenDropDownListCoversWhatLiesBelowItsField) {
    DialogView view = moduleDialog(119), open = view;
    auto combo = std::find_if(open.controls.begin(), open.controls.end(),
                              [](const uitools::ControlView& c) { return c.kind == ControlKind::ComboBox; });
    ASSERT_NE(combo, open.controls.end());
    combo->items = {"alpha", "bravo"};
    combo->dropped = true;
    combo->droppedList = PixelRect{combo->rect.left, combo->rect.top + 21, combo->rect.right, combo->rect.top + 49};
    uitools::WindowLayout layout = uitools::layoutWindow(view);
    PixelRect field = uitools::controlRectInPicture(layout, *combo), changed = differences(view, open);
    EXPECT_EQ(describe(changed), describe(PixelRect{field.left, field.top + 2, field.right, field.bottom + 28}));
}
