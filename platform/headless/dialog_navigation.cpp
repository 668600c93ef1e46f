// Moving through a dialog's controls: the next tab stop and the next control of a group
// (GetNextDlgTabItem, GetNextDlgGroupItem), WM_NEXTDLGCTL, and the default push button that
// follows the focus. Wine's user32 dialog.c and defdlg.c were the reference; our dialogs have no
// WS_EX_CONTROLPARENT children, so the controls are one flat list in z-order.
#include "platform/headless/manager.h"

#include <algorithm>
#include <vector>

namespace headless {

namespace {

DWORD styleOf(HWND window) {
    const Window* found = findWindow(window);
    return found != nullptr ? found->style : 0;
}

bool isUsable(HWND window) {
    const Window* found = findWindow(window);
    return found != nullptr && (found->style & WS_VISIBLE) && found->enabled;
}

bool isTabStop(HWND window) { return isUsable(window) && (styleOf(window) & WS_TABSTOP); }

const std::vector<HWND>* controlsOf(HWND dialog) {
    const Window* window = findWindow(dialog);
    return window != nullptr && window->kind == WindowKind::Dialog ? &window->children : nullptr;
}

size_t indexOf(const std::vector<HWND>& controls, HWND control) {
    for (size_t i = 0; i < controls.size(); ++i) {
        if (controls[i] == control) return i;
    }
    return controls.size();
}

// The other members of the group of controls[at], in the order met going forwards round the list
// from it: those after it up to the next group's first control, then, unless it starts its group
// itself, those from its group's first control (the last WS_GROUP control before it) up to it.
std::vector<HWND> groupRoundFrom(const std::vector<HWND>& controls, size_t at) {
    std::vector<HWND> round;
    for (size_t step = 1; step < controls.size(); ++step) round.push_back(controls[(at + step) % controls.size()]);
    auto startsGroup = [](HWND window) { return (styleOf(window) & WS_GROUP) != 0; };
    auto nextGroup = std::find_if(round.begin(), round.end(), startsGroup);
    std::vector<HWND> members(round.begin(), nextGroup);
    if (nextGroup != round.end() && !startsGroup(controls[at])) {
        auto groupStart = std::find_if(round.rbegin(), round.rend(), startsGroup).base() - 1;
        members.insert(members.end(), groupStart, round.end());
    }
    return members;
}

// The first tab stop from `start` on, stepping backwards or forwards to the end of the list.
HWND scanForTabStop(const std::vector<HWND>& controls, long start, bool previous) {
    long step = previous ? -1 : 1;
    for (long i = start; i >= 0 && i < static_cast<long>(controls.size()); i += step) {
        if (isTabStop(controls[static_cast<size_t>(i)])) return controls[static_cast<size_t>(i)];
    }
    return nullptr;
}

// DEFDLG_FindDefButton: the first control that answers DLGC_DEFPUSHBUTTON.
HWND findDefaultButton(const Window& dialog) {
    for (HWND child : dialog.children) {
        if (dialogCode(child, nullptr) & DLGC_DEFPUSHBUTTON) return child;
    }
    return nullptr;
}

void setButtonStyle(HWND button, DWORD type) { sendMessageTo(button, BM_SETSTYLE, type, TRUE); }

// The button that looks default: `wanted` when it answers DLGC_UNDEFPUSHBUTTON, and the one that
// looked default (the one `oldId` names, else the first that does) looks plain again.
void showDefaultButton(const Window& dialog, int oldId, HWND wanted, LRESULT wantedCode) {
    HWND old = controlWithId(dialog, oldId);
    if (old == nullptr || !(dialogCode(old, nullptr) & DLGC_DEFPUSHBUTTON)) old = findDefaultButton(dialog);
    if (old != nullptr && old != wanted) setButtonStyle(old, BS_PUSHBUTTON);
    if (wanted != nullptr && (wantedCode & DLGC_UNDEFPUSHBUTTON)) setButtonStyle(wanted, BS_DEFPUSHBUTTON);
}

}  // namespace

// GetNextDlgGroupItem. A group runs from a WS_GROUP control up to the next one, round the end of
// the list: the controls before the first WS_GROUP control belong to the last group, and with no
// WS_GROUP at all the dialog is one group. Going round the group from the control, the next item
// is the first visible, enabled member after it, the previous item the last; the control itself
// when no other member is usable. No control (or the dialog) means the first control when it is
// usable, else the next after it; the previous of no control is none.
HWND nextGroupItem(HWND dialog, HWND control, bool previous) {
    const std::vector<HWND>* controls = controlsOf(dialog);
    if (controls == nullptr || controls->empty()) return nullptr;
    if (control == dialog) control = nullptr;
    if (control == nullptr) {
        if (previous) return nullptr;
        control = controls->front();
        if (isUsable(control)) return control;
    }
    size_t at = indexOf(*controls, control);
    if (at == controls->size()) return nullptr;
    std::vector<HWND> members = groupRoundFrom(*controls, at);
    auto usable = std::find_if(members.begin(), members.end(), isUsable);
    if (usable == members.end()) return control;
    return previous ? *std::find_if(members.rbegin(), members.rend(), isUsable) : *usable;
}

HWND nextTabItem(HWND dialog, HWND control, bool previous) {
    const std::vector<HWND>* controls = controlsOf(dialog);
    if (controls == nullptr || controls->empty()) return nullptr;
    if (control == dialog) control = nullptr;
    if (control == nullptr && previous) return nullptr;
    long last = static_cast<long>(controls->size()) - 1;
    long wrapStart = previous ? last : 0;
    if (control == nullptr) return scanForTabStop(*controls, wrapStart, previous);
    size_t at = indexOf(*controls, control);
    HWND found = nullptr;
    if (at < controls->size()) found = scanForTabStop(*controls, static_cast<long>(at) + (previous ? -1 : 1), previous);
    if (found == nullptr) found = scanForTabStop(*controls, wrapStart, previous);
    return found != nullptr ? found : control;
}

// WM_NEXTDLGCTL: with a zero lParam the next (wParam 0) or previous tab stop after the focus,
// else the control wParam names; an edit field taking the focus has its text selected.
void nextDialogControl(Window& dialog, WPARAM wordParam, LPARAM longParam) {
    HWND handle = dialog.handle;
    HWND destination = reinterpret_cast<HWND>(wordParam);
    if (longParam == 0) destination = nextTabItem(handle, focusedWindow(), wordParam != 0);
    if (destination != nullptr) focusControl(destination);
    Window* stillThere = findWindow(handle);
    if (stillThere != nullptr) showDefaultForFocus(*stillThere, destination);
}

// DEFDLG_SetDefButton: a push button taking the focus looks default; any other control gives the
// look back to the dialog's default button.
void showDefaultForFocus(const Window& dialog, HWND focused) {
    LRESULT code = dialogCode(focused, nullptr);
    if (focused != nullptr && !(code & (DLGC_UNDEFPUSHBUTTON | DLGC_DEFPUSHBUTTON))) {
        focused = controlWithId(dialog, dialog.defaultId);
        code = dialogCode(focused, nullptr);
    }
    showDefaultButton(dialog, dialog.defaultId, focused, code);
}

// DM_SETDEFID: the id is kept whatever it names; a push button it names looks default.
void setDefaultId(Window& dialog, int id) {
    HWND wanted = controlWithId(dialog, id);
    LRESULT code = dialogCode(wanted, nullptr);
    int oldId = dialog.defaultId;
    dialog.defaultId = id;
    if (wanted != nullptr && !(code & (DLGC_UNDEFPUSHBUTTON | DLGC_BUTTON))) return;
    showDefaultButton(dialog, oldId, wanted, code);
}

}  // namespace headless
