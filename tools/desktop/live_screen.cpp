// Painting the live dialogs and finding what changed, for both ways of showing them.
#include "tools/desktop/live_screen.h"

namespace desktop {

const std::vector<uitools::PixelRect>& LiveScreen::paint(HWND innermost) {
    stack_.update(innermost);
    const uitools::Image& frame = painter_.paint(stack_.dialogs());
    return changes_.update(frame, painter_.touched());
}

}  // namespace desktop
