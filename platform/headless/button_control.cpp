// The BUTTON class: push buttons, check boxes, radio buttons and group boxes, clicked and checked as
// USER32's are.
#include "platform/headless/controls.h"
#include "platform/headless/manager.h"

#include <algorithm>

namespace headless {

namespace {

DWORD buttonType(const Window& button) { return button.style & BS_TYPEMASK; }

bool isCheckable(const Window& button) {
    DWORD type = buttonType(button);
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON || type == BS_3STATE ||
           type == BS_AUTO3STATE || type == BS_AUTORADIOBUTTON;
}

void uncheckRadioSiblings(const Window& button) {
    const Window* dialog = findWindow(button.parent);
    if (dialog == nullptr) return;
    for (HWND sibling : dialog->children) {
        Window* other = findWindow(sibling);
        if (other != nullptr && other != &button && other->kind == WindowKind::Button &&
            buttonType(*other) == BS_AUTORADIOBUTTON)
            other->checkState = BST_UNCHECKED;
    }
}

// A click as BM_CLICK gives it: the button takes the focus, an automatic button changes its state,
// then BN_CLICKED goes to the dialog. USER32's BM_CLICK sends the button its own button-down and
// button-up, which a disabled button takes as well: only a person's mouse cannot reach it.
LRESULT buttonClicked(Window& button) {
    HWND handle = button.handle;
    moveFocus(handle);
    if (findWindow(handle) == nullptr) return 0;
    DWORD type = buttonType(button);
    if (type == BS_AUTOCHECKBOX) button.checkState = button.checkState == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
    if (type == BS_AUTO3STATE) button.checkState = (button.checkState + 1) % 3;
    if (type == BS_AUTORADIOBUTTON) {
        uncheckRadioSiblings(button);
        button.checkState = BST_CHECKED;
    }
    notifyParent(button, BN_CLICKED);
    return 0;
}

// BM_SETCHECK changes the state silently; two-state buttons take any nonzero value as checked.
LRESULT buttonSetCheck(Window& button, WPARAM state) {
    if (!isCheckable(button)) return 0;
    DWORD type = buttonType(button);
    bool threeState = type == BS_3STATE || type == BS_AUTO3STATE;
    button.checkState = threeState ? static_cast<int>(std::min<WPARAM>(state, 2)) : (state != 0 ? 1 : 0);
    return 0;
}

}  // namespace

LRESULT buttonProcedure(Window& button, UINT message, WPARAM wordParam, LPARAM longParam) {
    switch (message) {
    case BM_CLICK: return buttonClicked(button);
    case BM_GETCHECK: return isCheckable(button) ? button.checkState : BST_UNCHECKED;
    case BM_SETCHECK: return buttonSetCheck(button, wordParam);
    case WM_SETTEXT: button.text = textOf(longParam); return TRUE;
    default: return 0;
    }
}

}  // namespace headless
