// Builds the picture model of a running dialog from what the driver reads of it, the same way on
// both dialog managers: only through its messages, as any program outside the dialog manager can.
#include <algorithm>

#include "harness/dialog_driver.h"
#include "tools/render/dialog_painter.h"
#include "tools/render/dialog_view.h"

namespace uitools {

namespace {

// CB_GETDROPPEDCONTROLRECT: the screen rectangle of a combo box's open list.
constexpr UINT kGetDroppedControlRect = 0x0152;
// With no rectangle from the dialog manager, an open list shows up to this many rows.
constexpr int kDroppedRowsShown = 8;

PixelRect pixelRect(const RECT& rect) { return PixelRect{rect.left, rect.top, rect.right, rect.bottom}; }

// The open list under the combo box's field, in the dialog's client coordinates.
PixelRect droppedListRect(HWND combo, HWND dialog, const ControlView& view) {
    RECT screen{0, 0, 0, 0};
    DialogHost::sendMessage(combo, kGetDroppedControlRect, 0, reinterpret_cast<LPARAM>(&screen));
    RECT client = DialogDriver::clientRect(dialog);
    if (screen.bottom > screen.top && screen.right > screen.left) {
        return PixelRect{screen.left - client.left, screen.top - client.top, screen.right - client.left,
                         screen.bottom - client.top};
    }
    int rows = std::clamp(static_cast<int>(view.items.size()), 1, kDroppedRowsShown);
    int top = view.rect.top + std::min(view.rect.height(), kComboClosedHeight);
    return PixelRect{view.rect.left, top, view.rect.right, top + rows * kTextLineHeight + 2};
}

// What a person sees of the control's state beyond its text, items and check mark.
void readLiveState(HWND control, HWND dialog, ControlView& view) {
    view.focused = DialogDriver::focus() != nullptr && DialogDriver::controlHolding(DialogDriver::focus(), dialog) == control;
    if (view.kind == ControlKind::PushButton || view.kind == ControlKind::DefaultPushButton)
        view.pushed = (DialogHost::sendMessage(control, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    if (view.kind == ControlKind::Edit || view.kind == ControlKind::ComboBox) {
        DWORD start = 0, end = 0;
        UINT getSelection = view.kind == ControlKind::Edit ? EM_GETSEL : CB_GETEDITSEL;
        DialogHost::sendMessage(control, getSelection, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        view.selectionStart = static_cast<int>(start);
        view.selectionEnd = static_cast<int>(end);
        view.firstShown = DialogDriver::firstShownCharacter(control);
    }
    // A list that selects one item keeps its caret on the selection.
    bool singleSelection = (view.style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) == 0;
    if (view.kind == ControlKind::ListBox) {
        view.caretItem = singleSelection && view.selection >= 0
                             ? view.selection
                             : static_cast<int>(DialogHost::sendMessage(control, LB_GETCARETINDEX, 0, 0));
    }
    if (view.kind == ControlKind::ComboBox) {
        view.dropped = DialogHost::sendMessage(control, CB_GETDROPPEDSTATE, 0, 0) != 0;
        if (view.dropped) view.droppedList = droppedListRect(control, dialog, view);
    }
}

ControlView viewOfControl(HWND control, HWND dialog) {
    ControlView view;
    view.id = static_cast<int>(static_cast<short>(DialogDriver::controlId(control)));
    view.className = DialogDriver::className(control);
    view.style = DialogDriver::style(control);
    view.kind = controlKindOf(view.className, view.style);
    view.rect = pixelRect(DialogDriver::rectInDialog(control, dialog));
    view.text = DialogDriver::text(control);
    if (view.kind == ControlKind::CheckBox || view.kind == ControlKind::RadioButton)
        view.checked = DialogDriver::isChecked(control);
    if (view.kind == ControlKind::ListBox || view.kind == ControlKind::ComboBox) {
        view.items = DialogDriver::items(control);
        view.selection = DialogDriver::selectedItem(control);
    }
    if (view.kind == ControlKind::ListBox)
        view.topItem = static_cast<int>(DialogHost::sendMessage(control, LB_GETTOPINDEX, 0, 0));
    readLiveState(control, dialog, view);
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
