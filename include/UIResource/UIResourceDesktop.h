// The desktop of UIResource for Linux hosts: shows the library's dialogs to a person, each in a
// window of its own or drawn by the host in its own viewport, and takes the person's keyboard and
// mouse as USER32 takes them. Library libUIResourceDesktop.so: CMake target UIResource::Desktop
// (find_package(UIResource REQUIRED COMPONENTS Desktop)), pkg-config uiresource-desktop.
//
// On Linux the dialogs run on the library's headless dialog manager, which has no window: until
// the host chooses how a person sees them, every dialog entry of UIResource.h returns -1 at once.
// The host chooses once, usually at start-up, with one call:
//
//     UIDesktop::showInOwnWindows(nullptr);  // each dialog in a window of its own (SDL2)
//     UIDesktop::showEmbedded(&embedded);    // each frame handed to the host's presenter
//
// From then on every dialog entry (UI::rename, UI::select, createMeshEditorDialog, ...) shows its
// dialog that way and, modal as on Windows, returns when the person has closed it.
//
// Every call here must be made on the thread that runs the dialogs (the host's user-interface
// thread): input handed over from another thread is not taken safely. None throws. SDL2 is loaded
// when windows are first wanted, not linked: the library loads, and the embedded way works, where
// SDL2 is missing.
#pragma once

#include <stdint.h>

#include <UIResource/UIResourcePlatform.h>

#ifndef UIRESOURCE_DESKTOP_API
#define UIRESOURCE_DESKTOP_API __attribute__((visibility("default")))
#endif

struct SDL_Window;

// What the calls that choose a way answer.
enum UIDesktopResult {
    UIDESKTOP_DONE = 0,            // the dialogs are shown this way from now on
    UIDESKTOP_NO_DISPLAY = -1,     // no display to open windows on (DISPLAY and WAYLAND_DISPLAY unset, or unreachable)
    UIDESKTOP_NO_SDL = -2,         // SDL2 cannot be loaded (Debian: libsdl2-2.0-0)
    UIDESKTOP_DIALOG_RUNNING = -3, // a dialog is running: the way changes only once it has ended
    UIDESKTOP_BAD_SETTINGS = -4,   // a setting outside what its comment allows; nothing changed
    UIDESKTOP_CANNOT_DRAW = -5,    // the library's own font cannot be read (a damaged libUIResource)
};

#define UIDESKTOP_SCALE_FROM_DISPLAY 0  // 2 on a display of 144 dots per inch or more, else 1

// ---------------------------------------------------------------------------------------------
// Each dialog in a window of its own
// ---------------------------------------------------------------------------------------------

// How the windows are shown. All zero (or a null pointer) is the default: the scale from the
// display, no host window, no repaint callback.
struct UIDesktopWindows {
    int scale;                    // 1, 2 or UIDESKTOP_SCALE_FROM_DISPLAY; each dialog pixel becomes scale x scale
    unsigned long hostX11Window;  // the host's top-level X11 window (its id), or 0
    SDL_Window* hostSdlWindow;    // or the host's SDL2 window (of the system's libSDL2), or null; not both
    void (*repaintHost)(void* context);  // may be null: see UIDesktop::showInOwnWindows
    void* context;                // handed to repaintHost
    const char* sdlLibrary;       // the SDL2 library to load (a file name or path), or null: the system's
                                  // libSDL2-2.0.so.0. Only the first that loads is used.
};

// ---------------------------------------------------------------------------------------------
// Each frame handed to the host
// ---------------------------------------------------------------------------------------------

struct UIDesktopRect {
    int32_t left, top, right, bottom;  // pixels of the frame; right and bottom outside
};

// The dialog manager's screen with the running dialogs on it, the innermost in front.
struct UIDesktopFrame {
    const uint8_t* pixels;         // width * height pixels, 4 bytes each (R, G, B, A), rows top first, no padding;
                                   // alpha 0 where no dialog is. Valid until the presenter returns.
    int32_t width;                 // 1024 x scale
    int32_t height;                // 768 x scale
    const UIDesktopRect* changed;  // where it differs from the frame presented before (all of it the first
                                   // time); null when nothing changed
    int32_t changedCount;          // 0 when nothing changed
};

typedef void (*UIDesktopPresenter)(const UIDesktopFrame* frame, void* context);

struct UIDesktopEmbedded {
    UIDesktopPresenter present;  // required
    void* context;               // handed to present
    int scale;                   // 1 or 2 (the host knows its display)
};

// ---------------------------------------------------------------------------------------------
// The calls
// ---------------------------------------------------------------------------------------------

