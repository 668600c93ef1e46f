// The Linux screen: one SDL window that is the headless dialog manager's screen, pixel for pixel,
// and the person's keyboard and mouse in it, passed on to the dialog manager as input.
#include "tools/desktop/desktop.h"
#include "tools/desktop/screen.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include <SDL.h>

#include "harness/dialog_driver.h"
#include "tools/desktop/sdl_input.h"
#include "tools/render/dialog_painter.h"
#include "tools/render/dialog_view.h"

namespace desktop {

namespace {

// The window sits where a test that drives it can find it, at the top-left of the display.
constexpr int kWindowX = 0;
constexpr int kWindowY = 0;
const char kWindowTitle[] = "UIResource dialogs";

bool isSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// SDL's drivers that draw where nobody sees it; SDL falls back on them when there is no display.
bool isInvisible(const char* driver) {
    return driver == nullptr || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
}

// Signals end the program as usual, instead of becoming a quit event that nobody waits for.
bool startVideo(std::string& error) {
    // Without a display named, SDL's probing only fails (and some of its drivers complain aloud).
    if (!isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY") && !isSet("SDL_VIDEODRIVER")) {
        error = "no display to show a window on (neither DISPLAY nor WAYLAND_DISPLAY is set)";
        return false;
    }
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        error = std::string("no display to show a window on (") + SDL_GetError() + ")";
        return false;
    }
    if (!isInvisible(SDL_GetCurrentVideoDriver())) {
        std::atexit(SDL_Quit);
        return true;
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    error = "no display to show a window on (is DISPLAY set?)";
    return false;
}

// Video starts once and stays up for the life of the program. Closing the display and opening it
// again at once can meet an X server that is resetting because its last client left (Xvfb does
// so), and SDL then finds no display.
bool videoReady(std::string& error) {
    static int started = -1;  // not tried yet
    static std::string whyNot;
    if (started < 0) started = startVideo(whyNot) ? 1 : 0;
    error = whyNot;
    return started == 1;
}

// Where the close box of `dialog` is on the screen, for the clicks the dialog manager leaves to
// the window around the dialog.
uitools::PixelRect closeBoxOf(HWND dialog) {
    uitools::DialogView view;
    if (!uitools::viewOfLiveDialog(dialog, view)) return uitools::PixelRect{};
    RECT place = DialogDriver::windowRect(dialog);
    return uitools::layoutWindow(view, place.left, place.top).closeBox;
}

// SDL's wait for the next event, until the deadline when there is one.
bool nextEvent(SDL_Event& event, DWORD timeoutMs, Uint32 start) {
    if (timeoutMs == DialogDriver::kWaitForever) return SDL_WaitEvent(&event) != 0;
    Uint32 waited = SDL_GetTicks() - start;
    return waited < timeoutMs && SDL_WaitEventTimeout(&event, static_cast<int>(timeoutMs - waited)) != 0;
}

}  // namespace

struct Screen::Parts {
    SDL_Window* window = nullptr;
    SdlInput input;
    const uitools::Image* shown = nullptr;  // the last frame shown, for the window's repaints
};

Screen::Screen(std::unique_ptr<Parts> parts) : parts_(std::move(parts)) {}

Screen::~Screen() { SDL_DestroyWindow(parts_->window); }

std::unique_ptr<Screen> Screen::open(int width, int height, std::string& error) {
    if (!videoReady(error)) return nullptr;
    auto parts = std::make_unique<Parts>();
    parts->window = SDL_CreateWindow(kWindowTitle, kWindowX, kWindowY, width, height, SDL_WINDOW_SHOWN);
    if (parts->window == nullptr) {
        error = std::string("the window cannot be opened (") + SDL_GetError() + ")";
        return nullptr;
    }
    SDL_StartTextInput();
    return std::unique_ptr<Screen>(new Screen(std::move(parts)));
}

bool Screen::showsFrames() const { return true; }

void Screen::show(const uitools::Image& frame) {
    parts_->shown = &frame;
    SDL_Surface* surface = SDL_GetWindowSurface(parts_->window);
    if (surface == nullptr) return;
    int width = std::min(frame.width(), surface->w), height = std::min(frame.height(), surface->h);
    SDL_LockSurface(surface);
    SDL_ConvertPixels(width, height, SDL_PIXELFORMAT_RGBA32, frame.pixels(), frame.width() * 4,
                      surface->format->format, surface->pixels, surface->pitch);
    SDL_UnlockSurface(surface);
    SDL_UpdateWindowSurface(parts_->window);
}

// Returns once the person did something the dialog manager has to handle, with everything SDL has
// queued by then, or at the deadline. Closing the window is the close box of the dialog in front
// (SDL's quit event that follows is left alone: the dialogs below stay until closed in turn).
void Screen::waitForPerson(HWND dialog, DWORD timeoutMs) {
    uitools::PixelRect closeBox = closeBoxOf(dialog);
    Uint32 start = SDL_GetTicks();
    bool forwarded = false;
    SDL_Event event;
    while (!forwarded && nextEvent(event, timeoutMs, start)) {
        do {
            if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED && parts_->shown) show(*parts_->shown);
            else if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE)
                forwarded |= DialogDriver::postMessage(dialog, WM_SYSCOMMAND, SC_CLOSE, 0) != FALSE;
            else forwarded |= parts_->input.forward(event, dialog, closeBox);
        } while (SDL_PollEvent(&event));
    }
}

bool canShowDialogs(std::string& whyNot) { return videoReady(whyNot); }

}  // namespace desktop
