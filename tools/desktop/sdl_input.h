// A person's keyboard and mouse, as SDL reports them, passed on to the dialog manager through the
// driver: keys that are no text as virtual keys, text as characters of code page 1252, the
// buttons and the wheel where the pointer is, each window pixel mapped to the screen's.
#pragma once

#include <set>

#include <SDL.h>

#include "platform/win32_types.h"
#include "tools/desktop/frame_changes.h"
#include "tools/render/image.h"

namespace desktop {

// Where a window shows the screen: its top-left pixel is `origin` of the screen, and each screen
// pixel is `scale` x `scale` window pixels.
struct WindowPlace {
    POINT origin{0, 0};
    int scale = 1;
    POINT toScreen(int x, int y) const {
        return POINT{origin.x + dividedDown(x, scale), origin.y + dividedDown(y, scale)};
    }
};

class SdlInput {
public:
    // Passes the event on for `dialog`, the dialog waiting for input, whose close box covers
    // `closeBox` on the screen (empty when it has none), from a window at `place`; true when it
    // made any input.
    bool forward(const SDL_Event& event, HWND dialog, const WindowPlace& place, const uitools::PixelRect& closeBox);

private:
    bool key(const SDL_KeyboardEvent& event);
    bool text(const char* utf8);
    bool button(const SDL_MouseButtonEvent& event, HWND dialog, POINT at, const uitools::PixelRect& closeBox);
    bool otherButton(const SDL_MouseButtonEvent& event, POINT at);
    bool moved(POINT at);
    void movePointer(POINT at);

    POINT pointer_{0, 0};           // where the mouse was last seen, on the screen
    std::set<int> held_;            // the virtual keys passed on as down
    bool buttonDown_ = false;       // the left button went down on a dialog, not on its close box
    bool pressedCloseBox_ = false;  // the left button went down on the close box
};

}  // namespace desktop
