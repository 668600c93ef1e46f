// Running a template on the shared dialog procedure, for the generic dialogs' entry functions.
#pragma once

#include "platform/win32_types.h"

// True while a dialog runs on the shared procedure: the module-wide hooks and UI::info are its
// own until it ends. A host timer or window procedure that the modal loop dispatches may call an
// entry meanwhile; the entry must then leave all of them alone and return -1.
bool sharedDialogRunning();

// Runs template `templateId` of the module modally on UI::windowCallback with `owner`; the caller
// has set the hooks and UI::info. Returns the dialog result, or -1 when it cannot be created or a
// dialog on the shared procedure already runs.
long runOnSharedProcedure(WORD templateId, HWND owner);

// Runs a template that takes no hooks (plain_dialogs.cpp) on the shared procedure: the hooks and
// UI::info are cleared first, unless a dialog on the shared procedure already runs (-1).
long runWithoutHooks(unsigned short templateId, HWND owner);
