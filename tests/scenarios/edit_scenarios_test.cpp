// Edit controls as the dialog procedure sees them: change notifications inside set-text, typed
// input through ES_NUMBER and the typing limit, reading text and numbers back.
#include <climits>
#include <cstring>

#include <gtest/gtest.h>

#include "tests/scenarios/scenario_support.h"

namespace {

using scenario::changes;
using scenario::command;
using scenario::init;
using scenario::DialogRun;
using scenario::Log;

TEST(EditScenarios, SettingTextNotifiesBeforeTheCallReturnsEvenWhenUnchanged) {
    DialogRun run;
    run.onInit = [&run](HWND dialog) {
        DialogHost::setDlgItemText(dialog, IDC_TEXT, "abc");
        run.log.push_back("first set returned");
        DialogHost::setDlgItemText(dialog, IDC_TEXT, "abc");
        run.log.push_back("second set returned");
        DialogHost::setDlgItemInt(dialog, IDC_NUMBER, -42);  // ES_NUMBER filters typing only
        run.log.push_back("number set returned");
        return TRUE;
    };
    EXPECT_EQ(scenario::play(IDD_EDITS, run,
                             [](scripted::Dialog& dialog) {
                                 EXPECT_EQ(dialog.text(IDC_TEXT), "abc");
                                 EXPECT_EQ(dialog.text(IDC_NUMBER), "-42");
                                 EXPECT_EQ(DialogHost::getDlgItemInt(dialog.handle(), IDC_NUMBER), -42);
                                 dialog.pressEscape();
                             }),
              0);
    Log expected = {init(IDC_TEXT),  command(IDC_TEXT, EN_UPDATE),   command(IDC_TEXT, EN_CHANGE),
                    "first set returned", command(IDC_TEXT, EN_UPDATE), command(IDC_TEXT, EN_CHANGE),
                    "second set returned", command(IDC_NUMBER, EN_UPDATE), command(IDC_NUMBER, EN_CHANGE),
                    "number set returned",
                    command(IDC_TEXT, EN_SETFOCUS),  // TRUE from WM_INITDIALOG
                    command(IDCANCEL, BN_CLICKED),
                    command(IDC_TEXT, EN_KILLFOCUS)};  // EndDialog takes the focus
    EXPECT_EQ(run.log, expected);
}

TEST(EditScenarios, NumberFieldRefusesTypedNonDigitsKeyByKey) {
    DialogRun run;
    EXPECT_EQ(scenario::play(IDD_EDITS, run,
                             [](scripted::Dialog& dialog) {
                                 dialog.type(IDC_NUMBER, "1a2-3");
                                 EXPECT_EQ(dialog.text(IDC_NUMBER), "123");
                                 EXPECT_EQ(dialog.focusedId(), IDC_NUMBER);
                                 dialog.pressEnter();
                             }),
              1);
    Log expected = {init(IDC_TEXT), command(IDC_TEXT, EN_SETFOCUS), command(IDC_TEXT, EN_KILLFOCUS),
                    command(IDC_NUMBER, EN_SETFOCUS)};
    Log typed = changes(IDC_NUMBER, 3);
    expected.insert(expected.end(), typed.begin(), typed.end());
    expected.push_back(command(IDOK, BN_CLICKED));
    expected.push_back(command(IDC_NUMBER, EN_KILLFOCUS));
    EXPECT_EQ(run.log, expected);
}

TEST(EditScenarios, TypingReplacesTheWholeTextAndAFreeFieldTakesAnyCharacter) {
    DialogRun run;
    run.onInit = [](HWND dialog) {
        DialogHost::setDlgItemText(dialog, IDC_TEXT, "old");
        return TRUE;
    };
    EXPECT_EQ(scenario::play(IDD_EDITS, run,
                             [&run](scripted::Dialog& dialog) {
                                 run.log.clear();
                                 dialog.type(IDC_TEXT, "1.5-x");
                                 EXPECT_EQ(dialog.text(IDC_TEXT), "1.5-x");
                                 dialog.type(IDC_TEXT, "");
                                 EXPECT_EQ(dialog.text(IDC_TEXT), "");
                                 dialog.click(IDOK);
                             }),
              1);
    Log expected = changes(IDC_TEXT, 1 + 5 + 1);  // delete "old", five keys, delete again
    expected.push_back(command(IDC_TEXT, EN_KILLFOCUS));  // the click takes the focus to OK
    expected.push_back(command(IDOK, BN_CLICKED));
    EXPECT_EQ(run.log, expected);
}

TEST(EditScenarios, TypingStopsAtTheLimitWithEnMaxTextWhileSettingTextIgnoresIt) {
    DialogRun run;
    run.onInit = [](HWND dialog) {
        scenario::sendTo(dialog, IDC_TEXT, EM_LIMITTEXT, 3);
        DialogHost::setDlgItemText(dialog, IDC_NUMBER, "12345");
        scenario::sendTo(dialog, IDC_NUMBER, EM_LIMITTEXT, 2);
        return TRUE;
    };
    EXPECT_EQ(scenario::play(IDD_EDITS, run,
                             [&run](scripted::Dialog& dialog) {
                                 run.log.clear();
                                 dialog.type(IDC_TEXT, "abcd");
                                 EXPECT_EQ(dialog.text(IDC_TEXT), "abc");
                                 DialogHost::setDlgItemText(dialog.handle(), IDC_TEXT, "longer than three");
                                 EXPECT_EQ(dialog.text(IDC_TEXT), "longer than three");
                                 dialog.pressEscape();
                             }),
              0);
    Log expected = changes(IDC_TEXT, 3);
    expected.push_back(command(IDC_TEXT, EN_MAXTEXT));  // "d": refused, yet reported as a change
    Log set = changes(IDC_TEXT, 2);                       // ... and the text set past the limit
    expected.insert(expected.end(), set.begin(), set.end());
    expected.push_back(command(IDCANCEL, BN_CLICKED));
    expected.push_back(command(IDC_TEXT, EN_KILLFOCUS));
    EXPECT_EQ(run.log, expected);
}

// Runs `check` during WM_INITDIALOG of IDD_EDITS, which it ends: the user never sees the dialog.
void duringInit(void (*check)(HWND dialog)) {
    DialogRun run;
    run.onInit = [check](HWND dialog) {
        check(dialog);
        DialogHost::endDialog(dialog, 5);
        return TRUE;
    };
    scripted::User user;
    EXPECT_EQ(scenario::runDialog(IDD_EDITS, run), 5);
    EXPECT_EQ(user.dialogsOpened(), 0);
}

TEST(EditScenarios, GetTextCopiesAtMostCapacityLessOneCharactersAndANul) {
    duringInit([](HWND dialog) {
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
        EXPECT_EQ(DialogHost::getDlgItemText(dialog, IDC_TEXT, buffer, 8), 6u);
        EXPECT_STREQ(buffer, "abcdef");
    });
}

// Leading blanks are skipped and reading stops at the first non-digit, as documented for
// GetDlgItemInt; out of the 32-bit range reads as 0.
TEST(EditScenarios, GetIntReadsSignedDecimalsAndZeroForAnythingElse) {
    duringInit([](HWND dialog) {
        const struct {
            const char* text;
            int value;
        } cases[] = {{"-42", -42}, {"17", 17}, {"  17", 17}, {"12abc", 12}, {"abc", 0}, {"", 0},
                     {"-", 0},     {"2147483647", INT_MAX},   {"2147483648", 0}, {"0", 0}};
        for (const auto& each : cases) {
            DialogHost::setDlgItemText(dialog, IDC_TEXT, each.text);
            EXPECT_EQ(DialogHost::getDlgItemInt(dialog, IDC_TEXT), each.value) << '"' << each.text << '"';
        }
        EXPECT_EQ(DialogHost::getDlgItemInt(dialog, 999), 0);
        DialogHost::setDlgItemInt(dialog, IDC_NUMBER, INT_MIN);
        EXPECT_EQ(scenario::textOf(dialog, IDC_NUMBER), "-2147483648");
    });
}

TEST(EditScenarios, SettingTextOfAnIdNoControlHasFailsQuietly) {
    DialogRun run;
    run.onInit = [](HWND dialog) {
        EXPECT_FALSE(DialogHost::setDlgItemText(dialog, 999, "x"));
        EXPECT_TRUE(DialogHost::setDlgItemText(dialog, IDC_TEXT, nullptr));  // a null text is empty
        EXPECT_EQ(scenario::textOf(dialog, IDC_TEXT), "");
        DialogHost::endDialog(dialog, 1);
        return FALSE;
    };
    scripted::User user;
    EXPECT_EQ(scenario::runDialog(IDD_EDITS, run), 1);
    EXPECT_EQ(run.log, (Log{init(IDC_TEXT), command(IDC_TEXT, EN_UPDATE), command(IDC_TEXT, EN_CHANGE)}));
}

}  // namespace
