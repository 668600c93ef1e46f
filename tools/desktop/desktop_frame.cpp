// Painting the screen from the dialogs as they stand, and keeping a snapshot of it.
#include "tools/desktop/desktop_frame.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

#include "harness/dialog_driver.h"
#include "tools/render/dialog_painter.h"
#include "tools/render/dialog_view.h"
#include "tools/render/file_bytes.h"
#include "tools/render/menu_painter.h"
#include "tools/render/module_font.h"

namespace desktop {

namespace {

bool isShown(HWND dialog) {
    return DialogDriver::isWindow(dialog) && (DialogDriver::style(dialog) & WS_VISIBLE) != 0;
}

}  // namespace

void DialogStack::update(HWND innermost) {
    dialogs_.erase(std::remove_if(dialogs_.begin(), dialogs_.end(), [](HWND dialog) { return !isShown(dialog); }),
                   dialogs_.end());
    if (innermost != nullptr && std::find(dialogs_.begin(), dialogs_.end(), innermost) == dialogs_.end())
        dialogs_.push_back(innermost);
}

bool FramePainter::loadFont(std::string& error) { return uitools::loadModuleFont(font_, error); }

void FramePainter::clearLastDialogs() {
    frame_.clearClip();
    for (const uitools::PixelRect& place : painted_) frame_.fillRect(place, desktop_);
    touched_ = painted_;
    painted_.clear();
}

const uitools::Image& FramePainter::paint(const std::vector<HWND>& dialogs) {
    RECT screen = DialogDriver::windowRect(DialogHost::getDesktopWindow());
    int width = screen.right - screen.left, height = screen.bottom - screen.top;
    // The desktop is filled once; after that only where dialogs lay in the last frame, since
    // filling all of it each frame took most of the frame's time.
    if (frame_.width() != width || frame_.height() != height) frame_ = uitools::Image(width, height, desktop_);
    clearLastDialogs();
    for (HWND dialog : dialogs) {
        uitools::DialogView view;
        if (!uitools::viewOfLiveDialog(dialog, view)) continue;
        view.inactive = dialog != dialogs.back();
        RECT place = DialogDriver::windowRect(dialog);
        int left = place.left - screen.left, top = place.top - screen.top;
        painted_.push_back(uitools::paintDialogInto(frame_, view, font_, left, top));
    }
    menu_ = uitools::PixelRect{};
    uitools::MenuView menu;
    if (uitools::viewOfOpenMenu(menu)) {
        menu_ = uitools::paintMenuInto(frame_, menu, font_, -screen.left, -screen.top);
        painted_.push_back(menu_);
    }
    touched_.insert(touched_.end(), painted_.begin(), painted_.end());
    return frame_;
}

namespace {

// Writes `bytes` to `path` through a temporary file renamed over it.
bool replaceFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error) {
    std::string partial = path + ".partial";
    if (!uitools::writeFileBytes(partial, bytes.data(), bytes.size(), error)) return false;
#ifdef _WIN32
    std::remove(path.c_str());  // Windows renames over no existing file
#endif
    if (std::rename(partial.c_str(), path.c_str()) == 0) return true;
    error = path + ": cannot be replaced";
    return false;
}

std::vector<uint8_t> dialogPlaces(const std::vector<HWND>& dialogs) {
    std::string lines;
    for (HWND dialog : dialogs) {
        RECT frame = DialogDriver::windowRect(dialog);
        RECT client = DialogDriver::clientRect(dialog);
        for (LONG value : {frame.left, frame.top, frame.right, frame.bottom, client.left, client.top})
            lines += std::to_string(value) + " ";
        lines += DialogDriver::text(dialog) + "\n";
    }
    return std::vector<uint8_t>(lines.begin(), lines.end());
}

}  // namespace

bool SnapshotFile::write(const uitools::Image& frame, const std::vector<HWND>& dialogs, std::string& error) {
    if (frame.samePixels(written_)) return true;
    std::vector<uint8_t> png = frame.encodePng();
    if (png.empty()) {
        error = path_ + ": the picture cannot be encoded";
        return false;
    }
    // The places first: a reader that sees the new picture finds them already there.
    if (!replaceFile(path_ + ".dialogs", dialogPlaces(dialogs), error) || !replaceFile(path_, png, error))
        return false;
    written_ = frame;
    return true;
}

void SnapshotFile::keep(const uitools::Image& frame, const std::vector<HWND>& dialogs) {
    std::string error;
    if (!wanted() || write(frame, dialogs, error)) return;
    std::cerr << "snapshot: " << error << "\n";
    path_.clear();
}

}  // namespace desktop
