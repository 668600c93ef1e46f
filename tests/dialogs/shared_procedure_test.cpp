// The shared dialog procedure as its three dialogs show it: the focus convention of the setup hook,
// ending with no hooks at all, the list notifications that reach the selection hook, and the
// commands it leaves to the dialog manager.
#include <gtest/gtest.h>

#include <UIResource/UIResource.h>
#include "platform/dialog_host.h"
#include "platform/scripted_user/scripted_user.h"
#include "platform/win32_types.h"
#include "resources/resource_ids.h"

namespace {

const char* kItems[] = {"gamma", "alpha", "beta"};
const long kData[] = {30, 10, 20};

LRESULT sendCommand(HWND dialog, int id, WORD notification) {
    return UI::windowCallback(dialog, WM_COMMAND, MAKEWPARAM(id, notification), 0);
}

}  // namespace

// Rename's setup hook gives the new-name field the focus and answers whether the focus moved from
// somewhere. Opened over another dialog (here the exit dialog) it did, so the field keeps the
// focus and typing goes there. Opened with nothing focused it did not, and the dialog manager
// moves the focus to the first tab stop, OK; as it does for select's hook, which answers 0.
TEST(SharedProcedure, TheSetupHooksAnswerDecidesWhereTheFocusGoes) {
    char buffer[16] = "";
    scripted::User user;
    user.then([&](scripted::Dialog& exit) {
        EXPECT_EQ(exit.focusedId(), IDOK);
        EXPECT_EQ(UI::rename(exit.handle(), "Rock", buffer, sizeof buffer, -1, -1), 1);
        exit.click(IDCANCEL);
    });
    user.then([](scripted::Dialog& dialog) {
        EXPECT_EQ(dialog.focusedId(), IDC_NEW_NAME);
        dialog.type(IDC_NEW_NAME, "Stone");
        dialog.pressEnter();
    });
    user.then([](scripted::Dialog& dialog) {
        EXPECT_EQ(dialog.focusedId(), IDOK);
        dialog.click(IDCANCEL);
    });
    user.then([](scripted::Dialog& dialog) {
        EXPECT_EQ(dialog.focusedId(), IDOK);
        dialog.click(IDCANCEL);
    });
    EXPECT_EQ(UI::createExitApplicationDialog("Leaving", nullptr), 0);
    EXPECT_STREQ(buffer, "Stone");
    EXPECT_EQ(UI::rename(nullptr, "Rock", buffer, sizeof buffer, -1, -1), 0);
    EXPECT_EQ(UI::select(nullptr, "Pick", "Use", kItems, kData, 3, -1), -1);
}

// "Material Properties Dialog" runs with every hook cleared, also after a rename left its own
// behind. Without hooks the procedure still ends the dialog: 1 on OK, 0 on Escape and the close
// box, though it has no control 2.
TEST(SharedProcedure, MaterialPropertiesRunsWithoutHooksAndEndsWithOneOnOkAndZeroOnEscapeOrCloseBox) {
    char buffer[16] = "";
    scripted::User user;
    user.then([](scripted::Dialog& dialog) { dialog.click(IDOK); });
    user.then([](scripted::Dialog& dialog) {
        EXPECT_EQ(dialog.title(), "Material Properties Dialog");
        EXPECT_TRUE(dialog.hasControl(IDOK));
        EXPECT_FALSE(dialog.hasControl(IDCANCEL));
        EXPECT_TRUE(dialog.hasCloseBox());
        dialog.pressEscape();
    });
    user.then([](scripted::Dialog& dialog) { dialog.closeBox(); });
    user.then([](scripted::Dialog& dialog) { dialog.pressEnter(); });
    EXPECT_EQ(UI::rename(nullptr, "Rock", buffer, sizeof buffer, -1, -1), 1);
    EXPECT_EQ(UI::displayMaterialProperties(nullptr), 0);
    EXPECT_EQ(UI::displayMaterialProperties(nullptr), 0);
    EXPECT_EQ(UI::displayMaterialProperties(nullptr), 1);
    EXPECT_EQ(user.dialogsAbandoned(), 0);
}

