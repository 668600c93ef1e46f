// Running one of the module's own templates modally: the one way every dialog entry opens its dialog.
#pragma once

#include "platform/win32_types.h"

// A kind of the module's dialogs whose state is module-wide (the shared procedure's hooks and info,
// the exit dialog's title and link, the mesh editor's current mesh), so one dialog of the kind runs
// at a time. While it runs, its modal loop may dispatch host code (a timer, a window procedure, a
// host callback) that calls an entry of the same kind: that entry must refuse, before it touches
// the kind's state, by asking running() first.
class DialogKind {
public:
    bool running() const { return running_; }

    // Runs `templateId` as runModuleTemplate does, the kind marked running until the dialog ends.
    // Refuses with -1, opening nothing, while a dialog of the kind runs.
    long run(WORD templateId, HWND owner, DLGPROC procedure);

private:
    bool running_ = false;
};

// Runs template `templateId` of the module modally, owned by `owner`, on `procedure`; returns the
// dialog result, or -1 when the dialog cannot be created. For a template that keeps no state of
// the module's (the host's "Edit Translator" procedure), so any number may be open at once.
long runModuleTemplate(WORD templateId, HWND owner, DLGPROC procedure);
