// The shared dialog procedure as its three dialogs show it: ending with no hooks at all, the list
// notifications that reach the selection hook, and one of its dialogs at a time.
#include <gtest/gtest.h>

#include <vector>

#include <UIResource/UIResource.h>
#include "platform/dialog_host.h"
#include "harness/scripted_user/scripted_user.h"
#include "resources/resource_ids.h"

namespace {

const char* kItems[] = {"gamma", "alpha", "beta"};
const long kData[] = {30, 10, 20};

void sendCommand(HWND dialog, int id, WORD notification) {
    UI::windowCallback(dialog, WM_COMMAND, MAKEWPARAM(id, notification), 0);
}

}  // namespace

// "Material Properties Dialog" runs with every hook cleared, also after a rename left its own
// behind. Without hooks the procedure still ends the dialog: 1 on OK, 0 on Escape and the close
// box, though it has no control 2.
TEST(SharedProcedure, MaterialPropertiesRunsWithoutHooksAndEndsWithOneOnOkAndZeroOnEscapeOrCloseBox) {
    char buffer[16] = "";
    scripted::User user;
    user.then([](scripted::Dialog& dialog) { dialog.click(IDOK); });
    user.then([](scripted::Dialog& dialog) {
        EXPECT_EQ(dialog.title(), "Material Properties Dialog");
        EXPECT_TRUE(dialog.hasControl(IDOK) && !dialog.hasControl(IDCANCEL) && dialog.hasCloseBox());
        dialog.pressEscape();
    });
    user.then([](scripted::Dialog& dialog) { dialog.closeBox(); });
    user.then([](scripted::Dialog& dialog) { dialog.pressEnter(); });
    EXPECT_EQ(UI::rename(nullptr, "Rock", buffer, sizeof buffer, -1, -1), 1);
    for (long result : {0, 0, 1}) EXPECT_EQ(UI::displayMaterialProperties(nullptr), result);
}

// Only LBN_SELCHANGE and LBN_DBLCLK of list 1085 reach the selection hook, with the selected item's
// data or -1 when nothing is selected; its other notifications, other controls' commands and other
// messages change nothing. A host procedure may send them, after selecting silently.
TEST(SharedProcedure, OnlySelectionChangesAndDoubleClicksOfTheListReachTheSelectionHook) {
    const struct {
        int selected;  // set silently before the commands are sent
        std::vector<WORD> notifications;
        long answer;
    } sessions[] = {{0, {0, 3, 4, 5, 0xFFFE}, 20}, {-1, {LBN_SELCHANGE}, -1}, {2, {LBN_DBLCLK}, 30}};
    scripted::User user;
    for (const auto& session : sessions) {
        user.then([&session](scripted::Dialog& dialog) {
            HWND handle = dialog.handle();
            dialog.clickListItem(IDC_SELECTION_LIST, "beta");
            HWND list = DialogHost::getDlgItem(handle, IDC_SELECTION_LIST);
            DialogHost::sendMessage(list, LB_SETCURSEL, static_cast<WPARAM>(session.selected), 0);
            for (WORD notification : session.notifications) sendCommand(handle, IDC_SELECTION_LIST, notification);
            sendCommand(handle, IDC_NEW_NAME, EN_CHANGE);
            sendCommand(handle, 1086, LBN_SELCHANGE);
            UI::windowCallback(handle, WM_HSCROLL, 0, 0);
            dialog.click(IDOK);
        });
        EXPECT_EQ(UI::select(nullptr, "t", "c", kItems, kData, 3, -1), session.answer);
    }
}

// The hooks and info belong to the running dialog: an entry called meanwhile (from the scripted
// user's thread timer under Wine, from its idle call natively) returns -1 and changes nothing, so
// the running dialog still ends with its own record. An exit dialog, whose state is its own, may
// run meanwhile, but not a second one inside it.
TEST(SharedProcedure, AnEntryCalledWhileOneOfItsDialogsRunsReturnsMinusOneAndChangesNothing) {
    char outer[16] = "", inner[16] = "untouched";
    scripted::User user;
    user.then([&](scripted::Dialog& dialog) {
        dialog.type(IDC_NEW_NAME, "Outer");
        EXPECT_EQ(UI::rename(dialog.handle(), "Inner", inner, sizeof inner, -1, -1), -1);
        EXPECT_EQ(UI::select(dialog.handle(), "t", "c", kItems, kData, 3, 10), -1);
        EXPECT_EQ(UI::displayMaterialProperties(dialog.handle()), -1);
        EXPECT_EQ(UI::createExitApplicationDialog("Leaving", nullptr), 0);
        dialog.pressEnter();
    });
    user.then([](scripted::Dialog& exit) {
        EXPECT_EQ(UI::createExitApplicationDialog("Nested", nullptr), -1);
        EXPECT_EQ(exit.title(), "Leaving");
        exit.click(IDCANCEL);
    });
    user.then([&](scripted::Dialog& dialog) {
        dialog.clickListItem(IDC_SELECTION_LIST, "beta");
        EXPECT_EQ(UI::rename(dialog.handle(), "Inner", inner, sizeof inner, -1, -1), -1);
        dialog.click(IDOK);
    });
    EXPECT_EQ(UI::rename(nullptr, "Rock", outer, sizeof outer, -1, -1), 1);
    EXPECT_EQ(UI::select(nullptr, "t", "c", kItems, kData, 3, -1), 20);
    EXPECT_STREQ(outer, "Outer");
    EXPECT_STREQ(inner, "untouched");
    EXPECT_EQ(user.dialogsOpened(), 3);
}
