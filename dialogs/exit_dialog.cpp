// The exit dialog: a centred closing screen whose accept button opens the host's link in the shell.
#include "dialogs/exit_dialog.h"

#include <cstring>

#include "dialogs/window_placement.h"
#include <UIResource/UIResource.h>
#include "module/module_dialog.h"
#include "platform/dialog_host.h"
#include "resources/resource_ids.h"

ExitDialogState exitDialogState{};

namespace {

// The state is module-wide, so one exit dialog runs at a time.
DialogKind exitDialogs;

// The pending title is used once: a later dialog without a title shows the default again.
void showTitle(HWND dialog) {
    if (exitDialogState.pendingTitle == nullptr) {
        DialogHost::setWindowText(dialog, UIRESOURCE_EXIT_DEFAULT_TITLE);
        return;
    }
    DialogHost::setWindowText(dialog, exitDialogState.pendingTitle);
    exitDialogState.pendingTitle = nullptr;
}

void acceptExit(HWND dialog) {
    // The shell's answer is not reported: the user has accepted whatever it makes of the link.
    if (exitDialogState.link[0] != '\0') DialogHost::shellOpen(exitDialogState.link, SW_SHOWMAXIMIZED);
    DialogHost::endDialog(dialog, 1);
}

INT_PTR CALLBACK exitDialogProcedure(HWND dialog, UINT message, WPARAM wordParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        showTitle(dialog);
        centreOnDesktop(dialog);
        DialogHost::showWindow(dialog, SW_SHOWNORMAL);
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    if (LOWORD(wordParam) == IDOK) {
        acceptExit(dialog);
        return TRUE;
    }
    if (LOWORD(wordParam) == IDCANCEL) {
        DialogHost::endDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

long UI::createExitApplicationDialog(const char* title, const char* link) {
    if (exitDialogs.running()) return -1;
    exitDialogState.pendingTitle = title;
    // Cut to the array's size; the last byte is the terminator whatever the link's length.
    std::strncpy(exitDialogState.link, link != nullptr ? link : "", kExitLinkCapacity - 1);
    exitDialogState.link[kExitLinkCapacity - 1] = '\0';
    return exitDialogs.run(IDD_EXIT_APPLICATION, nullptr, &exitDialogProcedure);
}
