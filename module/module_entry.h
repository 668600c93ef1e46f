// The module entry and the instance handle it stores.
#pragma once

#include "platform/win32_types.h"

// Stores `instance` as the module instance on every call, whatever the reason; returns TRUE.
// On Windows this is the DLL's entry point; the Linux build calls it when the library loads.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

HINSTANCE moduleInstance();
