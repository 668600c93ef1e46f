// On Linux the headless dialog manager has no window of its own to show a dialog in.
#include "tools/desktop/desktop.h"

namespace desktop {

bool canShowDialogs(std::string& whyNot) {
    whyNot = "the headless dialog manager shows no windows";
    return false;
}

}  // namespace desktop
