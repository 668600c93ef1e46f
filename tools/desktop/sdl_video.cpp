// SDL2's video. It starts once and stays up for the life of the program: closing the display and
// opening it again at once can meet an X server that is resetting because its last client left
// (Xvfb does so), and SDL then finds no display.
#include "tools/desktop/sdl_video.h"

#include <cstdlib>
#include <cstring>

#include <UIResource/UIResourceDesktop.h>

#include "harness/dialog_driver.h"
#include "tools/desktop/sdl_library.h"
#include "tools/desktop/x11_library.h"

namespace desktop {

namespace {

constexpr float kDenseDisplay = 144.0f;  // dots per inch from which the dialogs are drawn twice as large

bool isSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// SDL's drivers that draw where nobody sees it; SDL falls back on them when there is no display.
bool isInvisible(const char* driver) {
    return driver == nullptr || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
}

// Signals end the program as usual, instead of becoming a quit event that nobody waits for. A host
// that started SDL's video keeps it to itself: it is neither started again nor ended here. Either
// way the dialogs take typed text.
bool startVideo(std::string& error) {
    const SdlLibrary& api = sdl();
    if (api.SDL_WasInit(SDL_INIT_VIDEO) != 0) {
        api.SDL_StartTextInput();
        return true;
    }
    api.SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (api.SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        error = std::string("no display to show a window on (") + api.SDL_GetError() + ")";
        return false;
    }
    if (!isInvisible(api.SDL_GetCurrentVideoDriver())) {
        std::atexit(api.SDL_Quit);
        api.SDL_StartTextInput();
        return true;
    }
    api.SDL_QuitSubSystem(SDL_INIT_VIDEO);
    error = "no display to show a window on (is DISPLAY set?)";
    return false;
}

bool videoReady(std::string& error) {
    static int started = -1;  // not tried yet
    static std::string whyNot;
    if (started < 0) started = startVideo(whyNot) ? 1 : 0;
    error = whyNot;
    return started == 1;
}

// An X11 display's density as its desktop sets it for programs (the Xft.dpi resource, which
// desktops raise on dense displays), else as the server measures its screen; 0 when unknown.
float densityOfX11Display() {
    std::string error;
    const X11Library* x11 = loadX11(error);
    Display* display = x11 != nullptr ? x11->XOpenDisplay(nullptr) : nullptr;
    if (display == nullptr) return 0;
    const char* resource = x11->XGetDefault(display, "Xft", "dpi");
    int screen = x11->XDefaultScreen(display);
    int millimetres = x11->XDisplayWidthMM(display, screen);
    float density = resource != nullptr ? std::strtof(resource, nullptr)
                    : millimetres > 0   ? x11->XDisplayWidth(display, screen) * 25.4f / millimetres
                                        : 0;
    x11->XCloseDisplay(display);
    return density;
}

}  // namespace

// SDL2 knows the density of few X11 displays (none under Xvfb): X11's own answer comes first there.
int scaleOfDisplay(int display) {
    float dotsPerInch = 0;
    const char* driver = sdl().SDL_GetCurrentVideoDriver();
    if (driver != nullptr && std::strcmp(driver, "x11") == 0) dotsPerInch = densityOfX11Display();
    if (dotsPerInch <= 0 && sdl().SDL_GetDisplayDPI(display, &dotsPerInch, nullptr, nullptr) != 0) return 1;
    return dotsPerInch >= kDenseDisplay ? 2 : 1;
}

int startSdlVideo(const char* library, std::string& error) {
    if (!isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY") && !isSet("SDL_VIDEODRIVER")) {
        error = "no display to show a window on (neither DISPLAY nor WAYLAND_DISPLAY is set)";
        return UIDESKTOP_NO_DISPLAY;
    }
    if (loadSdl(library, error) == nullptr) return UIDESKTOP_NO_SDL;
    return videoReady(error) ? UIDESKTOP_DONE : UIDESKTOP_NO_DISPLAY;
}

Uint32 windowIdOf(const SDL_Event& event) {
    switch (event.type) {
        case SDL_WINDOWEVENT: return event.window.windowID;
        case SDL_KEYDOWN:
        case SDL_KEYUP: return event.key.windowID;
        case SDL_TEXTINPUT: return event.text.windowID;
        case SDL_MOUSEMOTION: return event.motion.windowID;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: return event.button.windowID;
        case SDL_MOUSEWHEEL: return event.wheel.windowID;
        default: return 0;
    }
}

bool isKeyboard(Uint32 type) { return type == SDL_KEYDOWN || type == SDL_KEYUP || type == SDL_TEXTINPUT; }
bool isMouse(Uint32 type) {
    return type == SDL_MOUSEMOTION || type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP ||
           type == SDL_MOUSEWHEEL;
}

// SDL's wait for the next event, until the deadline when there is one.
bool nextEvent(SDL_Event& event, DWORD timeoutMs, Uint32 start) {
    if (timeoutMs == DialogDriver::kWaitForever) return sdl().SDL_WaitEvent(&event) != 0;
    Uint32 waited = sdl().SDL_GetTicks() - start;
    return waited < timeoutMs && sdl().SDL_WaitEventTimeout(&event, static_cast<int>(timeoutMs - waited)) != 0;
}

}  // namespace desktop
