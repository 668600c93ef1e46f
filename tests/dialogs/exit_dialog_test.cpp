// The exit dialog as a user meets it: its title, its place on the desktop, and what reaches the
// shell when the user accepts, for every title and link the host may pass.
#include <gtest/gtest.h>

#include <string>

#include <UIResource/UIResource.h>
#include "harness/dialog_driver.h"
#include "harness/scripted_user/scripted_user.h"

namespace {

using scripted::Dialog;
using Ending = void (*)(Dialog&);
void clickCancel(Dialog& dialog) { dialog.click(IDCANCEL); }
void clickAccept(Dialog& dialog) { dialog.click(IDOK); }
void pressEnter(Dialog& dialog) { dialog.pressEnter(); }  // the default button accepts

const char kDefaultTitle[] = "Veldacor  www.veldacor.com";

// While one lives, the module's shell requests are recorded and nothing is opened.
struct ShellRecorder {
    ShellRecorder() { DialogDriver::recordShellRequests(true); }
    ~ShellRecorder() { DialogDriver::recordShellRequests(false); }
};

}  // namespace

// Centred with each half truncated: x = (D.left + D.right) / 2 - w / 2, the same for y (a dialog of
// odd width is tested in tests/scenarios/dialog_host_test.cpp). A title is shown by the one dialog it was given to. Cancel,
// Escape and the close box open nothing; accepting opens the link, cut to 255 characters,
// maximised with the default verb, and a null or empty link nothing, also right after a real one.
TEST(ExitDialog, ShowsItsTextsCentredAndOpensEachCallsLinkOnlyWhenAccepted) {
    std::string overlong = "http://example.com/";
    while (overlong.size() < 300) overlong += static_cast<char>('a' + overlong.size() % 26);
    const std::string cut = overlong.substr(0, 255);
    const struct {
        const char* title;
        const char* link;
        const char* shownTitle;
        Ending ending;
        const char* opened;  // null: nothing
    } calls[] = {{nullptr, "http://example.com/a", kDefaultTitle, clickCancel, nullptr},
                 {nullptr, "http://example.com/b", kDefaultTitle, [](Dialog& d) { d.pressEscape(); }, nullptr},
                 {nullptr, "http://example.com/c", kDefaultTitle, [](Dialog& d) { d.closeBox(); }, nullptr},
                 {"Thanks for playing", nullptr, "Thanks for playing", clickAccept, nullptr},
                 {nullptr, "", kDefaultTitle, clickAccept, nullptr},
                 {"", nullptr, "", clickAccept, nullptr},
                 {nullptr, "http://example.com/d", kDefaultTitle, pressEnter, "http://example.com/d"},
                 {nullptr, overlong.c_str(), kDefaultTitle, clickAccept, cut.c_str()},
                 {"t", cut.c_str(), "t", clickAccept, cut.c_str()}};
    const RECT desktop = DialogDriver::windowRect(DialogHost::getDesktopWindow());
    for (const auto& call : calls) {
        SCOPED_TRACE(&call - calls);
        ShellRecorder shell;
        scripted::User user;
        user.then([&](Dialog& dialog) {
            EXPECT_EQ(dialog.title(), call.shownTitle);
            EXPECT_EQ(dialog.text(IDOK), "Go to www.veldacor.com");
            EXPECT_EQ(dialog.text(IDCANCEL), "Cancel");
            EXPECT_TRUE((dialog.style(0) & WS_VISIBLE) && dialog.hasCloseBox());
            RECT shown = dialog.windowRect();
            LONG width = shown.right - shown.left, height = shown.bottom - shown.top;
            EXPECT_EQ(shown.left, (desktop.left + desktop.right) / 2 - width / 2);
            EXPECT_EQ(shown.top, (desktop.top + desktop.bottom) / 2 - height / 2);
            call.ending(dialog);
        });
        const long accepted = call.ending == clickAccept || call.ending == pressEnter ? 1 : 0;
        EXPECT_EQ(UI::createExitApplicationDialog(call.title, call.link), accepted);
        const auto requests = DialogDriver::shellRequests();
        ASSERT_EQ(requests.size(), call.opened != nullptr ? 1u : 0u);
        if (call.opened != nullptr) {
            EXPECT_EQ(requests[0].file, call.opened);
            EXPECT_EQ(requests[0].showCommand, SW_SHOWMAXIMIZED);
            EXPECT_TRUE(requests[0].defaultVerbOnly);
        }
    }
}
