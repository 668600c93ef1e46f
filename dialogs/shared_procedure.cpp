// The dialog procedure shared by "Name Entry", "List Selection" and "Material Properties Dialog",
// and the module-wide hooks through which each of those dialogs adds its own work.
#include "dialogs/shared_procedure.h"

#include <UIResource/UIResource.h>
#include "module/module_dialog.h"
#include "platform/dialog_host.h"
#include "resources/resource_ids.h"

UI::SetupHook UI::setupFunction = nullptr;
UI::ShutdownHook UI::shutdownFunction = nullptr;
UI::SelectionHook UI::selectionFunction = nullptr;
void* UI::info = nullptr;
unsigned long UI::result = 0;

namespace {

// The hooks and info are module-wide: one dialog on the shared procedure at a time.
DialogKind sharedDialogs;

// The item data of the list's selected entry, or -1 when nothing is selected.
long selectedItemData(HWND dialog) {
    HWND list = DialogHost::getDlgItem(dialog, IDC_SELECTION_LIST);
    LRESULT position = DialogHost::sendMessage(list, LB_GETCURSEL, 0, 0);
    if (position < 0) return -1;
    return static_cast<long>(DialogHost::sendMessage(list, LB_GETITEMDATA, static_cast<WPARAM>(position), 0));
}

}  // namespace

bool sharedDialogRunning() { return sharedDialogs.running(); }

long runOnSharedProcedure(WORD templateId, HWND owner) { return sharedDialogs.run(templateId, owner, &UI::windowCallback); }

INT_PTR CALLBACK UI::windowCallback(HWND dialog, UINT message, WPARAM wordParam, LPARAM longParam) {
    if (message == WM_INITDIALOG) {
        if (setupFunction == nullptr) return TRUE;
        // A hook that placed the focus itself must stop the dialog manager from moving it again.
        return setupFunction(dialog, message, wordParam, longParam) != 0 ? FALSE : TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wordParam)) {
    case IDOK:
    case IDCANCEL: {
        // Escape and the close box arrive here as IDCANCEL, also in templates without a control 2.
        long accepted = LOWORD(wordParam) == IDOK ? 1 : 0;
        if (shutdownFunction != nullptr) shutdownFunction(accepted, dialog, message, wordParam, longParam);
        DialogHost::endDialog(dialog, accepted);
        return TRUE;
    }
    case IDC_SELECTION_LIST: {
        WORD notification = HIWORD(wordParam);
        // A double click only selects: the user still confirms with OK.
        if ((notification == LBN_SELCHANGE || notification == LBN_DBLCLK) && selectionFunction != nullptr)
            selectionFunction(selectedItemData(dialog));
        return TRUE;
    }
    default:
        return FALSE;
    }
}
