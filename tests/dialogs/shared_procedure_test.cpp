// The shared dialog procedure: hooks set by every entry, the focus convention, the list
// notifications it passes on, and ending dialogs with no hooks at all.
#include <gtest/gtest.h>

#include <vector>

#include "module/UIResource.h"
#include "resources/resource_ids.h"
#include "tests/dialogs/ui_state_access.h"
#include "platform/scripted_user/scripted_user.h"

namespace {

// Hooks of a test's own; each records what reached it.
struct HookLog {
    int setupCalls = 0;
    int shutdownCalls = 0;
    std::vector<long> selections;
    long setupAnswer = 0;
    UINT setupMessage = 0;
    WPARAM setupWordParam = 0;
    LPARAM setupLongParam = 0;
};
HookLog hookLog;

long recordSetup(HWND, UINT message, WPARAM wordParam, LPARAM longParam) {
    ++hookLog.setupCalls;
    hookLog.setupMessage = message;
    hookLog.setupWordParam = wordParam;
    hookLog.setupLongParam = longParam;
    return hookLog.setupAnswer;
}
void recordShutdown(long, HWND, UINT, WPARAM, LPARAM) { ++hookLog.shutdownCalls; }
void recordSelection(long itemData) { hookLog.selections.push_back(itemData); }

// Leaves hooks of an earlier, unrelated dialog behind; none of them may fire in the next one.
void leaveStaleHooks() {
    hookLog = HookLog{};
    static int staleRecord = 0;
    UIStateAccess::setHooks(&recordSetup, &recordShutdown, &recordSelection, &staleRecord);
}

const char* kItems[] = {"gamma", "alpha", "beta"};
const long kData[] = {30, 10, 20};

}  // namespace

TEST(SharedProcedure, RenameSetsItsHooksAndRecordBeforeTheDialogRuns) {
    leaveStaleHooks();
    char buffer[16] = "";
    scripted::User user;
    user.then([&](scripted::Dialog& dialog) {
        EXPECT_EQ(UIStateAccess::setupFunction(), &UI::setupRename);
        EXPECT_EQ(UIStateAccess::shutdownFunction(), &UI::shutdownRename);
        EXPECT_EQ(UIStateAccess::selectionFunction(), nullptr);
        const auto* record = static_cast<const RenameInfo*>(UIStateAccess::info());
        ASSERT_NE(record, nullptr);
        EXPECT_STREQ(record->oldName, "Rock");
        EXPECT_EQ(record->newName, buffer);
        EXPECT_EQ(record->newNameSize, 16);
        EXPECT_EQ(record->x, -1);
        EXPECT_EQ(record->y, 5);
        dialog.click(IDOK);
    });
    EXPECT_EQ(UI::rename(nullptr, "Rock", buffer, 16, -1, 5), 1);
    EXPECT_EQ(hookLog.setupCalls + hookLog.shutdownCalls, 0);
}

TEST(SharedProcedure, SelectSetsItsHooksAndRecordBeforeTheDialogRuns) {
    leaveStaleHooks();
    scripted::User user;
    user.then([&](scripted::Dialog& dialog) {
        EXPECT_EQ(UIStateAccess::setupFunction(), &UI::setupSelect);
        EXPECT_EQ(UIStateAccess::shutdownFunction(), &UI::shutdownSelect);
        EXPECT_EQ(UIStateAccess::selectionFunction(), &UI::selectionSelect);
        const auto* record = static_cast<const SelectInfo*>(UIStateAccess::info());
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->chosen, -1);
        EXPECT_STREQ(record->title, "Pick");
        EXPECT_STREQ(record->buttonCaption, "Use");
        EXPECT_EQ(record->items, kItems);
        EXPECT_EQ(record->itemData, kData);
        EXPECT_EQ(record->count, 3);
        EXPECT_EQ(record->initial, 20);
        dialog.clickListItem(IDC_SELECTION_LIST, "gamma");
        dialog.click(IDOK);
    });
    EXPECT_EQ(UI::select(nullptr, "Pick", "Use", kItems, kData, 3, 20), 30);
    EXPECT_TRUE(hookLog.selections.empty());
    EXPECT_EQ(hookLog.setupCalls + hookLog.shutdownCalls, 0);
}

