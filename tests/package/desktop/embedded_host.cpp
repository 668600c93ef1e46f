// A Linux host that draws the dialogs in its own viewport (the embedded way, at scale 2, with no
// display at all): it feeds keys and clicks through its presenter, as an engine hands over the
// input it reads, and keeps the last frame it was given. Name Entry opens with "Static" as the old
// name; the host moves to the field, types a name and takes it back, clicks beside the dialog so
// that nothing has the focus, then clicks OK: the last frame then shows the dialog as its template
// does, which the test compares with the renderer's picture of template 101. Writes that frame's
// dialog as a PPM picture.
// usage: embedded_host OUT.ppm
#include <UIResource/UIResource.h>
#include <UIResource/UIResourceDesktop.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Viewport {
    std::vector<uint8_t> pixels;  // the frame as the host keeps it, updated where it changed
    int width = 0, height = 0, frames = 0, changedParts = 0;
    UIDesktopRect dialog{0, 0, 0, 0};
};

void press(int key) {
    UIDesktop::keyDown(key);
    UIDesktop::keyUp(key);
}

void clickAt(int x, int y) {
    UIDesktop::moveMouse(x, y);
    UIDesktop::mouseButton(UIDESKTOP_BUTTON_LEFT, true);
    UIDesktop::mouseButton(UIDESKTOP_BUTTON_LEFT, false);
}

// Copies what changed, as a host uploads only those parts of its texture.
void keep(Viewport& view, const UIDesktopFrame& frame) {
    if (view.width != frame.width || view.height != frame.height) {
        view.width = frame.width;
        view.height = frame.height;
        view.pixels.assign(static_cast<size_t>(frame.width) * frame.height * 4, 0);
    }
    for (int32_t i = 0; i < frame.changedCount; ++i) {
        const UIDesktopRect& part = frame.changed[i];
        for (int32_t y = part.top; y < part.bottom; ++y) {
            size_t from = (static_cast<size_t>(y) * frame.width + part.left) * 4;
            size_t bytes = static_cast<size_t>(part.right - part.left) * 4;
            std::copy(frame.pixels + from, frame.pixels + from + bytes, view.pixels.begin() + from);
        }
    }
    view.changedParts += frame.changedCount;
}

void findDialog(Viewport& view) {
    UIDesktopRect box{view.width, view.height, 0, 0};
    for (int y = 0; y < view.height; ++y) {
        for (int x = 0; x < view.width; ++x) {
            if (view.pixels[(static_cast<size_t>(y) * view.width + x) * 4 + 3] == 0) continue;
            box = UIDesktopRect{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                                std::max(box.bottom, y + 1)};
        }
    }
    view.dialog = box;
}

void present(const UIDesktopFrame* frame, void* context) {
    Viewport& view = *static_cast<Viewport*>(context);
    keep(view, *frame);
    switch (++view.frames) {
        case 1: findDialog(view); break;
        case 2:  // the field, "Rock" typed over the old name and taken back
            UIDesktop::keyDown(UIDESKTOP_KEY_SHIFT);
            press(UIDESKTOP_KEY_TAB);
            UIDesktop::keyUp(UIDESKTOP_KEY_SHIFT);
            for (char character : {'R', 'o', 'c', 'k'}) UIDesktop::typeCharacter(character);
            for (int i = 0; i < 4; ++i) press(UIDESKTOP_KEY_BACK);
            break;
        case 3: clickAt(view.width - 2, view.height - 2); break;  // beside the dialog
        case 4:  // OK: 53, 69, 50 x 14 dialog units, its middle 120, 145 pixels from the window's corner
            clickAt(view.dialog.left + 120 * 2, view.dialog.top + 145 * 2);
            break;
        default:
            if (view.frames > 100) press(UIDESKTOP_KEY_ESCAPE);  // the click missed OK
    }
}

bool writeDialog(const Viewport& view, const char* path) {
    FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return false;
    int width = view.dialog.right - view.dialog.left, height = view.dialog.bottom - view.dialog.top;
    std::fprintf(file, "P6\n%d %d\n255\n", width, height);
    for (int y = view.dialog.top; y < view.dialog.bottom; ++y) {
        for (int x = view.dialog.left; x < view.dialog.right; ++x)
            std::fwrite(&view.pixels[(static_cast<size_t>(y) * view.width + x) * 4], 1, 3, file);
    }
    return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: embedded_host OUT.ppm\n");
        return 2;
    }
    Viewport view;
    UIDesktopEmbedded settings{present, &view, 2};
    if (UIDesktop::showEmbedded(&settings) != UIDESKTOP_DONE) {
        std::printf("not embedded: %s\n", UIDesktop::lastError());
        return 1;
    }
    char name[64] = "unchanged";
    long result = UI::rename(nullptr, "Static", name, sizeof name, -1, -1);
    findDialog(view);
    std::printf("result %ld, name \"%s\", %d frames, %s\n", result, name, view.frames,
                view.changedParts > 0 ? "changed parts given" : "NO CHANGED PARTS");
    return writeDialog(view, argv[1]) && result == 1 ? 0 : 1;
}