class UIRESOURCE_DESKTOP_API UIDesktop {
public:
    // Each dialog in a window of its own from now on: a borderless top-level window drawn as the
    // dialog looks on Windows (title bar, close box, frame), titled with its caption and dragged
    // by its title bar. The first is centred over the host's window when one is named, else on
    // the display; a dialog opened over another keeps its place relative to that one.
    // The host's window owns the dialogs and, as a disabled owner on Windows, gets no input while
    // one runs: an SDL2 window's mouse, keys and close requests are dropped (a press there brings
    // the dialog forward); an X11 window is covered by an input-only window, so its mouse goes
    // nowhere, and the dialog is marked transient for it, so that the window manager keeps the
    // dialog in front (keys reach the host's window only if the window manager focuses it).
    // `repaintHost` is called whenever the host's window should be drawn again: when it is
    // uncovered, and each time the dialogs have handled the person's input (a dialog may have
    // changed what it shows, as the mesh editor changes a mesh at once). A dialog opened from
    // inside `repaintHost` returns -1 at once. `settings` may be null: the defaults.
    // Answers UIDESKTOP_DONE; UIDESKTOP_NO_DISPLAY or UIDESKTOP_NO_SDL when no window can be shown
    // here; UIDESKTOP_BAD_SETTINGS for a scale other than 0, 1 and 2, for both host windows named,
    // for an X11 window that does not exist, or for an SDL window that the system's SDL2 does not
    // know (one of an SDL2 linked into the host statically, say); UIDESKTOP_DIALOG_RUNNING while a
    // dialog runs. On any failure the way chosen before stays, and UIDesktop::lastError() says why.
    static int showInOwnWindows(const UIDesktopWindows* settings);

    // From now on the dialogs are drawn by the host. While a dialog runs, the library calls
    // `present` with each frame, on the dialogs' thread: at once when the dialogs have changed,
    // else about every 16 ms, so that an engine keeps drawing its viewport. The presenter draws
    // the frame where it likes (scaled, in a corner of its viewport, ...), reads its own input
    // and hands it back with the input calls below, then returns; the dialogs handle that input
    // and present again. A dialog opened from inside the presenter returns -1 at once.
    // Answers UIDESKTOP_DONE; UIDESKTOP_BAD_SETTINGS for null settings, a null presenter or a
    // scale other than 1 and 2; UIDESKTOP_DIALOG_RUNNING while a dialog runs (also from inside
    // the presenter). No display and no SDL2 are needed.
    static int showEmbedded(const UIDesktopEmbedded* settings);

    // No way at all, as before the first choice: dialogs return -1 at once again, and the windows
    // of the own-windows way are gone. UIDESKTOP_DONE, or UIDESKTOP_DIALOG_RUNNING while a dialog
    // runs.
    static int stopShowing();

    // The scale in use (1 or 2), 0 while no way is chosen.
    static int scale();

    // Why the last of showInOwnWindows, showEmbedded and stopShowing failed, in English; "" when
    // it did not. Valid until the next of them.
    static const char* lastError();

    // ---- The person's input, handed back by the embedded way's host --------------------------
    // Each answers true when the input was taken. False, and nothing happens, when no dialog runs,
    // when the own-windows way is in use (its windows take the input themselves), or for the
    // value the comment excludes. Input goes to the dialogs as a person's does on Windows: keys
    // to the focused control, the mouse to what lies under the pointer.

    // A key by its Windows virtual-key code (1 to 254): UIDESKTOP_KEY_... below, or 'A' to 'Z'
    // and '0' to '9'. A modifier stays down until its keyUp, so Alt+letter works a mnemonic.
    static bool keyDown(int virtualKey);
    static bool keyUp(int virtualKey);
    // A character typed (code page 1252, not 0), as an input method types text.
    static bool typeCharacter(char character);
    // The pointer at (x, y) of the frame; a point outside the frame is beside every dialog.
    static bool moveMouse(int x, int y);
    // A button pressed or let go where the pointer is: one of UIDesktopButton (the right button
    // opens a field's context menu, as on Windows); any other number is refused (false).
    static bool mouseButton(int button, bool down);
    // The wheel turned where the pointer is, in notches, positive away from the person; not 0.
    static bool turnWheel(int notches);
};

enum UIDesktopButton { UIDESKTOP_BUTTON_LEFT = 1, UIDESKTOP_BUTTON_RIGHT = 2, UIDESKTOP_BUTTON_MIDDLE = 3 };

// The keys the dialogs take besides letters and digits (Windows' virtual-key codes).
enum UIDesktopKey {
    UIDESKTOP_KEY_BACK = 0x08,
    UIDESKTOP_KEY_TAB = 0x09,
    UIDESKTOP_KEY_RETURN = 0x0D,
    UIDESKTOP_KEY_SHIFT = 0x10,
    UIDESKTOP_KEY_CONTROL = 0x11,
    UIDESKTOP_KEY_ALT = 0x12,
    UIDESKTOP_KEY_ESCAPE = 0x1B,
    UIDESKTOP_KEY_SPACE = 0x20,
    UIDESKTOP_KEY_PAGE_UP = 0x21,
    UIDESKTOP_KEY_PAGE_DOWN = 0x22,
    UIDESKTOP_KEY_END = 0x23,
    UIDESKTOP_KEY_HOME = 0x24,
    UIDESKTOP_KEY_LEFT = 0x25,
    UIDESKTOP_KEY_UP = 0x26,
    UIDESKTOP_KEY_RIGHT = 0x27,
    UIDESKTOP_KEY_DOWN = 0x28,
    UIDESKTOP_KEY_INSERT = 0x2D,
    UIDESKTOP_KEY_DELETE = 0x2E,
    UIDESKTOP_KEY_F4 = 0x73,
};
