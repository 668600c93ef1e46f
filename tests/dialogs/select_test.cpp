// "List Selection" as a user drives it: the sorted list, what OK and Cancel return, the
// preselection, and every list the host may pass.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <UIResource/UIResource.h>
#include "resources/resource_ids.h"
#include "platform/scripted_user/scripted_user.h"

namespace {

using Strings = std::vector<std::string>;

const char* kMaterials[] = {"Stone", "bark", "Grass", "moss"};
const long kMaterialIds[] = {4, 7, 9, 12};

long selectMaterial(long initial) {
    return UI::select(nullptr, "Materials", "Apply", kMaterials, kMaterialIds, 4, initial);
}

scripted::Script clickThenOk(const std::string& text) {
    return [text](scripted::Dialog& dialog) {
        dialog.clickListItem(IDC_SELECTION_LIST, text);
        dialog.click(IDOK);
    };
}

}  // namespace

TEST(Select, ShowsTheCallersTextsAndTheStringsSorted) {
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        EXPECT_EQ(dialog.title(), "Materials");
        EXPECT_EQ(dialog.text(IDOK), "Apply");  // the template's "Remap" is replaced
        EXPECT_EQ(dialog.listItems(IDC_SELECTION_LIST), (Strings{"bark", "Grass", "moss", "Stone"}));
        EXPECT_EQ(dialog.listItemData(IDC_SELECTION_LIST, 0), 7);
        EXPECT_EQ(dialog.listItemData(IDC_SELECTION_LIST, 3), 4);
        EXPECT_EQ(dialog.listSelection(IDC_SELECTION_LIST), -1);
        EXPECT_TRUE(dialog.hasCloseBox());
        dialog.click(IDCANCEL);
    });
    EXPECT_EQ(selectMaterial(-1), -1);
}

TEST(Select, OkReturnsTheLastClickedItemsData) {
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        dialog.clickListItem(IDC_SELECTION_LIST, "Stone");
        dialog.clickListItem(IDC_SELECTION_LIST, "moss");
        dialog.click(IDOK);
    });
    // A double click selects like a click but leaves the dialog open for OK or Cancel.
    user.then([](scripted::Dialog& dialog) {
        dialog.doubleClickListItem(IDC_SELECTION_LIST, 1);  // "Grass"
        EXPECT_EQ(dialog.listSelection(IDC_SELECTION_LIST), 1);
        dialog.pressEnter();
    });
    EXPECT_EQ(selectMaterial(-1), 12);
    EXPECT_EQ(selectMaterial(-1), 9);
    EXPECT_EQ(user.dialogsAbandoned(), 0);
}

TEST(Select, CancelEscapeAndCloseBoxReturnMinusOneAfterClicks) {
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        dialog.clickListItem(IDC_SELECTION_LIST, "bark");
        dialog.click(IDCANCEL);
    });
    user.then([](scripted::Dialog& dialog) {
        dialog.clickListItem(IDC_SELECTION_LIST, "bark");
        dialog.pressEscape();
    });
    user.then([](scripted::Dialog& dialog) {
        dialog.doubleClickListItem(IDC_SELECTION_LIST, 0);
        dialog.closeBox();
    });
    for (int i = 0; i < 3; ++i) EXPECT_EQ(selectMaterial(-1), -1) << i;
    EXPECT_EQ(user.dialogsAbandoned(), 0);
}

// The preselection only highlights; an answer needs a selection change or a double click.
TEST(Select, UntouchedPreselectionReturnsMinusOneOnOk) {
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        EXPECT_EQ(dialog.listSelection(IDC_SELECTION_LIST), 2);  // "moss", id 12
        dialog.click(IDOK);
    });
    user.then(clickThenOk("moss"));
    user.then([](scripted::Dialog& dialog) {
        EXPECT_EQ(dialog.listSelection(IDC_SELECTION_LIST), -1);  // no string carries 99
        dialog.click(IDOK);
    });
    EXPECT_EQ(selectMaterial(12), -1);
    EXPECT_EQ(selectMaterial(12), 12);
    EXPECT_EQ(selectMaterial(99), -1);
}

