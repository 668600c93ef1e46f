// SDL's clipboard (the SDL2 the own-windows way loaded) behind the headless manager's.
#include "tools/desktop/sdl_clipboard.h"

#include <string>

#include "harness/dialog_driver.h"
#include "tools/desktop/sdl_library.h"
#include "tools/render/code_page_1252.h"

namespace desktop {

namespace {

bool readSystemClipboard(std::string& text, void*) {
    if (!sdl().SDL_HasClipboardText()) return false;
    char* utf8 = sdl().SDL_GetClipboardText();
    if (utf8 == nullptr) return false;
    text = uitools::utf8ToCodePage1252Replacing(utf8);
    sdl().SDL_free(utf8);
    return true;
}

void writeSystemClipboard(const std::string& text, void*) {
    sdl().SDL_SetClipboardText(uitools::codePage1252ToUtf8(text).c_str());
}

}  // namespace

void connectSystemClipboard() {
    DialogDriver::ClipboardStore store;
    store.read = readSystemClipboard;
    store.write = writeSystemClipboard;
    DialogDriver::connectClipboard(store);
}

void disconnectSystemClipboard() { DialogDriver::connectClipboard(DialogDriver::ClipboardStore()); }

}  // namespace desktop
