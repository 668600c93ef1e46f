// The types, names and languages of the resources the module holds, as the platform enumerates
// them: the resource directory of the DLL on Windows, the module's compiled resources on Linux.
#pragma once

#include <string>
#include <vector>

#include "resources/res_file.h"

namespace uitools {

struct ModuleResourceId {
    uires::ResourceKey type;
    uires::ResourceKey name;
    uint16_t language = 0;
};

bool enumerateModuleResources(std::vector<ModuleResourceId>& ids, std::string& error);

}  // namespace uitools
