// The screen a person sees, painted by the renderer: the desktop with the running dialogs on it,
// each at its screen place and drawn from its live state, the innermost on top. Shared by the
// window of the Linux front end, the snapshots of either platform and the benchmarks.
#pragma once

#include <string>
#include <vector>

#include "platform/win32_types.h"
#include "tools/render/bitmap_font.h"
#include "tools/render/image.h"

namespace desktop {

// The modal dialogs on the screen, bottom first.
class DialogStack {
public:
    // Brings the stack up to date with the dialog waiting for input now: dialogs that ended or hid
    // leave, and `innermost` goes on top when it is new.
    void update(HWND innermost);
    const std::vector<HWND>& dialogs() const { return dialogs_; }

private:
    std::vector<HWND> dialogs_;
};

// The desktop's own colour, where no dialog is: the classic blue, or nothing at all for a host
// that lays the dialogs over its own picture.
constexpr uitools::Colour kDesktopBlue{58, 110, 165, 255};
constexpr uitools::Colour kNoDesktop{0, 0, 0, 0};

class FramePainter {
public:
    explicit FramePainter(uitools::Colour desktop = kDesktopBlue) : desktop_(desktop) {}
    // False, with `error` saying why, when the module's font cannot be read.
    bool loadFont(std::string& error);
    // The desktop as large as the dialog manager's, with `dialogs` on it, bottom first, and an open
    // context menu over them.
    const uitools::Image& paint(const std::vector<HWND>& dialogs);
    const uitools::Image& frame() const { return frame_; }
    // Where the last paint could have changed the frame: where the dialogs lay before it and lie
    // now, open lists included.
    const std::vector<uitools::PixelRect>& touched() const { return touched_; }
    // Where the last paint drew an open context menu; empty when none is open.
    const uitools::PixelRect& menu() const { return menu_; }

private:
    void clearLastDialogs();

    uitools::Colour desktop_;
    uitools::BitmapFont font_;
    uitools::Image frame_;
    std::vector<uitools::PixelRect> painted_;  // where the last frame's dialogs lie on the desktop
    std::vector<uitools::PixelRect> touched_;
    uitools::PixelRect menu_;
};

// A PNG file that always holds the last frame it was given: rewritten only when the frame changed,
// through a temporary file renamed over it, so that a reader never sees half a picture. Beside it,
// PATH.dialogs says where the dialogs of the frame stand, bottom first, one line each:
// "LEFT TOP RIGHT BOTTOM CLIENT_LEFT CLIENT_TOP TITLE" in screen pixels (the frame's pixels), so
// that a person's actions can be aimed at controls placed by their templates. An empty path keeps
// nothing; the first file that cannot be written is told on standard error and ends the keeping.
class SnapshotFile {
public:
    explicit SnapshotFile(std::string path) : path_(std::move(path)) {}
    bool wanted() const { return !path_.empty(); }
    void keep(const uitools::Image& frame, const std::vector<HWND>& dialogs);

private:
    bool write(const uitools::Image& frame, const std::vector<HWND>& dialogs, std::string& error);

    std::string path_;
    uitools::Image written_;
};

}  // namespace desktop