// Only LBN_SELCHANGE and LBN_DBLCLK of list 1085 reach the selection hook, with the selected item's
// data or -1 when nothing is selected; every other notification of the list is answered TRUE and
// changes nothing. Commands of other controls and other messages are left to the dialog manager.
TEST(SharedProcedure, ListNotificationsReachTheSelectionHookOnlyForSelectionChangeAndDoubleClick) {
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        HWND handle = dialog.handle();
        HWND list = DialogHost::getDlgItem(handle, IDC_SELECTION_LIST);
        dialog.clickListItem(IDC_SELECTION_LIST, "beta");
        DialogHost::sendMessage(list, LB_SETCURSEL, 0, 0);  // "alpha", silently
        for (WORD other : {0, 3, 4, 5, 0xFFFE}) EXPECT_EQ(sendCommand(handle, IDC_SELECTION_LIST, other), TRUE);
        EXPECT_EQ(sendCommand(handle, IDC_NEW_NAME, EN_CHANGE), FALSE);
        EXPECT_EQ(sendCommand(handle, 1086, LBN_SELCHANGE), FALSE);
        EXPECT_EQ(UI::windowCallback(handle, WM_HSCROLL, 0, 0), FALSE);
        dialog.click(IDOK);
    });
    user.then([](scripted::Dialog& dialog) {
        HWND handle = dialog.handle();
        dialog.clickListItem(IDC_SELECTION_LIST, "beta");
        DialogHost::sendMessage(DialogHost::getDlgItem(handle, IDC_SELECTION_LIST), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        EXPECT_EQ(sendCommand(handle, IDC_SELECTION_LIST, LBN_SELCHANGE), TRUE);
        dialog.click(IDOK);
    });
    user.then([](scripted::Dialog& dialog) {
        HWND handle = dialog.handle();
        DialogHost::sendMessage(DialogHost::getDlgItem(handle, IDC_SELECTION_LIST), LB_SETCURSEL, 2, 0);  // "gamma"
        EXPECT_EQ(sendCommand(handle, IDC_SELECTION_LIST, LBN_DBLCLK), TRUE);
        dialog.click(IDOK);
    });
    EXPECT_EQ(UI::select(nullptr, "t", "c", kItems, kData, 3, -1), 20);
    EXPECT_EQ(UI::select(nullptr, "t", "c", kItems, kData, 3, -1), -1);
    EXPECT_EQ(UI::select(nullptr, "t", "c", kItems, kData, 3, -1), 30);
    EXPECT_EQ(user.dialogsAbandoned(), 0);
}

// The hooks and info belong to the running dialog: an entry called meanwhile (from the scripted
// user's thread timer under Wine, from its idle call natively) returns -1 and changes nothing, so
// the running dialog still ends with its own record. An exit dialog, whose state is its own, may
// run meanwhile, but not a second one inside it.
TEST(SharedProcedure, AnEntryCalledWhileOneOfItsDialogsRunsReturnsMinusOneAndChangesNothing) {
    char outer[16] = "";
    char inner[16] = "untouched";
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
    EXPECT_EQ(UI::rename(nullptr, "Rock", outer, sizeof outer, -1, -1), 1);
    EXPECT_STREQ(outer, "Outer");
    EXPECT_STREQ(inner, "untouched");
    EXPECT_EQ(user.dialogsOpened(), 2);

    user.then([](scripted::Dialog& dialog) {
        dialog.clickListItem(IDC_SELECTION_LIST, "beta");
        char buffer[8] = "";
        EXPECT_EQ(UI::rename(dialog.handle(), "Inner", buffer, sizeof buffer, -1, -1), -1);
        dialog.click(IDOK);
    });
    EXPECT_EQ(UI::select(nullptr, "t", "c", kItems, kData, 3, -1), 20);
}
