// Raw access to the module's resources for the host.
#include <UIResource/UIResource.h>
#include "module/module_entry.h"
#include "platform/resource_api.h"

HINSTANCE getUIResourceAppInstance() { return moduleInstance(); }

char* getResourceStringFromInt(unsigned short id) { return MAKEINTRESOURCEA(id); }

long getResourceData(const char* name, const char* type, char** data) {
    if (data == nullptr) return 0;
    *data = nullptr;
    if (name == nullptr || type == nullptr) return 0;
    HRSRC found = FindResourceA(moduleInstance(), name, type);
    if (found == nullptr) return 0;
    DWORD size = SizeofResource(moduleInstance(), found);
    HGLOBAL loaded = LoadResource(moduleInstance(), found);
    void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) return 0;
    *data = static_cast<char*>(bytes);
    return static_cast<long>(size);
}
