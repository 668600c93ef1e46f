// Registered resource modules and resource lookup across them and the library.
#include "platform/headless/module_registry.h"

#include <memory>
#include <vector>

#include "platform/resource_api.h"

namespace headless {

namespace {

struct RegisteredModule {
    std::vector<uint8_t> bytes;
    ParsedResources resources;
};

std::vector<std::unique_ptr<RegisteredModule>>& registeredModules() {
    static std::vector<std::unique_ptr<RegisteredModule>> modules;
    return modules;
}

}  // namespace

HINSTANCE registerModule(const void* resBytes, size_t size, std::string& error) {
    if (resBytes == nullptr || size == 0) {
        error = "no bytes to register";
        return nullptr;
    }
    auto module = std::make_unique<RegisteredModule>();
    const uint8_t* first = static_cast<const uint8_t*>(resBytes);
    module->bytes.assign(first, first + size);
    if (!uires::parseResFile(module->bytes.data(), size, module->resources.entries, error)) return nullptr;
    HINSTANCE handle = reinterpret_cast<HINSTANCE>(module.get());
    registeredModules().push_back(std::move(module));
    return handle;
}

const ParsedResources* moduleResources(HINSTANCE instance) {
    if (instance == nullptr) return nullptr;
    if (instance == headlessModuleHandle()) return &embeddedResources();
    for (const auto& module : registeredModules()) {
        if (reinterpret_cast<HINSTANCE>(module.get()) == instance) return &module->resources;
    }
    return nullptr;
}

bool findModuleResource(HINSTANCE instance, LPCSTR type, LPCSTR name, const uint8_t*& data, size_t& size) {
    const ParsedResources* resources = moduleResources(instance);
    if (resources == nullptr || type == nullptr || name == nullptr) return false;
    const uires::ResourceEntry* entry =
        uires::findResourceEntry(resources->entries, uires::viewResourceKey(type), uires::viewResourceKey(name));
    if (entry == nullptr) return false;
    data = entry->data;
    size = entry->size;
    return true;
}

}  // namespace headless
