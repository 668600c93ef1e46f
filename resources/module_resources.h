// The table of what the module holds (ids, names, kinds), built from the one list beside the ids
// (UIRESOURCE_MODULE_RESOURCES in resource_ids.h): whatever walks every template, the menu or the
// data resources walks this, so a resource added there reaches all of them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources/res_file.h"
#include "resources/resource_ids.h"

namespace uires {

enum class ResourceKind { Data, Menu, Dialog };

struct ModuleResource {
    uint16_t id;
    const char* name;      // what tools call it: "edit-mesh"
    ResourceKind kind;
    const char* dataType;  // the type a data resource is stored under ("FONTDATA"); null for the others
};

#define UIRESOURCE_DATA_ROW(id, name, type) ModuleResource{id, name, ResourceKind::Data, type},
#define UIRESOURCE_MENU_ROW(id, name) ModuleResource{id, name, ResourceKind::Menu, nullptr},
#define UIRESOURCE_DIALOG_ROW(id, name) ModuleResource{id, name, ResourceKind::Dialog, nullptr},
inline constexpr ModuleResource kModuleResources[] = {
    UIRESOURCE_MODULE_RESOURCES(UIRESOURCE_DATA_ROW, UIRESOURCE_MENU_ROW, UIRESOURCE_DIALOG_ROW)};
#undef UIRESOURCE_DATA_ROW
#undef UIRESOURCE_MENU_ROW
#undef UIRESOURCE_DIALOG_ROW

// The ids of one kind of resource, in the table's order.
inline std::vector<uint16_t> moduleResourceIds(ResourceKind kind) {
    std::vector<uint16_t> ids;
    for (const ModuleResource& resource : kModuleResources) {
        if (resource.kind == kind) ids.push_back(resource.id);
    }
    return ids;
}

// The type the resource is stored under: RT_DIALOG, RT_MENU or its data type's name.
inline ResourceKey resourceTypeOf(const ModuleResource& resource) {
    if (resource.kind == ResourceKind::Data) return ResourceKey::ofText(resource.dataType);
    return ResourceKey::ofId(resource.kind == ResourceKind::Menu ? kMenuType : kDialogType);
}

// The resource a tool's name stands for; null when no resource has that name.
inline const ModuleResource* findModuleResource(const std::string& name) {
    for (const ModuleResource& resource : kModuleResources) {
        if (name == resource.name) return &resource;
    }
    return nullptr;
}

// The table's line for the resource stored under this type and name; null when it has none.
inline const ModuleResource* findModuleResource(const ResourceKey& type, const ResourceKey& name) {
    for (const ModuleResource& resource : kModuleResources) {
        if (sameKey(ResourceKey::ofId(resource.id), name) && sameKey(resourceTypeOf(resource), type)) return &resource;
    }
    return nullptr;
}

}  // namespace uires
