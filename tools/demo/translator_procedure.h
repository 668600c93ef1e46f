// The sample host's own procedure for "Edit Translator": it lists the scene's button translators
// and lets the user add, delete and reorder them.
#pragma once

#include <string>
#include <vector>

#include "platform/win32_types.h"

namespace demo {

// The translators the procedure shows when the dialog opens and writes back on OK (1). Escape
// and the close box end the dialog with 0 and leave the list as it was.
void setTranslatorList(std::vector<std::string>* translators);

INT_PTR CALLBACK translatorProcedure(HWND dialog, UINT message, WPARAM wordParam, LPARAM longParam);

}  // namespace demo
