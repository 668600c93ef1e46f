// The BUTTON class: push buttons, check boxes, radio buttons and group boxes, pressed by the mouse,
// the Space key and BM_CLICK, and checked, as USER32's are (Wine's user32 button.c was the
// reference).
#include "platform/headless/controls.h"
#include "platform/headless/manager.h"

#include <algorithm>

namespace headless {

namespace {

DWORD buttonType(const Window& button) { return button.style & BS_TYPEMASK; }

bool isRadio(const Window& button) {
    return buttonType(button) == BS_RADIOBUTTON || buttonType(button) == BS_AUTORADIOBUTTON;
}

// The highest state BM_SETCHECK takes: none for push buttons and group boxes.
int maxCheckState(const Window& button) {
    switch (buttonType(button)) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return BST_CHECKED;
    case BS_3STATE:
    case BS_AUTO3STATE: return BST_INDETERMINATE;
    default: return BST_UNCHECKED;
    }
}

LRESULT buttonDialogCode(const Window& button) {
    switch (buttonType(button)) {
    case BS_PUSHBUTTON:
    case BS_USERBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX: return DLGC_STATIC;
    default: return DLGC_BUTTON;
    }
}

// BM_SETCHECK changes the state silently, clamped to what the type holds; a checked radio button
// becomes a tab stop and an unchecked one stops being one, so Tab reaches a group at its choice.
LRESULT buttonSetCheck(Window& button, WPARAM state) {
    button.checkState = static_cast<int>(std::min<WPARAM>(state, static_cast<WPARAM>(maxCheckState(button))));
    if (isRadio(button)) button.style = state != 0 ? button.style | WS_TABSTOP : button.style & ~WS_TABSTOP;
    return 0;
}

// An automatic radio button is checked and every other radio button of its group (as the
// arrows go round it) unchecked; a group can hold no more radio buttons than the dialog controls.
void checkInGroup(Window& button) {
    HWND start = button.handle;
    HWND sibling = start;
    const Window* dialog = findWindow(button.parent);
    size_t rounds = dialog != nullptr ? dialog->children.size() : 0;
    do {
        if (dialogCode(sibling, nullptr) == (DLGC_BUTTON | DLGC_RADIOBUTTON))
            sendMessageTo(sibling, BM_SETCHECK, sibling == start ? BST_CHECKED : BST_UNCHECKED, 0);
        sibling = nextGroupItem(button.parent, sibling, false);
    } while (sibling != nullptr && sibling != start && rounds-- > 0);
}

void setPushed(Window& button, bool pushed) { sendMessageTo(button.handle, BM_SETSTATE, pushed, 0); }

// A mouse press or the Space key: the button captures the mouse and looks pushed; a press also
// takes the focus.
LRESULT buttonPressed(Window& button, bool byMouse) {
    HWND handle = button.handle;
    setCapture(handle);
    if (byMouse) moveFocus(handle);
    Window* stillThere = findWindow(handle);
    if (stillThere == nullptr) return 0;
    stillThere->pressing = true;
    setPushed(*stillThere, true);
    return 0;
}

bool isInside(const Window& button, LPARAM point) {
    return contains(clientRect(button), POINT{GET_X_LPARAM(point), GET_Y_LPARAM(point)});
}

void changeStateOnClick(Window& button) {
    switch (buttonType(button)) {
    case BS_AUTOCHECKBOX: sendMessageTo(button.handle, BM_SETCHECK, button.checkState != BST_CHECKED, 0); break;
    case BS_AUTORADIOBUTTON: checkInGroup(button); break;
    case BS_AUTO3STATE:
        sendMessageTo(button.handle, BM_SETCHECK, button.checkState == BST_INDETERMINATE ? 0 : button.checkState + 1, 0);
        break;
    default: break;
    }
}

// The release (of the mouse, or of Space): a button still pushed is clicked when the mouse is let go
// inside it or Space comes up; an automatic button changes its state first.
LRESULT buttonReleased(Window& button, bool byKey, LPARAM point) {
    if (!button.pressing) return 0;
    button.pressing = false;
    if (!button.pushed) {
        releaseCapture();
        return 0;
    }
    HWND handle = button.handle;
    setPushed(button, false);
    Window* stillThere = findWindow(handle);
    if (stillThere == nullptr) return 0;
    if (!byKey && !isInside(*stillThere, point)) {
        releaseCapture();
        return 0;
    }
    changeStateOnClick(*stillThere);
    releaseCapture();
    if ((stillThere = findWindow(handle)) != nullptr) notifyParent(*stillThere, BN_CLICKED);
    return 0;
}

// Losing the capture to another window ends a press without a click.
LRESULT buttonCaptureLost(Window& button, LPARAM newCapture) {
    if (reinterpret_cast<HWND>(newCapture) == button.handle || !button.pressing) return 0;
    button.pressing = false;
    if (button.pushed) setPushed(button, false);
    return 0;
}

// Radio buttons (and buttons with BS_NOTIFY) report a double click; the others take it as a press.
LRESULT buttonDoubleClicked(Window& button) {
    DWORD type = buttonType(button);
    if ((button.style & BS_NOTIFY) || type == BS_RADIOBUTTON || type == BS_USERBUTTON || type == BS_OWNERDRAW) {
        notifyParent(button, BN_DOUBLECLICKED);
        return 0;
    }
    return buttonPressed(button, true);
}

LRESULT buttonMouseMoved(Window& button, WPARAM keys, LPARAM point) {
    if ((keys & MK_LBUTTON) && captureWindow() == button.handle) setPushed(button, isInside(button, point));
    return 0;
}

// BM_GETSTATE: the check state, BST_PUSHED and BST_FOCUS, and USER32's own flag (0x40) for a
// press under way.
constexpr LRESULT kPressUnderWay = 0x40;

LRESULT buttonState(const Window& button) {
    LRESULT state = button.checkState;
    if (button.pushed) state |= BST_PUSHED;
    if (focusedWindow() == button.handle) state |= BST_FOCUS;
    if (button.pressing) state |= kPressUnderWay;
    return state;
}

// BM_CLICK is the button's own press and release at its corner, which a disabled button takes as
// well: only a person's mouse cannot reach it.
LRESULT buttonClick(Window& button) {
    HWND handle = button.handle;
    sendMessageTo(handle, WM_LBUTTONDOWN, 0, 0);
    sendMessageTo(handle, WM_LBUTTONUP, 0, 0);
    return 0;
}

}  // namespace

