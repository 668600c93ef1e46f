// The exit dialog as a user meets it: its title, its place on the desktop, and what reaches the
// shell when the user accepts, for every title and link the host may pass.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <UIResource/UIResource.h>
#include "platform/dialog_host.h"
#include "platform/dialog_driver.h"
#include "platform/scripted_user/scripted_user.h"

namespace {

// What the exit dialogs of one test hand to the shell, which opens nothing meanwhile.
struct ShellRecorder {
    ShellRecorder() { DialogDriver::recordShellRequests(true); }
    ~ShellRecorder() { DialogDriver::recordShellRequests(false); }
    std::vector<DialogDriver::ShellRequest> requests() const { return DialogDriver::shellRequests(); }
};

const char kDefaultTitle[] = "Veldacor  www.veldacor.com";

scripted::Script expectTitleThenAccept(const std::string& title) {
    return [title](scripted::Dialog& dialog) {
        EXPECT_EQ(dialog.title(), title);
        dialog.click(IDOK);
    };
}

}  // namespace

// Centred with each half truncated: x = (D.left + D.right) / 2 - w / 2, the same for y. Halving
// the difference instead would move a dialog of odd width by a pixel (Wine's, 475 pixels wide).
TEST(ExitDialog, ShowsTheMakersTextsCentredAndAcceptsWithOneAndCancelsWithZero) {
    ShellRecorder shell;
    RECT desktop{}, shown{};
    DialogHost::getWindowRect(DialogHost::getDesktopWindow(), &desktop);
    scripted::User user;
    user.then([&shown](scripted::Dialog& dialog) {
        shown = dialog.windowRect();
        EXPECT_EQ(dialog.title(), kDefaultTitle);
        EXPECT_EQ(dialog.text(IDOK), "Go to www.veldacor.com");
        EXPECT_EQ(dialog.text(IDCANCEL), "Cancel");
        EXPECT_TRUE(dialog.style(0) & WS_VISIBLE);
        EXPECT_TRUE(dialog.hasCloseBox());
        dialog.click(IDCANCEL);
    });
    user.then([](scripted::Dialog& dialog) { dialog.pressEscape(); });
    user.then([](scripted::Dialog& dialog) { dialog.closeBox(); });
    user.then([](scripted::Dialog& dialog) { dialog.pressEnter(); });
    EXPECT_EQ(UI::createExitApplicationDialog(nullptr, "http://example.com/a"), 0);
    LONG width = shown.right - shown.left, height = shown.bottom - shown.top;
    EXPECT_GT(width, 0);
    EXPECT_EQ(shown.left, (desktop.left + desktop.right) / 2 - width / 2);
    EXPECT_EQ(shown.top, (desktop.top + desktop.bottom) / 2 - height / 2);
    EXPECT_EQ(UI::createExitApplicationDialog(nullptr, "http://example.com/b"), 0);
    EXPECT_EQ(UI::createExitApplicationDialog(nullptr, "http://example.com/c"), 0);
    EXPECT_TRUE(shell.requests().empty());
    EXPECT_EQ(UI::createExitApplicationDialog(nullptr, "http://example.com/d"), 1);
    ASSERT_EQ(shell.requests().size(), 1u);
    EXPECT_EQ(shell.requests()[0].file, "http://example.com/d");
    EXPECT_EQ(shell.requests()[0].showCommand, SW_SHOWMAXIMIZED);
    EXPECT_TRUE(shell.requests()[0].defaultVerbOnly);
}

// The title is used by the one dialog that shows it; the next dialog without one is back to the
// default.
TEST(ExitDialog, PendingTitleIsConsumedByTheDialogThatShowsIt) {
    ShellRecorder shell;
    scripted::User user;
    user.then(expectTitleThenAccept(kDefaultTitle));
    user.then(expectTitleThenAccept("Thanks for playing"));
    user.then(expectTitleThenAccept(kDefaultTitle));
    user.then(expectTitleThenAccept(""));
    EXPECT_EQ(UI::createExitApplicationDialog(nullptr, nullptr), 1);
    EXPECT_EQ(UI::createExitApplicationDialog("Thanks for playing", nullptr), 1);
    EXPECT_EQ(UI::createExitApplicationDialog(nullptr, nullptr), 1);
    EXPECT_EQ(UI::createExitApplicationDialog("", nullptr), 1);
}

// A null link after a real one must not reopen the earlier link.
TEST(ExitDialog, EmptyOrNullLinkEndsWithOneWithoutTheShell) {
    ShellRecorder shell;
    scripted::User user;
    user.then([](scripted::Dialog& dialog) { dialog.click(IDCANCEL); });
    for (int i = 0; i < 3; ++i) user.then([](scripted::Dialog& dialog) { dialog.click(IDOK); });
    EXPECT_EQ(UI::createExitApplicationDialog(nullptr, "http://example.com/old"), 0);
    EXPECT_EQ(UI::createExitApplicationDialog("t", nullptr), 1);
    EXPECT_EQ(UI::createExitApplicationDialog("t", ""), 1);
    EXPECT_EQ(UI::createExitApplicationDialog(nullptr, nullptr), 1);
    EXPECT_TRUE(shell.requests().empty());
}

TEST(ExitDialog, LinkIsCutToItsFirst255Characters) {
    std::string link = "http://example.com/";
    while (link.size() < 300) link += static_cast<char>('a' + link.size() % 26);
    ShellRecorder shell;
    scripted::User user;
    user.then([](scripted::Dialog& dialog) { dialog.click(IDOK); });
    user.then([](scripted::Dialog& dialog) { dialog.click(IDOK); });
    EXPECT_EQ(UI::createExitApplicationDialog(nullptr, link.c_str()), 1);
    EXPECT_EQ(UI::createExitApplicationDialog(nullptr, link.substr(0, 255).c_str()), 1);
    ASSERT_EQ(shell.requests().size(), 2u);
    EXPECT_EQ(shell.requests()[0].file, link.substr(0, 255));
    EXPECT_EQ(shell.requests()[1].file, link.substr(0, 255));
}
