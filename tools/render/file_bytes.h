// Whole files read and written in one call, for the tools' inputs and outputs; every failure
// names the file and gives the system's reason.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace uitools {

// Reads every byte of the file; false with "PATH: cannot be read: REASON" in `error`.
bool readFileBytes(const std::string& path, std::vector<uint8_t>& bytes, std::string& error);

// Creates or replaces the file with these bytes; false with "PATH: cannot be written: REASON".
bool writeFileBytes(const std::string& path, const uint8_t* data, size_t size, std::string& error);

// Writes the bytes unchanged to a stream (standard output kept binary on Windows); false with a
// message when the stream refuses them.
bool writeStreamBytes(std::ostream& out, const uint8_t* data, size_t size, std::string& error);

}  // namespace uitools
