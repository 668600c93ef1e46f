// The one door through which everything outside the module drives or observes a dialog manager:
// the scripted user, the sample host, the tests, the benchmarks and the inspector. Over USER32 on
// Windows (a static library beside the DLL) and over the headless dialog manager on Linux
// (exported from the library, as DialogHost is).
//
// Dialog procedures outside the module (a test's, the sample host's) reach their controls through
// DialogHost, as the module's own do; running a template is DialogHost::dialogBoxParam too. The
// driver adds what only someone in front of the dialogs does: attach a user who answers them, post
// input, read windows as they stand, hear a dialog close, record what is handed to the shell, and
// list a module's resources.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialog_host.h"
#include "platform/win32_types.h"
#include "resources/res_file.h"

#ifdef _WIN32
#define DIALOG_DRIVER_API
#else
#define DIALOG_DRIVER_API UIRESOURCE_API
#endif

namespace DialogDriver {

// ---- The user and the front end -------------------------------------------------------------------

using DialogHook = void (*)(HWND dialog, void* context);

// A scripted user, called with the innermost dialog whenever a modal dialog waits for input: on
// Linux each time the headless loop has handled what was handed to it, on Windows from a thread
// timer that fires inside the modal loop. It acts (posts, presses, clicks) and returns. One at a
// time, in place of a front end; null detaches. With neither on Linux a dialog cannot run
// (DialogBoxParamA returns -1). A script that stops answering must not hang its test: on Linux a
// user called 1000 times in a row who hands the dialog nothing has given up, and the dialog ends
// with -1.
DIALOG_DRIVER_API void attachUser(DialogHook whenWaiting, void* context);

// A front end through which a person works the dialogs, pushing their input with the calls below.
// On Linux the headless loop calls `wait` with the innermost dialog whenever it has handled all it
// was handed, as GetMessage blocks: the front end shows the dialogs as they stand, then returns
// once it has handed input or once `timeoutMs` has passed (kWaitForever: only input ends the
// wait); `gone` (may be null) hears of each dialog that ended, before it is destroyed, so that
// the front end can stop showing it. On Windows USER32 shows the dialogs and waits for the person
// itself: `wait` is called from the thread timer with a timeout of 0, to watch, and `gone` never.
// One at a time, in place of a user; null detaches.
using WaitForInput = void (*)(HWND dialog, DWORD timeoutMs, void* context);
constexpr DWORD kWaitForever = 0xFFFFFFFF;
struct FrontEnd {
    WaitForInput wait = nullptr;
    DialogHook gone = nullptr;
    void* context = nullptr;
};
DIALOG_DRIVER_API void attachFrontEnd(const FrontEnd* frontEnd);

// Called for each dialog that has ended, just before it is destroyed, while its controls can still
// be read; null stops it.
DIALOG_DRIVER_API void observeClosing(DialogHook observer, void* context);

// Why the last dialog that could not be created (-1) failed, as the platform says it: on Windows
// the system's message for the thread's last error, on Linux the headless manager's account (no
// user, no such template, or the decoder's words on a damaged one). Empty when there is none.
DIALOG_DRIVER_API std::string lastDialogFailure();

// ---- Input -----------------------------------------------------------------------------------------

// PostMessage: the modal loop takes it once the user or the front end returns. Keys go through the dialog keys
// (Enter, Escape) as IsDialogMessage handles them; WM_SYSCOMMAND SC_CLOSE is the close box.
DIALOG_DRIVER_API BOOL postMessage(HWND window, UINT message, WPARAM wordParam, LPARAM longParam);

// The keyboard and the mouse as a person works them. On Windows they go through SendInput, so
// USER32 itself sends each to the focused window or the window under the pointer, keeps the key
// state and makes characters of keys; on Linux the headless manager's input queue does the same.
// The modal loop takes them once the user or the front end returns, after anything posted. A modifier is a key
// like any other: it stays down until its keyUp.
DIALOG_DRIVER_API void keyDown(int virtualKey);
DIALOG_DRIVER_API void keyUp(int virtualKey);
// A character with no key of its own (code page 1252), as an input method types it: WM_CHAR comes
// of it, but no key is pressed.
DIALOG_DRIVER_API void typeCharacter(char character);
DIALOG_DRIVER_API void moveMouse(POINT screen);
enum class MouseButton { Left, Right, Middle };
DIALOG_DRIVER_API void mouseButton(bool down, MouseButton button = MouseButton::Left);  // where the pointer is
DIALOG_DRIVER_API void turnWheel(int notches);  // positive away from the user

// ---- Windows as they stand -------------------------------------------------------------------------

DIALOG_DRIVER_API bool isWindow(HWND window);
DIALOG_DRIVER_API HWND focus();  // GetFocus
DIALOG_DRIVER_API HWND activeDialog();  // GetActiveWindow: the modal dialog in front, or null
// The controls of a dialog in template order (creation, tab and z-order).
DIALOG_DRIVER_API std::vector<HWND> controls(HWND dialog);
DIALOG_DRIVER_API int controlId(HWND control);            // GetDlgCtrlID; 0 for a dialog or a bad handle
DIALOG_DRIVER_API std::string className(HWND window);     // upper case: "BUTTON", "#32770"; "" for a bad handle
DIALOG_DRIVER_API DWORD style(HWND window);               // GetWindowLong(GWL_STYLE); 0 for a bad handle
DIALOG_DRIVER_API RECT clientRect(HWND window);           // the client area in screen pixels
// The height in pixels of the font a dialog or control writes with (its dialog's, WM_GETFONT): a
// line of text and a list's row follow from it. 0 for a bad handle.
DIALOG_DRIVER_API int fontHeight(HWND window);
// The control of `dialog` that is `window` or holds it (a combo box holds its edit field on
// Windows), or null.
DIALOG_DRIVER_API HWND controlHolding(HWND window, HWND dialog);
// The first character a text field shows as it is scrolled (EM_GETFIRSTVISIBLELINE of an edit
// control, or of a drop-down combo box's edit field); 0 for any other window.
DIALOG_DRIVER_API int firstShownCharacter(HWND control);

// ---- The context menu ------------------------------------------------------------------------------

struct MenuItem {
    std::string text;        // as the menu holds it, '&' mnemonic marks included; empty for a separator
    bool separator = false;
    bool greyed = false;
    bool highlighted = false;
    RECT rect{0, 0, 0, 0};  // screen pixels
};

// The popup menu open now (a text field's context menu), top item first; empty when none is open.
DIALOG_DRIVER_API std::vector<MenuItem> openMenu();
// EndMenu: the open menu closes, choosing nothing. A user giving a dialog up closes its menu first:
// USER32 runs a menu in a loop of its own, which ending the dialog does not end.
DIALOG_DRIVER_API void closeMenu();

// ---- The clipboard ---------------------------------------------------------------------------------

// The clipboard's text (CF_TEXT), as a person's other programs put it there and find it: setting
// replaces what it holds (null empties it; false when it cannot be opened); reading is false when
// it holds no text.
DIALOG_DRIVER_API bool setClipboardText(const char* text);
DIALOG_DRIVER_API bool clipboardText(std::string& text);

#ifndef _WIN32
// The headless manager keeps its clipboard's text itself unless a front end hands it a store of its
// own (the Linux desktop's: the system clipboard): `read` gives the text held (false when none),
// `write` replaces it (an empty text when it was emptied). Null functions give the keeping back.
struct ClipboardStore {
    bool (*read)(std::string& text, void* context) = nullptr;
    void (*write)(const std::string& text, void* context) = nullptr;
    void* context = nullptr;
};
DIALOG_DRIVER_API void connectClipboard(const ClipboardStore& store);
#endif

// ---- What the module hands to the shell ------------------------------------------------------------

struct ShellRequest {
    std::string file;              // the text handed over; "(null)" for a null one
    int showCommand = 0;           // SW_ value
    bool defaultVerbOnly = false;  // no window, default verb, no parameters, no directory
};

// While recording, nothing is opened: each ShellExecuteA of the module is kept instead, oldest
// first. Starting clears what an earlier recording kept.
DIALOG_DRIVER_API void recordShellRequests(bool on);
DIALOG_DRIVER_API std::vector<ShellRequest> shellRequests();

// ---- Modules ---------------------------------------------------------------------------------------

struct ModuleResource {
    uires::ResourceKey type;
    uires::ResourceKey name;
    uint16_t language = 0;
};

// The resources `module` holds (the library's: getUIResourceAppInstance()); false with `error`
// saying why when they cannot be listed, e.g. a damaged embedded .res on Linux.
DIALOG_DRIVER_API bool listResources(HINSTANCE module, std::vector<ModuleResource>& resources, std::string& error);

#ifndef _WIN32
// Registers a compiled .res image (copied) as a module of its own for DialogBoxParamA, for the
// templates of a program or a test; null with `error` saying why when the bytes are not one.
// Windows programs link their resources instead (harness/program_resources.h).
DIALOG_DRIVER_API HINSTANCE registerResources(const void* resBytes, size_t size, std::string& error);
#endif

// ---- Reading controls: written once, over the operations above ------------------------------------

std::string text(HWND window);                            // WM_GETTEXT, whole
std::vector<std::string> items(HWND listOrCombo);         // a list or combo box's entries, in display order
int selectedItem(HWND listOrCombo);                       // -1 when none
LPARAM itemData(HWND listOrCombo, int position);          // LB_ERR when there is no such position
bool isChecked(HWND button);
RECT rectInDialog(HWND control, HWND dialog);             // pixels in the dialog's client area
RECT windowRect(HWND window);                             // screen pixels, frame included
bool isComboBox(HWND window);

// ---- A person's input: written once, over the primitives above ------------------------------------

enum Modifier : unsigned { kNoModifier = 0, kShift = 1, kControl = 2, kAlt = 4 };

// A key pressed and let go with the modifiers held around it.
void pressKey(int virtualKey, unsigned modifiers = kNoModifier);
// Each character through typeCharacter, as text comes from an input method.
void typeText(const std::string& text);
void clickAt(POINT screen);
void doubleClickAt(POINT screen);
// The middle of a control (or dialog) on the screen, where a person clicks it.
POINT centreOf(HWND window);

}  // namespace DialogDriver
