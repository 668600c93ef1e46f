// The shell requests the module made, as the dialog tests see them: one recorder for the headless
// manager, one for SHELL32 under Wine.
#pragma once

#include <string>
#include <vector>

#include "platform/win32_types.h"

namespace testplatform {

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

}  // namespace testplatform
