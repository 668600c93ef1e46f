// On Windows the dialog manager shows every dialog in a real window of its own.
#include "tools/desktop/desktop.h"

namespace desktop {

bool canShowDialogs(std::string& whyNot) {
    whyNot.clear();
    return true;
}

}  // namespace desktop
