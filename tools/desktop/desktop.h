// Showing the library's dialogs to a person: on Windows USER32 shows them in real windows and takes
// the person's input itself; on Linux a window of the demo's own (SDL2) shows the headless dialog
// manager's screen and hands the person's keyboard and mouse to it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/win32_types.h"

namespace desktop {

// Whether a person can see and answer dialogs here; when not, `whyNot` says why.
bool canShowDialogs(std::string& whyNot);

// Called with the innermost dialog each time the dialogs wait for the person, before they wait.
using Watcher = std::function<void(HWND dialog)>;

// A person at the screen, attached as the driver's user for as long as it lives.
class Desktop {
public:
    virtual ~Desktop() = default;

    // Null, with `error` saying why, when no dialog can be shown to a person here. A non-empty
    // `snapshotPath` is kept holding a PNG picture of the screen as the renderer draws it.
    static std::unique_ptr<Desktop> open(Watcher watcher, const std::string& snapshotPath, std::string& error);
};

}  // namespace desktop
