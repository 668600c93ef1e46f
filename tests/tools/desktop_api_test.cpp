// The desktop library as a host takes it, through <UIResource/UIResourceDesktop.h> alone: every
// setting a host can get wrong, the embedded way's frames and input (the own-windows way needs a
// display: the package tests and the demo's desktop session show it), and calls made while a
// dialog runs, from inside the presenter too.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <UIResource/UIResource.h>
#include <UIResource/UIResourceDesktop.h>
#include <UIResource/UIResourceIds.h>

namespace {

// A host of the embedded way: keeps each frame's facts and acts on the frames as they come.
struct Host {
    std::function<void(Host&, const UIDesktopFrame&)> act;  // called for each frame after the first
    std::vector<UIDesktopFrame> frames;                      // pixels and rectangles not kept
    std::vector<UIDesktopRect> lastChanges;
    uint8_t lastPixelAlpha = 255;
    int depth = 0, deepest = 0;
    UIDesktopRect dialog{0, 0, 0, 0};  // where the first frame is opaque

    static void present(const UIDesktopFrame* frame, void* self) { static_cast<Host*>(self)->take(*frame); }

    void take(const UIDesktopFrame& frame) {
        deepest = std::max(deepest, ++depth);
        if (frames.empty()) {
            lastPixelAlpha = frame.pixels[static_cast<size_t>(frame.width) * frame.height * 4 - 1];
            dialog = opaqueBox(frame);
        }
        frames.push_back(frame);
        lastChanges.assign(frame.changed, frame.changed + frame.changedCount);
        if (frames.size() > 1 && act) act(*this, frame);
        if (frames.size() > 200) UIDesktop::keyDown(UIDESKTOP_KEY_ESCAPE);  // a plan that went wrong ends
        --depth;
    }

    static UIDesktopRect opaqueBox(const UIDesktopFrame& frame) {
        UIDesktopRect box{frame.width, frame.height, 0, 0};
        for (int32_t y = 0; y < frame.height; ++y) {
            for (int32_t x = 0; x < frame.width; ++x) {
                if (frame.pixels[(static_cast<size_t>(y) * frame.width + x) * 4 + 3] == 0) continue;
                box = UIDesktopRect{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                                    std::max(box.bottom, y + 1)};
            }
        }
        return box;
    }

