// The embedded way: each frame of the dialogs handed to the host's presenter, which draws it in its
// own viewport and hands the person's input back.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include <UIResource/UIResourceDesktop.h>

#include "platform/win32_types.h"
#include "tools/desktop/live_screen.h"

namespace desktop {

class EmbeddedWay {
public:
    explicit EmbeddedWay(const UIDesktopEmbedded& settings) : settings_(settings) {}
    // False, with `error` saying why, when the dialogs cannot be drawn.
    bool start(std::string& error) { return screen_.loadFont(error); }

    // The driver's front end: presents the frame, and waits a frame's time when the presenter
    // handed no input back.
    void wait(HWND dialog, DWORD timeoutMs);
    void gone() { screen_.forget(); }

    bool isShowingDialogs() const { return screen_.isShowingDialogs(); }
    int scale() const { return settings_.scale; }
    // The screen point under (x, y) of the frame: each frame pixel is one scale-th of a dialog pixel.
    POINT toScreen(int x, int y) const;
    void inputTaken() { ++inputs_; }

private:
    void present(const std::vector<uitools::PixelRect>& changed);

    UIDesktopEmbedded settings_;
    LiveScreen screen_;
    uitools::Image scaled_;  // the frame at the host's scale, when that is not 1
    std::vector<UIDesktopRect> changed_;
    bool presenting_ = false;
    unsigned inputs_ = 0;  // input handed back so far
};

}  // namespace desktop
