// The import/export macro of the library's interface; a host may define UIRESOURCE_API itself.
#pragma once

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
