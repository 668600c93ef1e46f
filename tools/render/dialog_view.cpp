// Builds the picture model of a dialog from its template.
#include "tools/render/dialog_view.h"

#include "platform/win32_types.h"
#include "resources/dialog_units.h"

namespace uitools {

ControlKind controlKindOf(const std::string& className, uint32_t style) {
    if (className == "EDIT") return ControlKind::Edit;
    if (className == "STATIC") return ControlKind::Static;
    if (className == "LISTBOX") return ControlKind::ListBox;
    if (className == "COMBOBOX") return ControlKind::ComboBox;
    if (className != "BUTTON") return ControlKind::Other;
    switch (style & BS_TYPEMASK) {
        case BS_PUSHBUTTON: return ControlKind::PushButton;
        case BS_DEFPUSHBUTTON: return ControlKind::DefaultPushButton;
        case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_3STATE: case BS_AUTO3STATE: return ControlKind::CheckBox;
        case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON: return ControlKind::RadioButton;
        case BS_GROUPBOX: return ControlKind::GroupBox;
        default: return ControlKind::PushButton;
    }
}

static PixelRect pixelRectOf(const uires::DialogControl& control, const uires::BaseUnits& base) {
    int left = uires::dialogUnitsToPixelsX(control.x, base);
    int top = uires::dialogUnitsToPixelsY(control.y, base);
    return PixelRect{left, top, left + uires::dialogUnitsToPixelsX(control.width, base),
                     top + uires::dialogUnitsToPixelsY(control.height, base)};
}

DialogView viewFromTemplate(const uires::DialogTemplate& dialog) {
    uires::BaseUnits base = uires::baseUnitsForPointSize(dialog.hasFont ? dialog.pointSize : 8);
    DialogView view;
    view.title = dialog.title;
    view.style = dialog.style;
    view.clientWidth = uires::dialogUnitsToPixelsX(dialog.width, base);
    view.clientHeight = uires::dialogUnitsToPixelsY(dialog.height, base);
    for (const uires::DialogControl& control : dialog.controls) {
        ControlView item;
        item.id = control.id;
        item.className = control.className();
        item.style = control.style;
        item.kind = controlKindOf(item.className, control.style);
        item.rect = pixelRectOf(control, base);
        item.text = control.caption.kind == uires::NameOrOrdinal::Text ? control.caption.text : std::string();
        view.controls.push_back(item);
    }
    return view;
}

}  // namespace uitools
