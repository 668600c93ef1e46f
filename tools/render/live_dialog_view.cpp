// Builds the picture model of a running dialog from what the driver reads of it, the same way on
// both dialog managers.
#include "platform/dialog_driver.h"
#include "tools/render/dialog_view.h"

namespace uitools {

namespace {

ControlView viewOfControl(HWND control, HWND dialog) {
    ControlView view;
    view.id = static_cast<int>(static_cast<short>(DialogDriver::controlId(control)));
    view.className = DialogDriver::className(control);
    view.style = DialogDriver::style(control);
    view.kind = controlKindOf(view.className, view.style);
    RECT rect = DialogDriver::rectInDialog(control, dialog);
    view.rect = PixelRect{rect.left, rect.top, rect.right, rect.bottom};
    view.text = DialogDriver::text(control);
    if (view.kind == ControlKind::CheckBox || view.kind == ControlKind::RadioButton)
        view.checked = DialogDriver::isChecked(control);
    if (view.kind == ControlKind::ListBox || view.kind == ControlKind::ComboBox) {
        view.items = DialogDriver::items(control);
        view.selection = DialogDriver::selectedItem(control);
    }
    if (view.kind == ControlKind::ListBox)
        view.topItem = static_cast<int>(DialogHost::sendMessage(control, LB_GETTOPINDEX, 0, 0));
    return view;
}

}  // namespace

bool viewOfLiveDialog(HWND dialog, DialogView& view) {
    if (!DialogDriver::isWindow(dialog)) return false;
    view = DialogView();
    view.title = DialogDriver::text(dialog);
    view.style = DialogDriver::style(dialog);
    RECT client = DialogDriver::clientRect(dialog);
    view.clientWidth = client.right - client.left;
    view.clientHeight = client.bottom - client.top;
    for (HWND control : DialogDriver::controls(dialog)) view.controls.push_back(viewOfControl(control, dialog));
    return true;
}

}  // namespace uitools
