// Constructors as a host built with MSVC calls them. MSVC's constructors hand `this` back, and such
// a host may use it (clang tail-calls a constructor and returns its result); MinGW's return
// nothing. The DLL exports these under the MSVC names of the constructors (cmake/msvc_exports.py
// names each after its class).
#include <new>

#include <UIResource/UIResource.h>

// MSVC passes `this` in ECX on x86; on x64 both compilers pass it as the first argument.
#if defined(__i386__)
#define UIRESOURCE_THISCALL __attribute__((thiscall))
#else
#define UIRESOURCE_THISCALL
#endif

extern "C" CUIResource* UIRESOURCE_THISCALL uiresourceMsvcConstructCUIResource(CUIResource* self) {
    return new (self) CUIResource();
}
