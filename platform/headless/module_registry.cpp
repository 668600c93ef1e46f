// Registered resource modules and resource lookup across them.
#include "platform/headless/module_registry.h"

#include <memory>
#include <string>
#include <vector>

#include "platform/resource_api.h"
#include "resources/res_file.h"

namespace headless {

namespace {

struct RegisteredModule {
    std::vector<uint8_t> bytes;
    std::vector<uires::ResourceEntry> entries;
};

std::vector<std::unique_ptr<RegisteredModule>>& registeredModules() {
    static std::vector<std::unique_ptr<RegisteredModule>> modules;
    return modules;
}

const RegisteredModule* findRegistered(HINSTANCE instance) {
    for (const auto& module : registeredModules()) {
        if (reinterpret_cast<HINSTANCE>(module.get()) == instance) return module.get();
    }
    return nullptr;
}

uires::ResourceKey keyOf(LPCSTR nameOrId) {
    if (IS_INTRESOURCE(nameOrId)) return uires::ResourceKey::ofId(LOWORD(nameOrId));
    return uires::parseResourceKey(nameOrId, false);
}

}  // namespace

HINSTANCE registerModule(const void* resBytes, size_t size) {
    if (resBytes == nullptr || size == 0) return nullptr;
    auto module = std::make_unique<RegisteredModule>();
    const uint8_t* first = static_cast<const uint8_t*>(resBytes);
    module->bytes.assign(first, first + size);
    std::string error;
    if (!uires::parseResFile(module->bytes.data(), size, module->entries, error)) return nullptr;
    HINSTANCE handle = reinterpret_cast<HINSTANCE>(module.get());
    registeredModules().push_back(std::move(module));
    return handle;
}

bool findModuleResource(HINSTANCE instance, LPCSTR type, LPCSTR name, const uint8_t*& data, size_t& size) {
    if (instance == nullptr || type == nullptr || name == nullptr) return false;
    if (instance == headlessModuleHandle()) {
        HRSRC found = FindResourceA(instance, name, type);
        if (found == nullptr) return false;
        data = static_cast<const uint8_t*>(LockResource(LoadResource(instance, found)));
        size = SizeofResource(instance, found);
        return data != nullptr;
    }
    const RegisteredModule* module = findRegistered(instance);
    if (module == nullptr) return false;
    const uires::ResourceEntry* entry = uires::findResourceEntry(module->entries, keyOf(type), keyOf(name));
    if (entry == nullptr) return false;
    data = entry->data;
    size = entry->size;
    return true;
}

}  // namespace headless
