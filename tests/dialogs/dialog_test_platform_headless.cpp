// The dialog tests' platform calls on Linux: the headless dialog manager's own operations and its
// record of shell requests (it opens nothing).
#include "tests/dialogs/dialog_test_platform.h"

#include "platform/dialog_host.h"
#include "platform/headless/headless_support.h"

namespace testplatform {

RECT desktopRect() {
    RECT rect{};
    DialogHost::getWindowRect(DialogHost::getDesktopWindow(), &rect);
    return rect;
}

ShellRecorder::ShellRecorder() { headless::clearShellRequests(); }

ShellRecorder::~ShellRecorder() { headless::clearShellRequests(); }

// DialogHost::shellOpen takes no window, verb, parameters or directory: the default verb is all
// the module can ask for here.
std::vector<ShellRequest> ShellRecorder::requests() const {
    std::vector<ShellRequest> requests;
    for (const headless::ShellRequest& made : headless::shellRequests())
        requests.push_back(ShellRequest{made.file, made.showCommand, true});
    return requests;
}

HWND item(HWND dialog, int id) { return DialogHost::getDlgItem(dialog, id); }

HWND focusedWindow() { return headless::getFocus(); }

LRESULT sendItemMessage(HWND dialog, int id, UINT message, WPARAM wordParam, LPARAM longParam) {
    return DialogHost::sendMessage(DialogHost::getDlgItem(dialog, id), message, wordParam, longParam);
}

void setItemText(HWND dialog, int id, const char* text) { DialogHost::setDlgItemText(dialog, id, text); }

std::string itemText(HWND dialog, int id) {
    char text[512] = "";
    DialogHost::getDlgItemText(dialog, id, text, sizeof text);
    return text;
}

void endDialog(HWND dialog, INT_PTR result) { DialogHost::endDialog(dialog, result); }

}  // namespace testplatform
