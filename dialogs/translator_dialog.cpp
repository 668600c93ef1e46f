// "Edit Translator": the module lends its template; the host's own procedure does all the work.
#include <UIResource/UIResource.h>
#include "module/module_entry.h"
#include "platform/dialog_host.h"
#include "resources/resource_ids.h"

long UI::createButtonTranslatorDialog(DLGPROC procedure, HWND owner) {
    // Without a procedure nothing could ever end the dialog, so none is opened.
    if (procedure == nullptr) return -1;
    return static_cast<long>(
        DialogHost::dialogBoxParam(moduleInstance(), IDD_EDIT_TRANSLATOR, owner, procedure, 0));
}