// "Material Properties Dialog" clears every hook, which stay cleared afterwards. Without hooks the
// procedure still ends the dialog: 1 on OK, 0 on Escape and the close box, though it has no
// control 2.
TEST(SharedProcedure, MaterialPropertiesRunsWithoutHooksAndEndsWithOneOnOkAndZeroOnEscapeOrCloseBox) {
    leaveStaleHooks();
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        EXPECT_EQ(UIStateAccess::setupFunction(), nullptr);
        EXPECT_EQ(UIStateAccess::shutdownFunction(), nullptr);
        EXPECT_EQ(UIStateAccess::selectionFunction(), nullptr);
        EXPECT_EQ(UIStateAccess::info(), nullptr);
        EXPECT_EQ(dialog.title(), "Material Properties Dialog");
        EXPECT_TRUE(dialog.hasControl(IDOK));
        EXPECT_FALSE(dialog.hasControl(IDCANCEL));
        EXPECT_TRUE(dialog.hasCloseBox());
        dialog.pressEscape();
    });
    user.then([](scripted::Dialog& dialog) { dialog.closeBox(); });
    user.then([](scripted::Dialog& dialog) { dialog.pressEnter(); });
    EXPECT_EQ(UI::displayMaterialProperties(nullptr), 0);
    EXPECT_EQ(UI::displayMaterialProperties(nullptr), 0);
    EXPECT_EQ(UI::displayMaterialProperties(nullptr), 1);
    EXPECT_EQ(UIStateAccess::setupFunction(), nullptr);
    EXPECT_EQ(UIStateAccess::info(), nullptr);
    EXPECT_EQ(hookLog.setupCalls + hookLog.shutdownCalls, 0);
    EXPECT_EQ(user.dialogsAbandoned(), 0);
}

// The setup hook's answer says whether it placed the focus itself; the dialog manager is asked to
// place it (TRUE) only when the hook did not, or when there is no hook.
TEST(SharedProcedure, InitDialogFollowsTheFocusConvention) {
    UIStateAccess::setHooks(nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(UI::windowCallback(nullptr, WM_INITDIALOG, 0, 0), TRUE);

    hookLog = HookLog{};
    UIStateAccess::setHooks(&recordSetup, nullptr, nullptr, nullptr);
    hookLog.setupAnswer = 0;
    EXPECT_EQ(UI::windowCallback(nullptr, WM_INITDIALOG, 7, 9), TRUE);
    EXPECT_EQ(hookLog.setupMessage, static_cast<UINT>(WM_INITDIALOG));
    EXPECT_EQ(hookLog.setupWordParam, 7u);
    EXPECT_EQ(hookLog.setupLongParam, 9);
    hookLog.setupAnswer = 1;
    EXPECT_EQ(UI::windowCallback(nullptr, WM_INITDIALOG, 0, 0), FALSE);
    hookLog.setupAnswer = -5;
    EXPECT_EQ(UI::windowCallback(nullptr, WM_INITDIALOG, 0, 0), FALSE);
    EXPECT_EQ(hookLog.setupCalls, 3);
}

TEST(SharedProcedure, OtherMessagesAndControlsAreLeftToTheDialogManager) {
    hookLog = HookLog{};
    UIStateAccess::setHooks(&recordSetup, &recordShutdown, &recordSelection, nullptr);
    EXPECT_EQ(UI::windowCallback(nullptr, WM_COMMAND, MAKEWPARAM(IDC_NEW_NAME, EN_CHANGE), 0), FALSE);
    EXPECT_EQ(UI::windowCallback(nullptr, WM_COMMAND, MAKEWPARAM(1086, LBN_SELCHANGE), 0), FALSE);
    EXPECT_EQ(UI::windowCallback(nullptr, WM_HSCROLL, 0, 0), FALSE);
    EXPECT_EQ(UI::windowCallback(nullptr, WM_CLOSE, 0, 0), FALSE);
    EXPECT_EQ(hookLog.setupCalls + hookLog.shutdownCalls, 0);
    EXPECT_TRUE(hookLog.selections.empty());
}

// The list's notifications as "List Selection" receives them, with the selection hook swapped for
// a recorder once the dialog is open.
TEST(SharedProcedure, ListNotificationsReachTheSelectionHookOnlyForSelectionChangeAndDoubleClick) {
    hookLog = HookLog{};
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        UIStateAccess::setSelectionFunction(&recordSelection);
        HWND handle = dialog.handle();
        ASSERT_EQ(dialog.listSelection(IDC_SELECTION_LIST), -1);
        // Nothing is selected yet: a selection change passes -1.
        EXPECT_EQ(UI::windowCallback(handle, WM_COMMAND, MAKEWPARAM(IDC_SELECTION_LIST, LBN_SELCHANGE), 0), TRUE);
        EXPECT_EQ(UI::windowCallback(handle, WM_COMMAND, MAKEWPARAM(IDC_SELECTION_LIST, LBN_DBLCLK), 0), TRUE);
        for (WORD other : {0, 3, 4, 5, 0xFFFE})
            EXPECT_EQ(UI::windowCallback(handle, WM_COMMAND, MAKEWPARAM(IDC_SELECTION_LIST, other), 0), TRUE);
        EXPECT_EQ(hookLog.selections, (std::vector<long>{-1, -1}));
        hookLog.selections.clear();
        dialog.clickListItem(IDC_SELECTION_LIST, "beta");
        EXPECT_EQ(hookLog.selections, (std::vector<long>{20}));
        dialog.doubleClickListItem(IDC_SELECTION_LIST, 0);
        ASSERT_FALSE(hookLog.selections.empty());
        EXPECT_EQ(hookLog.selections.back(), 10);
        dialog.click(IDOK);
    });
    // The recorder took the answers, so the dialog's own record keeps none.
    EXPECT_EQ(UI::select(nullptr, "t", "c", kItems, kData, 3, -1), -1);
    EXPECT_EQ(user.dialogsAbandoned(), 0);
}
