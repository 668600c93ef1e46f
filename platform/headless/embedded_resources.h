// The compiled resources embedded in the Linux library, parsed once.
#pragma once

#include <vector>

#include "resources/res_file.h"

namespace headless {

// The entries of the embedded .res; empty if it could not be parsed (a build fault).
const std::vector<uires::ResourceEntry>& embeddedResources();

}  // namespace headless
