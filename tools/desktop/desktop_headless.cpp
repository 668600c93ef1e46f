// A Linux build without SDL2: the headless dialog manager has no window to show a dialog in.
#include "tools/desktop/desktop.h"

namespace desktop {

namespace {

const char kWhyNot[] = "this build has no SDL2 to show the headless dialog manager's windows";

}  // namespace

bool canShowDialogs(std::string& whyNot) {
    whyNot = kWhyNot;
    return false;
}

std::unique_ptr<Desktop> Desktop::open(Watcher, const std::string&, std::string& error) {
    error = kWhyNot;
    return nullptr;
}

}  // namespace desktop
