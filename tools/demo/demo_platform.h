// What the demo needs of the dialog manager beyond the library and the scripted user: reading a
// live dialog as it stands and hearing when one closes. Over the headless dialog manager on
// Linux, over USER32 on Windows.
#pragma once

#include "platform/win32_types.h"
#include "tools/render/dialog_view.h"

namespace demo {

// The dialog's title, window style, client size and every control with its rectangle and state
// (text, check, list entries, selection). False when `dialog` is not a live dialog.
bool snapshotLiveDialog(HWND dialog, uitools::DialogView& view);

// Calls `observer` for each dialog that has ended, just before it is destroyed, while its
// controls can still be read; a null observer stops it.
using ClosingObserver = void (*)(HWND dialog, void* context);
void observeDialogClosing(ClosingObserver observer, void* context);

// Whether dialogs can be shown to a person here (a desktop), so the demo may run them for real.
bool canShowDialogs();

}  // namespace demo
