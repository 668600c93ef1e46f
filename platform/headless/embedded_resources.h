// The compiled resources of a module of the headless dialog manager, parsed once: the library's own
// embedded .res, or one a program registered.
#pragma once

#include <string>
#include <vector>

#include "resources/res_file.h"

namespace headless {

struct ParsedResources {
    std::vector<uires::ResourceEntry> entries;  // empty when the bytes could not be parsed
    std::string error;                          // the decoder's account of why, else empty
};

// The library's own; an error here is a build fault, kept so that tools and tests can say it.
const ParsedResources& embeddedResources();

}  // namespace headless
