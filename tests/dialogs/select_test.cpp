// "List Selection" as a user drives it: the sorted list, what OK and Cancel return, the
// preselection, and every list the host may pass.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <UIResource/UIResource.h>
#include "resources/resource_ids.h"
#include "harness/scripted_user/scripted_user.h"

namespace {

using Strings = std::vector<std::string>;
using scripted::Dialog;

constexpr int kList = IDC_SELECTION_LIST;

const char* kMaterials[] = {"Stone", "bark", "Grass", "moss"};
const long kMaterialIds[] = {4, 7, 9, 12};

long selectMaterial(long initial) {
    return UI::select(nullptr, "Materials", "Apply", kMaterials, kMaterialIds, 4, initial);
}

}  // namespace

// The caller's title and caption (null ones empty), the strings sorted case-insensitively, a null
// string listed as an empty one, each with its own data; a count below 1 or no strings list nothing.
TEST(Select, ShowsTheCallersTextsAndTheStringsSorted) {
    scripted::User user;
    user.then([](Dialog& dialog) {
        EXPECT_EQ(dialog.title(), "Materials");
        EXPECT_EQ(dialog.text(IDOK), "Apply");  // the template's "Remap" is replaced
        EXPECT_EQ(dialog.listItems(kList), (Strings{"bark", "Grass", "moss", "Stone"}));
        EXPECT_EQ(dialog.listItemData(kList, 0), 7);
        EXPECT_EQ(dialog.listItemData(kList, 3), 4);
        EXPECT_EQ(dialog.listSelection(kList), -1);
        EXPECT_TRUE(dialog.hasCloseBox());
        dialog.click(IDCANCEL);
    });
    user.then([](Dialog& dialog) {
        EXPECT_EQ(dialog.title(), "");
        EXPECT_EQ(dialog.text(IDOK), "");
        EXPECT_EQ(dialog.listItems(kList), (Strings{"", "kept"}));
        dialog.clickListItem(kList, 0);
        dialog.click(IDOK);
    });
    EXPECT_EQ(selectMaterial(-1), -1);
    const char* items[] = {"kept", nullptr};
    const long data[] = {1, 2};
    EXPECT_EQ(UI::select(nullptr, nullptr, nullptr, items, data, 2, -1), 2);
    for (long count : {0L, -3L, 2L}) {  // nothing listed: a count below 1 or no strings
        user.then([](Dialog& dialog) {
            EXPECT_TRUE(dialog.listItems(kList).empty());
            dialog.click(IDOK);
        });
        EXPECT_EQ(UI::select(nullptr, "t", "c", count == 2 ? nullptr : items, data, count, 1), -1) << count;
    }
}

// OK answers the data of the last string clicked or double-clicked; a double click only selects.
// The preselection only highlights: without a selection change or a double click OK answers -1.
// Cancel, Escape and the close box answer -1 whatever was clicked.
TEST(Select, OkAnswersTheLastChosenStringsDataAndEveryOtherEndingMinusOne) {
    const struct {
        long initial;
        int preselected;
        void (*act)(Dialog&);
        long answer;
    } sessions[] = {
        {-1, -1, [](Dialog& d) { d.clickListItem(kList, "Stone"); d.clickListItem(kList, "moss"); d.click(IDOK); }, 12},
        {-1, -1, [](Dialog& d) { d.doubleClickListItem(kList, 1); d.pressEnter(); }, 9},
        {12, 2, [](Dialog& d) { d.click(IDOK); }, -1},
        {12, 2, [](Dialog& d) { d.clickListItem(kList, "Grass"); d.click(IDOK); }, 9},
        {99, -1, [](Dialog& d) { d.click(IDOK); }, -1},
        {-1, -1, [](Dialog& d) { d.clickListItem(kList, "bark"); d.click(IDCANCEL); }, -1},
        {-1, -1, [](Dialog& d) { d.clickListItem(kList, "bark"); d.pressEscape(); }, -1},
        {-1, -1, [](Dialog& d) { d.doubleClickListItem(kList, 0); d.closeBox(); }, -1}};
    scripted::User user;
    for (const auto& session : sessions) {
        const int index = static_cast<int>(&session - sessions);
        user.then([&session, index](Dialog& dialog) {
            EXPECT_EQ(dialog.listSelection(kList), session.preselected) << index;
            session.act(dialog);
        });
        EXPECT_EQ(selectMaterial(session.initial), session.answer) << index;
    }
    EXPECT_EQ(user.dialogsAbandoned(), 0);
}

// Equal strings are two entries, each with its own data, wherever the sorted list puts them; one
// value on several strings preselects the first of them in sorted order; no data array gives 0.
TEST(Select, EachStringKeepsItsOwnData) {
    const char* rocks[] = {"rock", "Rock", "rock"};
    const long rockData[] = {1, 2, 3};
    long first = 0;
    scripted::User user;
    user.then([&first](Dialog& dialog) {
        std::vector<long> shown;
        for (int position : {0, 1, 2}) shown.push_back(static_cast<long>(dialog.listItemData(kList, position)));
        first = shown[0];
        std::sort(shown.begin(), shown.end());
        EXPECT_EQ(shown, (std::vector<long>{1, 2, 3}));
        dialog.clickListItem(kList, 0);
        dialog.click(IDOK);
    });
    EXPECT_EQ(UI::select(nullptr, "t", "c", rocks, rockData, 3, -1), first);

    const char* items[] = {"zeta", "omega", "alpha", "mid"};
    const long sameData[] = {5, 5, 5, 7};
    user.then([](Dialog& dialog) {
        EXPECT_EQ(dialog.listSelection(kList), 0);  // "alpha", though "zeta" came first
        dialog.clickListItem(kList, "mid");
        dialog.clickListItem(kList, "zeta");
        dialog.click(IDOK);
    });
    EXPECT_EQ(UI::select(nullptr, "t", "c", items, sameData, 4, 5), 5);
    user.then([](Dialog& dialog) {
        EXPECT_EQ(dialog.listSelection(kList), 0);  // initial 0 matches the first
        EXPECT_EQ(dialog.listItemData(kList, 3), 0);
        dialog.clickListItem(kList, "zeta");
        dialog.click(IDOK);
    });
    EXPECT_EQ(UI::select(nullptr, "t", "c", items, nullptr, 4, 0), 0);
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
    const long last = std::stol(sorted.back().substr(5));
    EXPECT_EQ(UI::select(nullptr, "Items", "Use", items.data(), data.data(), kCount, -1), last);
}
