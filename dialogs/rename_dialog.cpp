// "Name Entry": asks for a new name, offering the old one, and copies it into the caller's buffer.
#include <climits>

#include "dialogs/shared_procedure.h"
#include "dialogs/window_placement.h"
#include <UIResource/UIResource.h>
#include "platform/dialog_host.h"
#include "resources/resource_ids.h"

long UI::rename(HWND owner, const char* oldName, char* newName, long newNameSize, long x, long y) {
    if (sharedDialogRunning()) return -1;
    RenameInfo record{oldName, newName, newNameSize, x, y};
    setupFunction = &UI::setupRename;
    shutdownFunction = &UI::shutdownRename;
    selectionFunction = nullptr;
    info = &record;
    return runOnSharedProcedure(IDD_NAME_ENTRY, owner);
}

long UI::setupRename(HWND dialog, UINT, WPARAM, LPARAM) {
    const auto* record = static_cast<const RenameInfo*>(info);
    const char* oldName = record != nullptr && record->oldName != nullptr ? record->oldName : "";
    DialogHost::setDlgItemText(dialog, IDC_OLD_NAME, oldName);
    DialogHost::setDlgItemText(dialog, IDC_NEW_NAME, oldName);
    if (record != nullptr && record->x != -1 && record->y != -1)
        moveTopLeftTo(dialog, static_cast<int>(record->x), static_cast<int>(record->y));
    // Non-zero only when the focus really moved from somewhere; otherwise the dialog manager
    // places it.
    return DialogHost::setFocus(DialogHost::getDlgItem(dialog, IDC_NEW_NAME)) != nullptr ? 1 : 0;
}

void UI::shutdownRename(long accepted, HWND dialog, UINT, WPARAM, LPARAM) {
    const auto* record = static_cast<const RenameInfo*>(info);
    if (accepted == 0 || record == nullptr) return;
    if (record->newName == nullptr || record->newNameSize < 1) return;
    int capacity = record->newNameSize > INT_MAX ? INT_MAX : static_cast<int>(record->newNameSize);
    UINT copied = DialogHost::getDlgItemText(dialog, IDC_NEW_NAME, record->newName, capacity);
    // Terminated even when the control wrote nothing (a dialog manager failing the read).
    record->newName[copied < static_cast<UINT>(capacity) ? copied : capacity - 1] = '\0';
}
