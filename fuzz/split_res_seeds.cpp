// Writes the seed corpora of the fuzz targets: the module's .res with its larger data resources cut
// to a few hundred bytes (the font atlas alone would make each run slow), and each of its dialog
// and menu templates and small pictures on its own.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "resources/res_file.h"

namespace {

constexpr uint32_t kMaxSeedEntrySize = 256;
constexpr uint32_t kMaxSeedPictureSize = 16384;

void put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void putKey(std::vector<uint8_t>& out, const uires::ResourceKey& key) {
    if (key.isId) {
        put16(out, 0xFFFF);
        put16(out, key.id);
        return;
    }
    for (char c : key.text) put16(out, static_cast<unsigned char>(c));
    put16(out, 0);
}

void padTo4(std::vector<uint8_t>& out) {
    while (out.size() % 4 != 0) out.push_back(0);
}

bool isSmallPicture(const uires::ResourceEntry& entry) {
    static const char kFooter[] = "TRUEVISION-XFILE.";  // with its NUL: the last 18 bytes of a TGA
    return entry.size >= 44 && entry.size <= kMaxSeedPictureSize &&
           std::memcmp(entry.data + entry.size - sizeof kFooter, kFooter, sizeof kFooter) == 0;
}

// "dialog_template/109.bin" for dialog 109, "tga_picture/MOUSE_POINTER_TEXTURE_111.tga" for a
// picture small enough to fuzz quickly, or an empty path for entries no target reads alone.
std::filesystem::path seedPathOf(const uires::ResourceEntry& entry) {
    if (isSmallPicture(entry)) {
        return std::filesystem::path("tga_picture") / (entry.type.describe() + "_" + entry.name.describe() + ".tga");
    }
    if (!entry.type.isId) return {};
    const char* folder = entry.type.id == uires::kDialogType ? "dialog_template"
                         : entry.type.id == uires::kMenuType ? "menu_template" : nullptr;
    if (folder == nullptr) return {};
    return std::filesystem::path(folder) / (entry.name.describe() + ".bin");
}

// One .res entry as windres lays it out; data other than templates and small pictures is cut to
// kMaxSeedEntrySize bytes.
void putEntry(std::vector<uint8_t>& out, const uires::ResourceEntry& entry) {
    bool keepWhole = !seedPathOf(entry).empty();
    uint32_t size = keepWhole || entry.size < kMaxSeedEntrySize ? entry.size : kMaxSeedEntrySize;
    std::vector<uint8_t> header;
    putKey(header, entry.type);
    putKey(header, entry.name);
    padTo4(header);
    put32(header, entry.dataVersion);
    put16(header, entry.memoryFlags);
    put16(header, entry.language);
    put32(header, entry.version);
    put32(header, entry.characteristics);
    put32(out, size);
    put32(out, static_cast<uint32_t>(header.size() + 8));
    out.insert(out.end(), header.begin(), header.end());
    out.insert(out.end(), entry.data, entry.data + size);
    padTo4(out);
}

std::vector<uint8_t> shortenedRes(const std::vector<uires::ResourceEntry>& entries) {
    std::vector<uint8_t> out;
    putEntry(out, uires::ResourceEntry());  // the empty leading entry
    for (const uires::ResourceEntry& entry : entries) putEntry(out, entry);
    return out;
}

bool writeFile(const std::filesystem::path& path, const uint8_t* data, size_t size) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: split_res_seeds FILE.res OUTPUT_DIR\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<uires::ResourceEntry> entries;
    std::string error;
    if (!in.good() && !in.eof()) error = "cannot read the file";
    if (!error.empty() || !uires::parseResFile(bytes.data(), bytes.size(), entries, error)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
        return 1;
    }
    std::filesystem::path out(argv[2]);
    std::vector<uint8_t> shortened = shortenedRes(entries);
    bool written = writeFile(out / "res_file" / "UIResource.res", shortened.data(), shortened.size());
    for (const uires::ResourceEntry& entry : entries) {
        std::filesystem::path seed = seedPathOf(entry);
        if (!seed.empty()) written = writeFile(out / seed, entry.data, entry.size) && written;
    }
    return written ? 0 : 1;
}
