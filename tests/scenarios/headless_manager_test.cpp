// What only the headless dialog manager promises: its documented desktop and metrics, its answers
// to bad templates, modules and users, with the reasons it gives, and the driver's reading of it.
#include <gtest/gtest.h>

#include "harness/dialog_driver.h"
#include "platform/headless/headless_metrics.h"
#include "tests/scenarios/dialog_checks.h"
#include "tests/scenarios/scenario_ids.h"
#include "tests/support/res_bytes.h"

namespace {

using scenario::runChecks;
using scenario::scenarioModule;

INT_PTR CALLBACK quietProcedure(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// A scripted user who never does anything: the driver gives the dialog up after 1000 idle calls.
void idleUser(HWND, void* calls) { ++*static_cast<int*>(calls); }

// One who hands the dialog a key each time is never given up, however long it takes.
void busyUser(HWND dialog, void* calls) {
    if (++*static_cast<int*>(calls) == 1500) DialogHost::endDialog(dialog, 5);
    else DialogDriver::pressKey(VK_TAB);
}

TEST(HeadlessManager, DialogsCannotRunWithoutAUserOrFromBadTemplatesAndModulesAndSayWhy) {
    EXPECT_EQ(DialogHost::dialogBoxParam(scenarioModule(), IDD_EDITS, nullptr, quietProcedure, 0), -1);
    EXPECT_EQ(DialogDriver::lastDialogFailure(), "no user is attached to answer dialog " + std::to_string(IDD_EDITS));

    scripted::User user;
    std::vector<uint8_t> truncated = {0xC0, 0x00, 0xC8, 0x80, 0, 0, 0, 0, 3, 0};  // header cut short
    std::vector<uint8_t> image = resbytes::resEntry(0, 0, {});
    std::vector<uint8_t> entry = resbytes::resEntry(5, 7, truncated);
    image.insert(image.end(), entry.begin(), entry.end());
    std::string error;
    HINSTANCE module = DialogDriver::registerResources(image.data(), image.size(), error);
    ASSERT_NE(module, nullptr) << error;
    EXPECT_EQ(DialogHost::dialogBoxParam(module, 7, nullptr, nullptr, 0), -1);
    EXPECT_EQ(DialogDriver::lastDialogFailure(), "dialog template 7: dialog header: truncated");
    EXPECT_EQ(DialogHost::dialogBoxParam(module, 8, nullptr, nullptr, 0), -1);
    EXPECT_EQ(DialogDriver::lastDialogFailure(), "no dialog template 8 in the module");
    EXPECT_EQ(DialogHost::dialogBoxParam(nullptr, IDD_EDITS, nullptr, nullptr, 0), -1);
    EXPECT_EQ(DialogHost::dialogBoxParam(reinterpret_cast<HINSTANCE>(&error), IDD_EDITS, nullptr, nullptr, 0), -1);
    HWND deadOwner = reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x4));
    EXPECT_EQ(DialogHost::dialogBoxParam(scenarioModule(), IDD_EDITS, deadOwner, nullptr, 0), 0);
    EXPECT_EQ(user.dialogsOpened(), 0);

    const char garbage[] = "not a resource file";
    EXPECT_EQ(DialogDriver::registerResources(garbage, sizeof garbage, error), nullptr);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(DialogDriver::registerResources(nullptr, 10, error), nullptr);
    std::vector<DialogDriver::ModuleResource> listed;
    EXPECT_TRUE(DialogDriver::listResources(module, listed, error));
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].name.id, 7);
    EXPECT_FALSE(DialogDriver::listResources(reinterpret_cast<HINSTANCE>(&error), listed, error));
}

// A person at a front end may wake it many times without acting (a press beside the dialogs, a
// window uncovered): the dialog waits for them, always without a deadline, as long as it takes.
struct IdlePerson {
    int wakes = 0;
    DWORD timeout = 0;
    int dialogsGone = 0;
};

void idlePerson(HWND dialog, DWORD timeoutMs, void* person) {
    IdlePerson& idle = *static_cast<IdlePerson*>(person);
    idle.timeout = timeoutMs;
    if (++idle.wakes == 1500) DialogHost::endDialog(dialog, 5);
}

void dialogGone(HWND, void* person) { ++static_cast<IdlePerson*>(person)->dialogsGone; }

TEST(HeadlessManager, AScriptedUserWhoNeverActsGivesUpWhileAPersonIsWaitedFor) {
    int calls = 0;
    DialogDriver::attachUser(idleUser, &calls);
    EXPECT_EQ(DialogHost::dialogBoxParam(scenarioModule(), IDD_EDITS, nullptr, quietProcedure, 0), -1);
    EXPECT_EQ(calls, 1000);
    calls = 0;
    DialogDriver::attachUser(busyUser, &calls);
    EXPECT_EQ(DialogHost::dialogBoxParam(scenarioModule(), IDD_EDITS, nullptr, quietProcedure, 0), 5);
    EXPECT_EQ(calls, 1500);
    IdlePerson person;
    DialogDriver::FrontEnd frontEnd{idlePerson, dialogGone, &person};
    DialogDriver::attachFrontEnd(&frontEnd);
    EXPECT_EQ(DialogHost::dialogBoxParam(scenarioModule(), IDD_EDITS, nullptr, quietProcedure, 0), 5);
    DialogDriver::attachFrontEnd(nullptr);
    EXPECT_EQ(person.wakes, 1500);
    EXPECT_EQ(person.timeout, DialogDriver::kWaitForever);
    EXPECT_EQ(person.dialogsGone, 1);
}

