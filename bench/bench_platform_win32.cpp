// The benchmarks' own dialog-manager calls on USER32.
#include "bench/bench_platform.h"

#include <windows.h>

#include <UIResource/UIResource.h>

namespace benchplatform {

INT_PTR runModuleTemplate(WORD templateId, DLGPROC procedure) {
    return DialogBoxParamA(getUIResourceAppInstance(), MAKEINTRESOURCEA(templateId), nullptr, procedure, 0);
}

void endDialog(HWND dialog, INT_PTR result) { EndDialog(dialog, result); }

}  // namespace benchplatform
