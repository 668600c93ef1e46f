// Presenting frames to the host: scaled where they changed, and paced so that a host that hands
// nothing back is called about sixty times a second rather than as fast as it returns.
#include "tools/desktop/embedded_way.h"

#include <thread>

#include "harness/dialog_driver.h"

namespace desktop {

namespace {

constexpr auto kFrameTime = std::chrono::milliseconds(16);

}  // namespace

POINT EmbeddedWay::toScreen(int x, int y) const {
    return POINT{dividedDown(x, settings_.scale), dividedDown(y, settings_.scale)};
}

// A dialog opened from inside the presenter would have it called again before it returned: such a
// dialog ends at once with -1 instead.
void EmbeddedWay::wait(HWND dialog, DWORD timeoutMs) {
    if (presenting_) {
        DialogHost::endDialog(dialog, -1);
        return;
    }
    auto start = std::chrono::steady_clock::now();
    unsigned inputsBefore = inputs_;
    present(screen_.paint(dialog));
    if (inputs_ != inputsBefore) return;
    auto deadline = start + kFrameTime;
    if (timeoutMs != DialogDriver::kWaitForever)
        deadline = std::min(deadline, start + std::chrono::milliseconds(timeoutMs));
    std::this_thread::sleep_until(deadline);
}

void EmbeddedWay::present(const std::vector<uitools::PixelRect>& changed) {
    const uitools::Image& frame = screen_.frame();
    int scale = settings_.scale;
    if (scale != 1 && (scaled_.width() != frame.width() * scale || scaled_.height() != frame.height() * scale))
        scaled_ = uitools::Image(frame.width() * scale, frame.height() * scale, kNoDesktop);
    changed_.clear();
    for (const uitools::PixelRect& part : changed) {
        if (scale != 1) copyScaled(frame, part, scale, scaled_, part.left * scale, part.top * scale);
        uitools::PixelRect shown = scaled(part, scale);
        changed_.push_back(UIDesktopRect{shown.left, shown.top, shown.right, shown.bottom});
    }
    const uitools::Image& shown = scale != 1 ? scaled_ : frame;
    UIDesktopFrame handed{reinterpret_cast<const uint8_t*>(shown.pixels()), shown.width(), shown.height(),
                          changed_.empty() ? nullptr : changed_.data(), static_cast<int32_t>(changed_.size())};
    presenting_ = true;
    settings_.present(&handed, settings_.context);
    presenting_ = false;
}

}  // namespace desktop
