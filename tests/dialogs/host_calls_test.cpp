// The library's dialogs as a host's code meets them, where a scenario cannot say it
// (tests/scenarios/library_dialogs.scn holds what a person sees): commands a host procedure sends
// the shared procedure, entries called while one of their dialogs runs, null arrays, counts that
// disagree with them, thousands of strings, an over-long link, owners and placement.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <UIResource/UIResource.h>
#include "harness/dialog_driver.h"
#include "harness/scripted_user/scripted_user.h"
#include "platform/dialog_host.h"
#include "resources/resource_ids.h"

namespace {

using scripted::Dialog;
constexpr int kList = IDC_SELECTION_LIST;
const char* kItems[] = {"gamma", "alpha", "beta"};
const long kData[] = {30, 10, 20};
constexpr INT_PTR kDiscarded = 1313;  // a host's "Edit Translator" answer for Cancel, which Escape sends

void sendCommand(HWND dialog, int id, WORD notification) {
    UI::windowCallback(dialog, WM_COMMAND, MAKEWPARAM(id, notification), 0);
}

// A host's "Edit Translator" procedure that only ends the dialog, on Escape.
INT_PTR CALLBACK hostProcedure(HWND dialog, UINT message, WPARAM wordParam, LPARAM) {
    if (message != WM_COMMAND || LOWORD(wordParam) != IDCANCEL) return message == WM_INITDIALOG;
    DialogHost::endDialog(dialog, kDiscarded);
    return TRUE;
}

}  // namespace

// Only LBN_SELCHANGE and LBN_DBLCLK of list 1085 reach the selection hook, with the selected item's
// data or -1 when nothing is selected; its other notifications, other controls' commands and other
// messages change nothing. A host procedure may send them, after selecting silently.
TEST(SharedProcedure, OnlySelectionChangesAndDoubleClicksOfTheListReachTheSelectionHook) {
    const struct {
        int selected;  // set silently before the commands are sent
        std::vector<WORD> notifications;
        long answer;
    } sessions[] = {{0, {0, 3, 4, 5, 0xFFFE}, 20}, {-1, {LBN_SELCHANGE}, -1}, {2, {LBN_DBLCLK}, 30}};
    scripted::User user;
    for (const auto& session : sessions) {
        user.then([&session](Dialog& dialog) {
            HWND handle = dialog.handle();
            dialog.clickListItem(IDC_SELECTION_LIST, "beta");
            HWND list = DialogHost::getDlgItem(handle, IDC_SELECTION_LIST);
            DialogHost::sendMessage(list, LB_SETCURSEL, static_cast<WPARAM>(session.selected), 0);
            for (WORD notification : session.notifications) sendCommand(handle, IDC_SELECTION_LIST, notification);
            sendCommand(handle, IDC_NEW_NAME, EN_CHANGE);
            sendCommand(handle, 1086, LBN_SELCHANGE);
            UI::windowCallback(handle, WM_HSCROLL, 0, 0);
            dialog.click(IDOK);
        });
        EXPECT_EQ(UI::select(nullptr, "t", "c", kItems, kData, 3, -1), session.answer);
    }
}

