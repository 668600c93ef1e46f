// The modal run of the module's templates, with the one-of-a-kind guard.
#include "module/module_dialog.h"

#include "module/module_entry.h"
#include "platform/dialog_host.h"

long runModuleTemplate(WORD templateId, HWND owner, DLGPROC procedure) {
    // Nothing travels in the initialisation value: each kind's state is module-wide, and a host's
    // own "Edit Translator" procedure is promised 0 in WM_INITDIALOG.
    return static_cast<long>(DialogHost::dialogBoxParam(moduleInstance(), templateId, owner, procedure, 0));
}

long DialogKind::run(WORD templateId, HWND owner, DLGPROC procedure) {
    if (running_) return -1;
    running_ = true;
    const long result = runModuleTemplate(templateId, owner, procedure);
    running_ = false;
    return result;
}
