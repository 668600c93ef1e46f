// Where a person sees the dialogs and acts on them, one for each platform: an SDL2 window on Linux
// (desktop_sdl.cpp), USER32's own windows on Windows (desktop_win32.cpp), none on a Linux build
// without SDL2 (desktop_headless.cpp).
#pragma once

#include <memory>
#include <string>

#include "platform/win32_types.h"
#include "tools/render/image.h"

namespace desktop {

class Screen {
public:
    // The screen for frames of the dialog manager's size; null, with `error` saying why, when
    // there is none here.
    static std::unique_ptr<Screen> open(int width, int height, std::string& error);
    ~Screen();

    // Whether the person sees the frames the renderer paints (on Windows they see USER32's).
    bool showsFrames() const;
    void show(const uitools::Image& frame);
    // Passes the person's input on for `dialog`, the dialog waiting for it; returns once some was
    // passed on or `timeoutMs` has passed. Where the dialog manager waits itself, returns at once.
    void waitForPerson(HWND dialog, DWORD timeoutMs);

    struct Parts;

private:
    explicit Screen(std::unique_ptr<Parts> parts);
    std::unique_ptr<Parts> parts_;
};

}  // namespace desktop
