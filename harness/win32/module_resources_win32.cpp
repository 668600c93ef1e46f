// Listing a module's resources on Windows: KERNEL32's enumeration of its resource directory.
#include "harness/dialog_driver.h"

namespace DialogDriver {

namespace {

uires::ResourceKey keyOf(LPCSTR nameOrId) {
    uires::ResourceKeyView view = uires::viewResourceKey(nameOrId);
    return view.isId ? uires::ResourceKey::ofId(view.id) : uires::ResourceKey::ofText(view.text);
}

struct Walk {
    std::vector<ModuleResource>* resources;
    uires::ResourceKey type;
    uires::ResourceKey name;
};

BOOL CALLBACK onLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR context) {
    auto* walk = reinterpret_cast<Walk*>(context);
    walk->resources->push_back(ModuleResource{walk->type, walk->name, language});
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

bool listResources(HINSTANCE module, std::vector<ModuleResource>& resources, std::string& error) {
    resources.clear();
    Walk walk{&resources, {}, {}};
    if (module == nullptr || !EnumResourceTypesA(module, onType, reinterpret_cast<LONG_PTR>(&walk))) {
        error = "the module's resource directory cannot be enumerated";
        return false;
    }
    return true;
}

}  // namespace DialogDriver
