// SDL2, loaded when windows are first wanted instead of linked, so that the desktop library loads
// (and its embedded way works) on a machine without SDL2, and a host that names SDL2's windows
// shares the one SDL2 it has loaded already (the system's libSDL2-2.0.so.0).
#pragma once

#include <string>

#include <SDL.h>

namespace desktop {

#define DESKTOP_SDL_FUNCTIONS(X)                                                                       \
    X(SDL_GetError) X(SDL_SetHint) X(SDL_WasInit) X(SDL_InitSubSystem) X(SDL_QuitSubSystem) X(SDL_Quit) \
    X(SDL_GetCurrentVideoDriver) X(SDL_GetDisplayBounds) X(SDL_GetDisplayDPI)                        \
    X(SDL_GetWindowDisplayIndex) X(SDL_CreateWindow) X(SDL_DestroyWindow) X(SDL_GetWindowID)         \
    X(SDL_SetWindowTitle) X(SDL_GetWindowPosition) X(SDL_GetWindowSize) X(SDL_RaiseWindow)           \
    X(SDL_SetWindowInputFocus) X(SDL_SetWindowModalFor) X(SDL_SetWindowHitTest) X(SDL_ShowWindow)    \
    X(SDL_GetWindowSurface) X(SDL_UpdateWindowSurfaceRects) X(SDL_LockSurface) X(SDL_UnlockSurface)  \
    X(SDL_ConvertPixels) X(SDL_StartTextInput) X(SDL_GetModState) X(SDL_WaitEvent)                   \
    X(SDL_WaitEventTimeout) X(SDL_PollEvent) X(SDL_GetTicks) X(SDL_HasClipboardText)       \
    X(SDL_GetClipboardText) X(SDL_SetClipboardText) X(SDL_free)

struct SdlLibrary {
#define DESKTOP_SDL_POINTER(name) decltype(&::name) name = nullptr;
    DESKTOP_SDL_FUNCTIONS(DESKTOP_SDL_POINTER)
#undef DESKTOP_SDL_POINTER
};

// SDL2's functions from `file` (null: the system's), loaded on the first call and kept; null,
// with `error` saying why, when the library or one of its functions cannot be found.
const SdlLibrary* loadSdl(const char* file, std::string& error);

// The functions loaded, for code that runs only after loadSdl succeeded.
const SdlLibrary& sdl();

}  // namespace desktop
