// A Linux build without SDL2 has no desktop library: the dialogs cannot be shown to a person.
#include "tools/demo/screen_watch.h"

namespace demo {

bool startShowingDialogs(ScreenWatch&, std::string& error) {
    error = "this build has no SDL2 to show the dialogs in windows (Debian: libsdl2-dev)";
    return false;
}

void stopShowingDialogs() {}

}  // namespace demo
