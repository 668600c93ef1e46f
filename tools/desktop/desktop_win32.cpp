// On Windows the dialog manager shows every dialog in a real window of its own and takes the
// person's input itself; the desktop only watches, from the driver's user timer.
#include "tools/desktop/desktop.h"

#include "harness/dialog_driver.h"
#include "tools/desktop/desktop_frame.h"

namespace desktop {

namespace {

class WatchingDesktop : public Desktop {
public:
    WatchingDesktop(Watcher watcher, const std::string& snapshotPath)
        : watcher_(std::move(watcher)), snapshot_(snapshotPath) {}
    ~WatchingDesktop() override { DialogDriver::attachUser(nullptr, nullptr); }

    bool start(std::string& error) {
        if (snapshot_.wanted() && !painter_.loadFont(error)) return false;
        DialogDriver::attachUser(onWaiting, this);
        return true;
    }

private:
    static void onWaiting(HWND dialog, void* self) { static_cast<WatchingDesktop*>(self)->watch(dialog); }

    void watch(HWND dialog) {
        watcher_(dialog);
        if (!snapshot_.wanted()) return;
        stack_.update(dialog);
        snapshot_.keep(painter_.paint(stack_.dialogs()), stack_.dialogs());
    }

    Watcher watcher_;
    DialogStack stack_;
    FramePainter painter_;
    SnapshotFile snapshot_;
};

}  // namespace

bool canShowDialogs(std::string& whyNot) {
    whyNot.clear();
    return true;
}

std::unique_ptr<Desktop> Desktop::open(Watcher watcher, const std::string& snapshotPath, std::string& error) {
    auto desktop = std::make_unique<WatchingDesktop>(std::move(watcher), snapshotPath);
    if (!desktop->start(error)) return nullptr;
    return desktop;
}

}  // namespace desktop
