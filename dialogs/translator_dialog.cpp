// "Edit Translator": the module lends its template; the host's own procedure does all the work.
#include <UIResource/UIResource.h>
#include "module/module_dialog.h"
#include "resources/resource_ids.h"

long UI::createButtonTranslatorDialog(DLGPROC procedure, HWND owner) {
    // Without a procedure nothing could ever end the dialog, so none is opened.
    if (procedure == nullptr) return -1;
    // The host's procedure keeps its own state, so one translator may open another.
    return runModuleTemplate(IDD_EDIT_TRANSLATOR, owner, procedure);
}
