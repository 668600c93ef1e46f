// A Linux build without SDL2: the headless dialog manager has no window to show a dialog in.
#include "tools/desktop/desktop.h"
#include "tools/desktop/screen.h"

namespace desktop {

namespace {

const char kWhyNot[] = "this build has no SDL2 to show the headless dialog manager's windows";

}  // namespace

struct Screen::Parts {};

Screen::Screen(std::unique_ptr<Parts> parts) : parts_(std::move(parts)) {}
Screen::~Screen() = default;

std::unique_ptr<Screen> Screen::open(int, int, std::string& error) {
    error = kWhyNot;
    return nullptr;
}

bool Screen::showsFrames() const { return false; }
void Screen::show(const uitools::Image&) {}
void Screen::waitForPerson(HWND, DWORD) {}

bool canShowDialogs(std::string& whyNot) {
    whyNot = kWhyNot;
    return false;
}

}  // namespace desktop
