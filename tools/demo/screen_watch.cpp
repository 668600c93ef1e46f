// The demo's watch on the screen, the same on both platforms.
#include "tools/demo/screen_watch.h"

namespace demo {

bool ScreenWatch::start(std::string& error) { return !snapshot_.wanted() || painter_.loadFont(error); }

void ScreenWatch::look(HWND innermost) {
    if (watcher_ && innermost != nullptr) watcher_(innermost);
    if (!snapshot_.wanted()) return;
    stack_.update(innermost);
    snapshot_.keep(painter_.paint(stack_.dialogs()), stack_.dialogs());
}

}  // namespace demo
