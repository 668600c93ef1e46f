// On Windows USER32 shows the dialogs in real windows and takes the person's input itself: the
// watch looks on from the driver's front end, a thread timer inside each modal loop.
#include "harness/dialog_driver.h"
#include "tools/demo/screen_watch.h"

namespace demo {

namespace {

void watchWaiting(HWND dialog, DWORD, void* watch) { static_cast<ScreenWatch*>(watch)->look(dialog); }

}  // namespace

bool startShowingDialogs(ScreenWatch& watch, std::string&) {
    DialogDriver::FrontEnd frontEnd{watchWaiting, nullptr, &watch};
    DialogDriver::attachFrontEnd(&frontEnd);
    return true;
}

void stopShowingDialogs() { DialogDriver::attachFrontEnd(nullptr); }

}  // namespace demo
