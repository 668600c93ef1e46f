// Fuzzes what the inspector does with a .res file named on its command line: read the entries,
// describe each one (list) and write it out readably (show), dialogs, menus and data alike.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/fuzz_checks.h"
#include "resources/res_file.h"
#include "tools/inspector/resource_description.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uires::ResourceEntry> entries;
    std::string error;
    if (!uires::parseResFile(data, size, entries, error)) return 0;
    for (const uires::ResourceEntry& parsed : entries) {
        uitools::CatalogueEntry entry{parsed.type, parsed.name, parsed.language, parsed.data, parsed.size};
        std::ostringstream out;
        out << uitools::describeEntry(entry) << '\n';
        error.clear();
        bool shown = uitools::showEntry(entry, out, error);
        fuzzcheck::requireClearError(shown, error);
    }
    return 0;
}
