// Running a template on the shared dialog procedure, for the generic dialogs' entry functions.
#pragma once

#include "platform/win32_types.h"

// Runs template `templateId` of the module modally on UI::windowCallback with `owner`; the caller
// has set the hooks and UI::info. Returns the dialog result, or -1 when it cannot be created.
long runOnSharedProcedure(WORD templateId, HWND owner);
