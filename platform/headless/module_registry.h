// The modules whose dialog templates the headless dialog manager can open: the library itself and
// compiled resource images that tests and tools register as modules of their own.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/win32_types.h"

namespace headless {

// Copies and parses a .res image; its handle stays valid for the life of the process. Null when
// the bytes are not a resource file.
HINSTANCE registerModule(const void* resBytes, size_t size);

// The bytes of a resource of `instance` (the library's handle or a registered one); false when the
// module or the resource does not exist.
bool findModuleResource(HINSTANCE instance, LPCSTR type, LPCSTR name, const uint8_t*& data, size_t& size);

}  // namespace headless
