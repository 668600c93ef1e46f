// "Edit Translator" run with a host procedure of the test's own: the procedure fills and reads the
// template's controls, and the call returns whatever value the procedure ends the dialog with.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <UIResource/UIResource.h>
#include "platform/dialog_host.h"
#include "resources/resource_ids.h"
#include "platform/scripted_user/scripted_user.h"

namespace {

using Strings = std::vector<std::string>;

constexpr INT_PTR kSaved = 4242;      // the host's own answer for OK
constexpr INT_PTR kDiscarded = 1313;  // the host's own answer for Cancel, which Escape and the close box send

// What the host procedure read on OK; checked by the test once the dialog has ended.
struct HostView {
    Strings eventsInComboOrder;
    Strings translatorsInListOrder;
    std::string parameterString;
    bool stringConditionChecked = false;
};
HostView hostView;

void addStrings(HWND dialog, int id, UINT message, const Strings& strings) {
    for (const std::string& text : strings)
        DialogHost::sendMessage(DialogHost::getDlgItem(dialog, id), message, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

INT_PTR CALLBACK hostProcedure(HWND dialog, UINT message, WPARAM wordParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        addStrings(dialog, IDC_TRANSLATOR_EVENT, CB_ADDSTRING, {"On Timer", "on click", "After Load", "Zone Enter"});
        addStrings(dialog, IDC_TRANSLATOR_LIST, LB_ADDSTRING, {"3: play sound", "1: open door", "2: wait"});
        DialogHost::setDlgItemText(dialog, IDC_TRANSLATOR_PARAMETER_STRING, "door_01");
        return TRUE;
    }
    if (message != WM_COMMAND || (LOWORD(wordParam) != IDOK && LOWORD(wordParam) != IDCANCEL)) return FALSE;
    if (LOWORD(wordParam) == IDOK) {
        scripted::Dialog controls(dialog);  // reads through the list, combo and button messages
        hostView = {controls.listItems(IDC_TRANSLATOR_EVENT), controls.listItems(IDC_TRANSLATOR_LIST),
                    controls.text(IDC_TRANSLATOR_PARAMETER_STRING), controls.checked(IDC_TRANSLATOR_STRING)};
    }
    DialogHost::endDialog(dialog, LOWORD(wordParam) == IDOK ? kSaved : kDiscarded);
    return TRUE;
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
    // The template has no control 2, yet Escape reaches the host procedure as Cancel.
    user.then([](scripted::Dialog& dialog) { dialog.pressEscape(); });
    EXPECT_EQ(UI::createButtonTranslatorDialog(&hostProcedure, nullptr), static_cast<long>(kSaved));
    // The combo boxes sort their entries; the translator list keeps the order they were added in.
    EXPECT_EQ(hostView.eventsInComboOrder, (Strings{"After Load", "on click", "On Timer", "Zone Enter"}));
    EXPECT_EQ(hostView.translatorsInListOrder, (Strings{"3: play sound", "1: open door", "2: wait"}));
    EXPECT_EQ(hostView.parameterString, "gate_02");
    EXPECT_TRUE(hostView.stringConditionChecked);
    EXPECT_EQ(UI::createButtonTranslatorDialog(&hostProcedure, nullptr), static_cast<long>(kDiscarded));
}

TEST(TranslatorDialog, NullProcedureReturnsMinusOneAndOpensNothing) {
    scripted::User user;
    EXPECT_EQ(UI::createButtonTranslatorDialog(nullptr, nullptr), -1);
    EXPECT_EQ(user.dialogsOpened(), 0);
}
