// Reads the entries of a compiled resource file (.res), the container windres writes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace uires {

// The standard types of the module's templates.
constexpr uint16_t kMenuType = 4;    // RT_MENU
constexpr uint16_t kDialogType = 5;  // RT_DIALOG

// A resource type or name: an integer id or a text.
struct ResourceKey {
    bool isId = true;
    uint16_t id = 0;
    std::string text;  // as stored (windres uppercases custom type names)

    static ResourceKey ofId(uint16_t value) { return ResourceKey{true, value, {}}; }
    static ResourceKey ofText(std::string value) { return ResourceKey{false, 0, std::move(value)}; }
    std::string describe() const;  // "107" or "FONTDATA"
};

// A key as a resource function receives it, nothing copied: an id, or a NUL-terminated text that
// must outlive the view. Lookups through views allocate nothing, which keeps them in nanoseconds.
struct ResourceKeyView {
    bool isId = true;
    uint16_t id = 0;
    const char* text = nullptr;
};

struct ResourceEntry {
    ResourceKey type;
    ResourceKey name;
    uint16_t language = 0;
    uint16_t memoryFlags = 0;
    uint32_t dataVersion = 0;
    uint32_t version = 0;
    uint32_t characteristics = 0;
    const uint8_t* data = nullptr;  // points into the buffer given to parseResFile
    uint32_t size = 0;
};

// Parses every entry of a .res image, which must begin with the empty leading entry (not returned).
// The entries point into `bytes`, which must outlive them. On malformed input returns false and
// says where in `error`.
bool parseResFile(const uint8_t* bytes, size_t size, std::vector<ResourceEntry>& entries, std::string& error);

// Case-insensitive match of a key against a text name.
bool keyMatchesText(const ResourceKey& key, const char* text);
// Whether two keys name the same type or name (texts compare case-insensitively).
bool sameKey(const ResourceKey& a, const ResourceKey& b);

// Finds the first entry with this type and name, in any language. Keys given as text may use the
// "#123" form for an integer id.
const ResourceEntry* findResourceEntry(const std::vector<ResourceEntry>& entries, const ResourceKey& type,
                                       const ResourceKey& name);

// The same lookup without copying the keys; the loop checks the name first, which rules out all
// but one entry in the module's resources.
const ResourceEntry* findResourceEntry(const std::vector<ResourceEntry>& entries, ResourceKeyView type,
                                       ResourceKeyView name);

// KERNEL32's reading of a name or type argument: a pointer value below 0x10000 is an integer id
// (the MAKEINTRESOURCE form), a text "#123" the id 123 (read as KERNEL32 reads it: "# +00123" and
// "#123x" too, "#65536" no id), any other text itself.
ResourceKeyView viewResourceKey(const char* text);

// Turns a command-line or API text into a key: "#123" and plain digits ("123") become ids when
// `digitsAreIds` is set, "#123" always does.
ResourceKey parseResourceKey(const std::string& text, bool digitsAreIds);

// The name resource scripts give a standard integer type (1 "CURSOR" to 24 "MANIFEST"), or the
// number for any other.
std::string resourceTypeName(const ResourceKey& type);

// The standard integer type a resource script's name stands for, in any letter case; false for a
// name that is none of them.
bool standardResourceType(const std::string& name, uint16_t& id);

}  // namespace uires
