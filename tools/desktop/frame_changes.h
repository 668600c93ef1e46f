// What changed between two frames of the screen, and a frame made larger by a whole factor: what
// both ways of showing the dialogs need to copy no more pixels than changed.
#pragma once

#include <vector>

#include "tools/render/image.h"

namespace desktop {

class FrameChanges {
public:
    // Where `frame` differs from the frame given before, looked for within `candidates` (where
    // dialogs were or are now), at most one rectangle for each band of 32 rows; all of the frame
    // the first time and after a change of size. Remembers `frame` for the next call.
    const std::vector<uitools::PixelRect>& update(const uitools::Image& frame,
                                                  const std::vector<uitools::PixelRect>& candidates);

private:
    void addChangesInBand(const uitools::Image& frame, const uitools::PixelRect& band);

    uitools::Image seen_;
    std::vector<uitools::PixelRect> changed_;
};

// Copies `part` of `source` into `target`, `scale` times larger, its top-left corner at (x, y) of
// `target`, which must hold it.
void copyScaled(const uitools::Image& source, const uitools::PixelRect& part, int scale, uitools::Image& target,
                int x, int y);

uitools::PixelRect scaled(const uitools::PixelRect& rect, int scale);

// A pixel of a picture `divisor` times larger mapped back: floor division, so that the pixels left
// of and above the picture map just as those inside it do.
inline int dividedDown(int value, int divisor) {
    long long wide = value;  // the smallest int has no positive counterpart
    return static_cast<int>(wide >= 0 ? wide / divisor : -((-wide + divisor - 1) / divisor));
}

}  // namespace desktop
