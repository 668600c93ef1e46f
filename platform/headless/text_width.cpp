// The widths of control text, from the module font's advance table.
#include "platform/headless/text_width.h"

#include "platform/headless/module_registry.h"
#include "platform/resource_api.h"
#include "resources/resource_ids.h"

namespace headless {

namespace {

constexpr size_t kAdvanceCount = 256;

// The library's advance table, or null when it is missing (a damaged build).
const uint8_t* moduleAdvances() {
    static const uint8_t* advances = [] {
        const uint8_t* data = nullptr;
        size_t size = 0;
        bool found = findModuleResource(headlessModuleHandle(), "FONTSIZE", MAKEINTRESOURCEA(IDR_FONT_ADVANCES),
                                        data, size);
        return found && size == kAdvanceCount ? data : nullptr;
    }();
    return advances;
}

int characterWidth(const Window& control, unsigned char character) {
    const uint8_t* advances = moduleAdvances();
    return advances != nullptr ? advances[character] : averageCharacterWidth(control);
}

}  // namespace

int averageCharacterWidth(const Window& control) {
    const Window* dialog = findWindow(control.parent);
    return dialog != nullptr ? dialog->baseUnits.width : uires::BaseUnits().width;
}

int textWidth(const Window& control, const std::string& text) {
    int width = 0;
    for (char character : text) width += characterWidth(control, static_cast<unsigned char>(character));
    return width;
}

size_t boundaryNearest(const Window& control, const std::string& text, int x) {
    int left = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        int width = characterWidth(control, static_cast<unsigned char>(text[i]));
        if (x < left + width) return 2 * (x - left) >= width ? i + 1 : i;
        left += width;
    }
    return text.size();
}

}  // namespace headless
