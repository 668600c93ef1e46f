// The own-windows way: each running dialog in a borderless SDL2 window of its own, drawn from its
// live state, modal to the host's window, with the person's keyboard and mouse passed on to it.
#pragma once

#include <list>
#include <string>
#include <vector>

#include <UIResource/UIResourceDesktop.h>

#include "platform/win32_types.h"
#include "tools/desktop/host_window.h"
#include "tools/desktop/live_screen.h"
#include "tools/desktop/sdl_input.h"

namespace desktop {

class OwnWindowsWay {
public:
    explicit OwnWindowsWay(const UIDesktopWindows& settings) : settings_(settings) {}
    ~OwnWindowsWay();
    OwnWindowsWay(const OwnWindowsWay&) = delete;
    OwnWindowsWay& operator=(const OwnWindowsWay&) = delete;

    // UIDESKTOP_DONE, or the result saying why no window can be shown, with `error`.
    int start(std::string& error);
    // The fields' clipboard is the desktop's from now on, until this way is let go.
    void useSystemClipboard();

    // The driver's front end: the host repaints, the windows show the dialogs as they stand, and
    // the person's input is passed on as it comes.
    void wait(HWND dialog, DWORD timeoutMs);
    void gone();

    bool isShowingDialogs() const { return screen_.isShowingDialogs(); }
    int scale() const { return scale_; }

    struct DialogWindow {
        HWND dialog = nullptr;
        SDL_Window* window = nullptr;
        Uint32 id = 0;
        uitools::PixelRect place;     // the dialog's frame on the dialog manager's screen
        uitools::PixelRect titleBar;  // where a press drags the window, in its own pixels
        std::string title;            // as the dialog has it, code page 1252
    };

private:
    void repaintHost();
    void matchWindows();
    void openWindow(HWND dialog);
    void matchMenuWindow();
    void closeMenuWindow();
    POINT placeOfNewWindow(const uitools::PixelRect& place) const;
    void draw(DialogWindow& window, const std::vector<uitools::PixelRect>& parts);
    void drawWhole(DialogWindow& window);
    void waitForPerson(HWND dialog, DWORD timeoutMs);
    bool handle(const SDL_Event& event, HWND dialog, const uitools::PixelRect& closeBox);
    bool handleWindowEvent(const SDL_WindowEvent& event, HWND dialog);
    DialogWindow* windowWithId(Uint32 id);
    DialogWindow* windowOf(HWND dialog);
    void bringForward();

    UIDesktopWindows settings_;
    int scale_ = 1;
    HostWindow host_;
    LiveScreen screen_;
    SdlInput input_;
    std::list<DialogWindow> windows_;  // bottom first; a list, since SDL's hit test keeps a pointer to each
    DialogWindow menu_;                // an open context menu's popup window, for the front dialog
    uitools::Image piece_;             // a part of the frame made larger for a window
    bool inHostCall_ = false;
    bool usesSystemClipboard_ = false;
};

}  // namespace desktop
