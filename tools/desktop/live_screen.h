// The running dialogs as a person sees them, kept for a host: the screen painted from their live
// state with no desktop behind them, and where each paint changed it.
#pragma once

#include <string>
#include <vector>

#include "tools/desktop/desktop_frame.h"
#include "tools/desktop/frame_changes.h"

namespace desktop {

class LiveScreen {
public:
    bool loadFont(std::string& error) { return painter_.loadFont(error); }
    // Takes `innermost`, the dialog waiting now, among the dialogs shown, paints them, and answers
    // where the frame changed since the last paint.
    const std::vector<uitools::PixelRect>& paint(HWND innermost);
    // A dialog that ended leaves (the next paint clears where it was).
    void forget() { stack_.update(nullptr); }
    const uitools::Image& frame() const { return painter_.frame(); }
    const uitools::PixelRect& menu() const { return painter_.menu(); }
    const std::vector<HWND>& dialogs() const { return stack_.dialogs(); }
    bool isShowingDialogs() const { return !stack_.dialogs().empty(); }

private:
    DialogStack stack_;
    FramePainter painter_{kNoDesktop};
    FrameChanges changes_;
};

}  // namespace desktop
