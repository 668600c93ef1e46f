// The module's resource index on Linux. The Linux library offers no enumeration of its embedded
// resources (there is no EnumResourceTypes stand-in), so the tool carries the index of the same
// compiled .res the library embeds; the bytes themselves are always fetched from the library.
#include "tools/inspector/module_index.h"

extern "C" const unsigned char uiresource_tool_res_index_begin[];
extern "C" const unsigned char uiresource_tool_res_index_end[];

namespace uitools {

bool enumerateModuleResources(std::vector<ModuleResourceId>& ids, std::string& error) {
    std::vector<uires::ResourceEntry> entries;
    size_t size = static_cast<size_t>(uiresource_tool_res_index_end - uiresource_tool_res_index_begin);
    if (!uires::parseResFile(uiresource_tool_res_index_begin, size, entries, error)) return false;
    ids.clear();
    for (const uires::ResourceEntry& entry : entries) ids.push_back(ModuleResourceId{entry.type, entry.name, entry.language});
    return true;
}

}  // namespace uitools
