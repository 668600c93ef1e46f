// The predefined control classes of the headless dialog manager: which class a template names, and
// the messages every control answers alike (Wine's user32 button.c, edit.c, listbox.c and combo.c
// were the reference for each class, which has its own file).
#include "platform/headless/controls.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

#include "platform/headless/context_menu.h"
#include "platform/headless/keyboard.h"
#include "platform/headless/manager.h"

namespace headless {

std::string textOf(LPARAM text) { return text != 0 ? std::string(reinterpret_cast<const char*>(text)) : std::string(); }

LRESULT copyTextOut(const std::string& text, WPARAM capacity, LPARAM buffer) {
    if (buffer == 0 || capacity == 0) return 0;
    size_t copied = std::min<size_t>(text.size(), capacity - 1);
    char* out = reinterpret_cast<char*>(buffer);
    std::memcpy(out, text.data(), copied);
    out[copied] = '\0';
    return static_cast<LRESULT>(copied);
}

WindowKind kindOfClass(const std::string& className) {
    static const struct {
        const char* name;
        WindowKind kind;
    } classes[] = {{"BUTTON", WindowKind::Button}, {"EDIT", WindowKind::Edit}, {"STATIC", WindowKind::Static},
                   {"LISTBOX", WindowKind::ListBox}, {"COMBOBOX", WindowKind::ComboBox}};
    for (const auto& entry : classes) {
        if (strcasecmp(entry.name, className.c_str()) == 0) return entry.kind;
    }
    return WindowKind::Other;
}

int listItemHeight(const Window& list) {
    const Window* dialog = findWindow(list.parent);
    return dialog != nullptr ? dialog->baseUnits.height : uires::BaseUnits().height;
}

LRESULT controlProcedure(Window& control, UINT message, WPARAM wordParam, LPARAM longParam) {
    switch (control.kind) {
    case WindowKind::Edit: return editProcedure(control, message, wordParam, longParam);
    case WindowKind::Button: return buttonProcedure(control, message, wordParam, longParam);
    case WindowKind::ListBox: return listBoxProcedure(control, message, wordParam, longParam);
    case WindowKind::ComboBox: return comboBoxProcedure(control, message, wordParam, longParam);
    case WindowKind::Menu: return menuProcedure(control, message, wordParam, longParam);
    default:
        if (message == WM_GETDLGCODE) return control.kind == WindowKind::Static ? DLGC_STATIC : 0;
        if (message != WM_SETTEXT) return defaultControlMessage(control, message, wordParam, longParam);
        control.text = textOf(longParam);
        return TRUE;
    }
}

LRESULT defaultControlMessage(Window& control, UINT message, WPARAM wordParam, LPARAM longParam) {
    WPARAM self = reinterpret_cast<WPARAM>(control.handle);
    switch (message) {
    case WM_RBUTTONUP: {
        RECT client = clientScreenRect(control);
        LPARAM screen = MAKELPARAM(client.left + GET_X_LPARAM(longParam), client.top + GET_Y_LPARAM(longParam));
        return sendMessageTo(control.handle, WM_CONTEXTMENU, self, screen);
    }
    case WM_SYSKEYDOWN:
        if (wordParam == VK_F10 && isKeyHeld(VK_SHIFT)) sendMessageTo(control.handle, WM_CONTEXTMENU, self, -1);
        else closeOnAltF4(control.parent, wordParam, longParam);
        return 0;
    case WM_CONTEXTMENU: return sendMessageTo(control.parent, WM_CONTEXTMENU, self, longParam);
    default: return 0;
    }
}

void controlFocusChanged(Window& control, bool gained) {
    if (!gained) closeMenuOf(control.handle);
    switch (control.kind) {
    case WindowKind::Edit: notifyParent(control, gained ? EN_SETFOCUS : EN_KILLFOCUS); break;
    case WindowKind::ListBox:
        if (!gained) listFocusLost(control);
        notifyParent(control, gained ? LBN_SETFOCUS : LBN_KILLFOCUS);
        break;
    case WindowKind::ComboBox:
        if (gained) comboFocusGained(control);
        else comboFocusLost(control);
        notifyParent(control, gained ? CBN_SETFOCUS : CBN_KILLFOCUS);
        break;
    case WindowKind::Button:
        if (!gained) buttonFocusLost(control);
        if (control.style & BS_NOTIFY) notifyParent(control, gained ? BN_SETFOCUS : BN_KILLFOCUS);
        break;
    default: break;
    }
}

}  // namespace headless
