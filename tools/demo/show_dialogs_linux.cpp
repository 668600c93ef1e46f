// On Linux a person sees the dialogs through the desktop library, as any Linux host shows them:
// each in a window of its own, modal, the main window (a dialog itself here) below. The watch
// looks on whenever the library asks the host to repaint.
#include <UIResource/UIResourceDesktop.h>

#include "harness/dialog_driver.h"
#include "tools/demo/screen_watch.h"

namespace demo {

namespace {

void repaint(void* watch) { static_cast<ScreenWatch*>(watch)->look(DialogDriver::activeDialog()); }

}  // namespace

bool startShowingDialogs(ScreenWatch& watch, std::string& error) {
    UIDesktopWindows windows{};
    windows.repaintHost = repaint;
    windows.context = &watch;
    if (UIDesktop::showInOwnWindows(&windows) == UIDESKTOP_DONE) return true;
    error = UIDesktop::lastError();
    return false;
}

void stopShowingDialogs() { UIDesktop::stopShowing(); }

}  // namespace demo
