// List and combo boxes as the dialog procedure sees them: sorted insertion, item data and the
// error answers, silent selection by the procedure, and the notifications of a user's clicks.
#include <gtest/gtest.h>

#include "tests/scenarios/scenario_support.h"

namespace {

using scenario::command;
using scenario::init;
using scenario::DialogRun;

using scenario::addString;
using scenario::sendTo;

void fill(HWND dialog, int id, std::initializer_list<const char*> texts) {
    for (const char* text : texts) addString(dialog, id, text);
}

TEST(ListScenarios, SortedListsInsertCaseInsensitivelyAndUnsortedOnesKeepTheOrder) {
    const char* texts[] = {"delta", "Alpha", "Zulu", "_under", "charlie", "alpha", "bravo", "[x]"};
    std::vector<LRESULT> positions;
    std::vector<std::string> sorted, unsorted;
    DialogRun run;
    run.onInit = [&](HWND dialog) {
        for (const char* text : texts) {
            positions.push_back(addString(dialog, IDC_SORTED, text));
            addString(dialog, IDC_UNSORTED, text);
        }
        scripted::Dialog reader(dialog);
        sorted = reader.listItems(IDC_SORTED);
        unsorted = reader.listItems(IDC_UNSORTED);
        DialogHost::endDialog(dialog, 1);
        return FALSE;
    };
    scripted::User user;
    EXPECT_EQ(scenario::runDialog(IDD_LISTS, run), 1);
    // "alpha" added after "Alpha" goes before it: the binary search stops at the equal item.
    std::vector<std::string> expected = {"[x]", "_under", "alpha", "Alpha", "bravo", "charlie", "delta", "Zulu"};
    EXPECT_EQ(sorted, expected);
    EXPECT_EQ(positions, (std::vector<LRESULT>{0, 0, 2, 0, 2, 1, 3, 0}));
    EXPECT_EQ(unsorted, (std::vector<std::string>(std::begin(texts), std::end(texts))));
    EXPECT_EQ(run.log, std::vector<std::string>{init(IDC_SORTED)});  // filling sends nothing
}

TEST(ListScenarios, ItemDataSelectionAndResetAnswerAsUser32AndSendNothing) {
    DialogRun run;
    run.onInit = [](HWND dialog) {
        fill(dialog, IDC_SORTED, {"b", "a", "c"});
        EXPECT_EQ(sendTo(dialog, IDC_SORTED, LB_GETCURSEL), LB_ERR);
        for (int index = 0; index < 3; ++index) sendTo(dialog, IDC_SORTED, LB_SETITEMDATA, index, 100 + index);
        EXPECT_EQ(sendTo(dialog, IDC_SORTED, LB_GETITEMDATA, 2), 102);
        EXPECT_EQ(sendTo(dialog, IDC_SORTED, LB_GETITEMDATA, 3), LB_ERR);
        EXPECT_EQ(sendTo(dialog, IDC_SORTED, LB_GETITEMDATA, static_cast<WPARAM>(-1)), LB_ERR);
        EXPECT_EQ(sendTo(dialog, IDC_SORTED, LB_SETITEMDATA, 7, 1), LB_ERR);
        EXPECT_EQ(sendTo(dialog, IDC_SORTED, LB_SETCURSEL, 1), 1);
        EXPECT_EQ(sendTo(dialog, IDC_SORTED, LB_GETCURSEL), 1);
        EXPECT_EQ(sendTo(dialog, IDC_SORTED, LB_SETCURSEL, 9), LB_ERR);
        addString(dialog, IDC_SORTED, "0");  // inserted before the selection, which moves with its item
        EXPECT_EQ(sendTo(dialog, IDC_SORTED, LB_GETCURSEL), 2);
        EXPECT_EQ(sendTo(dialog, IDC_SORTED, LB_GETITEMDATA, 2), 101);
        EXPECT_EQ(sendTo(dialog, IDC_SORTED, LB_SETCURSEL, static_cast<WPARAM>(-1)), LB_ERR);
        EXPECT_EQ(sendTo(dialog, IDC_SORTED, LB_GETCURSEL), LB_ERR);
        sendTo(dialog, IDC_SORTED, LB_SETCURSEL, 0);
        EXPECT_EQ(sendTo(dialog, IDC_SORTED, LB_RESETCONTENT), 0);
        EXPECT_EQ(sendTo(dialog, IDC_SORTED, LB_GETCOUNT), 0);
        EXPECT_EQ(sendTo(dialog, IDC_SORTED, LB_GETCURSEL), LB_ERR);
        EXPECT_EQ(sendTo(dialog, IDC_SORTED, LB_GETITEMDATA, 0), LB_ERR);
        EXPECT_EQ(addString(dialog, IDC_SORTED, nullptr), 0);  // a null text is an empty item
        DialogHost::endDialog(dialog, 1);
        return FALSE;
    };
    scripted::User user;
    EXPECT_EQ(scenario::runDialog(IDD_LISTS, run), 1);
    EXPECT_EQ(run.log, std::vector<std::string>{init(IDC_SORTED)});
}

TEST(ListScenarios, ClicksReportFocusSelectionAndDoubleClicksOnlyWithLbsNotify) {
    DialogRun run;
    run.onInit = [](HWND dialog) {
        for (int id : {IDC_SORTED, IDC_UNSORTED, IDC_QUIET}) fill(dialog, id, {"one", "two", "three"});
        return TRUE;
    };
    scripted::User user;
    user.then([&run](scripted::Dialog& dialog) {
        run.log.push_back("user");
        dialog.clickListItem(IDC_SORTED, 2);  // sorted: one three two
        EXPECT_EQ(dialog.listSelection(IDC_SORTED), 2);
        dialog.clickListItem(IDC_UNSORTED, "two");
        EXPECT_EQ(dialog.listSelection(IDC_UNSORTED), 1);
        dialog.doubleClickListItem(IDC_UNSORTED, 0);
        EXPECT_EQ(dialog.listSelection(IDC_UNSORTED), 0);
        dialog.doubleClickListItem(IDC_QUIET, 1);
        EXPECT_EQ(dialog.listSelection(IDC_QUIET), 1);
        dialog.clickListItem(IDC_SORTED, 7);        // no such item: nothing happens
        dialog.clickListItem(IDC_SORTED, "none");
        dialog.pressEscape();
    });
    EXPECT_EQ(scenario::runDialog(IDD_LISTS, run), 0);
    std::vector<std::string> expected = {init(IDC_SORTED), command(IDC_SORTED, LBN_SETFOCUS), "user",
                                         command(IDC_SORTED, LBN_SELCHANGE),
                                         command(IDC_SORTED, LBN_KILLFOCUS), command(IDC_UNSORTED, LBN_SETFOCUS),
                                         command(IDC_UNSORTED, LBN_SELCHANGE),
                                         command(IDC_UNSORTED, LBN_SELCHANGE), command(IDC_UNSORTED, LBN_DBLCLK),
                                         command(IDC_UNSORTED, LBN_KILLFOCUS), command(IDC_QUIET, LBN_SETFOCUS),
                                         command(IDCANCEL, BN_CLICKED), command(IDC_QUIET, LBN_KILLFOCUS)};
    EXPECT_EQ(run.log, expected);
}

// Clicking the selected item again reports a selection change again.
TEST(ListScenarios, ClickingAnItemBelowTheVisiblePartScrollsToItFirst) {
    DialogRun run;
    run.onInit = [](HWND dialog) {
        for (int index = 0; index < 40; ++index) {
            addString(dialog, IDC_UNSORTED, ("item " + std::to_string(index)).c_str());
        }
        for (int index = 0; index < 40; ++index) sendTo(dialog, IDC_UNSORTED, LB_SETITEMDATA, index, index * 10);
        return TRUE;
    };
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        dialog.clickListItem(IDC_UNSORTED, 35);
        dialog.clickListItem(IDC_UNSORTED, 35);
        EXPECT_EQ(dialog.listSelection(IDC_UNSORTED), 35);
        EXPECT_EQ(dialog.listItemData(IDC_UNSORTED, 35), 350);
        dialog.clickListItem(IDC_UNSORTED, 0);
        EXPECT_EQ(dialog.listSelection(IDC_UNSORTED), 0);
        dialog.click(IDOK);
    });
    EXPECT_EQ(scenario::runDialog(IDD_LISTS, run), 1);
    std::vector<std::string> expected = {init(IDC_SORTED), command(IDC_UNSORTED, LBN_SELCHANGE),
                                         command(IDC_UNSORTED, LBN_SELCHANGE), command(IDC_UNSORTED, LBN_SELCHANGE),
                                         command(IDOK, BN_CLICKED)};
    EXPECT_EQ(scenario::withoutFocusNotes(run.log), expected);
}

