// The dialog tests' platform calls that are the same on both dialog managers: the DialogHost
// operations, which the Linux library exports and the scripted user's library carries on Windows.
#include "tests/dialogs/dialog_test_platform.h"

#include "platform/dialog_host.h"

namespace testplatform {

RECT desktopRect() {
    RECT rect{};
    DialogHost::getWindowRect(DialogHost::getDesktopWindow(), &rect);
    return rect;
}

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
