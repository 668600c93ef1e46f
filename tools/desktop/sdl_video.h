// SDL2's video for the own-windows way: started once, the scale of a display, and the events as
// the way reads them.
#pragma once

#include <string>

#include <SDL.h>

#include "platform/win32_types.h"

namespace desktop {

// Loads SDL2 (`library`, or the system's when null) and starts its video: UIDESKTOP_DONE, or
// UIDESKTOP_NO_DISPLAY or UIDESKTOP_NO_SDL with `error` saying why. Video stays up for the life
// of the program once started.
int startSdlVideo(const char* library, std::string& error);

// 2 on a display of 144 dots per inch or more, else 1.
int scaleOfDisplay(int display);

// The window an event belongs to; 0 for events of no window.
Uint32 windowIdOf(const SDL_Event& event);
bool isKeyboard(Uint32 type);
bool isMouse(Uint32 type);

// The next event, waited for until `timeoutMs` after `start` (SDL_GetTicks) or, with
// DialogDriver::kWaitForever, for as long as it takes; false when none came.
bool nextEvent(SDL_Event& event, DWORD timeoutMs, Uint32 start);

}  // namespace desktop
