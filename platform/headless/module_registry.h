// The modules whose resources the headless dialog manager can reach: the library itself and
// compiled resource images that programs and tests register as modules of their own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/headless/embedded_resources.h"
#include "platform/win32_types.h"

namespace headless {

// Copies and parses a .res image; its handle stays valid for the life of the process. Null, with
// `error` saying why, when the bytes are not a resource file.
HINSTANCE registerModule(const void* resBytes, size_t size, std::string& error);

// The parsed resources of the library's handle or a registered one; null for any other handle.
const ParsedResources* moduleResources(HINSTANCE instance);

// The bytes of a resource of `instance`; false when the module or the resource does not exist.
bool findModuleResource(HINSTANCE instance, LPCSTR type, LPCSTR name, const uint8_t*& data, size_t& size);

}  // namespace headless
