// Showing the library's dialogs to a person: on Windows USER32 shows them in real windows and takes
// the person's input itself; on Linux a window of the demo's own (SDL2) shows the headless dialog
// manager's screen and hands the person's keyboard and mouse to it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/win32_types.h"
#include "tools/desktop/desktop_frame.h"

namespace desktop {

class Screen;

// Whether a person can see and answer dialogs here; when not, `whyNot` says why.
bool canShowDialogs(std::string& whyNot);

// Called with the innermost dialog each time the dialogs wait for the person, before they wait.
using Watcher = std::function<void(HWND dialog)>;

// A person at the screen, attached as the driver's front end for as long as it lives. Start-up
// and shut-down are the same on every platform; only the screen is the platform's.
class Desktop {
public:
    // Null, with `error` saying why, when no dialog can be shown to a person here. A non-empty
    // `snapshotPath` is kept holding a PNG picture of the screen as the renderer draws it.
    static std::unique_ptr<Desktop> open(Watcher watcher, const std::string& snapshotPath, std::string& error);
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

private:
    Desktop(Watcher watcher, const std::string& snapshotPath);
    static void onWaiting(HWND dialog, DWORD timeoutMs, void* self);
    void serve(HWND dialog, DWORD timeoutMs);

    Watcher watcher_;
    DialogStack stack_;
    FramePainter painter_;
    SnapshotFile snapshot_;
    std::unique_ptr<Screen> screen_;
};

}  // namespace desktop