// 200 x 80 dialog units at 6 x 13 base units: a 300 x 130 client area inside the frame; OK at 30,
// 58 (50 x 14 units): 45, 94.25 rounded, 75 x 22.75 rounded. IDD_BUTTONS puts its client area at
// 20, 10 units (30, 16 pixels): the frame starts 3 pixels to the left and is moved down onto the
// desktop. A template's 0, 0 owned by a dialog is that dialog's client origin.
TEST(HeadlessManager, DesktopAndDialogsHaveTheDocumentedMetricsAndPlacement) {
    RECT desktop = DialogDriver::windowRect(DialogHost::getDesktopWindow());
    EXPECT_EQ(desktop.right, headless::kDesktopWidth);
    EXPECT_EQ(desktop.bottom, headless::kDesktopHeight);
    runChecks(IDD_EDITS, [](HWND dialog) {
        RECT window = DialogDriver::windowRect(dialog);
        RECT ok = DialogDriver::windowRect(DialogHost::getDlgItem(dialog, IDOK));
        EXPECT_EQ(window.left, 0);
        EXPECT_EQ(window.top, 0);
        EXPECT_EQ(window.right, 300 + 2 * headless::kDialogFrame);
        EXPECT_EQ(window.bottom, 130 + 2 * headless::kDialogFrame + headless::kCaptionHeight);
        EXPECT_EQ(ok.left, headless::kDialogFrame + 45);
        EXPECT_EQ(ok.top, headless::kDialogFrame + headless::kCaptionHeight + 94);
        EXPECT_EQ(ok.right - ok.left, 75);
        EXPECT_EQ(ok.bottom - ok.top, 23);
        EXPECT_FALSE(DialogHost::getWindowRect(dialog, nullptr));
    }, [](scripted::Dialog&) {});
    RECT outer{}, inner{};
    runChecks(IDD_BUTTONS, [&](HWND dialog) {
        outer = DialogDriver::windowRect(dialog);
        runChecks(IDD_EDITS, [&inner](HWND nested) { inner = DialogDriver::windowRect(nested); },
                  [](scripted::Dialog&) {}, dialog);
    }, [](scripted::Dialog&) {});
    EXPECT_EQ(outer.left, 30 - headless::kDialogFrame);
    EXPECT_EQ(outer.top, 0);
    EXPECT_EQ(inner.left, outer.left);
    EXPECT_EQ(inner.top, outer.top);
}

// The closing observer reads a dialog as the user left it, just before it goes.
struct Seen {
    HWND dialog = nullptr;
    std::string title;
    std::vector<HWND> controls;
    std::vector<std::string> listItems;
    int selection = -2;
    RECT listRect{};
};

TEST(HeadlessManager, TheDriverReadsADialogAsTheUserLeftIt) {
    Seen seen;
    auto keep = [](HWND dialog, void* context) {
        Seen& seen = *static_cast<Seen*>(context);
        seen.dialog = dialog;
        seen.title = DialogDriver::text(dialog);
        seen.controls = DialogDriver::controls(dialog);
        HWND list = DialogHost::getDlgItem(dialog, IDC_SORTED);
        seen.listItems = DialogDriver::items(list);
        seen.selection = DialogDriver::selectedItem(list);
        seen.listRect = DialogDriver::rectInDialog(list, dialog);
    };
    DialogDriver::observeClosing(keep, &seen);
    runChecks(IDD_LISTS, [](HWND dialog) {
        for (const char* text : {"b", "a"})
            DialogHost::sendMessage(DialogHost::getDlgItem(dialog, IDC_SORTED), LB_ADDSTRING, 0,
                                    reinterpret_cast<LPARAM>(text));
    }, [](scripted::Dialog& dialog) { dialog.clickListItem(IDC_SORTED, 1); });
    DialogDriver::observeClosing(nullptr, nullptr);
    EXPECT_EQ(seen.title, "Lists");
    ASSERT_EQ(seen.controls.size(), 5u);
    EXPECT_EQ(DialogDriver::controlId(seen.controls[0]), 0);  // destroyed by now
    EXPECT_EQ(seen.listItems, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(seen.selection, 1);
    EXPECT_EQ(seen.listRect.left, 8);  // 5 units: 7.5 pixels, rounded as MulDiv rounds
    EXPECT_FALSE(DialogDriver::isWindow(seen.dialog));
}

TEST(HeadlessManager, WindowQueriesAnswerBadHandlesWithNothing) {
    HWND bad = reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x8));
    EXPECT_FALSE(DialogDriver::isWindow(bad));
    EXPECT_EQ(DialogDriver::style(bad), 0u);
    EXPECT_EQ(DialogDriver::clientRect(bad).right, 0);
    EXPECT_EQ(DialogDriver::className(bad), "");
    EXPECT_EQ(DialogDriver::controlId(bad), 0);
    EXPECT_TRUE(DialogDriver::controls(bad).empty());
    EXPECT_EQ(DialogDriver::selectedItem(bad), -1);
    EXPECT_FALSE(DialogDriver::postMessage(bad, WM_CLOSE, 0, 0));
    EXPECT_EQ(DialogHost::setFocus(bad), nullptr);
    EXPECT_FALSE(DialogHost::showWindow(bad, SW_SHOWNORMAL));
    EXPECT_EQ(DialogDriver::className(DialogHost::getDesktopWindow()), "#32769");
}

}  // namespace
