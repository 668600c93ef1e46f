// The two dialog-manager calls the benchmarks make themselves, for the templates the module has
// no dialog function of its own for: the headless manager's natively, USER32's on Windows.
#pragma once

#include "platform/win32_types.h"

namespace benchplatform {

// Runs the module's template `templateId` modally with the caller's procedure; the value given
// to endDialog, or -1.
INT_PTR runModuleTemplate(WORD templateId, DLGPROC procedure);
void endDialog(HWND dialog, INT_PTR result);

}  // namespace benchplatform
