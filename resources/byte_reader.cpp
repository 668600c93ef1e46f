// Bounds-checked little-endian reads.
#include "resources/byte_reader.h"

namespace uires {

uint64_t ByteReader::take(size_t count) {
    if (failed_ || size_ - offset_ < count) {
        failed_ = true;
        return 0;
    }
    uint64_t value = 0;
    for (size_t i = 0; i < count; ++i) value |= static_cast<uint64_t>(data_[offset_ + i]) << (8 * i);
    offset_ += count;
    return value;
}

std::string ByteReader::utf16z() {
    std::string text;
    for (;;) {
        uint16_t unit = u16();
        if (failed_ || unit == 0) return failed_ ? std::string() : text;
        text.push_back(unit < 256 ? static_cast<char>(unit) : '?');
    }
}

void ByteReader::align(size_t alignment) {
    size_t padding = (alignment - offset_ % alignment) % alignment;
    skip(padding);
}

void ByteReader::skip(size_t count) {
    if (failed_ || size_ - offset_ < count) {
        failed_ = true;
        return;
    }
    offset_ += count;
}

void ByteReader::seek(size_t offset) {
    if (offset > size_) {
        failed_ = true;
        return;
    }
    offset_ = offset;
}

}  // namespace uires
