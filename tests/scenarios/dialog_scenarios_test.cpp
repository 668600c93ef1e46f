// Whole dialogs as the procedure and the user see them: title and static texts, placement in
// dialog units, showing, focus, nested dialogs, dialogs that end early or never get a user, and
// the defined answers for dead and null handles.
#include <cmath>

#include <gtest/gtest.h>

#include "tests/scenarios/scenario_support.h"

namespace {

using scenario::command;
using scenario::init;
using scenario::DialogRun;

RECT rectOf(HWND window) {
    RECT rect{0, 0, 0, 0};
    EXPECT_TRUE(DialogHost::getWindowRect(window, &rect));
    return rect;
}

TEST(DialogScenarios, TitleAndStaticTextsChangeWithoutNotificationsAndStylesStay) {
    DialogRun run;
    run.onInit = [](HWND dialog) {
        EXPECT_EQ(scenario::textOf(dialog, IDC_LABEL), "Label");
        EXPECT_TRUE(DialogHost::setWindowText(dialog, "A New Title"));
        EXPECT_TRUE(DialogHost::setDlgItemText(dialog, IDC_LABEL, "Changed"));
        return TRUE;
    };
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        EXPECT_EQ(dialog.title(), "A New Title");
        EXPECT_EQ(dialog.text(0), "A New Title");
        EXPECT_EQ(dialog.text(IDC_LABEL), "Changed");
        EXPECT_EQ(dialog.text(999), "");
        // Controls keep their template styles.
        DWORD child = WS_CHILD | WS_VISIBLE;
        EXPECT_EQ(dialog.style(IDC_NUMBER) & (child | WS_TABSTOP | ES_NUMBER), child | WS_TABSTOP | ES_NUMBER);
        EXPECT_EQ(dialog.style(IDC_TEXT) & ES_NUMBER, 0u);
        EXPECT_EQ(dialog.style(IDOK) & BS_TYPEMASK, DWORD(BS_DEFPUSHBUTTON));
        EXPECT_EQ(dialog.style(IDCANCEL) & BS_TYPEMASK, DWORD(BS_PUSHBUTTON));
        EXPECT_EQ(dialog.style(999), 0u);
        dialog.click(IDCANCEL);
    });
    EXPECT_EQ(scenario::runDialog(IDD_EDITS, run), 0);
    EXPECT_EQ(scenario::withoutFocusNotes(run.log), (std::vector<std::string>{init(IDC_TEXT), command(IDCANCEL, 0)}));
}

TEST(DialogScenarios, ControlsArePlacedInDialogUnitsOfTheTemplateFont) {
    DialogRun run;
    run.onInit = [](HWND dialog) {
        RECT ok = rectOf(DialogHost::getDlgItem(dialog, IDOK));
        RECT cancel = rectOf(DialogHost::getDlgItem(dialog, IDCANCEL));
        RECT text = rectOf(DialogHost::getDlgItem(dialog, IDC_TEXT));
        RECT number = rectOf(DialogHost::getDlgItem(dialog, IDC_NUMBER));
        double unitX = (cancel.left - ok.left) / 80.0;   // OK at x 30, Cancel at x 110
        double unitY = (number.top - text.top) / 20.0;   // fields at y 10 and 30
        EXPECT_NEAR((ok.right - ok.left) / unitX, 50.0, 1.0);
        EXPECT_NEAR((ok.bottom - ok.top) / unitY, 14.0, 1.0);
        EXPECT_NEAR((text.right - text.left) / unitX, 120.0, 1.0);
        EXPECT_EQ(ok.top, cancel.top);
        RECT whole = rectOf(dialog);
        EXPECT_LT(whole.left, ok.left);
        EXPECT_GT(whole.right, cancel.right);
        EXPECT_LT(whole.top, text.top);
        DialogHost::endDialog(dialog, 1);
        return TRUE;
    };
    scripted::User user;
    EXPECT_EQ(scenario::runDialog(IDD_EDITS, run), 1);
}

