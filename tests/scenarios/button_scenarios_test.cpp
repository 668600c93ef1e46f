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
using scenario::Log;

TEST(ButtonScenarios, ClickToggleAutoCheckBoxesAndSettingChecksIsSilent) {
    DialogRun run;
    run.onInit = [](HWND dialog) {
        HWND second = DialogHost::getDlgItem(dialog, IDC_CHECK_B);
        DialogHost::sendMessage(second, BM_SETCHECK, BST_CHECKED, 0);
        EXPECT_EQ(DialogHost::sendMessage(second, BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_EQ(DialogHost::sendMessage(DialogHost::getDlgItem(dialog, IDC_PUSH), BM_GETCHECK, 0, 0), BST_UNCHECKED);
        return TRUE;
    };
    EXPECT_EQ(scenario::play(IDD_BUTTONS, run,
                             [](scripted::Dialog& dialog) {
                                 EXPECT_FALSE(dialog.checked(IDC_CHECK_A));
                                 EXPECT_TRUE(dialog.checked(IDC_CHECK_B));
                                 dialog.click(IDC_CHECK_A);
                                 dialog.click(IDC_CHECK_B);
                                 EXPECT_TRUE(dialog.checked(IDC_CHECK_A));
                                 EXPECT_FALSE(dialog.checked(IDC_CHECK_B));
                                 dialog.click(IDC_PUSH);
                                 dialog.click(999);  // no such control: nothing happens
                                 dialog.click(IDOK);
                             }),
              1);
    EXPECT_EQ(run.log, (Log{init(IDC_CHECK_A), command(IDC_CHECK_A, BN_CLICKED), command(IDC_CHECK_B, BN_CLICKED),
                            command(IDC_PUSH, BN_CLICKED), command(IDOK, BN_CLICKED)}));
}

struct KeyCase {
    const char* what;
    int templateId;
    INT_PTR closeAnswer;  // the procedure's answer to WM_CLOSE
    void (*act)(scripted::Dialog&);
    INT_PTR result;
    Log log;
};

// IDD_BUTTONS has a close box and no control 2; IDD_NO_CLOSE_BOX has a Cancel button and no
// WS_SYSMENU. A dialog the keys leave open is abandoned by the scripted user.
TEST(ButtonScenarios, EnterEscapeAndTheCloseBoxSendTheCommandsUser32Sends) {
    const KeyCase cases[] = {
        {"escape without control 2", IDD_BUTTONS, FALSE,
         [](scripted::Dialog& d) {
             EXPECT_FALSE(d.hasControl(IDCANCEL));
             d.pressEscape();
         },
         0, {init(IDC_CHECK_A), commandWithoutControl(IDCANCEL, BN_CLICKED)}},
        {"close box left to the dialog manager", IDD_BUTTONS, FALSE, [](scripted::Dialog& d) { d.closeBox(); }, 0,
         {init(IDC_CHECK_A), close(), commandWithoutControl(IDCANCEL, BN_CLICKED)}},
        {"close box answered by the procedure", IDD_BUTTONS, TRUE, [](scripted::Dialog& d) { d.closeBox(); },
         scripted::kAbandoned, {init(IDC_CHECK_A), close()}},
        {"no close box without a system menu", IDD_NO_CLOSE_BOX, FALSE,
         [](scripted::Dialog& d) {
             EXPECT_FALSE(d.hasCloseBox());
             d.closeBox();
         },
         scripted::kAbandoned, {init(IDOK)}},
        {"enter: the default button, with its handle", IDD_BUTTONS, FALSE, [](scripted::Dialog& d) { d.pressEnter(); },
         1, {init(IDC_CHECK_A), command(IDOK, BN_CLICKED)}},
        {"escape with a Cancel button: its handle", IDD_NO_CLOSE_BOX, FALSE,
         [](scripted::Dialog& d) { d.pressEscape(); }, 0, {init(IDOK), command(IDCANCEL, BN_CLICKED)}},
    };
    for (const KeyCase& each : cases) {
        SCOPED_TRACE(each.what);
        DialogRun run;
        run.closeAnswer = each.closeAnswer;
        EXPECT_EQ(scenario::play(each.templateId, run, each.act), each.result);
        EXPECT_EQ(run.log, each.log);
    }
}

TEST(ButtonScenarios, EnterFollowsTheDefaultIdTheProcedureSets) {
    DialogRun run;
    run.onInit = [](HWND dialog) {
        DialogHost::sendMessage(dialog, DM_SETDEFID, IDC_PUSH, 0);
        return TRUE;
    };
    run.onCommand = [](HWND dialog, int id, int) {
        if (id == IDC_PUSH) DialogHost::endDialog(dialog, 3);
        return id == IDC_PUSH;
    };
    EXPECT_EQ(scenario::play(IDD_BUTTONS, run, [](scripted::Dialog& dialog) { dialog.pressEnter(); }), 3);
    EXPECT_EQ(run.log, (Log{init(IDC_CHECK_A), command(IDC_PUSH, BN_CLICKED)}));
}

}  // namespace
