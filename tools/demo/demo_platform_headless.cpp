// The demo's dialog reading on Linux: the headless dialog manager's snapshots and closing hook.
#include "tools/demo/demo_platform.h"

#include "platform/headless/headless_support.h"

namespace demo {

namespace {

uitools::ControlView controlViewOf(const headless::ControlSnapshot& control) {
    uitools::ControlView view;
    view.id = control.id;
    view.className = control.className;
    view.style = control.style;
    view.kind = uitools::controlKindOf(control.className, control.style);
    view.rect = uitools::PixelRect{control.rect.left, control.rect.top, control.rect.right, control.rect.bottom};
    view.text = control.text;
    view.checked = control.checkState == BST_CHECKED;
    view.items = control.items;
    view.selection = control.selectedItem;
    view.topItem = control.topItem;
    return view;
}

}  // namespace

bool snapshotLiveDialog(HWND dialog, uitools::DialogView& view) {
    headless::DialogSnapshot snapshot;
    if (!headless::snapshotDialog(dialog, snapshot)) return false;
    view = uitools::DialogView();
    view.title = snapshot.title;
    view.style = snapshot.style;
    view.clientWidth = snapshot.clientRect.right - snapshot.clientRect.left;
    view.clientHeight = snapshot.clientRect.bottom - snapshot.clientRect.top;
    for (const headless::ControlSnapshot& control : snapshot.controls) view.controls.push_back(controlViewOf(control));
    return true;
}

void observeDialogClosing(ClosingObserver observer, void* context) { headless::observeDialogClosing(observer, context); }

bool canShowDialogs() { return false; }

}  // namespace demo
