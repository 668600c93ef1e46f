// What the dialog tests need of the platform beyond the scripted user: the desktop's rectangle,
// the shell requests the module made, and the few dialog-manager calls a host procedure makes.
// The shell recorder has one implementation for the headless manager, one for SHELL32 under Wine.
#pragma once

#include <string>
#include <vector>

#include "platform/win32_types.h"

namespace testplatform {

RECT desktopRect();  // screen coordinates of the desktop window

struct ShellRequest {
    std::string file;     // the text handed to the shell
    int showCommand = 0;  // SW_ value
    bool defaultVerbOnly = false;  // no window, default verb, no parameters, no directory
};

// Records the module's shell requests for its lifetime, instead of opening anything.
class ShellRecorder {
public:
    ShellRecorder();
    ~ShellRecorder();
    ShellRecorder(const ShellRecorder&) = delete;
    ShellRecorder& operator=(const ShellRecorder&) = delete;
    std::vector<ShellRequest> requests() const;
};

// Dialog-manager calls for a host procedure of the test's own.
LRESULT sendItemMessage(HWND dialog, int id, UINT message, WPARAM wordParam, LPARAM longParam);
void setItemText(HWND dialog, int id, const char* text);
std::string itemText(HWND dialog, int id);
void endDialog(HWND dialog, INT_PTR result);

}  // namespace testplatform
