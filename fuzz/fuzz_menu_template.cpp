// Fuzzes the menu template decoder with the bytes of one MENU resource.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_checks.h"
#include "resources/dialog_template.h"

namespace {

// Every item takes at least its two flag bytes, so a menu cannot list more items than that.
size_t countItems(const std::vector<uires::MenuItem>& items) {
    size_t count = items.size();
    for (const uires::MenuItem& item : items) count += countItems(item.children);
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    uires::MenuTemplate menu;
    std::string error;
    bool accepted = uires::decodeMenuTemplate(data, size, menu, error);
    fuzzcheck::requireClearError(accepted, error);
    if (accepted) fuzzcheck::require(countItems(menu.items) * 2 <= size, "each menu item comes from its own bytes");
    return 0;
}
