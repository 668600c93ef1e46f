// The benchmarks' own dialog-manager calls on the headless dialog manager.
#include "bench/bench_platform.h"

#include <UIResource/UIResource.h>
#include "platform/dialog_host.h"

namespace benchplatform {

INT_PTR runModuleTemplate(WORD templateId, DLGPROC procedure) {
    return DialogHost::dialogBoxParam(getUIResourceAppInstance(), templateId, nullptr, procedure, 0);
}

void endDialog(HWND dialog, INT_PTR result) { DialogHost::endDialog(dialog, result); }

}  // namespace benchplatform
