// The Linux library's loader: the compiled resources embedded in it, FindResourceA,
// SizeofResource, LoadResource and LockResource over them with KERNEL32's rules for integer and
// string names, and the call of the module's entry point as the library loads.
#include "platform/headless/embedded_resources.h"
#include "platform/module_entry_point.h"
#include "platform/resource_api.h"

#include <string>

extern "C" const unsigned char uiresource_embedded_res_begin[];
extern "C" const unsigned char uiresource_embedded_res_end[];

namespace headless {

const ParsedResources& embeddedResources() {
    static const ParsedResources parsed = [] {
        ParsedResources resources;
        size_t size = static_cast<size_t>(uiresource_embedded_res_end - uiresource_embedded_res_begin);
        if (!uires::parseResFile(uiresource_embedded_res_begin, size, resources.entries, resources.error))
            resources.entries.clear();
        return resources;
    }();
    return parsed;
}

}  // namespace headless

namespace {

// The module handle is the address of the embedded resources: unique and never null.
HINSTANCE thisModule() {
    return reinterpret_cast<HINSTANCE>(const_cast<unsigned char*>(uiresource_embedded_res_begin));
}

__attribute__((constructor)) void enterModuleAtLoad() { DllMain(thisModule(), DLL_PROCESS_ATTACH, nullptr); }

}  // namespace

HINSTANCE headlessModuleHandle() { return thisModule(); }

HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type) {
    if (module != nullptr && module != thisModule()) return nullptr;
    if (name == nullptr || type == nullptr) return nullptr;
    const headless::ParsedResources& embedded = headless::embeddedResources();
    const uires::ResourceEntry* entry =
        uires::findResourceEntry(embedded.entries, uires::viewResourceKey(type), uires::viewResourceKey(name));
    return reinterpret_cast<HRSRC>(const_cast<uires::ResourceEntry*>(entry));
}

DWORD SizeofResource(HMODULE, HRSRC resource) {
    return resource ? reinterpret_cast<const uires::ResourceEntry*>(resource)->size : 0;
}

HGLOBAL LoadResource(HMODULE, HRSRC resource) {
    if (resource == nullptr) return nullptr;
    return const_cast<uint8_t*>(reinterpret_cast<const uires::ResourceEntry*>(resource)->data);
}

LPVOID LockResource(HGLOBAL loaded) { return loaded; }
