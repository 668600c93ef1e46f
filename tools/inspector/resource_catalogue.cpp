// Loads the inspector's catalogue from the module or from a .res file, and finds entries in it.
#include "tools/inspector/resource_catalogue.h"

#include <UIResource/UIResource.h>
#include "harness/dialog_driver.h"
#include "resources/module_resources.h"
#include "tools/render/file_bytes.h"

namespace uitools {

namespace {

// The argument form getResourceData takes: an integer id or a text.
const char* resourceArgument(const uires::ResourceKey& key) {
    return key.isId ? getResourceStringFromInt(key.id) : key.text.c_str();
}

}  // namespace

uires::ResourceKey parseTypeArgument(const std::string& text) {
    uint16_t id = 0;
    if (uires::standardResourceType(text, id)) return uires::ResourceKey::ofId(id);
    return uires::parseResourceKey(text, true);
}

bool ResourceCatalogue::loadModule(std::string& error) {
    std::vector<DialogDriver::ModuleResource> ids;
    if (!DialogDriver::listResources(getUIResourceAppInstance(), ids, error)) return false;
    entries_.clear();
    origin_ = "the module";
    isModule_ = true;
    for (const DialogDriver::ModuleResource& id : ids) {
        char* data = nullptr;
        long size = getResourceData(resourceArgument(id.name), resourceArgument(id.type), &data);
        if (size <= 0 || data == nullptr) continue;
        entries_.push_back(CatalogueEntry{id.type, id.name, id.language, reinterpret_cast<const uint8_t*>(data),
                                          static_cast<uint32_t>(size)});
    }
    return true;
}

bool ResourceCatalogue::loadResFile(const std::string& path, std::string& error) {
    if (!readFileBytes(path, fileBytes_, error)) return false;
    std::vector<uires::ResourceEntry> parsed;
    std::string why;
    if (!uires::parseResFile(fileBytes_.data(), fileBytes_.size(), parsed, why)) {
        error = path + ": not a compiled resource file: " + why;
        return false;
    }
    entries_.clear();
    origin_ = path;
    isModule_ = false;
    for (const uires::ResourceEntry& entry : parsed) {
        entries_.push_back(CatalogueEntry{entry.type, entry.name, entry.language, entry.data, entry.size});
    }
    return true;
}

const CatalogueEntry* ResourceCatalogue::find(const uires::ResourceKey& type, const uires::ResourceKey& name) const {
    for (const CatalogueEntry& entry : entries_) {
        if (uires::sameKey(entry.type, type) && uires::sameKey(entry.name, name)) return &entry;
    }
    return nullptr;
}

const CatalogueEntry* ResourceCatalogue::findById(const uires::ResourceKey& name) const {
    if (const CatalogueEntry* dialog = find(uires::ResourceKey::ofId(uires::kDialogType), name)) return dialog;
    if (const CatalogueEntry* menu = find(uires::ResourceKey::ofId(uires::kMenuType), name)) return menu;
    for (const CatalogueEntry& entry : entries_) {
        if (uires::sameKey(entry.name, name)) return &entry;
    }
    return nullptr;
}

uires::ResourceKey ResourceCatalogue::nameArgument(const std::string& text) const {
    const uires::ModuleResource* named = isModule_ ? uires::findModuleResource(text) : nullptr;
    return named != nullptr ? uires::ResourceKey::ofId(named->id) : uires::parseResourceKey(text, true);
}

const char* ResourceCatalogue::tableName(const CatalogueEntry& entry) const {
    const uires::ModuleResource* listed = isModule_ ? uires::findModuleResource(entry.type, entry.name) : nullptr;
    return listed != nullptr ? listed->name : nullptr;
}

}  // namespace uitools
