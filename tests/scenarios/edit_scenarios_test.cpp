// Edit controls as the dialog procedure sees them: change notifications inside set-text, typed
// input through ES_NUMBER, reading text and numbers back.
#include <climits>
#include <cstring>

#include <gtest/gtest.h>

#include "tests/scenarios/scenario_support.h"

namespace {

using scenario::command;
using scenario::init;
using scenario::DialogRun;

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
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        EXPECT_EQ(dialog.text(IDC_TEXT), "abc");
        EXPECT_EQ(dialog.text(IDC_NUMBER), "-42");
        EXPECT_EQ(DialogHost::getDlgItemInt(dialog.handle(), IDC_NUMBER), -42);
        dialog.pressEscape();
    });
    EXPECT_EQ(scenario::runDialog(IDD_EDITS, run), 0);
    std::vector<std::string> expected = {init(IDC_TEXT),
                                         command(IDC_TEXT, EN_UPDATE), command(IDC_TEXT, EN_CHANGE),
                                         "first set returned",
                                         command(IDC_TEXT, EN_UPDATE), command(IDC_TEXT, EN_CHANGE),
                                         "second set returned",
                                         command(IDC_NUMBER, EN_UPDATE), command(IDC_NUMBER, EN_CHANGE),
                                         "number set returned",
                                         command(IDC_TEXT, EN_SETFOCUS),  // TRUE from WM_INITDIALOG
                                         command(IDCANCEL, BN_CLICKED),
                                         command(IDC_TEXT, EN_KILLFOCUS)};  // EndDialog takes the focus
    EXPECT_EQ(run.log, expected);
    EXPECT_EQ(user.dialogsOpened(), 1);
}

TEST(EditScenarios, NumberFieldRefusesTypedNonDigitsKeyByKey) {
    DialogRun run;
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        dialog.type(IDC_NUMBER, "1a2-3");
        EXPECT_EQ(dialog.text(IDC_NUMBER), "123");
        EXPECT_EQ(dialog.focusedId(), IDC_NUMBER);
        dialog.pressEnter();
    });
    EXPECT_EQ(scenario::runDialog(IDD_EDITS, run), 1);
    std::vector<std::string> expected = {init(IDC_TEXT), command(IDC_TEXT, EN_SETFOCUS),
                                         command(IDC_TEXT, EN_KILLFOCUS), command(IDC_NUMBER, EN_SETFOCUS),
                                         command(IDC_NUMBER, EN_UPDATE), command(IDC_NUMBER, EN_CHANGE),
                                         command(IDC_NUMBER, EN_UPDATE), command(IDC_NUMBER, EN_CHANGE),
                                         command(IDC_NUMBER, EN_UPDATE), command(IDC_NUMBER, EN_CHANGE),
                                         command(IDOK, BN_CLICKED), command(IDC_NUMBER, EN_KILLFOCUS)};
    EXPECT_EQ(run.log, expected);
}

TEST(EditScenarios, TypingReplacesTheWholeTextAndAFreeFieldTakesAnyCharacter) {
    DialogRun run;
    run.onInit = [](HWND dialog) {
        DialogHost::setDlgItemText(dialog, IDC_TEXT, "old");
        return TRUE;
    };
    scripted::User user;
    user.then([&run](scripted::Dialog& dialog) {
        run.log.clear();
        dialog.type(IDC_TEXT, "1.5-x");
        EXPECT_EQ(dialog.text(IDC_TEXT), "1.5-x");
        dialog.type(IDC_TEXT, "");
        EXPECT_EQ(dialog.text(IDC_TEXT), "");
        dialog.click(IDOK);
    });
    EXPECT_EQ(scenario::runDialog(IDD_EDITS, run), 1);
    std::vector<std::string> expected;
    for (int change = 0; change < 1 + 5 + 1; ++change) {  // delete "old", five keys, delete again
        expected.push_back(command(IDC_TEXT, EN_UPDATE));
        expected.push_back(command(IDC_TEXT, EN_CHANGE));
    }
    expected.push_back(command(IDC_TEXT, EN_KILLFOCUS));  // the click takes the focus to OK
    expected.push_back(command(IDOK, BN_CLICKED));
    EXPECT_EQ(run.log, expected);
}

TEST(EditScenarios, GetTextCopiesAtMostCapacityLessOneCharactersAndANul) {
    DialogRun run;
    run.onInit = [](HWND dialog) {
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
        DialogHost::endDialog(dialog, 5);
        return TRUE;
    };
    scripted::User user;
    EXPECT_EQ(scenario::runDialog(IDD_EDITS, run), 5);
    EXPECT_EQ(user.dialogsOpened(), 0);  // ended during WM_INITDIALOG: the user never saw it
}

TEST(EditScenarios, GetIntReadsSignedDecimalsAndZeroForAnythingElse) {
    struct Case {
        const char* text;
        int value;
    };
    // Leading blanks are skipped and reading stops at the first non-digit, as documented for
    // GetDlgItemInt; out of the 32-bit range reads as 0.
    const Case cases[] = {{"-42", -42}, {"17", 17}, {"  17", 17}, {"12abc", 12}, {"abc", 0}, {"", 0},
                          {"-", 0},     {"2147483647", INT_MAX},   {"2147483648", 0}, {"0", 0}};
    DialogRun run;
    run.onInit = [&cases](HWND dialog) {
        for (const Case& each : cases) {
            DialogHost::setDlgItemText(dialog, IDC_TEXT, each.text);
            EXPECT_EQ(DialogHost::getDlgItemInt(dialog, IDC_TEXT), each.value) << '"' << each.text << '"';
        }
        EXPECT_EQ(DialogHost::getDlgItemInt(dialog, 999), 0);
        DialogHost::setDlgItemInt(dialog, IDC_NUMBER, INT_MIN);
        EXPECT_EQ(scenario::textOf(dialog, IDC_NUMBER), "-2147483648");
        DialogHost::endDialog(dialog, 1);
        return TRUE;
    };
    scripted::User user;
    EXPECT_EQ(scenario::runDialog(IDD_EDITS, run), 1);
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
    std::vector<std::string> expected = {init(IDC_TEXT), command(IDC_TEXT, EN_UPDATE), command(IDC_TEXT, EN_CHANGE)};
    EXPECT_EQ(run.log, expected);
}

}  // namespace
