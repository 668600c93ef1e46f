// The dialogs that run on the shared procedure alone, with no hooks: OK ends them with 1, Escape
// and the close box with 0. "Material Properties Dialog" is an empty frame of this kind; a new plain
// dialog of the module is one more line here (CONTRIBUTING.md).
#include "dialogs/shared_procedure.h"
#include <UIResource/UIResource.h>
#include "resources/resource_ids.h"

long runWithoutHooks(unsigned short templateId, HWND owner) {
    if (sharedDialogRunning()) return -1;
    // The shared procedure still ends the dialog with 1 on OK and 0 on Escape or the close box,
    // though a template may have no control 2.
    UI::setupFunction = nullptr;
    UI::shutdownFunction = nullptr;
    UI::selectionFunction = nullptr;
    UI::info = nullptr;
    return runOnSharedProcedure(templateId, owner);
}

long UI::displayMaterialProperties(HWND owner) { return runWithoutHooks(IDD_MATERIAL_PROPERTIES, owner); }