    int embed(int scale) {
        UIDesktopEmbedded settings{present, this, scale};
        return UIDesktop::showEmbedded(&settings);
    }
};

void press(int key) {
    UIDesktop::keyDown(key);
    UIDesktop::keyUp(key);
}

void clickAt(int x, int y) {
    UIDesktop::moveMouse(x, y);
    UIDesktop::mouseButton(UIDESKTOP_BUTTON_LEFT, true);
    UIDesktop::mouseButton(UIDESKTOP_BUTTON_LEFT, false);
}

class DesktopTest : public testing::Test {
protected:
    void TearDown() override { UIDesktop::stopShowing(); }
};

TEST_F(DesktopTest, SettingsOutsideTheirRangeAreRefusedAndTheWayChosenBeforeStays) {
    char name[16] = "";
    EXPECT_EQ(UIDesktop::scale(), 0);
    EXPECT_EQ(UI::rename(nullptr, "Boulder", name, sizeof name, -1, -1), -1);  // no way chosen yet

    Host host;
    UIDesktopWindows both{1, 0x400001, reinterpret_cast<SDL_Window*>(&host), nullptr, nullptr, nullptr};
    UIDesktopWindows tooLarge{3, 0, nullptr, nullptr, nullptr, nullptr};
    UIDesktopWindows negative{-1, 0, nullptr, nullptr, nullptr, nullptr};
    UIDesktopEmbedded noPresenter{nullptr, &host, 1};
    ASSERT_EQ(host.embed(2), UIDESKTOP_DONE);
    EXPECT_STREQ(UIDesktop::lastError(), "");
    const char* bothNamed = "name the host's SDL window or its X11 window, not both";
    const char* windowScales = "the scale is 1, 2 or 0 (from the display)";
    for (auto [settings, why] : {std::pair(&both, bothNamed), {&tooLarge, windowScales}, {&negative, windowScales}}) {
        EXPECT_EQ(UIDesktop::showInOwnWindows(settings), UIDESKTOP_BAD_SETTINGS);
        EXPECT_STREQ(UIDesktop::lastError(), why);
    }
    EXPECT_EQ(UIDesktop::showEmbedded(nullptr), UIDESKTOP_BAD_SETTINGS);
    EXPECT_EQ(UIDesktop::showEmbedded(&noPresenter), UIDESKTOP_BAD_SETTINGS);
    EXPECT_STREQ(UIDesktop::lastError(), "the embedded way needs a presenter");
    for (int scale : {0, 3, -2}) {
        EXPECT_EQ(host.embed(scale), UIDESKTOP_BAD_SETTINGS) << scale;
        EXPECT_STREQ(UIDesktop::lastError(), "the scale is 1 or 2");
    }
    EXPECT_EQ(UIDesktop::scale(), 2);

    // No display, and SDL2 missing at run time: both said, neither changing the way.
    setenv("DISPLAY", "", 1);
    setenv("WAYLAND_DISPLAY", "", 1);
    unsetenv("SDL_VIDEODRIVER");
    EXPECT_EQ(UIDesktop::showInOwnWindows(nullptr), UIDESKTOP_NO_DISPLAY);
    EXPECT_STREQ(UIDesktop::lastError(), "no display to show a window on (neither DISPLAY nor WAYLAND_DISPLAY is set)");
    setenv("DISPLAY", ":99", 1);
    UIDesktopWindows missingSdl{1, 0, nullptr, nullptr, nullptr, "/nonexistent/libSDL2-2.0.so.0"};
    EXPECT_EQ(UIDesktop::showInOwnWindows(&missingSdl), UIDESKTOP_NO_SDL);
    EXPECT_STREQ(UIDesktop::lastError(),  // glibc's words for a missing file
                 "SDL2 cannot be loaded (/nonexistent/libSDL2-2.0.so.0: cannot open shared object file: No such file or directory)");
    EXPECT_EQ(UIDesktop::scale(), 2);

    // Input is refused while no dialog runs, and values outside their range always.
    EXPECT_FALSE(UIDesktop::keyDown(UIDESKTOP_KEY_RETURN));
    EXPECT_FALSE(UIDesktop::typeCharacter('a'));
    EXPECT_FALSE(UIDesktop::moveMouse(10, 10));
    EXPECT_EQ(UIDesktop::stopShowing(), UIDESKTOP_DONE);
    EXPECT_EQ(UIDesktop::scale(), 0);
    EXPECT_EQ(UI::rename(nullptr, "Boulder", name, sizeof name, -1, -1), -1);
}

// Name Entry at scale 2, with no owner: the first tab stop (OK) has the focus, as on Windows, so
// Shift+Tab goes round to the field, selecting its text, the name is typed over it, and OK is
// clicked at its middle in frame pixels.
TEST_F(DesktopTest, EmbeddedFramesShowTheDialogAndTheHostsInputWorksItAtTheScaleChosen) {
    Host host;
    std::vector<bool> refused;
    int quietFrames = 0;
    host.act = [&](Host& self, const UIDesktopFrame& frame) {
        size_t step = self.frames.size();
        if (step == 2) {
            refused = {UIDesktop::keyDown(0), UIDesktop::keyDown(255), UIDesktop::typeCharacter('\0'),
                       UIDesktop::turnWheel(0), UIDesktop::mouseButton(UIDESKTOP_BUTTON_LEFT - 1, true),
                       UIDesktop::mouseButton(UIDESKTOP_BUTTON_MIDDLE + 1, true), !UIDesktop::moveMouse(INT_MIN, INT_MAX)};
            UIDesktop::keyDown(UIDESKTOP_KEY_SHIFT);
            press(UIDESKTOP_KEY_TAB);
            UIDesktop::keyUp(UIDESKTOP_KEY_SHIFT);
            for (char character : std::string("Rock")) UIDesktop::typeCharacter(character);
        } else if (frame.changedCount == 0 && ++quietFrames == 1) {
            // OK is 53, 69, 50 x 14 dialog units: at 6 x 13 base units its middle is 120, 145 from
            // the window's corner, past its frame (3) and title bar (19).
            clickAt(self.dialog.left + 120 * 2, self.dialog.top + 145 * 2);
        }
    };
    ASSERT_EQ(host.embed(2), UIDESKTOP_DONE);
    char name[16] = "";
    EXPECT_EQ(UI::rename(nullptr, "Boulder", name, sizeof name, -1, -1), 1);
    EXPECT_STREQ(name, "Rock");
    EXPECT_EQ(refused, std::vector<bool>(7, false));  // a point far beside the dialogs is taken

    ASSERT_GE(host.frames.size(), 3u);
    const UIDesktopFrame& first = host.frames.front();
    EXPECT_EQ(first.width, 2048);
    EXPECT_EQ(first.height, 1536);
    ASSERT_EQ(first.changedCount, 1);
    EXPECT_EQ(host.lastPixelAlpha, 0);  // no desktop behind the dialogs
    // 223 x 90 units (335 x 146 pixels) with the frame and title bar, twice, at the screen's corner.
    EXPECT_EQ(host.dialog.left, 0);
    EXPECT_EQ(host.dialog.right, 341 * 2);
    EXPECT_EQ(host.dialog.bottom, 171 * 2);
    EXPECT_EQ(quietFrames, 1);
    EXPECT_EQ(host.deepest, 1);
}

// While a dialog runs the way stays, whoever asks; a dialog opened from inside the presenter ends
// at once, the presenter never called inside itself. A key's effect shows in changed rectangles
// within the dialog.
TEST_F(DesktopTest, ADialogRunningKeepsItsWayAndADialogOpenedFromThePresenterEndsAtOnce) {
    Host host;
    std::vector<int> answers;
    std::vector<UIDesktopRect> typed;
    host.act = [&](Host& self, const UIDesktopFrame& frame) {
        if (self.frames.size() == 2) {
            UIDesktopWindows windows{};
            answers = {UIDesktop::showEmbedded(nullptr), UIDesktop::showInOwnWindows(&windows),
                       UIDesktop::stopShowing(), static_cast<int>(UI::createExitApplicationDialog("Leave?", ""))};
            press(UIDESKTOP_KEY_TAB);  // from OK to Cancel, the focus rectangle with it
        } else if (self.frames.size() == 3) {
            typed.assign(frame.changed, frame.changed + frame.changedCount);
        } else {
            press(UIDESKTOP_KEY_ESCAPE);
        }
    };
    ASSERT_EQ(host.embed(1), UIDESKTOP_DONE);
    char name[16] = "";
    EXPECT_EQ(UI::rename(nullptr, "Boulder", name, sizeof name, -1, -1), 0);
    EXPECT_EQ(answers, (std::vector<int>{UIDESKTOP_DIALOG_RUNNING, UIDESKTOP_DIALOG_RUNNING,
                                         UIDESKTOP_DIALOG_RUNNING, -1}));
    EXPECT_EQ(host.deepest, 1);
    ASSERT_FALSE(typed.empty());
    for (const UIDesktopRect& part : typed) {
        EXPECT_GE(part.left, host.dialog.left);
        EXPECT_LE(part.right, host.dialog.right);
        EXPECT_GE(part.top, host.dialog.top);
        EXPECT_LE(part.bottom, host.dialog.bottom);
    }
    EXPECT_EQ(UIDesktop::stopShowing(), UIDESKTOP_DONE);  // the dialog has ended
}

}  // namespace
