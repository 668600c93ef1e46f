// What the interface needs of the platform: the import/export macro, the dialog-procedure calling
// convention and the handle and procedure types. On Windows they are <windows.h>'s own; on Linux
// only the few types the interface names are declared, so that a host's own RECT, BOOL or TRUE
// (X11 has a BOOL of its own) never meets one of ours.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include <stdint.h>
#endif

// A host may define UIRESOURCE_API itself, for instance to build the library's sources into its
// own executable.
#ifndef UIRESOURCE_API
#if defined(_WIN32)
#if defined(UIRESOURCE_BUILD)
#define UIRESOURCE_API __declspec(dllexport)
#else
#define UIRESOURCE_API __declspec(dllimport)
#endif
#else
#define UIRESOURCE_API __attribute__((visibility("default")))
#endif
#endif

#ifdef _WIN32
#define UIRESOURCE_CALLBACK CALLBACK  // __stdcall on x86, the only convention on x64
#else
#define UIRESOURCE_CALLBACK

struct HWND__;
typedef HWND__* HWND;  // a dialog, control or owner window of the headless dialog manager
struct HINSTANCE__;
typedef HINSTANCE__* HINSTANCE;  // a module: the library's own, or a registered resource file
typedef unsigned int UINT;
typedef intptr_t INT_PTR;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef INT_PTR (*DLGPROC)(HWND, UINT, WPARAM, LPARAM);
#endif
