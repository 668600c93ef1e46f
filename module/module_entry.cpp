// The module entry: remembers the instance handle, and the module's stateless exports.
#include "module/module_entry.h"

#include <UIResource/UIResource.h>

namespace {
HINSTANCE storedInstance = nullptr;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD /*reason*/, LPVOID /*reserved*/) {
    storedInstance = instance;
    return TRUE;
}

HINSTANCE moduleInstance() { return storedInstance; }

int nUIResource = 0;

int fnUIResource() { return 42; }

CUIResource::CUIResource() = default;

CUIResource& CUIResource::operator=(const CUIResource&) { return *this; }

UI& UI::operator=(const UI&) { return *this; }