// The hooks and info belong to the running dialog: an entry called meanwhile (from the scripted
// user's thread timer under Wine, from its idle call natively) returns -1 and changes nothing, so
// the running dialog still ends with its own record. An exit dialog, whose state is its own, may
// run meanwhile, but not a second one inside it, which leaves the first one's link alone.
TEST(SharedProcedure, AnEntryCalledWhileOneOfItsDialogsRunsReturnsMinusOneAndChangesNothing) {
    char outer[16] = "", inner[16] = "untouched";
    scripted::User user;
    user.then([&](Dialog& dialog) {
        dialog.type(IDC_NEW_NAME, "Outer");
        EXPECT_EQ(UI::rename(dialog.handle(), "Inner", inner, sizeof inner, -1, -1), -1);
        EXPECT_EQ(UI::select(dialog.handle(), "t", "c", kItems, kData, 3, 10), -1);
        EXPECT_EQ(UI::displayMaterialProperties(dialog.handle()), -1);
        DialogDriver::recordShellRequests(true);
        EXPECT_EQ(UI::createExitApplicationDialog("Leaving", "http://example.com/kept"), 1);
        dialog.pressEnter();
    });
    user.then([](Dialog& exit) {
        EXPECT_EQ(UI::createExitApplicationDialog("Nested", nullptr), -1);
        EXPECT_EQ(exit.title(), "Leaving");
        exit.click(IDOK);
    });
    user.then([&](Dialog& dialog) {
        dialog.clickListItem(IDC_SELECTION_LIST, "beta");
        EXPECT_EQ(UI::rename(dialog.handle(), "Inner", inner, sizeof inner, -1, -1), -1);
        dialog.click(IDOK);
    });
    EXPECT_EQ(UI::rename(nullptr, "Rock", outer, sizeof outer, -1, -1), 1);
    EXPECT_EQ(UI::select(nullptr, "t", "c", kItems, kData, 3, -1), 20);
    EXPECT_STREQ(outer, "Outer");
    EXPECT_STREQ(inner, "untouched");
    EXPECT_EQ(user.dialogsOpened(), 3);
    ASSERT_EQ(DialogDriver::shellRequests().size(), 1u);
    EXPECT_EQ(DialogDriver::shellRequests()[0].file, "http://example.com/kept");
    DialogDriver::recordShellRequests(false);
}

// A count below 1 or no strings list nothing, so OK answers -1; no data array attaches 0 to each
// string.
TEST(Select, NullArraysAndCountsBelowOneListNothingOrZeros) {
    const char* items[] = {"rock", "Rock", "rock"};
    const long data[] = {1, 2, 3};
    scripted::User user;
    for (long count : {0L, -3L, 2L}) {
        user.then([](Dialog& dialog) {
            EXPECT_TRUE(dialog.listItems(kList).empty());
            dialog.click(IDOK);
        });
        EXPECT_EQ(UI::select(nullptr, "t", "c", count == 2 ? nullptr : items, data, count, 1), -1) << count;
    }
    user.then([](Dialog& dialog) {
        dialog.clickListItem(kList, 2);
        dialog.click(IDOK);
    });
    EXPECT_EQ(UI::select(nullptr, "t", "c", items, nullptr, 3, 2), 0);
}

// Far more strings than the module's own dialogs list, in a scattered order: the headless manager
// stores a long list in blocks, and this keeps that storage honest.
TEST(Select, ThousandsOfStringsAreListedSortedWithTheirOwnData) {
    constexpr int kCount = 3000;
    std::vector<std::string> names;
    std::vector<long> data;
    for (long i = 0; i < kCount; ++i) {
        data.push_back(i * 7919 % 1000003);  // all different; "Item 0004217" carries 4217
        std::string digits = std::to_string(data.back());
        names.push_back("Item " + std::string(7 - digits.size(), '0') + digits);
    }
    std::vector<const char*> items;
    for (const std::string& name : names) items.push_back(name.c_str());
    std::vector<std::string> sorted = names;
    std::sort(sorted.begin(), sorted.end());
    scripted::User user;
    user.then([&](Dialog& dialog) {
        ASSERT_EQ(dialog.listItems(kList), sorted);
        for (int position : {0, 63, 64, 1500, kCount - 1})
            EXPECT_EQ(dialog.listItemData(kList, position), std::stol(sorted[position].substr(5))) << position;
        dialog.clickListItem(kList, kCount - 1);
        dialog.click(IDOK);
    });
    EXPECT_EQ(UI::select(nullptr, "", "", items.data(), data.data(), kCount, -1), std::stol(sorted.back().substr(5)));
}

// A link longer than 255 characters reaches the shell cut to its first 255.
TEST(ExitDialog, AnOverlongLinkIsCutTo255Characters) {
    std::string link = "http://example.com/";
    while (link.size() < 300) link += static_cast<char>('a' + link.size() % 26);
    scripted::User user;
    user.then([](Dialog& dialog) { dialog.click(IDOK); });
    DialogDriver::recordShellRequests(true);
    EXPECT_EQ(UI::createExitApplicationDialog(nullptr, link.c_str()), 1);
    const auto requests = DialogDriver::shellRequests();
    DialogDriver::recordShellRequests(false);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].file, link.substr(0, 255));
}

