// Fuzzes the .res reader, then the lookups and the template decoders on every entry it returns,
// as the headless resource functions and the inspector use them.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_checks.h"
#include "resources/dialog_template.h"
#include "resources/res_file.h"

namespace {

void requireInside(const uires::ResourceEntry& entry, const uint8_t* data, size_t size) {
    bool inside = entry.data >= data && entry.size <= size && entry.data <= data + (size - entry.size);
    fuzzcheck::require(inside, "every entry's data lies inside the file");
}

void decodeEntry(const uires::ResourceEntry& entry) {
    if (!entry.type.isId) return;
    std::string error;
    if (entry.type.id == uires::kDialogType) {
        uires::DialogTemplate dialog;
        fuzzcheck::requireClearError(uires::decodeDialogTemplate(entry.data, entry.size, dialog, error), error);
    } else if (entry.type.id == uires::kMenuType) {
        uires::MenuTemplate menu;
        fuzzcheck::requireClearError(uires::decodeMenuTemplate(entry.data, entry.size, menu, error), error);
    }
}

void lookUpAsTheModuleDoes(const std::vector<uires::ResourceEntry>& entries) {
    uires::findResourceEntry(entries, uires::parseResourceKey("FONTDATA", false), uires::ResourceKey::ofId(107));
    uires::findResourceEntry(entries, uires::ResourceKey::ofId(uires::kDialogType),
                             uires::parseResourceKey("#109", false));
    for (const uires::ResourceEntry& entry : entries) {
        uires::resourceTypeName(entry.type);
        uires::keyMatchesText(entry.name, entry.name.describe().c_str());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uires::ResourceEntry> entries;
    std::string error;
    bool accepted = uires::parseResFile(data, size, entries, error);
    fuzzcheck::requireClearError(accepted, error);
    if (!accepted) return 0;
    for (const uires::ResourceEntry& entry : entries) {
        requireInside(entry, data, size);
        decodeEntry(entry);
    }
    lookUpAsTheModuleDoes(entries);
    return 0;
}
