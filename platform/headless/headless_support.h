// Test and tool support of the Linux library's headless dialog manager: attaching a user who answers
// modal dialogs, posting the keystrokes and clicks a person gives, registering further compiled
// templates as modules, reading a live dialog as it stands, and the shell requests made so far.
//
// The headless dialog manager behaves like USER32 wherever a dialog procedure can tell, and fixes
// what a real display would decide:
// - the desktop is kDesktopWidth x kDesktopHeight pixels at (0, 0);
// - dialog units become pixels with uires::baseUnitsForPointSize of the template's point size
//   (6 x 13 for the 8-point faces), rounded as MapDialogRect rounds;
// - a dialog's frame is kDialogFrame pixels on each side (DS_MODALFRAME or a caption) with a caption
//   bar of kCaptionHeight pixels above its client area (Wine's default metrics);
// - a bordered control (WS_BORDER) has a one-pixel border; a list-box item is as high as the
//   dialog's base-unit height; a drop-down combo box is kComboFieldExtra pixels taller than that.
// The operations themselves are the DialogHost ones (platform/dialog_host.h), exported too.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include <UIResource/UIResourcePlatform.h>
#include "platform/win32_types.h"

namespace headless {

constexpr int kDesktopWidth = 1024;
constexpr int kDesktopHeight = 768;
constexpr int kDialogFrame = 3;
constexpr int kCaptionHeight = 19;
constexpr int kComboFieldExtra = 8;

// ---- The user ----------------------------------------------------------------------------------

// Called whenever a modal dialog waits for input: first once it is shown after WM_INITDIALOG, then
// again each time the input posted so far has been handled and the dialog is still open. A user who
// returns twice in a row with nothing posted and the dialog still open is stuck: after 1000 such
// calls the dialog is ended with -1. Nested dialogs call it with their own handle.
using UserHook = void (*)(HWND dialog, void* context);

// One user at a time; a null hook detaches. With no user attached DialogBoxParamA returns -1 at
// once, as there is no one to answer the dialog.
UIRESOURCE_API void attachUser(UserHook hook, void* context);

// Called just before an ended dialog is destroyed, while it can still be read; null detaches.
UIRESOURCE_API void observeDialogClosing(UserHook observer, void* context);

// PostMessage: the running dialog's loop takes it once the user hook returns. WM_KEYDOWN with
// VK_RETURN or VK_ESCAPE to the dialog or one of its controls goes through the dialog-key handling
// (the default button's command; IDCANCEL); WM_SYSCOMMAND SC_CLOSE reaches the dialog procedure as
// the close box does. FALSE for a handle that is not a live window.
UIRESOURCE_API BOOL postMessage(HWND window, UINT message, WPARAM wordParam, LPARAM longParam);

// ---- Windows -----------------------------------------------------------------------------------

UIRESOURCE_API HWND getFocus();
UIRESOURCE_API BOOL isWindow(HWND window);
UIRESOURCE_API DWORD windowStyle(HWND window);  // GetWindowLong(GWL_STYLE); 0 for a bad handle
UIRESOURCE_API BOOL getClientRect(HWND window, RECT* rect);
UIRESOURCE_API std::string className(HWND window);  // "#32770" for dialogs; empty for a bad handle
UIRESOURCE_API HWND activeDialog();            // the innermost running modal dialog, or null
UIRESOURCE_API int getDlgCtrlId(HWND window);  // GetDlgCtrlID: the control's id; 0 for a bad handle

// ---- Modules -----------------------------------------------------------------------------------

// Registers a compiled .res image (copied) as a module and returns its instance handle for
// DialogBoxParamA; null when the bytes are not a resource file. Handles stay valid until exit.
UIRESOURCE_API HINSTANCE registerResourceModule(const void* resBytes, size_t size);

// ---- Reading a dialog as it stands -------------------------------------------------------------

struct ControlSnapshot {
    HWND handle = nullptr;
    int id = 0;
    std::string className;    // "BUTTON", "EDIT", "STATIC", "LISTBOX", "COMBOBOX" or the template's
    DWORD style = 0;          // as GetWindowLong gives it (WS_CHILD included)
    DWORD exStyle = 0;
    RECT rect{};              // pixels in the dialog's client area
    std::string text;         // caption, edit text or a combo box's edit field
    int checkState = 0;       // buttons: BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE
    std::vector<std::string> items;  // list and combo boxes, in display order
    int selectedItem = -1;    // list and combo boxes; -1 when nothing is selected
    int topItem = 0;          // list boxes: first visible item
    size_t selectionStart = 0, selectionEnd = 0;  // edits
    bool enabled = true;
    bool focused = false;
};

struct DialogSnapshot {
    HWND handle = nullptr;
    std::string title;
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT windowRect{};        // screen pixels, frame and caption included
    RECT clientRect{};        // screen pixels of the client area
    int baseUnitX = 0;        // dialog base units in pixels
    int baseUnitY = 0;
    bool visible = false;
    bool ended = false;
    std::vector<ControlSnapshot> controls;  // template order
};

// False (and `snapshot` untouched) when `dialog` is not a live dialog.
UIRESOURCE_API bool snapshotDialog(HWND dialog, DialogSnapshot& snapshot);

// ---- Shell -------------------------------------------------------------------------------------

struct ShellRequest {
    std::string file;  // as given; empty for a null file
    int showCommand = 0;
};

// ShellExecuteA opens nothing on Linux: every request is recorded here, oldest first.
UIRESOURCE_API std::vector<ShellRequest> shellRequests();
UIRESOURCE_API void clearShellRequests();

}  // namespace headless
