// The resources the inspector looks at: the module's own, reached through getResourceData, or
// those of a compiled .res file named on the command line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources/res_file.h"

namespace uitools {

struct CatalogueEntry {
    uires::ResourceKey type;
    uires::ResourceKey name;
    uint16_t language = 0;
    const uint8_t* data = nullptr;  // owned by the module or by the catalogue
    uint32_t size = 0;
};

class ResourceCatalogue {
public:
    // The module's resources, in the order the module lists them.
    bool loadModule(std::string& error);
    // Every entry of a .res file; false with a message naming the file when it cannot be read
    // or is malformed.
    bool loadResFile(const std::string& path, std::string& error);

    const std::vector<CatalogueEntry>& entries() const { return entries_; }
    const std::string& origin() const { return origin_; }  // "the module" or the file's path

    // The entry with this type and name; null when there is none.
    const CatalogueEntry* find(const uires::ResourceKey& type, const uires::ResourceKey& name) const;
    // The entry a bare id names: a dialog first, then a menu, then any type.
    const CatalogueEntry* findById(const uires::ResourceKey& name) const;

    // A name as the command line gives it: "109", "#109", a text name, or for the module the name
    // its table gives the resource ("edit-mesh").
    uires::ResourceKey nameArgument(const std::string& text) const;
    // The name the module's table gives the entry; null for a .res file's entries and for what the
    // table does not list.
    const char* tableName(const CatalogueEntry& entry) const;

private:
    std::vector<uint8_t> fileBytes_;
    std::vector<CatalogueEntry> entries_;
    std::string origin_;
    bool isModule_ = false;
};

// A type as the command line gives it: "5", "#5", "dialog", "FONTDATA". The standard type names
// (DIALOG, MENU, ...) become their ids.
uires::ResourceKey parseTypeArgument(const std::string& text);

}  // namespace uitools
