// Reading and writing whole files through the C library, which keeps the reason of a failure in
// errno (iostreams lose it, and libstdc++'s throws on reading a directory).
#include "tools/render/file_bytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace uitools {

namespace {

bool failWithReason(const std::string& what, int code, std::string& error) {
    error = what + ": " + (code != 0 ? std::strerror(code) : "unknown error");
    return false;
}

// Windows' C runtime writes each LF to standard output as CR LF until the stream is made binary.
void keepBinary(std::ostream& out) {
#ifdef _WIN32
    if (out.rdbuf() != std::cout.rdbuf()) return;
    out.flush();
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
#else
    (void)out;
#endif
}

}  // namespace

bool readFileBytes(const std::string& path, std::vector<uint8_t>& bytes, std::string& error) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return failWithReason(path + ": cannot be read", errno, error);
    bytes.clear();
    uint8_t chunk[65536];
    size_t count = 0;
    while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.insert(bytes.end(), chunk, chunk + count);
    int reason = errno;  // a directory opens on Linux; reading it fails
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return failed ? failWithReason(path + ": cannot be read", reason, error) : true;
}

bool writeFileBytes(const std::string& path, const uint8_t* data, size_t size, std::string& error) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return failWithReason(path + ": cannot be written", errno, error);
    bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    int reason = written ? 0 : errno;
    if (std::fclose(file) != 0 && written) {  // a full disk often shows only when the buffer is flushed
        written = false;
        reason = errno;
    }
    return written ? true : failWithReason(path + ": cannot be written", reason, error);
}

bool writeStreamBytes(std::ostream& out, const uint8_t* data, size_t size, std::string& error) {
    keepBinary(out);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.flush();
    if (out) return true;
    error = "standard output: cannot be written";
    return false;
}

}  // namespace uitools
