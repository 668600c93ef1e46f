// A dialog's state read through messages, so that it reads alike on both dialog managers.
#include "tests/scenarios/dialog_state.h"

#include "harness/dialog_driver.h"
#include "tests/scenarios/scenario_names.h"

namespace scenario {

namespace {

LRESULT ask(HWND control, UINT message, WPARAM wordParam = 0, LPARAM longParam = 0) {
    return DialogHost::sendMessage(control, message, wordParam, longParam);
}

std::string range(HWND field, UINT message) {
    DWORD low = 0, high = 0;
    ask(field, message, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    return std::to_string(low) + "-" + std::to_string(high);
}

std::string buttonState(HWND button) {
    DWORD type = DialogDriver::style(button) & BS_TYPEMASK;
    if (type == BS_GROUPBOX) return std::string();
    std::string state = type == BS_DEFPUSHBUTTON ? " default" : "";
    if (ask(button, BM_GETSTATE) & BST_PUSHED) state += " pushed";
    if (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON) state += " check " + std::to_string(ask(button, BM_GETCHECK));
    return state;
}

// A scrolled field's first character shown.
std::string shown(HWND field) {
    int first = DialogDriver::firstShownCharacter(field);
    return first != 0 ? " shown " + std::to_string(first) : std::string();
}

// The open menu's items, greyed ones marked ~ and the highlighted one >.
std::string menuState() {
    std::string line;
    for (const DialogDriver::MenuItem& item : DialogDriver::openMenu()) {
        line += line.empty() ? " | menu " : ",";
        line += item.separator ? "-" : std::string(item.highlighted ? ">" : "") + (item.greyed ? "~" : "") + item.text;
    }
    return line;
}

std::string controlState(HWND control) {
    std::string kind = DialogDriver::className(control);
    std::string text = " \"" + DialogDriver::text(control) + "\"";
    if (kind == "EDIT") return text + " sel " + range(control, EM_GETSEL) + shown(control);
    if (kind == "BUTTON") return buttonState(control);
    if (kind == "LISTBOX") {
        return " sel " + std::to_string(ask(control, LB_GETCURSEL)) + " caret " +
               std::to_string(ask(control, LB_GETCARETINDEX)) + " top " + std::to_string(ask(control, LB_GETTOPINDEX));
    }
    if (kind == "COMBOBOX") {
        return text + " sel " + std::to_string(ask(control, CB_GETCURSEL)) + " edit " + range(control, CB_GETEDITSEL) +
               shown(control) + (ask(control, CB_GETDROPPEDSTATE) ? " dropped" : "");
    }
    return std::string();
}

}  // namespace

std::string describeState(HWND dialog) {
    HWND focus = DialogDriver::focus();
    HWND focusedControl = DialogDriver::controlHolding(focus, dialog);
    std::string focusName = focus == nullptr ? "none" : focus == dialog ? "DIALOG" : "elsewhere";
    if (focusedControl != nullptr) focusName = controlName(DialogDriver::controlId(focusedControl));
    std::string line = "state focus " + focusName;
    for (HWND control : DialogDriver::controls(dialog)) {
        std::string state = controlState(control);
        if (!state.empty()) line += " | " + controlName(DialogDriver::controlId(control)) + state;
    }
    return line + menuState();
}

}  // namespace scenario
