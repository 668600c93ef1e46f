// The headless dialog manager's inner operations, room by room: each is defined in the file its
// comment names, and shared by the controls, the DialogHost operations and the driver.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog_host.h"
#include "platform/headless/window_table.h"

namespace headless {

// ---- Messages (dialog_procedure.cpp) -------------------------------------------------------------

// SendMessage: a control's class behaviour, or a dialog's procedure followed by the default dialog
// handling when the procedure returns FALSE. Unknown handles give 0.
LRESULT sendMessageTo(HWND window, UINT message, WPARAM wordParam, LPARAM longParam);

// WM_COMMAND from a control to its dialog's procedure, with the control's id and handle.
void notifyParent(const Window& control, WORD code);

// GetDlgItem: the dialog's control with `id`, or null.
HWND controlWithId(const Window& dialog, int id);

// DefWindowProc's WM_SYSKEYDOWN: Alt+F4 posts SC_CLOSE to the dialog, with or without a close box.
void closeOnAltF4(HWND dialog, WPARAM key, LPARAM flags);

// ---- Focus (focus.cpp) ---------------------------------------------------------------------------

HWND focusedWindow();
// SetFocus, the one routine through which the focus changes: returns the previously focused
// window, or null when `window` is neither null nor a live window (the focus then stays where it
// was). Sends the focus notifications the controls send.
HWND moveFocus(HWND window);
// DEFDLG_SetFocus: as moveFocus, with an edit control's whole text selected as it takes the focus.
void focusControl(HWND control);
// Gives a dialog's focus back: to the control it had when another dialog took the focus, else
// to its first tab stop.
void restoreDialogFocus(HWND dialog);
// The first visible, enabled control with WS_TABSTOP, else the first visible, enabled control.
HWND firstTabStop(const Window& dialog);
// A click on the desktop, outside every dialog, takes the activation from the running dialog; a
// click on it gives it back, with the focus where it was.
void deactivateDialog(HWND dialog);
void reactivateDialog(HWND dialog);

// ---- Modal dialogs (modal_loop.cpp) --------------------------------------------------------------

// What the modal loop does once every posted message and every input has been handled, as
// GetMessage blocks there: the waiter shows the dialogs and returns once input came (queueInput,
// postMessageTo) or `timeoutMs` passed (kWaitForever: only input ends the wait); `gone` hears of
// each dialog that ended, before it is destroyed, so that what showed it can go too. One waiter at
// a time, the driver's: a front end a person works, or a scripted user. With none, a dialog cannot
// run and returns -1 at once. The closing observer is called just before an ended dialog is
// destroyed, while it can still be read. Null detaches.
using DialogHook = void (*)(HWND dialog, void* context);
using InputWait = void (*)(HWND dialog, DWORD timeoutMs, void* context);
constexpr DWORD kWaitForever = 0xFFFFFFFF;  // INFINITE
void setInputWait(InputWait wait, DialogHook gone, void* context);
// Whether a message is posted or input queued that the loop has yet to take.
bool isInputWaiting();
void setClosingObserver(DialogHook observer, void* context);

// The queue the modal loop takes keystrokes, clicks and posted commands from.
BOOL postMessageTo(HWND window, UINT message, WPARAM wordParam, LPARAM longParam);
INT_PTR runModalDialog(HINSTANCE instance, WORD templateId, HWND owner, DLGPROC procedure, LPARAM initValue);
BOOL endModalDialog(HWND dialog, INT_PTR result);
HWND innermostDialog();  // the running modal dialog that is not below another, or null
HWND activeDialog();     // GetActiveWindow: the innermost dialog unless it was deactivated
bool isOnRunningDialog(POINT screen);  // whether the point is on any running dialog's window
// Why the last dialog could not be created ("" when it was): no user to answer it, no such
// template, or the decoder's account of a damaged one.
const std::string& lastDialogFailure();

// ---- A person's input (input.cpp) -----------------------------------------------------------------

enum class InputKind { KeyDown, KeyUp, Character, MouseMove, ButtonDown, ButtonUp, Wheel };

enum class MouseButton { Left, Right, Middle };

struct InputEvent {
    InputKind kind = InputKind::MouseMove;
    int key = 0;        // the virtual key, or the character (code page 1252) of a Character
    POINT point{0, 0};  // the pointer's screen position, for the mouse
    int wheel = 0;      // notches, positive away from the user
    MouseButton button = MouseButton::Left;  // of a ButtonDown or ButtonUp
};

// The queue the modal loop takes a person's input from once nothing posted is waiting.
void queueInput(const InputEvent& event);
// Empties the queue and lets every key and button go, for a new waiter.
void discardInput();
bool isInputQueued();
// The message the next input makes, for the window it reaches; false when no input is waiting
// (input that reaches no window is dropped). While a popup menu is open it takes the keys, and the
// mouse through its capture.
bool takeInputMessage(MSG& message);

HWND captureWindow();  // GetCapture
HWND setCapture(HWND window);
void releaseCapture();

// ---- The dialog keys (dialog_keys.cpp) -----------------------------------------------------------

// IsDialogMessage's own handling of a message for `dialog`: true when it took the message (Tab,
// arrows, Enter, Escape, a mnemonic), which is then neither translated nor dispatched.
bool isDialogMessage(HWND dialog, const MSG& message);
// What DefWindowProc does with Alt and a character no control took (WM_SYSCHAR): the keyboard
// menu looks for it in the dialog's system menu, which has no such mnemonics, and gives up at
// once; entering and leaving it rolls an open combo-box list up, as entering any menu does.
void systemCharacter(HWND dialog, const MSG& message);
// WM_GETDLGCODE of a window, for a key message (or none); 0 for null.
LRESULT dialogCode(HWND window, const MSG* message);

// ---- Moving through a dialog (dialog_navigation.cpp) ---------------------------------------------

// GetNextDlgGroupItem and GetNextDlgTabItem.
HWND nextGroupItem(HWND dialog, HWND control, bool previous);
HWND nextTabItem(HWND dialog, HWND control, bool previous);
// WM_NEXTDLGCTL.
void nextDialogControl(Window& dialog, WPARAM wordParam, LPARAM longParam);
// The default-button look that follows the focus to `focused`.
void showDefaultForFocus(const Window& dialog, HWND focused);
// DM_SETDEFID.
void setDefaultId(Window& dialog, int id);

// ---- Creation and geometry (dialog_creation.cpp) -------------------------------------------------

// Creates a dialog and its controls from the template of `instance`, hidden and placed as
// DIALOG_CreateIndirect places it; null with `failure` saying why when there is no template or
// it cannot be decoded.
HWND createDialogFromTemplate(HINSTANCE instance, WORD templateId, HWND owner, DLGPROC procedure,
                              std::string& failure);
HWND desktopWindow();
RECT screenRect(const Window& window);     // GetWindowRect
RECT clientRect(const Window& window);     // GetClientRect: origin 0, 0
POINT clientOrigin(const Window& dialog);  // screen position of a dialog's client area
RECT clientScreenRect(const Window& window);  // the client area in screen pixels

// PtInRect: the right and bottom edges are outside.
inline bool contains(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

// ---- The shell (dialog_host_headless.cpp) --------------------------------------------------------

// What the module handed to the shell, oldest first; nothing is ever opened.
struct ShellRequest {
    std::string file;              // the text handed over; "(null)" for a null one
    int showCommand = 0;           // SW_ value
    bool defaultVerbOnly = false;  // no window, default verb, no parameters, no directory
};
std::vector<ShellRequest>& shellRequestLog();

}  // namespace headless
