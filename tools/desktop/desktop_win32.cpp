// On Windows the dialog manager shows every dialog in a real window of its own and takes the
// person's input itself: the screen is USER32's, and the desktop only watches.
#include "tools/desktop/desktop.h"
#include "tools/desktop/screen.h"

namespace desktop {

struct Screen::Parts {};

Screen::Screen(std::unique_ptr<Parts> parts) : parts_(std::move(parts)) {}
Screen::~Screen() = default;

std::unique_ptr<Screen> Screen::open(int, int, std::string&) {
    return std::unique_ptr<Screen>(new Screen(std::make_unique<Parts>()));
}

bool Screen::showsFrames() const { return false; }
void Screen::show(const uitools::Image&) {}
void Screen::waitForPerson(HWND, DWORD) {}

bool canShowDialogs(std::string& whyNot) {
    whyNot.clear();
    return true;
}

}  // namespace desktop
