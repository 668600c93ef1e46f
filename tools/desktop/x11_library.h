// Xlib, loaded with dlopen as SDL2 is: for a host's X11 window, and for the density of an X11
// display, which SDL2 does not always know.
#pragma once

#include <string>

#include <X11/Xlib.h>

namespace desktop {

#define DESKTOP_X11_FUNCTIONS(X)                                                                      \
    X(XOpenDisplay) X(XCloseDisplay) X(XGetWindowAttributes) X(XTranslateCoordinates)                 \
    X(XSetTransientForHint) X(XCreateWindow) X(XMapRaised) X(XDestroyWindow) X(XSync) X(XSetErrorHandler) \
    X(XGetDefault) X(XDisplayWidth) X(XDisplayWidthMM) X(XDefaultScreen)

struct X11Library {
#define DESKTOP_X11_POINTER(name) decltype(&::name) name = nullptr;
    DESKTOP_X11_FUNCTIONS(DESKTOP_X11_POINTER)
#undef DESKTOP_X11_POINTER
};

// Xlib's functions, loaded on the first call and kept; null, with `error` saying why, when Xlib
// (libX11.so.6) or one of its functions cannot be found.
const X11Library* loadX11(std::string& error);

}  // namespace desktop
