// A bounds-checked little-endian cursor over a byte buffer, shared by the resource decoders.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace uires {

// Reads never pass the end: a read that would sets failed() and yields 0 or an empty text, so a
// decoder can read a whole record and check once.
class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    uint8_t u8() { return static_cast<uint8_t>(take(1)); }
    uint16_t u16() { return static_cast<uint16_t>(take(2)); }
    uint32_t u32() { return static_cast<uint32_t>(take(4)); }
    int16_t i16() { return static_cast<int16_t>(u16()); }

    // A NUL-terminated UTF-16 text; code units above 255 become '?'. Fails at the end of data.
    std::string utf16z();

    // Skips to the next multiple of `alignment` counted from the buffer's start.
    void align(size_t alignment);
    void skip(size_t count);
    void seek(size_t offset);

    size_t offset() const { return offset_; }
    size_t remaining() const { return failed_ ? 0 : size_ - offset_; }
    bool failed() const { return failed_; }
    const uint8_t* current() const { return data_ + offset_; }

private:
    uint64_t take(size_t count);

    const uint8_t* data_;
    size_t size_;
    size_t offset_ = 0;
    bool failed_ = false;
};

}  // namespace uires
