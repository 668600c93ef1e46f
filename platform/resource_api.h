// The resource functions the module uses to reach its own resources: KERNEL32's on Windows,
// stand-ins over the embedded compiled resources on Linux that behave as KERNEL32's do.
#pragma once

#include "platform/win32_types.h"

#ifndef _WIN32
// A null module means this module. Names and types are integer ids (MAKEINTRESOURCE) or strings,
// compared case-insensitively, where "#107" means the id 107. Not found: null.
HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type);
DWORD SizeofResource(HMODULE module, HRSRC resource);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
LPVOID LockResource(HGLOBAL loaded);

// The handle the Linux build gives its module (what DllMain receives at load).
HINSTANCE headlessModuleHandle();
#endif
