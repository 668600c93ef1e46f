// Reading of .res images: a sequence of DWORD-aligned entries, each a header with type and name
// (an ordinal or a UTF-16 text) followed by the data.
#include "resources/res_file.h"

#include <cctype>
#include <cstdlib>

#include "resources/byte_reader.h"

namespace uires {
namespace {

ResourceKey readKey(ByteReader& reader) {
    ByteReader peek = reader;
    if (peek.u16() == 0xFFFF) {
        reader.u16();
        return ResourceKey::ofId(reader.u16());
    }
    return ResourceKey::ofText(reader.utf16z());
}

bool equalsIgnoringCase(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return i == a.size() && b[i] == '\0';
}

bool keysMatch(const ResourceKey& stored, const ResourceKey& wanted) {
    if (wanted.isId) return stored.isId && stored.id == wanted.id;
    return !stored.isId && equalsIgnoringCase(stored.text, wanted.text.c_str());
}

// One entry at the reader's position; the reader ends at the next entry.
bool readEntry(ByteReader& reader, ResourceEntry& entry, std::string& error) {
    size_t start = reader.offset();
    uint32_t dataSize = reader.u32();
    uint32_t headerSize = reader.u32();
    entry.type = readKey(reader);
    entry.name = readKey(reader);
    reader.align(4);
    entry.dataVersion = reader.u32();
    entry.memoryFlags = reader.u16();
    entry.language = reader.u16();
    entry.version = reader.u32();
    entry.characteristics = reader.u32();
    if (reader.failed() || headerSize < 32 || reader.offset() - start > headerSize) {
        error = "resource entry at offset " + std::to_string(start) + ": truncated or malformed header";
        return false;
    }
    reader.seek(start + headerSize);
    if (reader.failed() || reader.remaining() < dataSize) {
        error = "resource entry at offset " + std::to_string(start) + " (" + entry.type.describe() + " " +
                entry.name.describe() + "): data runs past the end of the file";
        return false;
    }
    entry.data = reader.current();
    entry.size = dataSize;
    reader.skip(dataSize);
    size_t padding = (4 - reader.offset() % 4) % 4;  // the last entry's padding may be missing
    reader.skip(padding < reader.remaining() ? padding : reader.remaining());
    return true;
}

}  // namespace

std::string ResourceKey::describe() const { return isId ? std::to_string(id) : text; }

bool parseResFile(const uint8_t* bytes, size_t size, std::vector<ResourceEntry>& entries, std::string& error) {
    entries.clear();
    ByteReader reader(bytes, size);
    while (reader.remaining() > 0) {
        ResourceEntry entry;
        if (!readEntry(reader, entry, error)) return false;
        bool emptyLeader = entry.size == 0 && entry.type.isId && entry.type.id == 0;
        if (!emptyLeader) entries.push_back(entry);
    }
    return true;
}

bool keyMatchesText(const ResourceKey& key, const char* text) {
    return !key.isId && equalsIgnoringCase(key.text, text);
}

const ResourceEntry* findResourceEntry(const std::vector<ResourceEntry>& entries, const ResourceKey& type,
                                       const ResourceKey& name) {
    for (const ResourceEntry& entry : entries) {
        if (keysMatch(entry.type, type) && keysMatch(entry.name, name)) return &entry;
    }
    return nullptr;
}

ResourceKey parseResourceKey(const std::string& text, bool digitsAreIds) {
    std::string digits = text;
    bool hashed = !digits.empty() && digits[0] == '#';
    if (hashed) digits.erase(0, 1);
    bool allDigits = !digits.empty() && digits.size() <= 5;
    for (char c : digits) allDigits = allDigits && std::isdigit(static_cast<unsigned char>(c));
    if (allDigits && (hashed || digitsAreIds)) {
        unsigned long value = std::strtoul(digits.c_str(), nullptr, 10);
        if (value <= 0xFFFF) return ResourceKey::ofId(static_cast<uint16_t>(value));
    }
    return ResourceKey::ofText(text);
}

std::string resourceTypeName(const ResourceKey& type) {
    if (!type.isId) return type.text;
    switch (type.id) {
        case 1: return "CURSOR";
        case 2: return "BITMAP";
        case 3: return "ICON";
        case 4: return "MENU";
        case 5: return "DIALOG";
        case 6: return "STRING";
        case 9: return "ACCELERATOR";
        case 10: return "RCDATA";
        case 16: return "VERSION";
        case 24: return "MANIFEST";
        default: return std::to_string(type.id);
    }
}

}  // namespace uires
