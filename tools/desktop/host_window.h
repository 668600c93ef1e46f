// The host's own window, which the dialogs' windows are modal to: an SDL2 window of the host's, or
// an X11 window named by its id. Where it is, for centring the first dialog over it, what of SDL's
// events are its own, and, for an X11 window, the cover that keeps the mouse from it while the
// dialogs run.
#pragma once

#include <memory>
#include <string>

#include <SDL.h>

#include "tools/render/image.h"

namespace desktop {

class HostWindow {
public:
    HostWindow();
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    // False, with `error` saying why, when an X11 window is named that does not exist (or no X11
    // display can be reached to look for it), or an SDL window that SDL2 does not know.
    bool open(SDL_Window* sdlWindow, unsigned long x11Window, std::string& error);

    // Where the window is on the display; empty when there is none.
    uitools::PixelRect place() const;
    // The display the host's window is on, 0 without one.
    int displayIndex() const;
    // Whether SDL's event belongs to the host's SDL window.
    bool owns(Uint32 windowId) const;
    // Makes a dialog's window modal to the host's: kept above it by the window manager.
    void own(SDL_Window* dialogWindow) const;
    // While dialogs run, an X11 host window is covered by an input-only window of ours, so that
    // its mouse input goes nowhere; an SDL host window has its events dropped instead.
    void cover(bool on);

    struct X11;

private:
    SDL_Window* sdlWindow_ = nullptr;
    unsigned long x11Window_ = 0;
    std::unique_ptr<X11> x11_;
};

}  // namespace desktop
