// Creating a dialog and its controls from a template, and the geometry of windows: the frame, the
// placement DIALOG_CreateIndirect gives, and window and client rectangles.
#include <string>

#include "platform/headless/controls.h"
#include "platform/headless/headless_metrics.h"
#include "platform/headless/manager.h"
#include "platform/headless/module_registry.h"
#include "resources/dialog_template.h"

namespace headless {

namespace {

RECT frameInsets(const Window& dialog) {
    int frame = 0;
    if ((dialog.exStyle & WS_EX_DLGMODALFRAME) || (dialog.style & WS_DLGFRAME)) frame = kDialogFrame;
    else if (dialog.style & WS_BORDER) frame = 1;
    int caption = (dialog.style & WS_CAPTION) == WS_CAPTION ? kCaptionHeight : 0;
    return RECT{frame, frame + caption, frame, frame};
}

int controlBorder(const Window& control) {
    int border = (control.style & WS_BORDER) ? 1 : 0;
    return border + ((control.exStyle & WS_EX_CLIENTEDGE) ? 2 : 0);
}

// The placement DIALOG_CreateIndirect gives a template's position: relative to the owner's client
// area (or the screen), then moved to fit on the desktop.
void placeDialog(Window& dialog, const uires::DialogTemplate& tmpl) {
    RECT insets = frameInsets(dialog);
    int width = uires::dialogUnitsToPixelsX(tmpl.width, dialog.baseUnits) + insets.left + insets.right;
    int height = uires::dialogUnitsToPixelsY(tmpl.height, dialog.baseUnits) + insets.top + insets.bottom;
    int x = uires::dialogUnitsToPixelsX(tmpl.x, dialog.baseUnits) - insets.left;
    int y = uires::dialogUnitsToPixelsY(tmpl.y, dialog.baseUnits) - insets.top;
    if (const Window* owner = findWindow(dialog.owner)) {
        POINT origin = owner->kind == WindowKind::Dialog ? clientOrigin(*owner) : POINT{0, 0};
        x += origin.x;
        y += origin.y;
    }
    if (x + width + kDialogFrame > kDesktopWidth) x -= x + width + kDialogFrame - kDesktopWidth;
    if (y + height + kDialogFrame > kDesktopHeight) y -= y + height + kDialogFrame - kDesktopHeight;
    if (x < 0) x = 0;
    if (y < 0) y = 0;
    dialog.rect = RECT{x, y, x + width, y + height};
}

// A drop-down combo box is as tall as its edit field; the template's height is that of the list.
int controlHeight(const Window& control, const uires::DialogControl& item, const uires::BaseUnits& base) {
    if (control.kind == WindowKind::ComboBox && (control.style & 0x3) != CBS_SIMPLE)
        return base.height + kComboFieldExtra;
    return uires::dialogUnitsToPixelsY(item.height, base);
}

// A classic template stores a control's id in a WORD, which USER32 keeps unsigned: a label's -1
// becomes 65535, and GetDlgItem(dialog, -1) finds none.
void addControl(Window& dialog, const uires::DialogControl& item, bool extended) {
    std::string className = item.className();
    Window& control = createWindow(kindOfClass(className));
    control.className = className;
    control.parent = dialog.handle;
    control.id = extended ? item.id : static_cast<uint16_t>(item.id);
    control.style = item.style | WS_CHILD;
    control.exStyle = item.exStyle | WS_EX_NOPARENTNOTIFY;
    control.text = item.caption.kind == uires::NameOrOrdinal::Text ? item.caption.text : std::string();
    control.enabled = (control.style & WS_DISABLED) == 0;
    int x = uires::dialogUnitsToPixelsX(item.x, dialog.baseUnits);
    int y = uires::dialogUnitsToPixelsY(item.y, dialog.baseUnits);
    int width = uires::dialogUnitsToPixelsX(item.width, dialog.baseUnits);
    control.rect = RECT{x, y, x + width, y + controlHeight(control, item, dialog.baseUnits)};
    if (control.kind == WindowKind::ComboBox)
        control.droppedExtent = comboDroppedExtent(control, uires::dialogUnitsToPixelsY(item.height, dialog.baseUnits));
    dialog.children.push_back(control.handle);
}

// Only the last BS_DEFPUSHBUTTON of a template stays one; it gives the dialog its default id, which
// is IDOK in a template without one (DM_GETDEFID answers it, and an OK push button takes the
// default look when the focus is on no button).
void settleDefaultButton(Window& dialog) {
    Window* chosen = nullptr;
    for (HWND child : dialog.children) {
        Window* control = findWindow(child);
        if (control->kind != WindowKind::Button || (control->style & BS_TYPEMASK) != BS_DEFPUSHBUTTON) continue;
        if (chosen != nullptr) chosen->style &= ~BS_TYPEMASK;
        chosen = control;
    }
    dialog.defaultId = chosen != nullptr ? chosen->id : IDOK;
}

HWND createDialog(const uires::DialogTemplate& tmpl, HWND owner, DLGPROC procedure) {
    Window& dialog = createWindow(WindowKind::Dialog);
    dialog.className = "#32770";
    dialog.owner = owner;
    dialog.procedure = procedure;
    dialog.text = tmpl.title;
    dialog.style = (tmpl.style | DS_3DLOOK) & ~WS_VISIBLE;
    dialog.exStyle = tmpl.exStyle | WS_EX_CONTROLPARENT | ((tmpl.style & DS_MODALFRAME) ? WS_EX_DLGMODALFRAME : 0);
    dialog.baseUnits = uires::baseUnitsForPointSize(tmpl.hasFont ? tmpl.pointSize : 8);
    placeDialog(dialog, tmpl);
    for (const uires::DialogControl& item : tmpl.controls) addControl(dialog, item, tmpl.extended);
    settleDefaultButton(dialog);
    return dialog.handle;
}

}  // namespace

HWND createDialogFromTemplate(HINSTANCE instance, WORD templateId, HWND owner, DLGPROC procedure,
                              std::string& failure) {
    const uint8_t* data = nullptr;
    size_t size = 0;
    if (!findModuleResource(instance, RT_DIALOG, MAKEINTRESOURCEA(templateId), data, size)) {
        failure = "no dialog template " + std::to_string(templateId) + " in the module";
        return nullptr;
    }
    uires::DialogTemplate tmpl;
    std::string error;
    if (!uires::decodeDialogTemplate(data, size, tmpl, error)) {
        failure = "dialog template " + std::to_string(templateId) + ": " + error;
        return nullptr;
    }
    return createDialog(tmpl, owner, procedure);
}

HWND desktopWindow() {
    static HWND desktop = [] {
        Window& window = createWindow(WindowKind::Desktop);
        window.className = "#32769";
        window.style = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        window.rect = RECT{0, 0, kDesktopWidth, kDesktopHeight};
        return window.handle;
    }();
    return desktop;
}

POINT clientOrigin(const Window& dialog) {
    RECT insets = frameInsets(dialog);
    return POINT{dialog.rect.left + insets.left, dialog.rect.top + insets.top};
}

RECT screenRect(const Window& window) {
    const Window* parent = findWindow(window.parent);
    if (parent == nullptr) return window.rect;
    POINT origin = clientOrigin(*parent);
    return RECT{window.rect.left + origin.x, window.rect.top + origin.y, window.rect.right + origin.x,
                window.rect.bottom + origin.y};
}

RECT clientRect(const Window& window) {
    RECT insets{0, 0, 0, 0};
    if (window.kind == WindowKind::Dialog) insets = frameInsets(window);
    else if (window.kind != WindowKind::Desktop) {
        int border = controlBorder(window);
        insets = RECT{border, border, border, border};
    }
    LONG width = window.rect.right - window.rect.left - insets.left - insets.right;
    LONG height = window.rect.bottom - window.rect.top - insets.top - insets.bottom;
    return RECT{0, 0, width > 0 ? width : 0, height > 0 ? height : 0};
}

RECT clientScreenRect(const Window& window) {
    RECT client = clientRect(window);
    POINT origin{0, 0};
    if (window.kind == WindowKind::Dialog) {
        origin = clientOrigin(window);
    } else if (window.kind != WindowKind::Desktop) {
        RECT frame = screenRect(window);
        int border = controlBorder(window);
        origin = POINT{frame.left + border, frame.top + border};
    }
    return RECT{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
}

}  // namespace headless
