// Checks the fuzz targets make on top of the sanitizers: a broken promise of a decoder aborts,
// which libFuzzer reports as a crash with the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzzcheck {

inline void require(bool holds, const char* promise) {
    if (holds) return;
    std::fprintf(stderr, "decoder broke its promise: %s\n", promise);
    std::abort();
}

// A rejected input must come with a message saying what is wrong.
inline void requireClearError(bool accepted, const std::string& error) {
    require(accepted || !error.empty(), "a rejected input comes with an error message");
}

}  // namespace fuzzcheck
