// "Edit Translator" run with a host procedure of the test's own: the procedure fills the template's
// controls, and the call returns whatever value the procedure ends the dialog with.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <UIResource/UIResource.h>
#include "harness/dialog_driver.h"
#include "resources/resource_ids.h"
#include "harness/scripted_user/scripted_user.h"

namespace {

using Strings = std::vector<std::string>;

constexpr INT_PTR kSaved = 4242;      // the host's own answer for OK
constexpr INT_PTR kDiscarded = 1313;  // the host's own answer for Cancel, which Escape and the close box send

void addStrings(HWND dialog, int id, UINT message, const Strings& strings) {
    for (const std::string& text : strings)
        DialogHost::sendMessage(DialogHost::getDlgItem(dialog, id), message, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Fills the event combo and the translator list, and ends the dialog with its own answers.
INT_PTR CALLBACK hostProcedure(HWND dialog, UINT message, WPARAM wordParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        addStrings(dialog, IDC_TRANSLATOR_EVENT, CB_ADDSTRING, {"On Timer", "on click", "After Load", "Zone Enter"});
        addStrings(dialog, IDC_TRANSLATOR_LIST, LB_ADDSTRING, {"3: play sound", "1: open door", "2: wait"});
        return TRUE;
    }
    if (message != WM_COMMAND || (LOWORD(wordParam) != IDOK && LOWORD(wordParam) != IDCANCEL)) return FALSE;
    DialogHost::endDialog(dialog, LOWORD(wordParam) == IDOK ? kSaved : kDiscarded);
    return TRUE;
}

}  // namespace

// The combo boxes sort their entries; the translator list keeps the order they were added in.
TEST(TranslatorDialog, HostProcedureFillsTheControlsAndChoosesTheResult) {
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        EXPECT_EQ(dialog.title(), "Edit Translator");
        const Strings events{"After Load", "on click", "On Timer", "Zone Enter"};
        EXPECT_EQ(dialog.listItems(IDC_TRANSLATOR_EVENT), events);
        EXPECT_EQ(dialog.listItems(IDC_TRANSLATOR_LIST), (Strings{"3: play sound", "1: open door", "2: wait"}));
        dialog.click(IDOK);
    });
    // The template has no control 2, yet Escape reaches the host procedure as Cancel.
    user.then([](scripted::Dialog& dialog) { dialog.pressEscape(); });
    EXPECT_EQ(UI::createButtonTranslatorDialog(&hostProcedure, nullptr), static_cast<long>(kSaved));
    EXPECT_EQ(UI::createButtonTranslatorDialog(&hostProcedure, nullptr), static_cast<long>(kDiscarded));
    EXPECT_EQ(UI::createButtonTranslatorDialog(nullptr, nullptr), -1);  // opens nothing
    EXPECT_EQ(user.dialogsOpened(), 2);
}

// Every entry that takes an owner passes it on: opened over "Edit Translator", each dialog has it
// disabled while it runs, and its template's position 0, 0 lands on the owner's client origin (the
// translator opens over the centred exit dialog: in the desktop's corner, a dialog placed from its
// owner's frame would be pushed back onto the desktop, to the same place).
TEST(TranslatorDialog, OwnsEachDialogOpenedOverIt) {
    const struct {
        const char* what;
        long (*open)(HWND owner);
        long onEscape;
    } entries[] = {
        {"rename", [](HWND owner) { return UI::rename(owner, "a", nullptr, 0, -1, -1); }, 0},
        {"select", [](HWND owner) {
             const char* items[] = {"a"};
             return UI::select(owner, "t", "c", items, nullptr, 1, -1);
         }, -1},
        {"material properties", [](HWND owner) { return UI::displayMaterialProperties(owner); }, 0},
        {"translator", [](HWND owner) { return UI::createButtonTranslatorDialog(hostProcedure, owner); }, kDiscarded},
        {"mesh editor", [](HWND owner) {
             Mesh mesh{};
             WindowNode parent{owner};
             return createMeshEditorDialog(&parent, &mesh, 0, nullptr, nullptr, nullptr);
         }, 0},
    };
    scripted::User user;
    user.then([](scripted::Dialog& exit) {
        EXPECT_EQ(UI::createButtonTranslatorDialog(hostProcedure, exit.handle()), kDiscarded);
        exit.click(IDCANCEL);
    });
    user.then([&](scripted::Dialog& outer) {
        for (const auto& entry : entries) {
            SCOPED_TRACE(entry.what);
            user.then([&outer](scripted::Dialog& inner) {
                EXPECT_NE(outer.style(0) & WS_DISABLED, 0u);
                RECT ownerClient = DialogDriver::clientRect(outer.handle());
                RECT client = DialogDriver::clientRect(inner.handle());
                EXPECT_EQ(client.left, ownerClient.left);
                EXPECT_EQ(client.top, ownerClient.top);
                inner.pressEscape();
            });
            EXPECT_EQ(entry.open(outer.handle()), entry.onEscape);
            EXPECT_EQ(outer.style(0) & WS_DISABLED, 0u);
        }
        outer.pressEscape();
    });
    EXPECT_EQ(UI::createExitApplicationDialog(nullptr, nullptr), 0);
    EXPECT_EQ(user.dialogsAbandoned(), 0);
}