LRESULT addToCombo(HWND dialog, int id, const char* text) {
    return sendTo(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

TEST(ComboScenarios, AHostProcedureFillsAndReadsDropDownCombosSilently) {
    DialogRun run;
    run.onInit = [](HWND dialog) {
        EXPECT_EQ(addToCombo(dialog, IDC_SORTED_COMBO, "Move"), 0);
        EXPECT_EQ(addToCombo(dialog, IDC_SORTED_COMBO, "Attack"), 0);
        EXPECT_EQ(addToCombo(dialog, IDC_SORTED_COMBO, "jump"), 1);
        EXPECT_EQ(addToCombo(dialog, IDC_PLAIN_COMBO, "Move"), 0);
        EXPECT_EQ(addToCombo(dialog, IDC_PLAIN_COMBO, "Attack"), 1);
        EXPECT_EQ(sendTo(dialog, IDC_SORTED_COMBO, CB_GETCOUNT), 3);
        EXPECT_EQ(sendTo(dialog, IDC_SORTED_COMBO, CB_GETCURSEL), CB_ERR);
        char item[16] = {};
        EXPECT_EQ(sendTo(dialog, IDC_SORTED_COMBO, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(item)), 4);
        EXPECT_STREQ(item, "Move");
        EXPECT_EQ(sendTo(dialog, IDC_SORTED_COMBO, CB_GETLBTEXT, 3, reinterpret_cast<LPARAM>(item)), CB_ERR);
        EXPECT_EQ(sendTo(dialog, IDC_SORTED_COMBO, CB_SETCURSEL, 1), 1);
        EXPECT_EQ(sendTo(dialog, IDC_SORTED_COMBO, CB_GETCURSEL), 1);
        EXPECT_EQ(scenario::textOf(dialog, IDC_SORTED_COMBO), "jump");
        EXPECT_EQ(sendTo(dialog, IDC_SORTED_COMBO, CB_SETCURSEL, 5), CB_ERR);
        DialogHost::setDlgItemText(dialog, IDC_PLAIN_COMBO, "typed by the host");
        EXPECT_EQ(scenario::textOf(dialog, IDC_PLAIN_COMBO), "typed by the host");
        sendTo(dialog, IDC_PLAIN_COMBO, CB_RESETCONTENT);
        EXPECT_EQ(sendTo(dialog, IDC_PLAIN_COMBO, CB_GETCOUNT), 0);
        return TRUE;
    };
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        EXPECT_EQ(dialog.listItems(IDC_SORTED_COMBO), (std::vector<std::string>{"Attack", "jump", "Move"}));
        EXPECT_EQ(dialog.listSelection(IDC_SORTED_COMBO), 1);
        dialog.pressEnter();
    });
    EXPECT_EQ(scenario::runDialog(IDD_COMBOS, run), 1);
    // Losing the focus as the dialog ends, the combo box rolls its list up: CBN_SELENDCANCEL.
    std::vector<std::string> expected = {init(IDC_SORTED_COMBO), command(IDOK, BN_CLICKED),
                                         command(IDC_SORTED_COMBO, CBN_SELENDCANCEL)};
    EXPECT_EQ(scenario::withoutFocusNotes(run.log), expected);
}

}  // namespace
