// The entry point the loader calls as the module loads and unloads; the module defines it. On
// Windows the system's loader calls the DLL's entry; on Linux the library's own loader
// (headless/module_loader.cpp) calls it once as the library loads, with the library's handle.
#pragma once

#include "platform/win32_types.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);
