// The finer points a procedure can observe: focus coming back after a nested dialog, typing into a
// combo box's field and early ends.
#include <gtest/gtest.h>

#include "tests/scenarios/scenario_support.h"

namespace {

using scenario::command;
using scenario::DialogRun;
using scenario::addString;
using scenario::init;

TEST(FocusScenarios, ADialogOpenedOnADoubleClickGivesTheFocusBackToTheListWhenItEnds) {
    DialogRun outer, inner;
    outer.onInit = [](HWND dialog) {
        for (const char* text : {"one", "two"}) addString(dialog, IDC_UNSORTED, text);
        return TRUE;
    };
    outer.onCommand = [&](HWND dialog, int id, int code) {
        if (id != IDC_UNSORTED || code != LBN_DBLCLK) return false;
        outer.log.push_back("nested returned " + std::to_string(scenario::runDialog(IDD_NO_CLOSE_BOX, inner, dialog)));
        return true;
    };
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
            dialog.doubleClickListItem(IDC_UNSORTED, 1);
            EXPECT_EQ(dialog.focusedId(), IDC_UNSORTED);
            dialog.pressEscape();
        })
        .then([](scripted::Dialog& dialog) { dialog.pressEnter(); });
    EXPECT_EQ(scenario::runDialog(IDD_LISTS, outer), 0);
    std::vector<std::string> expected = {init(IDC_SORTED), command(IDC_SORTED, LBN_SETFOCUS),
                                         command(IDC_SORTED, LBN_KILLFOCUS), command(IDC_UNSORTED, LBN_SETFOCUS),
                                         command(IDC_UNSORTED, LBN_SELCHANGE), command(IDC_UNSORTED, LBN_DBLCLK),
                                         command(IDC_UNSORTED, LBN_KILLFOCUS),  // the nested dialog's OK
                                         command(IDC_UNSORTED, LBN_SETFOCUS),   // back as it ends
                                         "nested returned 1", command(IDCANCEL, BN_CLICKED),
                                         command(IDC_UNSORTED, LBN_KILLFOCUS)};
    EXPECT_EQ(outer.log, expected);
    EXPECT_EQ(inner.log, (std::vector<std::string>{init(IDOK), command(IDOK, BN_CLICKED)}));
}

TEST(FocusScenarios, FocusRemovedDuringInitStaysAwayAsTheDialogShows) {
    DialogRun run;
    run.onInit = [&run](HWND dialog) {
        HWND number = DialogHost::getDlgItem(dialog, IDC_NUMBER);
        DialogHost::setFocus(number);
        EXPECT_EQ(DialogHost::setFocus(nullptr), number);
        run.log.push_back("focus removed");
        return FALSE;
    };
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        EXPECT_EQ(dialog.focusedId(), 0);  // setting the focus activated the dialog before it showed
        dialog.pressEscape();
    });
    EXPECT_EQ(scenario::runDialog(IDD_EDITS, run), 0);
    std::vector<std::string> expected = {init(IDC_TEXT), command(IDC_NUMBER, EN_SETFOCUS),
                                         command(IDC_NUMBER, EN_KILLFOCUS), "focus removed",
                                         command(IDCANCEL, BN_CLICKED)};
    EXPECT_EQ(run.log, expected);
}

// The control takes the focus as asked and loses it again as the dialog is destroyed; the user
// never sees the dialog, and the queued script waits for the next one.
TEST(FocusScenarios, EndingDuringInitAfterAskingForFocusStillFocusesTheFirstTabStop) {
    DialogRun run;
    run.onInit = [](HWND dialog) {
        DialogHost::endDialog(dialog, 5);
        return TRUE;
    };
    scripted::User user;
    user.then([](scripted::Dialog& dialog) { dialog.pressEnter(); });
    EXPECT_EQ(scenario::runDialog(IDD_EDITS, run), 5);
    EXPECT_EQ(user.dialogsOpened(), 0);
    EXPECT_EQ(user.scriptsLeft(), 1);
    EXPECT_EQ(run.log, (std::vector<std::string>{init(IDC_TEXT), command(IDC_TEXT, EN_SETFOCUS),
                                                 command(IDC_TEXT, EN_KILLFOCUS)}));
}

TEST(ComboScenarios, TypingIntoAComboBoxFieldReportsEditUpdateThenEditChange) {
    DialogRun run;
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        dialog.type(IDC_PLAIN_COMBO, "ab");
        EXPECT_EQ(dialog.text(IDC_PLAIN_COMBO), "ab");
        EXPECT_EQ(dialog.focusedId(), IDC_PLAIN_COMBO);
        dialog.type(IDC_PLAIN_COMBO, "c");
        EXPECT_EQ(dialog.text(IDC_PLAIN_COMBO), "c");
        dialog.pressEnter();
    });
    EXPECT_EQ(scenario::runDialog(IDD_COMBOS, run), 1);
    scenario::Log expected = {init(IDC_SORTED_COMBO), command(IDC_SORTED_COMBO, CBN_SETFOCUS),
                              command(IDC_SORTED_COMBO, CBN_SELENDCANCEL), command(IDC_SORTED_COMBO, CBN_KILLFOCUS),
                              command(IDC_PLAIN_COMBO, CBN_SETFOCUS)};
    // "a", "b", deleting "ab", "c"
    scenario::Log typed = scenario::changes(IDC_PLAIN_COMBO, 2 + 1 + 1, CBN_EDITUPDATE, CBN_EDITCHANGE);
    expected.insert(expected.end(), typed.begin(), typed.end());
    expected.push_back(command(IDOK, BN_CLICKED));
    expected.push_back(command(IDC_PLAIN_COMBO, CBN_SELENDCANCEL));
    expected.push_back(command(IDC_PLAIN_COMBO, CBN_KILLFOCUS));
    EXPECT_EQ(run.log, expected);
}

}  // namespace
