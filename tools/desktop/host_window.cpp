// The host's window, through SDL2 when it is an SDL2 window and through Xlib when the host names an
// X11 window of its own. Xlib reports a bad window id to an
// error handler that ends the program by default: every call on the host's window is made with
// a handler of ours in place.
#include "tools/desktop/host_window.h"

#include <dlfcn.h>

#include <SDL_syswm.h>

#include "tools/desktop/sdl_library.h"
#include "tools/desktop/x11_library.h"

namespace desktop {

struct HostWindow::X11 {
    const X11Library* api = nullptr;
    Display* display = nullptr;
    Window cover = 0;
};

namespace {

bool failedRequest = false;

int noteFailure(Display*, XErrorEvent*) {
    failedRequest = true;
    return 0;
}

bool openX11(HostWindow::X11& x11, std::string& error) {
    x11.api = loadX11(error);
    x11.display = x11.api != nullptr ? x11.api->XOpenDisplay(nullptr) : nullptr;
    if (x11.api != nullptr && x11.display == nullptr) error = "no X11 display to find the host's window on";
    return x11.display != nullptr;
}

// Runs `request` on the display with failures noted instead of ending the program.
template <typename Request>
bool trapped(const HostWindow::X11& x11, Request request) {
    failedRequest = false;
    auto previous = x11.api->XSetErrorHandler(noteFailure);
    request();
    x11.api->XSync(x11.display, False);
    x11.api->XSetErrorHandler(previous);
    return !failedRequest;
}

Window x11WindowOf(SDL_Window* window) {
    using GetInfo = SDL_bool (*)(SDL_Window*, SDL_SysWMinfo*);
    auto getInfo = reinterpret_cast<GetInfo>(dlsym(RTLD_DEFAULT, "SDL_GetWindowWMInfo"));
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (getInfo == nullptr || !getInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return 0;
    return info.info.x11.window;
}

}  // namespace

HostWindow::HostWindow() = default;

HostWindow::~HostWindow() {
    cover(false);
    if (x11_ != nullptr && x11_->display != nullptr) x11_->api->XCloseDisplay(x11_->display);
}

bool HostWindow::open(SDL_Window* sdlWindow, unsigned long x11Window, std::string& error) {
    sdlWindow_ = sdlWindow;
    x11Window_ = x11Window;
    if (sdlWindow != nullptr && sdl().SDL_GetWindowID(sdlWindow) == 0) {
        error = std::string("the host's SDL window is none of this SDL2's (") + sdl().SDL_GetError() + ")";
        return false;
    }
    if (x11Window == 0) return true;
    x11_ = std::make_unique<X11>();
    if (!openX11(*x11_, error)) return false;
    XWindowAttributes attributes;
    if (trapped(*x11_, [&] { x11_->api->XGetWindowAttributes(x11_->display, x11Window, &attributes); })) return true;
    error = "there is no X11 window " + std::to_string(x11Window);
    return false;
}

uitools::PixelRect HostWindow::place() const {
    int x = 0, y = 0, width = 0, height = 0;
    if (sdlWindow_ != nullptr) {
        sdl().SDL_GetWindowPosition(sdlWindow_, &x, &y);
        sdl().SDL_GetWindowSize(sdlWindow_, &width, &height);
    } else if (x11_ != nullptr) {
        XWindowAttributes attributes{};
        Window child = 0;
        trapped(*x11_, [&] {
            x11_->api->XGetWindowAttributes(x11_->display, x11Window_, &attributes);
            x11_->api->XTranslateCoordinates(x11_->display, x11Window_, attributes.root, 0, 0, &x, &y, &child);
        });
        width = attributes.width;
        height = attributes.height;
    }
    return uitools::PixelRect{x, y, x + width, y + height};
}

int HostWindow::displayIndex() const {
    int index = sdlWindow_ != nullptr ? sdl().SDL_GetWindowDisplayIndex(sdlWindow_) : 0;
    return index >= 0 ? index : 0;
}

bool HostWindow::owns(Uint32 windowId) const {
    return sdlWindow_ != nullptr && windowId != 0 && sdl().SDL_GetWindowID(sdlWindow_) == windowId;
}

void HostWindow::own(SDL_Window* dialogWindow) const {
    if (sdlWindow_ != nullptr) sdl().SDL_SetWindowModalFor(dialogWindow, sdlWindow_);
    Window dialog = x11_ != nullptr ? x11WindowOf(dialogWindow) : 0;
    if (dialog != 0) trapped(*x11_, [&] { x11_->api->XSetTransientForHint(x11_->display, dialog, x11Window_); });
}

void HostWindow::cover(bool on) {
    if (x11_ == nullptr || x11_->display == nullptr || on == (x11_->cover != 0)) return;
    if (!on) {
        trapped(*x11_, [&] { x11_->api->XDestroyWindow(x11_->display, x11_->cover); });
        x11_->cover = 0;
        return;
    }
    uitools::PixelRect where = place();
    XSetWindowAttributes attributes{};
    attributes.do_not_propagate_mask = ButtonPressMask | ButtonReleaseMask | PointerMotionMask | KeyPressMask |
                                       KeyReleaseMask;
    trapped(*x11_, [&] {
        x11_->cover = x11_->api->XCreateWindow(x11_->display, x11Window_, 0, 0, static_cast<unsigned>(where.width()),
                                          static_cast<unsigned>(where.height()), 0, 0, InputOnly, nullptr,
                                          CWDontPropagate, &attributes);
        x11_->api->XMapRaised(x11_->display, x11_->cover);
    });
}

}  // namespace desktop