TEST(DialogScenarios, APositionedDialogIsShownWhereItWasMoved) {
    RECT moved{};
    DialogRun run;
    run.onInit = [&moved](HWND dialog) {
        RECT desktop = rectOf(DialogHost::getDesktopWindow());
        EXPECT_EQ(desktop.left, 0);
        EXPECT_EQ(desktop.top, 0);
        RECT current = rectOf(dialog);
        LONG width = current.right - current.left;
        LONG height = current.bottom - current.top;
        LONG x = (desktop.right - width) / 2;
        LONG y = (desktop.bottom - height) / 2;
        EXPECT_TRUE(DialogHost::moveWindow(dialog, x, y, width, height, FALSE));
        moved = RECT{x, y, x + width, y + height};
        EXPECT_FALSE(DialogHost::showWindow(dialog, SW_SHOWNORMAL));  // hidden during WM_INITDIALOG
        EXPECT_TRUE(DialogHost::showWindow(dialog, SW_SHOWNORMAL));
        return TRUE;
    };
    scripted::User user;
    user.then([&moved](scripted::Dialog& dialog) {
        RECT shown = dialog.windowRect();
        EXPECT_EQ(shown.left, moved.left);
        EXPECT_EQ(shown.top, moved.top);
        EXPECT_EQ(shown.right, moved.right);
        EXPECT_EQ(shown.bottom, moved.bottom);
        EXPECT_NE(dialog.style(0) & WS_VISIBLE, 0u);
        EXPECT_EQ(dialog.style(0) & (WS_POPUP | WS_CAPTION | WS_SYSMENU), DWORD(WS_POPUP | WS_CAPTION | WS_SYSMENU));
        dialog.pressEscape();
    });
    EXPECT_EQ(scenario::runDialog(IDD_BUTTONS, run), 0);
}

TEST(DialogScenarios, SetFocusReturnsThePreviousControlAndSendsFocusNotifications) {
    DialogRun run;
    run.onInit = [&run](HWND dialog) {
        HWND text = DialogHost::getDlgItem(dialog, IDC_TEXT);
        HWND number = DialogHost::getDlgItem(dialog, IDC_NUMBER);
        DialogHost::setFocus(number);
        EXPECT_EQ(DialogHost::setFocus(text), number);
        EXPECT_EQ(DialogHost::setFocus(number), text);
        EXPECT_EQ(DialogHost::setFocus(number), number);  // already there: nothing happens
        run.log.push_back("focus set");
        return FALSE;  // keeps the focus where the procedure put it
    };
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        EXPECT_EQ(dialog.focusedId(), IDC_NUMBER);
        dialog.pressEscape();
    });
    EXPECT_EQ(scenario::runDialog(IDD_EDITS, run), 0);
    std::vector<std::string> expected = {init(IDC_TEXT), command(IDC_NUMBER, EN_SETFOCUS),
                                         command(IDC_NUMBER, EN_KILLFOCUS), command(IDC_TEXT, EN_SETFOCUS),
                                         command(IDC_TEXT, EN_KILLFOCUS), command(IDC_NUMBER, EN_SETFOCUS),
                                         "focus set", command(IDCANCEL, BN_CLICKED),
                                         command(IDC_NUMBER, EN_KILLFOCUS)};
    EXPECT_EQ(run.log, expected);
}

TEST(DialogScenarios, WithoutFocusFromInitTheFirstTabStopGetsItAsTheDialogShows) {
    DialogRun run;
    run.onInit = [](HWND) { return FALSE; };
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        EXPECT_EQ(dialog.focusedId(), IDC_TEXT);
        dialog.pressEscape();
    });
    EXPECT_EQ(scenario::runDialog(IDD_EDITS, run), 0);
    std::vector<std::string> expected = {init(IDC_TEXT), command(IDC_TEXT, EN_SETFOCUS),
                                         command(IDCANCEL, BN_CLICKED), command(IDC_TEXT, EN_KILLFOCUS)};
    EXPECT_EQ(run.log, expected);
}

