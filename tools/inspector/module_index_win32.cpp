// The module's resource index on Windows: KERNEL32's enumeration of the DLL's resource directory.
#include "tools/inspector/module_index.h"

#include <windows.h>

#include <UIResource/UIResource.h>

namespace uitools {

namespace {

uires::ResourceKey keyOf(LPCSTR nameOrId) {
    if (IS_INTRESOURCE(nameOrId)) return uires::ResourceKey::ofId(LOWORD(reinterpret_cast<ULONG_PTR>(nameOrId)));
    return uires::ResourceKey::ofText(nameOrId);
}

struct Walk {
    std::vector<ModuleResourceId>* ids;
    uires::ResourceKey type;
    uires::ResourceKey name;
};

BOOL CALLBACK onLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR context) {
    auto* walk = reinterpret_cast<Walk*>(context);
    walk->ids->push_back(ModuleResourceId{walk->type, walk->name, language});
    return TRUE;
}

BOOL CALLBACK onName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR context) {
    auto* walk = reinterpret_cast<Walk*>(context);
    walk->name = keyOf(name);
    EnumResourceLanguagesA(module, type, name, onLanguage, context);
    return TRUE;
}

BOOL CALLBACK onType(HMODULE module, LPSTR type, LONG_PTR context) {
    auto* walk = reinterpret_cast<Walk*>(context);
    walk->type = keyOf(type);
    EnumResourceNamesA(module, type, onName, context);
    return TRUE;
}

}  // namespace

bool enumerateModuleResources(std::vector<ModuleResourceId>& ids, std::string& error) {
    ids.clear();
    Walk walk{&ids, {}, {}};
    auto module = reinterpret_cast<HMODULE>(getUIResourceAppInstance());
    if (module == nullptr || !EnumResourceTypesA(module, onType, reinterpret_cast<LONG_PTR>(&walk))) {
        error = "the module's resource directory cannot be enumerated";
        return false;
    }
    return true;
}

}  // namespace uitools
