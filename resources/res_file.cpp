// Reading of .res images: a sequence of DWORD-aligned entries, each a header with type and name
// (an ordinal or a UTF-16 text) followed by the data.
#include "resources/res_file.h"

#include <cstring>

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

// ASCII folding, as the resource functions compare names; unlike std::toupper it does not consult
// the locale, which made it the slowest step of a lookup.
char foldCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool equalsIgnoringCase(const std::string& a, const char* b) {
    // Callers nearly always write a name as it is stored, and the library's comparison settles
    // those several times faster than the folding loop.
    if (std::strncmp(a.c_str(), b, a.size() + 1) == 0) return true;
    size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (foldCase(a[i]) != foldCase(b[i])) return false;
    }
    return i == a.size() && b[i] == '\0';
}

bool keysMatch(const ResourceKey& stored, ResourceKeyView wanted) {
    if (wanted.isId) return stored.isId && stored.id == wanted.id;
    return !stored.isId && equalsIgnoringCase(stored.text, wanted.text);
}

// Up to five decimal digits and nothing else, at most 0xFFFF.
bool parseIdDigits(const char* digits, uint16_t& id) {
    uint32_t value = 0;
    size_t count = 0;
    for (; digits[count] >= '0' && digits[count] <= '9'; ++count) {
        if (count == 5) return false;
        value = value * 10 + static_cast<uint32_t>(digits[count] - '0');
    }
    if (count == 0 || digits[count] != '\0' || value > 0xFFFF) return false;
    id = static_cast<uint16_t>(value);
    return true;
}

// The number after a '#' as FindResource reads it (RtlCharToInteger in base 10): blanks and a sign
// first, then the digits up to the first other character, however many; it must fit in 16 bits
// ("#-0" is 0; "#65643" and "#-1" are no ids, not 107 and 65535).
bool parseHashId(const char* text, uint16_t& id) {
    while (*text != '\0' && static_cast<unsigned char>(*text) <= ' ') ++text;
    bool negative = *text == '-';
    if (*text == '+' || *text == '-') ++text;
    uint32_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + static_cast<uint32_t>(*text - '0');
        if (value > 0xFFFF) return false;
    }
    if (negative && value != 0) return false;
    id = static_cast<uint16_t>(value);
    return true;
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
    reader.seek(start);
    reader.skip(headerSize);  // not seek(start + headerSize): that sum can wrap in a 32-bit build
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

bool isEmptyLeader(const ResourceEntry& entry) {
    return entry.size == 0 && entry.type.isId && entry.type.id == 0;
}

// windres, llvm-rc and rc.exe all begin a .res file with an empty entry (no data, type 0); it is
// what tells a compiled resource file from other bytes, an empty file included.
bool readEmptyLeader(ByteReader& reader, std::string& error) {
    if (reader.remaining() == 0) {
        error = "no bytes at all (a compiled resource file begins with a 32-byte empty entry)";
        return false;
    }
    ResourceEntry leader;
    if (!readEntry(reader, leader, error)) return false;
    if (isEmptyLeader(leader)) return true;
    error = "the first entry (" + leader.type.describe() + " " + leader.name.describe() +
            ") is not the empty one a compiled resource file begins with";
    return false;
}

}  // namespace

std::string ResourceKey::describe() const { return isId ? std::to_string(id) : text; }

bool parseResFile(const uint8_t* bytes, size_t size, std::vector<ResourceEntry>& entries, std::string& error) {
    entries.clear();
    ByteReader reader(bytes, size);
    if (!readEmptyLeader(reader, error)) return false;
    while (reader.remaining() > 0) {
        ResourceEntry entry;
        if (!readEntry(reader, entry, error)) return false;
        if (!isEmptyLeader(entry)) entries.push_back(entry);
    }
    return true;
}

bool keyMatchesText(const ResourceKey& key, const char* text) {
    return !key.isId && equalsIgnoringCase(key.text, text);
}

bool sameKey(const ResourceKey& a, const ResourceKey& b) {
    return a.isId ? b.isId && a.id == b.id : keyMatchesText(b, a.text.c_str());
}

const ResourceEntry* findResourceEntry(const std::vector<ResourceEntry>& entries, ResourceKeyView type,
                                       ResourceKeyView name) {
    for (const ResourceEntry& entry : entries) {
        if (keysMatch(entry.name, name) && keysMatch(entry.type, type)) return &entry;
    }
    return nullptr;
}

const ResourceEntry* findResourceEntry(const std::vector<ResourceEntry>& entries, const ResourceKey& type,
                                       const ResourceKey& name) {
    ResourceKeyView typeView{type.isId, type.id, type.text.c_str()};
    ResourceKeyView nameView{name.isId, name.id, name.text.c_str()};
    return findResourceEntry(entries, typeView, nameView);
}

ResourceKeyView viewResourceKey(const char* text) {
    uintptr_t value = reinterpret_cast<uintptr_t>(text);
    if (value >> 16 == 0) return ResourceKeyView{true, static_cast<uint16_t>(value), nullptr};
    ResourceKeyView view{false, 0, text};
    if (text[0] == '#' && parseHashId(text + 1, view.id)) view.isId = true;
    return view;
}

ResourceKey parseResourceKey(const std::string& text, bool digitsAreIds) {
    ResourceKeyView view = viewResourceKey(text.c_str());
    uint16_t id = 0;
    if (view.isId) return ResourceKey::ofId(view.id);
    if (digitsAreIds && parseIdDigits(text.c_str(), id)) return ResourceKey::ofId(id);
    return ResourceKey::ofText(text);
}

namespace {

struct StandardType {
    uint16_t id;
    const char* name;
};

// Windows' RT_ types, 13, 15 and 18 being unused.
constexpr StandardType kStandardTypes[] = {
    {1, "CURSOR"},        {2, "BITMAP"},     {3, "ICON"},       {4, "MENU"},        {5, "DIALOG"},
    {6, "STRING"},        {7, "FONTDIR"},    {8, "FONT"},       {9, "ACCELERATOR"}, {10, "RCDATA"},
    {11, "MESSAGETABLE"}, {12, "GROUP_CURSOR"}, {14, "GROUP_ICON"}, {16, "VERSION"}, {17, "DLGINCLUDE"},
    {19, "PLUGPLAY"},     {20, "VXD"},       {21, "ANICURSOR"}, {22, "ANIICON"},    {23, "HTML"},
    {24, "MANIFEST"}};

}  // namespace

std::string resourceTypeName(const ResourceKey& type) {
    if (!type.isId) return type.text;
    for (const StandardType& standard : kStandardTypes) {
        if (standard.id == type.id) return standard.name;
    }
    return std::to_string(type.id);
}

bool standardResourceType(const std::string& name, uint16_t& id) {
    for (const StandardType& standard : kStandardTypes) {
        if (!equalsIgnoringCase(name, standard.name)) continue;
        id = standard.id;
        return true;
    }
    return false;
}

}  // namespace uires
