// "Material Properties Dialog": an empty frame with an OK button, run on the shared procedure alone.
#include "dialogs/shared_procedure.h"
#include <UIResource/UIResource.h>
#include "resources/resource_ids.h"

long UI::displayMaterialProperties(HWND owner) {
    if (sharedDialogRunning()) return -1;
    // No hooks at all: the shared procedure still ends the dialog with 1 on OK and 0 on Escape
    // or the close box, though the template has no control 2.
    setupFunction = nullptr;
    shutdownFunction = nullptr;
    selectionFunction = nullptr;
    info = nullptr;
    return runOnSharedProcedure(IDD_MATERIAL_PROPERTIES, owner);
}
