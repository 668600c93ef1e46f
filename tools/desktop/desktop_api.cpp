// UIDesktop, the desktop library's public calls: the way the host chose, attached as the driver's
// front end, with every setting checked before anything changes, and the embedded way's input.
#include <UIResource/UIResourceDesktop.h>

#include <memory>
#include <string>

#include "harness/dialog_driver.h"
#include "tools/desktop/embedded_way.h"
#include "tools/desktop/own_windows.h"

namespace {

using desktop::EmbeddedWay;
using desktop::OwnWindowsWay;

struct Chosen {
    std::unique_ptr<OwnWindowsWay> windows;
    std::unique_ptr<EmbeddedWay> embedded;
    std::string error;
};

Chosen& chosen() {
    static Chosen way;
    return way;
}

template <typename Way>
void waitIn(HWND dialog, DWORD timeoutMs, void* way) { static_cast<Way*>(way)->wait(dialog, timeoutMs); }

template <typename Way>
void goneFrom(HWND, void* way) { static_cast<Way*>(way)->gone(); }

template <typename Way>
void attach(Way* way) {
    DialogDriver::FrontEnd frontEnd{waitIn<Way>, goneFrom<Way>, way};
    DialogDriver::attachFrontEnd(&frontEnd);
}

void detach() { DialogDriver::attachFrontEnd(nullptr); }

// `way` shows the dialogs from now on, in `slot` of the chosen ways; the way before it, of either
// kind, is let go first, so that nothing it held (the system clipboard) outlives the change.
template <typename Way>
Way& takeWay(std::unique_ptr<Way> way, std::unique_ptr<Way>& slot) {
    detach();
    chosen().windows.reset();
    chosen().embedded.reset();
    slot = std::move(way);
    attach(slot.get());
    return *slot;
}

bool isShowingDialogs() {
    const Chosen& way = chosen();
    return (way.windows != nullptr && way.windows->isShowingDialogs()) ||
           (way.embedded != nullptr && way.embedded->isShowingDialogs());
}

// Answers `result`, keeping why for lastError ("" when nothing failed).
int answer(int result, const std::string& why) {
    chosen().error = why;
    return result;
}

const char kDialogRunning[] = "a dialog is running: the way it is shown changes only once it has ended";

EmbeddedWay* embeddedTakingInput() {
    EmbeddedWay* way = chosen().embedded.get();
    return way != nullptr && way->isShowingDialogs() ? way : nullptr;
}

// Input for the dialogs, counted so that the presenter's caller knows some came.
template <typename Give>
bool give(Give input) {
    EmbeddedWay* way = embeddedTakingInput();
    if (way == nullptr) return false;
    input(*way);
    way->inputTaken();
    return true;
}

}  // namespace

int UIDesktop::showInOwnWindows(const UIDesktopWindows* settings) {
    UIDesktopWindows wanted = settings != nullptr ? *settings : UIDesktopWindows{};
    if (isShowingDialogs()) return answer(UIDESKTOP_DIALOG_RUNNING, kDialogRunning);
    if (wanted.scale < 0 || wanted.scale > 2)
        return answer(UIDESKTOP_BAD_SETTINGS, "the scale is 1, 2 or 0 (from the display)");
    if (wanted.hostSdlWindow != nullptr && wanted.hostX11Window != 0)
        return answer(UIDESKTOP_BAD_SETTINGS, "name the host's SDL window or its X11 window, not both");
    auto way = std::make_unique<OwnWindowsWay>(wanted);
    std::string error;
    int result = way->start(error);
    if (result != UIDESKTOP_DONE) return answer(result, error);
    takeWay(std::move(way), chosen().windows).useSystemClipboard();
    return answer(UIDESKTOP_DONE, "");
}

int UIDesktop::showEmbedded(const UIDesktopEmbedded* settings) {
    if (isShowingDialogs()) return answer(UIDESKTOP_DIALOG_RUNNING, kDialogRunning);
    if (settings == nullptr || settings->present == nullptr)
        return answer(UIDESKTOP_BAD_SETTINGS, "the embedded way needs a presenter");
    if (settings->scale != 1 && settings->scale != 2) return answer(UIDESKTOP_BAD_SETTINGS, "the scale is 1 or 2");
    auto way = std::make_unique<EmbeddedWay>(*settings);
    std::string error;
    if (!way->start(error)) return answer(UIDESKTOP_CANNOT_DRAW, error);
    takeWay(std::move(way), chosen().embedded);
    return answer(UIDESKTOP_DONE, "");
}

int UIDesktop::stopShowing() {
    if (isShowingDialogs()) return answer(UIDESKTOP_DIALOG_RUNNING, kDialogRunning);
    Chosen& current = chosen();
    if (current.windows != nullptr || current.embedded != nullptr) detach();
    current.windows.reset();
    current.embedded.reset();
    return answer(UIDESKTOP_DONE, "");
}

int UIDesktop::scale() {
    const Chosen& way = chosen();
    if (way.windows != nullptr) return way.windows->scale();
    return way.embedded != nullptr ? way.embedded->scale() : 0;
}

const char* UIDesktop::lastError() { return chosen().error.c_str(); }

bool UIDesktop::keyDown(int virtualKey) {
    return virtualKey >= 1 && virtualKey <= 254 && give([&](EmbeddedWay&) { DialogDriver::keyDown(virtualKey); });
}

bool UIDesktop::keyUp(int virtualKey) {
    return virtualKey >= 1 && virtualKey <= 254 && give([&](EmbeddedWay&) { DialogDriver::keyUp(virtualKey); });
}

bool UIDesktop::typeCharacter(char character) {
    return character != '\0' && give([&](EmbeddedWay&) { DialogDriver::typeCharacter(character); });
}

bool UIDesktop::moveMouse(int x, int y) {
    return give([&](EmbeddedWay& way) { DialogDriver::moveMouse(way.toScreen(x, y)); });
}

bool UIDesktop::mouseButton(int button, bool down) {
    if (button < UIDESKTOP_BUTTON_LEFT || button > UIDESKTOP_BUTTON_MIDDLE) return false;
    auto which = button == UIDESKTOP_BUTTON_LEFT    ? DialogDriver::MouseButton::Left
                 : button == UIDESKTOP_BUTTON_RIGHT ? DialogDriver::MouseButton::Right
                                                    : DialogDriver::MouseButton::Middle;
    return give([&](EmbeddedWay&) { DialogDriver::mouseButton(down, which); });
}

bool UIDesktop::turnWheel(int notches) {
    return notches != 0 && give([&](EmbeddedWay&) { DialogDriver::turnWheel(notches); });
}
