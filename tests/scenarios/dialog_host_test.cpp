// The DialogHost operations where their answers are numbers and buffers rather than messages to a
// procedure: reading texts and numbers back, centring and frames, and dead or null handles (where
// controls stand and dialogs moved while they open: the scenarios' `expect rect` and
// `expect centred`).
// Each check runs inside a dialog of the scenario templates, on both dialog managers.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "dialogs/window_placement.h"
#include "harness/dialog_driver.h"
#include "tests/scenarios/dialog_checks.h"
#include "tests/scenarios/scenario_ids.h"

namespace {

using scenario::runChecks;

RECT rectOf(HWND window) {
    RECT rect{0, 0, 0, 0};
    EXPECT_TRUE(DialogHost::getWindowRect(window, &rect));
    return rect;
}

}  // namespace

// GetDlgItemText copies at most capacity - 1 characters and a NUL; GetDlgItemInt skips leading
// blanks, stops at the first non-digit and reads anything else, or a value out of range, as 0.
TEST(DialogHost, TextsAndNumbersAreReadBackAsUser32ReadsThem) {
    EXPECT_EQ(runChecks(IDD_EDITS, [](HWND dialog) {
        DialogHost::setDlgItemText(dialog, IDC_TEXT, "abcdef");
        char buffer[8] = "zzzzzzz";
        EXPECT_EQ(DialogHost::getDlgItemText(dialog, IDC_TEXT, buffer, 4), 3u);
        EXPECT_STREQ(buffer, "abc");
        EXPECT_EQ(DialogHost::getDlgItemText(dialog, IDC_TEXT, buffer, 1), 0u);
        EXPECT_STREQ(buffer, "");
        std::memcpy(buffer, "zzzzzzz", 8);
        EXPECT_EQ(DialogHost::getDlgItemText(dialog, IDC_TEXT, buffer, 0), 0u);
        EXPECT_EQ(DialogHost::getDlgItemText(dialog, IDC_TEXT, buffer, -5), 0u);
        EXPECT_STREQ(buffer, "zzzzzzz");
        EXPECT_EQ(DialogHost::getDlgItemText(dialog, IDC_TEXT, nullptr, 8), 0u);
        EXPECT_EQ(DialogHost::getDlgItemText(dialog, 999, buffer, 8), 0u);
        EXPECT_STREQ(buffer, "");
        const struct {
            const char* text;
            int value;
        } numbers[] = {{"-42", -42}, {"17", 17}, {"  17", 17}, {"12abc", 12}, {"abc", 0}, {"", 0},
                       {"-", 0},     {"2147483647", INT_MAX},   {"2147483648", 0}, {"0", 0},
                       {"-2147483648", INT_MIN}, {"-2147483649", 0}, {"+17", 17}};
        for (const auto& each : numbers) {
            DialogHost::setDlgItemText(dialog, IDC_TEXT, each.text);
            EXPECT_EQ(DialogHost::getDlgItemInt(dialog, IDC_TEXT), each.value) << '"' << each.text << '"';
        }
        EXPECT_EQ(DialogHost::getDlgItemInt(dialog, 999), 0);
        DialogHost::setDlgItemInt(dialog, IDC_NUMBER, INT_MIN);
        EXPECT_EQ(DialogDriver::text(DialogHost::getDlgItem(dialog, IDC_NUMBER)), "-2147483648");
    }, [](scripted::Dialog&) {}), 0);
}

// Centred with each half truncated: x = (D.left + D.right) / 2 - w / 2, the same for y. Halving
// the difference instead would put a dialog of odd width a pixel further left; BORDERED is 227 pixels
// wide (150 units of 6 pixels in 4, and its border) on both dialog managers.
TEST(DialogHost, ADialogOfOddWidthIsCentredWithEachHalfTruncated) {
    RECT centred{};
    EXPECT_EQ(runChecks(IDD_BORDERED, [&centred](HWND dialog) {
        centreOnDesktop(dialog);
        centred = rectOf(dialog);
    }, [](scripted::Dialog&) {}), 0);
    RECT desktop = rectOf(DialogHost::getDesktopWindow());
    LONG width = centred.right - centred.left, height = centred.bottom - centred.top;
    EXPECT_EQ(width % 2, 1);
    EXPECT_EQ(centred.left, (desktop.left + desktop.right) / 2 - width / 2);
    EXPECT_EQ(centred.top, (desktop.top + desktop.bottom) / 2 - height / 2);
}

// A popup with a border and no caption has a one-pixel frame on each side and no title bar.
TEST(DialogHost, ABorderWithoutACaptionIsOnePixelAllRound) {
    EXPECT_EQ(runChecks(IDD_BORDERED, [](HWND dialog) {
        RECT window = rectOf(dialog);
        RECT client = DialogDriver::clientRect(dialog);
        EXPECT_EQ(client.left - window.left, 1);
        EXPECT_EQ(client.top - window.top, 1);
        EXPECT_EQ(window.bottom - client.bottom, 1);
    }, [](scripted::Dialog&) {}), 0);
}

TEST(DialogHost, DeadAndNullHandlesGiveDefinedAnswers) {
    HWND dead = nullptr;
    EXPECT_EQ(runChecks(IDD_EDITS, [](HWND) {}, [](scripted::Dialog&) {}, nullptr, &dead), 0);
    for (HWND gone : {dead, static_cast<HWND>(nullptr)}) {
        char buffer[8] = "zzzzzzz";
        RECT rect{1, 2, 3, 4};
        EXPECT_EQ(DialogHost::getDlgItem(gone, IDC_TEXT), nullptr);
        EXPECT_EQ(DialogHost::sendMessage(gone, WM_GETTEXTLENGTH, 0, 0), 0);
        EXPECT_FALSE(DialogHost::setDlgItemText(gone, IDC_TEXT, "x"));
        EXPECT_EQ(DialogHost::getDlgItemText(gone, IDC_TEXT, buffer, 8), 0u);
        EXPECT_STREQ(buffer, "");
        EXPECT_EQ(DialogHost::getDlgItemInt(gone, IDC_TEXT), 0);
        EXPECT_FALSE(DialogHost::endDialog(gone, 3));
        EXPECT_FALSE(DialogHost::getWindowRect(gone, &rect));
        EXPECT_EQ(rect.left, 1);
        EXPECT_FALSE(DialogHost::setWindowText(gone, "x"));
        EXPECT_FALSE(DialogHost::moveWindow(gone, 0, 0, 10, 10, FALSE));
        EXPECT_EQ(DialogDriver::firstShownCharacter(gone), 0);
    }
    DialogDriver::closeMenu();  // with none open: nothing
    EXPECT_TRUE(DialogDriver::openMenu().empty());
}
