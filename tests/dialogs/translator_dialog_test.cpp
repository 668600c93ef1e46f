// "Edit Translator" run with a host procedure of the test's own: the procedure fills and reads the
// template's controls, and the call returns whatever value the procedure ends the dialog with.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "module/UIResource.h"
#include "resources/resource_ids.h"
#include "tests/dialogs/dialog_test_platform.h"
#include "tests/support/scripted_user.h"

namespace {

using Strings = std::vector<std::string>;

constexpr INT_PTR kSaved = 4242;      // the host's own answer for OK
constexpr INT_PTR kDiscarded = 1313;  // the host's own answer for Escape and the close box

// What the host procedure saw; checked by the test once the dialog has ended.
struct HostView {
    Strings eventsInComboOrder;
    Strings translatorsInListOrder;
    std::string parameterString;
    bool stringConditionChecked = false;
};
HostView hostView;

// A list or combo box's entries in display order, through its count and text messages.
Strings entries(HWND dialog, int id, UINT countMessage, UINT textMessage) {
    Strings entries;
    auto count = testplatform::sendItemMessage(dialog, id, countMessage, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[64] = "";
        testplatform::sendItemMessage(dialog, id, textMessage, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}

void addStrings(HWND dialog, int id, UINT message, const Strings& strings) {
    for (const std::string& text : strings)
        testplatform::sendItemMessage(dialog, id, message, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void fillTranslatorControls(HWND dialog) {
    addStrings(dialog, IDC_TRANSLATOR_EVENT, CB_ADDSTRING, {"On Timer", "on click", "After Load", "Zone Enter"});
    addStrings(dialog, IDC_TRANSLATOR_LIST, LB_ADDSTRING, {"3: play sound", "1: open door", "2: wait"});
    testplatform::setItemText(dialog, IDC_TRANSLATOR_PARAMETER_STRING, "door_01");
}

void readTranslatorControls(HWND dialog) {
    hostView.eventsInComboOrder = entries(dialog, IDC_TRANSLATOR_EVENT, CB_GETCOUNT, CB_GETLBTEXT);
    hostView.translatorsInListOrder = entries(dialog, IDC_TRANSLATOR_LIST, LB_GETCOUNT, LB_GETTEXT);
    hostView.parameterString = testplatform::itemText(dialog, IDC_TRANSLATOR_PARAMETER_STRING);
    hostView.stringConditionChecked =
        testplatform::sendItemMessage(dialog, IDC_TRANSLATOR_STRING, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

INT_PTR CALLBACK hostProcedure(HWND dialog, UINT message, WPARAM wordParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        fillTranslatorControls(dialog);
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    if (LOWORD(wordParam) == IDOK) {
        readTranslatorControls(dialog);
        testplatform::endDialog(dialog, kSaved);
        return TRUE;
    }
    if (LOWORD(wordParam) == IDCANCEL) {
        testplatform::endDialog(dialog, kDiscarded);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

TEST(TranslatorDialog, HostProcedureFillsAndReadsTheControlsAndChoosesTheResult) {
    hostView = HostView{};
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        EXPECT_EQ(dialog.title(), "Edit Translator");
        EXPECT_EQ(dialog.listItems(IDC_TRANSLATOR_LIST), (Strings{"3: play sound", "1: open door", "2: wait"}));
        EXPECT_EQ(dialog.text(IDC_TRANSLATOR_PARAMETER_STRING), "door_01");
        dialog.type(IDC_TRANSLATOR_PARAMETER_STRING, "gate_02");
        dialog.click(IDC_TRANSLATOR_STRING);
        dialog.click(IDOK);
    });
    EXPECT_EQ(UI::createButtonTranslatorDialog(&hostProcedure, nullptr), static_cast<long>(kSaved));
    // The combo boxes sort their entries; the translator list keeps the order they were added in.
    EXPECT_EQ(hostView.eventsInComboOrder, (Strings{"After Load", "on click", "On Timer", "Zone Enter"}));
    EXPECT_EQ(hostView.translatorsInListOrder, (Strings{"3: play sound", "1: open door", "2: wait"}));
    EXPECT_EQ(hostView.parameterString, "gate_02");
    EXPECT_TRUE(hostView.stringConditionChecked);
}

// The template has no control 2, yet Escape and the close box reach the host procedure as Cancel.
TEST(TranslatorDialog, EscapeAndCloseBoxReachTheHostProcedureAsCancel) {
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        EXPECT_FALSE(dialog.hasControl(IDCANCEL));
        EXPECT_TRUE(dialog.hasCloseBox());
        dialog.pressEscape();
    });
    user.then([](scripted::Dialog& dialog) { dialog.closeBox(); });
    EXPECT_EQ(UI::createButtonTranslatorDialog(&hostProcedure, nullptr), static_cast<long>(kDiscarded));
    EXPECT_EQ(UI::createButtonTranslatorDialog(&hostProcedure, nullptr), static_cast<long>(kDiscarded));
}

TEST(TranslatorDialog, NullProcedureReturnsMinusOneAndOpensNothing) {
    scripted::User user;
    EXPECT_EQ(UI::createButtonTranslatorDialog(nullptr, nullptr), -1);
    EXPECT_EQ(user.dialogsOpened(), 0);
}
