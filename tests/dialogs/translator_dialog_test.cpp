// "Edit Translator" run with a host procedure of the test's own: the procedure fills and reads the
// template's controls, and the call returns whatever value the procedure ends the dialog with.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <UIResource/UIResource.h>
#include "platform/dialog_driver.h"
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

// Every entry that takes an owner passes it on: opened over "Edit Translator", each dialog has it
// disabled while it runs, and its template's position 0, 0 lands on the owner's client origin.
TEST(TranslatorDialog, OwnsEachDialogOpenedOverIt) {
    struct Opened {
        const char* what;
        long (*open)(HWND owner);
    };
    static const Opened entries[] = {
        {"rename", [](HWND owner) {
             char name[8] = "";
             return UI::rename(owner, "a", name, sizeof name, -1, -1);
         }},
        {"select", [](HWND owner) {
             const char* items[] = {"a"};
             const long data[] = {1};
             return UI::select(owner, "t", "c", items, data, 1, -1) == -1 ? 0L : 1L;
         }},
        {"material properties", [](HWND owner) { return UI::displayMaterialProperties(owner); }},
        {"translator", [](HWND owner) { return UI::createButtonTranslatorDialog(hostProcedure, owner); }},
        {"mesh editor", [](HWND owner) {
             Mesh mesh{};
             WindowNode parent{owner};
             return createMeshEditorDialog(&parent, &mesh, 0, nullptr, nullptr, nullptr);
         }},
    };
    scripted::User user;
    user.then([&user](scripted::Dialog& outer) {
        for (const Opened& entry : entries) {
            SCOPED_TRACE(entry.what);
            user.then([&outer](scripted::Dialog& inner) {
                EXPECT_NE(outer.style(0) & WS_DISABLED, 0u);
                RECT ownerClient = DialogDriver::clientRect(outer.handle());
                RECT client = DialogDriver::clientRect(inner.handle());
                EXPECT_EQ(client.left, ownerClient.left);
                EXPECT_EQ(client.top, ownerClient.top);
                inner.pressEscape();
            });
            EXPECT_EQ(entry.open(outer.handle()), entry.open == entries[3].open ? kDiscarded : 0);
            EXPECT_EQ(outer.style(0) & WS_DISABLED, 0u);
        }
        outer.pressEscape();
    });
    EXPECT_EQ(UI::createButtonTranslatorDialog(hostProcedure, nullptr), kDiscarded);
    EXPECT_EQ(user.dialogsAbandoned(), 0);
}
