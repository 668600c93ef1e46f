// The own-windows way: the windows follow the dialogs, show what changed of them, and route SDL's
// events to the dialog in front.
#include "tools/desktop/own_windows.h"

#include <algorithm>

#include "harness/dialog_driver.h"
#include "tools/desktop/sdl_clipboard.h"
#include "tools/desktop/sdl_library.h"
#include "tools/desktop/sdl_video.h"
#include "tools/render/code_page_1252.h"
#include "tools/render/dialog_painter.h"
#include "tools/render/dialog_view.h"

namespace desktop {

namespace {

SDL_HitTestResult hitTest(SDL_Window*, const SDL_Point* point, void* window) {
    const uitools::PixelRect& titleBar = static_cast<OwnWindowsWay::DialogWindow*>(window)->titleBar;
    return titleBar.contains(point->x, point->y) ? SDL_HITTEST_DRAGGABLE : SDL_HITTEST_NORMAL;
}

// Where a running dialog's window has its title bar and close box, its top-left corner at (x, y).
uitools::WindowLayout layoutOf(HWND dialog, int x, int y) {
    uitools::DialogView view;
    if (!uitools::viewOfLiveDialog(dialog, view)) return uitools::WindowLayout{};
    return uitools::layoutWindow(view, x, y);
}

}  // namespace

OwnWindowsWay::~OwnWindowsWay() {
    if (usesSystemClipboard_) disconnectSystemClipboard();
    closeMenuWindow();
    for (DialogWindow& window : windows_) sdl().SDL_DestroyWindow(window.window);
    host_.cover(false);
}

int OwnWindowsWay::start(std::string& error) {
    int video = startSdlVideo(settings_.sdlLibrary, error);
    if (video != UIDESKTOP_DONE) return video;
    if (!host_.open(settings_.hostSdlWindow, settings_.hostX11Window, error)) return UIDESKTOP_BAD_SETTINGS;
    if (!screen_.loadFont(error)) return UIDESKTOP_CANNOT_DRAW;
    scale_ = settings_.scale;
    if (scale_ == UIDESKTOP_SCALE_FROM_DISPLAY) scale_ = scaleOfDisplay(host_.displayIndex());
    return UIDESKTOP_DONE;
}

void OwnWindowsWay::useSystemClipboard() {
    connectSystemClipboard();
    usesSystemClipboard_ = true;
}

// A dialog opened from inside the host's repaint would be waited for inside it: it ends at once
// with -1 instead.
void OwnWindowsWay::wait(HWND dialog, DWORD timeoutMs) {
    if (inHostCall_) {
        DialogHost::endDialog(dialog, -1);
        return;
    }
    const std::vector<uitools::PixelRect>& changed = screen_.paint(dialog);
    matchWindows();
    matchMenuWindow();
    for (DialogWindow& window : windows_) draw(window, changed);
    if (menu_.window != nullptr) draw(menu_, changed);
    repaintHost();
    waitForPerson(dialog, timeoutMs);
}

void OwnWindowsWay::gone() {
    screen_.forget();
    matchWindows();
    matchMenuWindow();
}

void OwnWindowsWay::repaintHost() {
    if (settings_.repaintHost == nullptr || inHostCall_) return;
    inHostCall_ = true;
    settings_.repaintHost(settings_.context);
    inHostCall_ = false;
}

// The windows follow the dialogs: those of dialogs that ended close, the one below then taking the
// keyboard, a new dialog gets one, and a title changed by the dialog's procedure is the window's
// title too.
void OwnWindowsWay::matchWindows() {
    const std::vector<HWND>& dialogs = screen_.dialogs();
    size_t before = windows_.size();
    for (auto window = windows_.begin(); window != windows_.end();) {
        bool running = std::find(dialogs.begin(), dialogs.end(), window->dialog) != dialogs.end();
        if (running) {
            ++window;
            continue;
        }
        sdl().SDL_DestroyWindow(window->window);
        window = windows_.erase(window);
    }
    if (windows_.size() < before) bringForward();  // as the owner of an ended dialog is activated
    for (HWND dialog : dialogs) {
        if (windowOf(dialog) == nullptr) openWindow(dialog);
    }
    for (DialogWindow& window : windows_) {
        std::string title = DialogDriver::text(window.dialog);
        if (title == window.title) continue;
        sdl().SDL_SetWindowTitle(window.window, uitools::codePage1252ToUtf8(title).c_str());
        window.title = title;
    }
    host_.cover(!windows_.empty());
}

// The first window is centred over the host's window, or the display, and kept on the display;
// one opened over another keeps its place relative to that one, wherever the person dragged it.
POINT OwnWindowsWay::placeOfNewWindow(const uitools::PixelRect& place) const {
    if (!windows_.empty()) {
        const DialogWindow& below = windows_.back();
        int x = 0, y = 0;
        sdl().SDL_GetWindowPosition(below.window, &x, &y);
        return POINT{x + (place.left - below.place.left) * scale_, y + (place.top - below.place.top) * scale_};
    }
    SDL_Rect display{0, 0, 0, 0};
    sdl().SDL_GetDisplayBounds(host_.displayIndex(), &display);
    uitools::PixelRect over = host_.place();
    if (over.width() <= 0 || over.height() <= 0)
        over = uitools::PixelRect{display.x, display.y, display.x + display.w, display.y + display.h};
    int left = (over.left + over.right - place.width() * scale_) / 2;
    int top = (over.top + over.bottom - place.height() * scale_) / 2;
    return POINT{std::max(left, static_cast<int>(display.x)), std::max(top, static_cast<int>(display.y))};
}

// A dialog that cannot get a window could never be answered: it ends with -1.
void OwnWindowsWay::openWindow(HWND dialog) {
    RECT frame = DialogDriver::windowRect(dialog);
    uitools::PixelRect place{frame.left, frame.top, frame.right, frame.bottom};
    POINT at = placeOfNewWindow(place);
    std::string title = DialogDriver::text(dialog);
    SDL_Window* window = sdl().SDL_CreateWindow(uitools::codePage1252ToUtf8(title).c_str(), at.x, at.y,
                                                place.width() * scale_, place.height() * scale_,
                                                SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
    if (window == nullptr) {
        DialogHost::endDialog(dialog, -1);
        return;
    }
    uitools::WindowLayout layout = layoutOf(dialog, 0, 0);
    uitools::PixelRect drag = layout.titleBar;
    if (layout.closeBox.width() > 0) drag.right = layout.closeBox.left;
    DialogWindow* below = windows_.empty() ? nullptr : &windows_.back();
    windows_.push_back(DialogWindow{dialog, window, sdl().SDL_GetWindowID(window), place, scaled(drag, scale_), title});
    sdl().SDL_SetWindowHitTest(window, hitTest, &windows_.back());
    if (below != nullptr) sdl().SDL_SetWindowModalFor(window, below->window);
    else host_.own(window);
    sdl().SDL_ShowWindow(window);
    drawWhole(windows_.back());
    bringForward();
}

// An open context menu is a popup window of its own, as on Windows, so that it may reach past its
// dialog's window; it stands where the menu stands relative to the front dialog's window.
void OwnWindowsWay::matchMenuWindow() {
    const uitools::PixelRect& place = screen_.menu();
    bool open = place.width() > 0 && place.height() > 0 && !windows_.empty();
    if (menu_.window != nullptr && (!open || place != menu_.place)) closeMenuWindow();
    if (!open || menu_.window != nullptr) return;
    POINT at = placeOfNewWindow(place);
    SDL_Window* window = sdl().SDL_CreateWindow("", at.x, at.y, place.width() * scale_, place.height() * scale_,
                                                SDL_WINDOW_BORDERLESS | SDL_WINDOW_POPUP_MENU | SDL_WINDOW_HIDDEN);
    if (window == nullptr) return;  // the menu still works by keyboard
    menu_ = DialogWindow{windows_.back().dialog, window, sdl().SDL_GetWindowID(window), place, {}, ""};
    sdl().SDL_ShowWindow(window);
    drawWhole(menu_);
}

// SDL gives a popup window the keyboard while it is shown; the dialog in front takes it back, as
// X11 would otherwise leave it with no window at all.
void OwnWindowsWay::closeMenuWindow() {
    if (menu_.window == nullptr) return;
    sdl().SDL_DestroyWindow(menu_.window);
    menu_ = DialogWindow{};
    bringForward();
}

void OwnWindowsWay::drawWhole(DialogWindow& window) { draw(window, {window.place}); }

// The parts of the frame that changed and lie in the window, made larger for it and converted to
// its surface's pixels.
void OwnWindowsWay::draw(DialogWindow& window, const std::vector<uitools::PixelRect>& parts) {
    SDL_Surface* surface = sdl().SDL_GetWindowSurface(window.window);
    if (surface == nullptr) return;
    std::vector<SDL_Rect> drawn;
    const uitools::Image& frame = screen_.frame();
    sdl().SDL_LockSurface(surface);
    for (const uitools::PixelRect& part : parts) {
        uitools::PixelRect inside = uitools::intersect(part, window.place);
        if (inside.width() <= 0 || inside.height() <= 0) continue;
        if (piece_.width() != inside.width() * scale_ || piece_.height() != inside.height() * scale_)
            piece_ = uitools::Image(inside.width() * scale_, inside.height() * scale_, kNoDesktop);
        copyScaled(frame, inside, scale_, piece_, 0, 0);
        SDL_Rect local{(inside.left - window.place.left) * scale_, (inside.top - window.place.top) * scale_,
                       piece_.width(), piece_.height()};
        if (local.x + local.w > surface->w || local.y + local.h > surface->h) continue;
        auto* target = static_cast<uint8_t*>(surface->pixels) + local.y * surface->pitch +
                       local.x * surface->format->BytesPerPixel;
        sdl().SDL_ConvertPixels(local.w, local.h, SDL_PIXELFORMAT_RGBA32, piece_.pixels(), piece_.width() * 4,
                                surface->format->format, target, surface->pitch);
        drawn.push_back(local);
    }
    sdl().SDL_UnlockSurface(surface);
    if (!drawn.empty()) sdl().SDL_UpdateWindowSurfaceRects(window.window, drawn.data(), static_cast<int>(drawn.size()));
}

// Returns once the person did something the dialog manager has to handle, with everything SDL has
// queued by then, or at the deadline.
void OwnWindowsWay::waitForPerson(HWND dialog, DWORD timeoutMs) {
    DialogWindow* front = windowOf(dialog);
    if (front == nullptr) return;
    uitools::PixelRect closeBox = layoutOf(dialog, front->place.left, front->place.top).closeBox;
    Uint32 start = sdl().SDL_GetTicks();
    bool forwarded = false;
    SDL_Event event;
    while (!forwarded && nextEvent(event, timeoutMs, start)) {
        do forwarded |= handle(event, dialog, closeBox);
        while (sdl().SDL_PollEvent(&event));
    }
}

// The dialog in front takes the mouse in its window and the keys in any dialog's window; the host's
// window and the dialogs below take nothing, as disabled owners on Windows, and a press there
// brings the dialog in front forward. SDL's quit request, which follows closing the last window of
// a program, is the host's to make: it is dropped too.
bool OwnWindowsWay::handle(const SDL_Event& event, HWND dialog, const uitools::PixelRect& closeBox) {
    if (event.type == SDL_WINDOWEVENT) return handleWindowEvent(event.window, dialog);
    DialogWindow* window = windowWithId(windowIdOf(event));
    bool isFront = window != nullptr && window->dialog == dialog;
    if ((isMouse(event.type) && isFront) || (isKeyboard(event.type) && window != nullptr)) {
        WindowPlace place{POINT{window->place.left, window->place.top}, scale_};
        return input_.forward(event, dialog, place, window == &menu_ ? uitools::PixelRect{} : closeBox);
    }
    if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_KEYDOWN) bringForward();
    return false;
}

// Closing the front window is the close box of its dialog; closing another, or the host's, brings
// the front one forward. Uncovered windows are drawn again, the host's by the host.
bool OwnWindowsWay::handleWindowEvent(const SDL_WindowEvent& event, HWND dialog) {
    DialogWindow* window = windowWithId(event.windowID);
    bool isFront = window != nullptr && window->dialog == dialog;
    switch (event.event) {
        case SDL_WINDOWEVENT_EXPOSED:
            if (window != nullptr) drawWhole(*window);
            else if (host_.owns(event.windowID)) repaintHost();
            return false;
        case SDL_WINDOWEVENT_CLOSE:
            if (isFront) return DialogDriver::postMessage(dialog, WM_SYSCOMMAND, SC_CLOSE, 0) != FALSE;
            bringForward();
            return false;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            if (!isFront) bringForward();
            return false;
        default: return false;
    }
}

void OwnWindowsWay::bringForward() {
    if (windows_.empty()) return;
    sdl().SDL_RaiseWindow(windows_.back().window);
    sdl().SDL_SetWindowInputFocus(windows_.back().window);
}

OwnWindowsWay::DialogWindow* OwnWindowsWay::windowWithId(Uint32 id) {
    if (menu_.window != nullptr && menu_.id == id) return &menu_;
    for (DialogWindow& window : windows_) {
        if (window.id == id) return &window;
    }
    return nullptr;
}

OwnWindowsWay::DialogWindow* OwnWindowsWay::windowOf(HWND dialog) {
    for (DialogWindow& window : windows_) {
        if (window.dialog == dialog) return &window;
    }
    return nullptr;
}

}  // namespace desktop
