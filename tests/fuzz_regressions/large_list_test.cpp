// A list far larger than the module's own dialogs fill: UI::select with 3,000 strings in a
// scattered order lists them sorted, each with its own item data, and returns the data of the
// last one when the user picks it. (The headless manager stores list items in blocks once a list
// grows past a few dozen strings; this is what keeps that storage honest.)
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <UIResource/UIResource.h>
#include "resources/resource_ids.h"
#include "platform/scripted_user/scripted_user.h"

namespace {

constexpr long kCount = 3000;

// "Item 0004217": digits only differ, so the sorted order is the plain text order.
std::vector<std::string> scatteredNames() {
    std::vector<std::string> names;
    for (long i = 0; i < kCount; ++i) {
        std::string digits = std::to_string((i * 7919) % 1000003);
        names.push_back("Item " + std::string(7 - digits.size(), '0') + digits);
    }
    return names;
}

TEST(LargeList, ThousandsOfStringsAreListedSortedWithTheirOwnData) {
    std::vector<std::string> names = scatteredNames();
    std::vector<const char*> items;
    std::vector<long> data;
    for (long i = 0; i < kCount; ++i) items.push_back(names[i].c_str()), data.push_back(1000 + i);
    std::vector<std::string> sorted = names;
    std::sort(sorted.begin(), sorted.end());

    scripted::User user;
    user.then([&](scripted::Dialog& dialog) {
        ASSERT_EQ(dialog.listItems(IDC_SELECTION_LIST), sorted);
        for (long position : {0L, 63L, 64L, 1500L, kCount - 1}) {
            long original = std::find(names.begin(), names.end(), sorted[position]) - names.begin();
            EXPECT_EQ(dialog.listItemData(IDC_SELECTION_LIST, static_cast<int>(position)), 1000 + original);
        }
        dialog.clickListItem(IDC_SELECTION_LIST, static_cast<int>(kCount - 1));
        dialog.click(IDOK);
    });
    long last = std::max_element(names.begin(), names.end()) - names.begin();
    EXPECT_EQ(UI::select(nullptr, "Items", "Use", items.data(), data.data(), kCount, -1), 1000 + last);
}

}  // namespace
