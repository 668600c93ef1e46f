// Placing a dialog on the screen while it opens: at a given corner, or centred on the desktop.
#include "dialogs/window_placement.h"

#include "platform/dialog_host.h"

void moveTopLeftTo(HWND dialog, int x, int y) {
    RECT frame{};
    DialogHost::getWindowRect(dialog, &frame);
    DialogHost::moveWindow(dialog, x, y, frame.right - frame.left, frame.bottom - frame.top, FALSE);
}

void centreOnDesktop(HWND dialog) {
    RECT frame{};
    RECT desktop{};
    DialogHost::getWindowRect(dialog, &frame);
    DialogHost::getWindowRect(DialogHost::getDesktopWindow(), &desktop);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    int x = (desktop.left + desktop.right) / 2 - width / 2;
    int y = (desktop.top + desktop.bottom) / 2 - height / 2;
    DialogHost::moveWindow(dialog, x, y, width, height, FALSE);
}