TEST(DialogScenarios, ADialogOpenedFromAProcedureTakesTheNextScriptAndReturnsItsResult) {
    DialogRun outer, inner;
    INT_PTR innerResult = 0;
    outer.onCommand = [&](HWND dialog, int id, int) {
        if (id != IDC_PUSH) return false;
        innerResult = scenario::runDialog(IDD_EDITS, inner, dialog);
        return true;
    };
    scripted::User user;
    user.then([&](scripted::Dialog& dialog) {
            dialog.click(IDC_PUSH);
            EXPECT_EQ(innerResult, 1);
            EXPECT_EQ(dialog.title(), "Buttons");
            dialog.click(IDOK);
        })
        .then([](scripted::Dialog& dialog) {
            EXPECT_EQ(dialog.title(), "Edits");
            dialog.type(IDC_TEXT, "x");
            dialog.pressEnter();
        });
    EXPECT_EQ(scenario::runDialog(IDD_BUTTONS, outer), 1);
    EXPECT_EQ(user.dialogsOpened(), 2);
    EXPECT_EQ(user.scriptsLeft(), 0);
    EXPECT_EQ(outer.log, (std::vector<std::string>{init(IDC_CHECK_A), command(IDC_PUSH, 0), command(IDOK, 0)}));
    std::vector<std::string> expected = {init(IDC_TEXT), command(IDC_TEXT, EN_SETFOCUS),
                                         command(IDC_TEXT, EN_UPDATE), command(IDC_TEXT, EN_CHANGE),
                                         command(IDOK, BN_CLICKED), command(IDC_TEXT, EN_KILLFOCUS)};
    EXPECT_EQ(inner.log, expected);
}

TEST(DialogScenarios, AMissingTemplateCannotBeCreated) {
    DialogRun run;
    scripted::User user;
    EXPECT_EQ(scenario::runDialog(IDD_NOT_THERE, run), -1);
    EXPECT_TRUE(run.log.empty());
    EXPECT_EQ(user.dialogsOpened(), 0);
}

TEST(DialogScenarios, AScriptThatLeavesItsDialogOpenIsAbandoned) {
    DialogRun run;
    scripted::User user;
    user.then([](scripted::Dialog&) {});
    EXPECT_EQ(scenario::runDialog(IDD_EDITS, run), scripted::kAbandoned);
    EXPECT_EQ(user.dialogsAbandoned(), 1);
    DialogRun unexpected;
    EXPECT_EQ(scenario::runDialog(IDD_EDITS, unexpected), scripted::kAbandoned);  // no script left
    EXPECT_EQ(user.dialogsOpened(), 2);
    EXPECT_EQ(user.dialogsAbandoned(), 2);
}

TEST(DialogScenarios, AnExtendedTemplateRunsLikeAClassicOne) {
    DialogRun run;
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        EXPECT_EQ(dialog.title(), "Extended");
        EXPECT_EQ(dialog.text(IDC_LABEL), "Static");
        EXPECT_NE(dialog.style(0) & DS_FIXEDSYS, 0u);
        dialog.closeBox();
    });
    EXPECT_EQ(scenario::runDialog(IDD_EXTENDED, run), 0);
    EXPECT_EQ(run.log, (std::vector<std::string>{init(IDOK), scenario::close(),
                                                 scenario::commandWithoutControl(IDCANCEL, 0)}));
}

TEST(DialogScenarios, DeadAndNullHandlesGiveDefinedAnswers) {
    DialogRun run;
    scripted::User user;
    user.then([](scripted::Dialog& dialog) { dialog.pressEscape(); });
    ASSERT_EQ(scenario::runDialog(IDD_EDITS, run), 0);
    for (HWND gone : {run.dialog, static_cast<HWND>(nullptr)}) {
        char buffer[8] = "zzzzzzz";
        RECT rect{1, 2, 3, 4};
        EXPECT_EQ(DialogHost::getDlgItem(gone, IDC_TEXT), nullptr);
        EXPECT_EQ(DialogHost::sendMessage(gone, WM_GETTEXTLENGTH, 0, 0), 0);
        EXPECT_FALSE(DialogHost::setDlgItemText(gone, IDC_TEXT, "x"));
        EXPECT_EQ(DialogHost::getDlgItemText(gone, IDC_TEXT, buffer, 8), 0u);
        EXPECT_STREQ(buffer, "");
        EXPECT_EQ(DialogHost::getDlgItemInt(gone, IDC_TEXT), 0);
        EXPECT_FALSE(DialogHost::endDialog(gone, 3));
        EXPECT_FALSE(DialogHost::getWindowRect(gone, &rect));
        EXPECT_EQ(rect.left, 1);
        EXPECT_FALSE(DialogHost::setWindowText(gone, "x"));
        EXPECT_FALSE(DialogHost::moveWindow(gone, 0, 0, 10, 10, FALSE));
    }
}

}  // namespace