// Every entry that takes an owner passes it on: over "Edit Translator" (itself over the centred exit
// dialog, away from the desktop's corner, where placing from the owner's frame would look the same)
// each dialog has it disabled while it runs and puts its template's 0, 0 on the owner's client
// origin; Name Entry goes to its x and y instead, keeping its size, when both are given.
TEST(TranslatorDialog, OwnsEachDialogOpenedOverItAndNameEntryGoesToItsXAndY) {
    const struct {
        const char* what;
        long (*open)(HWND owner);
        long onEscape;
        POINT corner;  // where the top-left corner goes; -1, -1 for the owner's client origin
    } entries[] = {
        {"rename", [](HWND owner) { return UI::rename(owner, "a", nullptr, 0, -1, -1); }, 0, {-1, -1}},
        {"rename with y only", [](HWND owner) { return UI::rename(owner, "a", nullptr, 0, -1, 123); }, 0, {-1, -1}},
        {"rename with x only", [](HWND owner) { return UI::rename(owner, "a", nullptr, 0, 77, -1); }, 0, {-1, -1}},
        {"rename at 41, 53", [](HWND owner) { return UI::rename(owner, "a", nullptr, 0, 41, 53); }, 0, {41, 53}},
        {"select", [](HWND owner) {
             const char* items[] = {"a"};
             return UI::select(owner, "t", "c", items, nullptr, 1, -1);
         }, -1, {-1, -1}},
        {"material properties", [](HWND owner) { return UI::displayMaterialProperties(owner); }, 0, {-1, -1}},
        {"translator", [](HWND owner) { return UI::createButtonTranslatorDialog(hostProcedure, owner); }, kDiscarded,
         {-1, -1}},
        {"mesh editor", [](HWND owner) {
             Mesh mesh{};
             WindowNode parent{owner};
             return createMeshEditorDialog(&parent, &mesh, 0, nullptr, nullptr, nullptr);
         }, 0, {-1, -1}},
    };
    scripted::User user;
    user.then([](Dialog& exit) {
        EXPECT_EQ(UI::createButtonTranslatorDialog(hostProcedure, exit.handle()), kDiscarded);
        exit.click(IDCANCEL);
    });
    RECT renameFrame{};
    user.then([&](Dialog& outer) {
        for (const auto& entry : entries) {
            SCOPED_TRACE(entry.what);
            user.then([&outer, &entry, &renameFrame, first = &entries[0]](Dialog& inner) {
                EXPECT_NE(outer.style(0) & WS_DISABLED, 0u);
                const RECT frame = inner.windowRect();
                if (&entry == first) renameFrame = frame;
                if (entry.corner.x != -1) {
                    EXPECT_EQ(frame.left, entry.corner.x);
                    EXPECT_EQ(frame.top, entry.corner.y);
                    EXPECT_EQ(frame.right - frame.left, renameFrame.right - renameFrame.left);
                    EXPECT_EQ(frame.bottom - frame.top, renameFrame.bottom - renameFrame.top);
                } else {
                    const RECT client = DialogDriver::clientRect(inner.handle());
                    EXPECT_EQ(client.left, DialogDriver::clientRect(outer.handle()).left);
                    EXPECT_EQ(client.top, DialogDriver::clientRect(outer.handle()).top);
                }
                inner.pressEscape();
            });
            EXPECT_EQ(entry.open(outer.handle()), entry.onEscape);
            EXPECT_EQ(outer.style(0) & WS_DISABLED, 0u);
        }
        outer.pressEscape();
    });
    EXPECT_EQ(UI::createExitApplicationDialog(nullptr, nullptr), 0);
    EXPECT_EQ(UI::createButtonTranslatorDialog(nullptr, nullptr), -1);  // nothing could end it: none opens
    EXPECT_EQ(user.dialogsOpened(), 10);
    EXPECT_EQ(user.dialogsAbandoned(), 0);
}
