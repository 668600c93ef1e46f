// The desktop's start-up, shut-down and turn, the same on every platform: each time the dialogs
// wait for the person, the watcher hears of it, the screen is painted from the live dialogs and
// kept as the snapshot, and the screen passes on what the person does.
#include "tools/desktop/desktop.h"

#include "harness/dialog_driver.h"
#include "tools/desktop/screen.h"

namespace desktop {

Desktop::Desktop(Watcher watcher, const std::string& snapshotPath)
    : watcher_(std::move(watcher)), snapshot_(snapshotPath) {}

Desktop::~Desktop() { DialogDriver::attachFrontEnd(nullptr, nullptr); }

std::unique_ptr<Desktop> Desktop::open(Watcher watcher, const std::string& snapshotPath, std::string& error) {
    std::unique_ptr<Desktop> desktop(new Desktop(std::move(watcher), snapshotPath));
    if (!desktop->painter_.loadFont(error)) return nullptr;
    RECT screen = DialogDriver::windowRect(DialogHost::getDesktopWindow());
    desktop->screen_ = Screen::open(screen.right - screen.left, screen.bottom - screen.top, error);
    if (desktop->screen_ == nullptr) return nullptr;
    DialogDriver::attachFrontEnd(onWaiting, desktop.get());
    return desktop;
}

void Desktop::onWaiting(HWND dialog, DWORD timeoutMs, void* self) { static_cast<Desktop*>(self)->serve(dialog, timeoutMs); }

void Desktop::serve(HWND dialog, DWORD timeoutMs) {
    if (watcher_) watcher_(dialog);
    if (screen_->showsFrames() || snapshot_.wanted()) {
        stack_.update(dialog);
        const uitools::Image& frame = painter_.paint(stack_.dialogs());
        snapshot_.keep(frame, stack_.dialogs());
        if (screen_->showsFrames()) screen_->show(frame);
    }
    screen_->waitForPerson(dialog, timeoutMs);
}

}  // namespace desktop
