// A Linux host whose own window the dialogs are modal to: an SDL2 window ("sdl") or a plain X11
// window ("x11"), named to the desktop library, the dialogs drawn at SCALE. Runs Name Entry over
// it and says what it received: the result, the name, the input its own window got meanwhile
// (none, as a disabled owner on Windows) and whether it was asked to repaint.
// usage: owner_host sdl|x11 SCALE
#include <UIResource/UIResource.h>
#include <UIResource/UIResourceDesktop.h>

#include <SDL.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int repaints = 0;
long openedFromRepaint = 0;  // what a dialog opened while the host repaints answers
int chosenFromRepaint = 0;   // what choosing the way again answers then

void repaint(void*) {
    if (repaints++ > 0) return;
    openedFromRepaint = UI::createExitApplicationDialog("Leave?", "");
    chosenFromRepaint = UIDesktop::showEmbedded(nullptr);
}

const unsigned kInputMask = ButtonPressMask | ButtonReleaseMask | KeyPressMask | KeyReleaseMask;

// The host's window, shown before any dialog opens; the library is told of it.
struct OwnWindow {
    SDL_Window* sdl = nullptr;
    Display* display = nullptr;
    Window x11 = 0;

    bool open(bool useSdl, UIDesktopWindows& settings) {
        if (useSdl) {
            if (SDL_Init(SDL_INIT_VIDEO) != 0) return false;
            sdl = SDL_CreateWindow("Owner Host", 100, 100, 800, 600, SDL_WINDOW_SHOWN);
            SDL_PumpEvents();
            settings.hostSdlWindow = sdl;
            return sdl != nullptr;
        }
        display = XOpenDisplay(nullptr);
        if (display == nullptr) return false;
        x11 = XCreateSimpleWindow(display, DefaultRootWindow(display), 100, 100, 800, 600, 0, 0,
                                  WhitePixel(display, DefaultScreen(display)));
        XStoreName(display, x11, "Owner Host");
        XSelectInput(display, x11, kInputMask | StructureNotifyMask);
        XMapWindow(display, x11);
        for (XEvent event; event.type != MapNotify;) XNextEvent(display, &event);
        settings.hostX11Window = x11;
        return true;
    }

    // The presses and keys the window has been sent since it was shown.
    int inputReceived() {
        int count = 0;
        if (sdl != nullptr) {
            SDL_PumpEvents();
            for (SDL_Event event; SDL_PollEvent(&event);) {
                bool input = event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP ||
                             event.type == SDL_KEYDOWN || event.type == SDL_KEYUP;
                if (input && event.button.windowID == SDL_GetWindowID(sdl)) ++count;
            }
            return count;
        }
        XSync(display, False);
        for (XEvent event; XCheckWindowEvent(display, x11, kInputMask, &event);) ++count;
        return count;
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[1], "sdl") != 0 && std::strcmp(argv[1], "x11") != 0)) {
        std::fprintf(stderr, "usage: owner_host sdl|x11 SCALE\n");
        return 2;
    }
    UIDesktopWindows settings{};
    settings.scale = std::atoi(argv[2]);
    settings.repaintHost = repaint;
    UIDesktopWindows noSuchWindow{};
    noSuchWindow.hostX11Window = 0x7ffffff0;
    std::printf("an X11 window that does not exist: %s\n",
                UIDesktop::showInOwnWindows(&noSuchWindow) == UIDESKTOP_BAD_SETTINGS ? "refused" : "TAKEN");
    void* notAWindow[16] = {};
    noSuchWindow = UIDesktopWindows{};
    noSuchWindow.hostSdlWindow = reinterpret_cast<SDL_Window*>(notAWindow);
    std::printf("an SDL window that is none: %s\n",
                UIDesktop::showInOwnWindows(&noSuchWindow) == UIDESKTOP_BAD_SETTINGS ? "refused" : "TAKEN");
    OwnWindow own;
    bool shown = own.open(std::strcmp(argv[1], "sdl") == 0, settings);
    if (!shown || UIDesktop::showInOwnWindows(&settings) != UIDESKTOP_DONE) {
        std::printf("no window: %s\n", UIDesktop::lastError());
        return 1;
    }
    std::printf("scale %d\n", UIDesktop::scale());
    std::fflush(stdout);
    char name[64] = "";
    long result = UI::rename(nullptr, "Boulder", name, sizeof name, -1, -1);
    std::printf("result %ld, name \"%s\", host input %d, repainted %s\n", result, name, own.inputReceived(),
                repaints > 0 ? "yes" : "no");
    std::printf("from the repaint: a dialog answers %ld, choosing a way %d\n", openedFromRepaint, chosenFromRepaint);
    std::fflush(stdout);
    SDL_Delay(2000);  // the host goes on, and the dialog's window must be gone meanwhile
    return 0;
}