void buttonFocusLost(Window& button) {
    if (button.pressing && captureWindow() == button.handle) releaseCapture();
}

LRESULT buttonProcedure(Window& button, UINT message, WPARAM wordParam, LPARAM longParam) {
    switch (message) {
    case WM_GETDLGCODE: return buttonDialogCode(button);
    case WM_KEYDOWN: return wordParam == VK_SPACE ? buttonPressed(button, false) : 0;
    case WM_KEYUP: return wordParam == VK_SPACE ? buttonReleased(button, true, longParam) : 0;
    case WM_LBUTTONDOWN: return buttonPressed(button, true);
    case WM_LBUTTONDBLCLK: return buttonDoubleClicked(button);
    case WM_LBUTTONUP: return buttonReleased(button, false, longParam);
    case WM_MOUSEMOVE: return buttonMouseMoved(button, wordParam, longParam);
    case WM_CAPTURECHANGED: return buttonCaptureLost(button, longParam);
    case BM_CLICK: return buttonClick(button);
    case BM_GETCHECK: return button.checkState;
    case BM_SETCHECK: return buttonSetCheck(button, wordParam);
    case BM_GETSTATE: return buttonState(button);
    case BM_SETSTATE: button.pushed = wordParam != 0; return 0;
    case BM_SETSTYLE: button.style = (button.style & ~BS_TYPEMASK) | (wordParam & BS_TYPEMASK); return 0;
    case WM_SETTEXT: button.text = textOf(longParam); return TRUE;
    default: return defaultControlMessage(button, message, wordParam, longParam);
    }
}

}  // namespace headless
