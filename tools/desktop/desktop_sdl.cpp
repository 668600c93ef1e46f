// The Linux front end: one SDL window that is the headless dialog manager's screen, pixel for
// pixel. Whenever a dialog waits for input it paints the running dialogs from their live state,
// then waits for the person and passes their input on.
#include "tools/desktop/desktop.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include <SDL.h>

#include "harness/dialog_driver.h"
#include "tools/desktop/desktop_frame.h"
#include "tools/desktop/sdl_clipboard.h"
#include "tools/desktop/sdl_input.h"
#include "tools/render/dialog_painter.h"
#include "tools/render/dialog_view.h"

namespace desktop {

namespace {

// The window sits where a test that drives it can find it, at the top-left of the display.
constexpr int kWindowX = 0;
constexpr int kWindowY = 0;
constexpr Uint32 kWaitMilliseconds = 250;
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

class SdlDesktop : public Desktop {
public:
    SdlDesktop(Watcher watcher, const std::string& snapshotPath)
        : watcher_(std::move(watcher)), snapshot_(snapshotPath) {}

    ~SdlDesktop() override {
        DialogDriver::attachUser(nullptr, nullptr);
        disconnectSystemClipboard();
        if (window_ != nullptr) SDL_DestroyWindow(window_);
    }

    bool start(std::string& error) {
        if (!painter_.loadFont(error) || !videoReady(error)) return false;
        const uitools::Image& empty = painter_.paint({});
        window_ = SDL_CreateWindow(kWindowTitle, kWindowX, kWindowY, empty.width(), empty.height(), SDL_WINDOW_SHOWN);
        if (window_ == nullptr) {
            error = std::string("the window cannot be opened (") + SDL_GetError() + ")";
            return false;
        }
        SDL_StartTextInput();
        connectSystemClipboard();
        DialogDriver::attachUser(onWaiting, this);
        return true;
    }

private:
    static void onWaiting(HWND dialog, void* self) { static_cast<SdlDesktop*>(self)->serve(dialog); }

    void serve(HWND dialog) {
        watcher_(dialog);
        stack_.update(dialog);
        show(painter_.paint(stack_.dialogs()));
        snapshot_.keep(painter_.frame(), stack_.dialogs());
        waitForInput(dialog);
        // Input may reach no window (a press on a frame, a key with nothing to take it), and the
        // dialog manager takes a wake-up that handled nothing for a user who has given up: a
        // message that does nothing keeps every wake-up a handled one.
        DialogDriver::postMessage(dialog, WM_NULL, 0, 0);
    }

    void show(const uitools::Image& frame) {
        SDL_Surface* surface = SDL_GetWindowSurface(window_);
        if (surface == nullptr) return;
        int width = std::min(frame.width(), surface->w), height = std::min(frame.height(), surface->h);
        SDL_LockSurface(surface);
        SDL_ConvertPixels(width, height, SDL_PIXELFORMAT_RGBA32, frame.pixels(), frame.width() * 4,
                          surface->format->format, surface->pixels, surface->pitch);
        SDL_UnlockSurface(surface);
        SDL_UpdateWindowSurface(window_);
    }

    // Returns once the person did something the dialog manager has to handle; everything SDL has
    // queued by then goes along.
    void waitForInput(HWND dialog) {
        uitools::PixelRect closeBox = closeBoxOf(dialog);
        bool forwarded = false;
        SDL_Event event;
        while (!forwarded) {
            if (!SDL_WaitEventTimeout(&event, kWaitMilliseconds)) continue;
            do forwarded |= handle(event, dialog, closeBox);
            while (SDL_PollEvent(&event));
        }
    }

    bool handle(const SDL_Event& event, HWND dialog, const uitools::PixelRect& closeBox) {
        if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
            show(painter_.frame());
            return false;
        }
        // Closing the window is the close box of the dialog in front (SDL's quit event that follows
        // is left alone: the dialogs below stay until they are closed in turn).
        if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE) return DialogDriver::postMessage(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        return input_.forward(event, dialog, closeBox);
    }

    Watcher watcher_;
    SDL_Window* window_ = nullptr;
    DialogStack stack_;
    FramePainter painter_;
    SdlInput input_;
    SnapshotFile snapshot_;
};

}  // namespace

bool canShowDialogs(std::string& whyNot) { return videoReady(whyNot); }

std::unique_ptr<Desktop> Desktop::open(Watcher watcher, const std::string& snapshotPath, std::string& error) {
    auto desktop = std::make_unique<SdlDesktop>(std::move(watcher), snapshotPath);
    if (!desktop->start(error)) return nullptr;
    return desktop;
}

}  // namespace desktop
