// What the demo keeps of the screen while a person works the dialogs: its transcript hears of the
// dialog waiting for them each time they have acted, and the snapshot picture follows the screen.
#pragma once

#include <functional>
#include <string>

#include "platform/win32_types.h"
#include "tools/desktop/desktop_frame.h"

namespace demo {

class ScreenWatch {
public:
    using Watcher = std::function<void(HWND dialog)>;

    // A non-empty `snapshotPath` is kept holding a PNG picture of the screen as the renderer draws it.
    explicit ScreenWatch(const std::string& snapshotPath) : snapshot_(snapshotPath) {}
    // False, with `error` saying why, when the snapshot cannot be painted.
    bool start(std::string& error);
    void follow(Watcher watcher) { watcher_ = std::move(watcher); }
    // The dialogs wait for the person, `innermost` in front.
    void look(HWND innermost);

private:
    Watcher watcher_;
    desktop::DialogStack stack_;
    desktop::FramePainter painter_;
    desktop::SnapshotFile snapshot_;
};

// Shows the library's dialogs to a person from now on, `watch` looking on: on Linux through the
// desktop library, each dialog in a window of its own (show_dialogs_linux.cpp, the lines a Linux
// host copies); on Windows USER32 shows them itself. False, with `error` saying why, when no
// dialog can be shown to a person here.
bool startShowingDialogs(ScreenWatch& watch, std::string& error);
void stopShowingDialogs();

}  // namespace demo
