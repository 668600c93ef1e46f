// Changed rectangles found row by row within where the dialogs lay: a row compared whole first,
// then narrowed to its first and last differing pixel.
#include "tools/desktop/frame_changes.h"

#include <algorithm>
#include <cstring>

namespace desktop {

namespace {

using uitools::Colour;
using uitools::PixelRect;

constexpr int kBandHeight = 32;

PixelRect boundsOf(const std::vector<PixelRect>& rects, const PixelRect& frame) {
    PixelRect bounds;
    for (const PixelRect& rect : rects) bounds = uitools::unite(bounds, rect);
    return uitools::intersect(bounds, frame);
}

}  // namespace

const std::vector<PixelRect>& FrameChanges::update(const uitools::Image& frame,
                                                   const std::vector<PixelRect>& candidates) {
    changed_.clear();
    PixelRect whole{0, 0, frame.width(), frame.height()};
    if (seen_.width() != frame.width() || seen_.height() != frame.height()) {
        seen_ = frame;
        if (whole.width() > 0 && whole.height() > 0) changed_.push_back(whole);
        return changed_;
    }
    PixelRect area = boundsOf(candidates, whole);
    for (int top = area.top; top < area.bottom; top += kBandHeight)
        addChangesInBand(frame, PixelRect{area.left, top, area.right, std::min(top + kBandHeight, area.bottom)});
    for (const PixelRect& part : changed_) copyScaled(frame, part, 1, seen_, part.left, part.top);
    return changed_;
}

void FrameChanges::addChangesInBand(const uitools::Image& frame, const PixelRect& band) {
    PixelRect found;
    size_t rowBytes = static_cast<size_t>(band.width()) * sizeof(Colour);
    for (int y = band.top; y < band.bottom; ++y) {
        const Colour* now = frame.pixels() + static_cast<size_t>(y) * frame.width() + band.left;
        const Colour* before = seen_.pixels() + static_cast<size_t>(y) * seen_.width() + band.left;
        if (std::memcmp(now, before, rowBytes) == 0) continue;
        int first = 0, last = band.width() - 1;
        while (now[first] == before[first]) ++first;
        while (now[last] == before[last]) --last;
        found = uitools::unite(found, PixelRect{band.left + first, y, band.left + last + 1, y + 1});
    }
    if (found.width() > 0) changed_.push_back(found);
}

void copyScaled(const uitools::Image& source, const PixelRect& part, int scale, uitools::Image& target, int x, int y) {
    for (int row = part.top; row < part.bottom; ++row) {
        const Colour* from = source.pixels() + static_cast<size_t>(row) * source.width() + part.left;
        for (int repeat = 0; repeat < scale; ++repeat) {
            int targetRow = y + (row - part.top) * scale + repeat;
            Colour* to = target.pixels() + static_cast<size_t>(targetRow) * target.width() + x;
            if (scale == 1) std::copy(from, from + part.width(), to);
            for (int column = 0; scale != 1 && column < part.width(); ++column)
                std::fill_n(to + column * scale, scale, from[column]);
        }
    }
}

PixelRect scaled(const PixelRect& rect, int scale) {
    return PixelRect{rect.left * scale, rect.top * scale, rect.right * scale, rect.bottom * scale};
}

}  // namespace desktop