TEST(Select, SameDataOnSeveralStringsIsReturnedAndPreselectsTheFirstInSortedOrder) {
    const char* items[] = {"zeta", "omega", "alpha", "mid"};
    const long data[] = {5, 5, 5, 7};
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        EXPECT_EQ(dialog.listSelection(IDC_SELECTION_LIST), 0);  // "alpha", though "zeta" came first
        dialog.clickListItem(IDC_SELECTION_LIST, "mid");
        dialog.clickListItem(IDC_SELECTION_LIST, "zeta");
        dialog.click(IDOK);
    });
    EXPECT_EQ(UI::select(nullptr, "t", "c", items, data, 4, 5), 5);
}

// Equal strings are two entries, each with its own data, wherever the sorted list puts them.
TEST(Select, EqualStringsKeepTheirOwnData) {
    const char* items[] = {"rock", "Rock", "rock"};
    const long data[] = {1, 2, 3};
    long shown[3] = {};
    scripted::User user;
    for (int position = 0; position < 3; ++position) {
        user.then([position, &shown](scripted::Dialog& dialog) {
            EXPECT_EQ(dialog.listItems(IDC_SELECTION_LIST).size(), 3u);
            shown[position] = static_cast<long>(dialog.listItemData(IDC_SELECTION_LIST, position));
            dialog.clickListItem(IDC_SELECTION_LIST, position);
            dialog.click(IDOK);
        });
    }
    for (int position = 0; position < 3; ++position)
        EXPECT_EQ(UI::select(nullptr, "t", "c", items, data, 3, -1), shown[position]) << position;
    std::vector<long> all(shown, shown + 3);
    std::sort(all.begin(), all.end());
    EXPECT_EQ(all, (std::vector<long>{1, 2, 3}));
}

TEST(Select, EmptyOrMissingListsOfferNothingToChoose) {
    const char* items[] = {"a", "b"};
    scripted::User user;
    for (int i = 0; i < 3; ++i) {
        user.then([](scripted::Dialog& dialog) {
            EXPECT_TRUE(dialog.listItems(IDC_SELECTION_LIST).empty());
            EXPECT_EQ(dialog.listSelection(IDC_SELECTION_LIST), -1);
            dialog.click(IDOK);
        });
    }
    EXPECT_EQ(UI::select(nullptr, "t", "c", items, kMaterialIds, 0, 4), -1);
    EXPECT_EQ(UI::select(nullptr, "t", "c", items, kMaterialIds, -3, 4), -1);
    EXPECT_EQ(UI::select(nullptr, "t", "c", nullptr, kMaterialIds, 2, 4), -1);
}

TEST(Select, MissingItemDataAttachesZeroToEveryString) {
    const char* items[] = {"b", "a"};
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        EXPECT_EQ(dialog.listSelection(IDC_SELECTION_LIST), 0);  // initial 0 matches the first
        EXPECT_EQ(dialog.listItemData(IDC_SELECTION_LIST, 1), 0);
        dialog.clickListItem(IDC_SELECTION_LIST, "b");
        dialog.click(IDOK);
    });
    EXPECT_EQ(UI::select(nullptr, "t", "c", items, nullptr, 2, 0), 0);
}

TEST(Select, NullTextsShowEmptyTexts) {
    const char* items[] = {"kept", nullptr};
    const long data[] = {1, 2};
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        EXPECT_EQ(dialog.title(), "");
        EXPECT_EQ(dialog.text(IDOK), "");
        EXPECT_EQ(dialog.listItems(IDC_SELECTION_LIST), (Strings{"", "kept"}));
        dialog.clickListItem(IDC_SELECTION_LIST, 0);
        dialog.click(IDOK);
    });
    EXPECT_EQ(UI::select(nullptr, nullptr, nullptr, items, data, 2, -1), 2);
}
