// Buttons as the dialog procedure sees them: clicks, silent check changes, the default button,
// and Escape and the close box, which send the Cancel command even when no control has id 2.
#include <gtest/gtest.h>

#include "tests/scenarios/scenario_support.h"

namespace {

using scenario::close;
using scenario::command;
using scenario::commandWithoutControl;
using scenario::init;
using scenario::DialogRun;

TEST(ButtonScenarios, ClickToggleAutoCheckBoxesAndSettingChecksIsSilent) {
    DialogRun run;
    run.onInit = [](HWND dialog) {
        HWND second = DialogHost::getDlgItem(dialog, IDC_CHECK_B);
        DialogHost::sendMessage(second, BM_SETCHECK, BST_CHECKED, 0);
        EXPECT_EQ(DialogHost::sendMessage(second, BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_EQ(DialogHost::sendMessage(DialogHost::getDlgItem(dialog, IDC_PUSH), BM_GETCHECK, 0, 0), BST_UNCHECKED);
        return TRUE;
    };
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        EXPECT_FALSE(dialog.checked(IDC_CHECK_A));
        EXPECT_TRUE(dialog.checked(IDC_CHECK_B));
        dialog.click(IDC_CHECK_A);
        dialog.click(IDC_CHECK_B);
        EXPECT_TRUE(dialog.checked(IDC_CHECK_A));
        EXPECT_FALSE(dialog.checked(IDC_CHECK_B));
        dialog.click(IDC_PUSH);
        dialog.click(999);  // no such control: nothing happens
        dialog.click(IDOK);
    });
    EXPECT_EQ(scenario::runDialog(IDD_BUTTONS, run), 1);
    std::vector<std::string> expected = {init(IDC_CHECK_A), command(IDC_CHECK_A, BN_CLICKED),
                                         command(IDC_CHECK_B, BN_CLICKED), command(IDC_PUSH, BN_CLICKED),
                                         command(IDOK, BN_CLICKED)};
    EXPECT_EQ(run.log, expected);
}

TEST(ButtonScenarios, EscapeSendsCancelWithoutAControlWithThatId) {
    DialogRun run;
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        EXPECT_FALSE(dialog.hasControl(IDCANCEL));
        dialog.pressEscape();
    });
    EXPECT_EQ(scenario::runDialog(IDD_BUTTONS, run), 0);
    std::vector<std::string> expected = {init(IDC_CHECK_A), commandWithoutControl(IDCANCEL, BN_CLICKED)};
    EXPECT_EQ(run.log, expected);
}

TEST(ButtonScenarios, CloseBoxSendsCancelWhenTheProcedureLeavesWmCloseToTheDialogManager) {
    DialogRun run;
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        EXPECT_TRUE(dialog.hasCloseBox());
        dialog.closeBox();
    });
    EXPECT_EQ(scenario::runDialog(IDD_BUTTONS, run), 0);
    std::vector<std::string> expected = {init(IDC_CHECK_A), close(), commandWithoutControl(IDCANCEL, BN_CLICKED)};
    EXPECT_EQ(run.log, expected);
}

TEST(ButtonScenarios, CloseBoxDoesNothingMoreWhenTheProcedureAnswersWmClose) {
    DialogRun run;
    run.closeAnswer = TRUE;
    scripted::User user;
    user.then([](scripted::Dialog& dialog) { dialog.closeBox(); });
    EXPECT_EQ(scenario::runDialog(IDD_BUTTONS, run), scripted::kAbandoned);
    std::vector<std::string> expected = {init(IDC_CHECK_A), close()};
    EXPECT_EQ(run.log, expected);
    EXPECT_EQ(user.dialogsAbandoned(), 1);
}

TEST(ButtonScenarios, WithoutSystemMenuThereIsNoCloseBoxToUse) {
    DialogRun run;
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        EXPECT_FALSE(dialog.hasCloseBox());
        EXPECT_EQ(dialog.style(0) & WS_SYSMENU, 0u);
        dialog.closeBox();
    });
    EXPECT_EQ(scenario::runDialog(IDD_NO_CLOSE_BOX, run), scripted::kAbandoned);
    EXPECT_EQ(run.log, std::vector<std::string>{init(IDOK)});
}

TEST(ButtonScenarios, EnterSendsTheDefaultButtonsCommandWithTheButton) {
    DialogRun run;
    scripted::User user;
    user.then([](scripted::Dialog& dialog) { dialog.pressEnter(); });
    EXPECT_EQ(scenario::runDialog(IDD_BUTTONS, run), 1);
    std::vector<std::string> expected = {init(IDC_CHECK_A), command(IDOK, BN_CLICKED)};
    EXPECT_EQ(run.log, expected);
}

TEST(ButtonScenarios, EscapeWithACancelButtonSendsItsHandle) {
    DialogRun run;
    scripted::User user;
    user.then([](scripted::Dialog& dialog) { dialog.pressEscape(); });
    EXPECT_EQ(scenario::runDialog(IDD_NO_CLOSE_BOX, run), 0);
    std::vector<std::string> expected = {init(IDOK), command(IDCANCEL, BN_CLICKED)};
    EXPECT_EQ(run.log, expected);
}

}  // namespace
