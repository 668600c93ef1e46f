// Compiled resource (.res) files of a test's own, laid out as windres writes them.
#pragma once

#include <cstdint>
#include <vector>

namespace resbytes {

// One entry with integer type and name, in English (United States); resEntry(0, 0, {}) is the
// empty entry a compiled file starts with.
inline std::vector<uint8_t> resEntry(uint16_t type, uint16_t name, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> entry;
    auto put32 = [&entry](uint32_t value) {
        for (int i = 0; i < 4; ++i) entry.push_back(static_cast<uint8_t>(value >> (8 * i)));
    };
    put32(static_cast<uint32_t>(data.size()));
    put32(32);  // header size
    put32(0xFFFFu | (static_cast<uint32_t>(type) << 16));
    put32(0xFFFFu | (static_cast<uint32_t>(name) << 16));
    put32(0);                         // data version
    put32(0x1030u | (0x409u << 16));  // memory flags, language
    put32(0);                         // version
    put32(0);                         // characteristics
    entry.insert(entry.end(), data.begin(), data.end());
    while (entry.size() % 4 != 0) entry.push_back(0);
    return entry;
}

}  // namespace resbytes
