// The demo scene's contents and the readable form of a mesh and its changes.
#include "tools/demo/demo_scene.h"

#include <cstdio>
#include <cstring>

namespace demo {

namespace {

constexpr uint32_t kHostOnlyBit = 0x100000;  // an engine flag the editor must pass through

struct FlagName {
    uint32_t bit;
    const char* name;
};

const FlagName kMeshFlags[] = {
    {MESH_BILLBOARD_2D, "Billboard (2D)"}, {MESH_BILLBOARD_3D, "Billboard (3D)"},
    {MESH_SHADOW_CASTER, "Shadow Caster"}, {MESH_ALPHA_BLEND_LODS, "Alpha Blend LODs"},
    {MESH_COLLISION_BUFFER_ENTRY, "Collision Buffer Entry"}, {MESH_RANDOM_PLACEMENT_ROT, "Random Placement Rot"},
    {MESH_STATIC_SHADOWS, "Static Shadows"}, {MESH_RANDOM_BILLBOARD_3D_ROT, "Random Billboard 3D Rot"},
    {MESH_SQUARE_AXIS_ALIGNED, "Square and Axis-Aligned"}, {MESH_FAKE_SHADOWS, "Fake Shadows"},
    {MESH_FAKE_SHADOW_AUTO_SIZE, "Fake Shadow Auto Size"}, {kHostOnlyBit, "(engine bit 0x100000)"}};

const FlagName kAnimationFlags[] = {
    {ANIMATION_LOOP, "Loop"}, {ANIMATION_SKIP_LAST_NODE, "Skip Last Node"},
    {ANIMATION_START_ON_RANDOM_FRAME, "Start on Rnd Frame"}, {ANIMATION_LOOP_BOUNCE, "Loop Bounce"},
    {ANIMATION_INSTANTLY_TERMINATE, "Instantly Terminate"}};

template <size_t N>
void copyName(char (&target)[N], const char* source) {
    std::snprintf(target, N, "%s", source);
}

Material material(const char* name) {
    Material record{};
    copyName(record.name, name);
    return record;
}

MeshAnimation animation(const char* name, int32_t speed, uint32_t flags) {
    MeshAnimation record{};
    copyName(record.name, name);
    record.speed = speed;
    record.AnimationFlags = flags;
    return record;
}

Mesh mesh(const char* name, uint32_t flags, std::initializer_list<float> lods, int16_t shadowMaterial, float size) {
    Mesh record{};
    copyName(record.name, name);
    record.MeshFlags = flags;
    int i = 0;
    for (float lod : lods) record.lodRange[i++] = lod;
    record.fakeShadowMaterial = shadowMaterial;
    record.fakeShadowSize = size;
    return record;
}

template <typename Table>
std::string flagNames(uint32_t flags, const Table& table) {
    std::string names;
    for (const FlagName& flag : table) {
        if (flags & flag.bit) names += (names.empty() ? "" : ", ") + std::string(flag.name);
    }
    return names.empty() ? "none" : names;
}

// "+Fake Shadows, -Shadow Caster" for the bits that changed.
template <typename Table>
std::string flagChanges(uint32_t before, uint32_t after, const Table& table) {
    std::string changes;
    for (const FlagName& flag : table) {
        if ((before ^ after) & flag.bit) {
            changes += (changes.empty() ? "" : ", ") + std::string(after & flag.bit ? "+" : "-") + flag.name;
        }
    }
    return changes;
}

std::string number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

std::string materialName(Scene& scene, long id) {
    Material* record = findMaterial(scene, id);
    return std::to_string(id) + (record ? " (" + std::string(record->name) + ")" : " (no such material)");
}

}  // namespace

void buildScene(Scene& scene) {
    scene.materials = {material("Default"), material("Stone"), material("Granite"), material("Bark"),
                       material("Leaves"), material("Shadow Blob"), material("Soft Shadow")};
    scene.meshes = {
        mesh("Boulder", MESH_SHADOW_CASTER | MESH_STATIC_SHADOWS | kHostOnlyBit, {40, 120.7f, 250, 500}, 5, 1.5f),
        mesh("Oak Tree", MESH_BILLBOARD_3D | MESH_ALPHA_BLEND_LODS | MESH_FAKE_SHADOWS, {60, 150, 300, 600, 1200}, 6,
             4.25f),
        mesh("Guard", MESH_SHADOW_CASTER | MESH_COLLISION_BUFFER_ENTRY, {25, 75, 150}, 5, 0.75f)};
    scene.animations = {{},
                        {animation("Sway", 12, ANIMATION_LOOP | ANIMATION_LOOP_BOUNCE)},
                        {animation("Walk", 30, ANIMATION_LOOP), animation("Idle", 15, ANIMATION_LOOP),
                         animation("Run", 45, ANIMATION_LOOP | ANIMATION_START_ON_RANDOM_FRAME)}};
    for (size_t i = 0; i < scene.meshes.size(); ++i) {
        scene.meshes[i].animationCount = static_cast<int32_t>(scene.animations[i].size());
        scene.meshes[i].animations = scene.animations[i].empty() ? nullptr : scene.animations[i].data();
    }
    scene.translators = {"On Click -> Open Door (door_01)", "On Timer -> Play Sound (bell)",
                         "Zone Enter -> Show Text (Welcome)"};
}

Mesh* findMesh(Scene& scene, const std::string& name) {
    for (Mesh& record : scene.meshes) {
        if (name == record.name) return &record;
    }
    return nullptr;
}

Material* findMaterial(Scene& scene, long id) {
    if (id < 0 || id >= static_cast<long>(scene.materials.size())) return nullptr;
    return &scene.materials[static_cast<size_t>(id)];
}

MeshCopy copyMesh(const Mesh& record) {
    MeshCopy copy{record, {}};
    for (int32_t i = 0; i < record.animationCount && record.animations != nullptr; ++i) {
        copy.animations.push_back(record.animations[i]);
    }
    return copy;
}

std::vector<std::string> describeMesh(const MeshCopy& copy, Scene& scene) {
    const Mesh& record = copy.mesh;
    std::string lods;
    for (int i = 0; i < 8; ++i) lods += (i ? ", " : "") + number(record.lodRange[i]);
    std::vector<std::string> lines = {
        "name: \"" + std::string(record.name) + "\"",
        "flags: " + flagNames(record.MeshFlags, kMeshFlags),
        "LOD ranges: " + lods,
        "fake shadow material: " + materialName(scene, record.fakeShadowMaterial),
        "fake shadow size: " + number(record.fakeShadowSize)};
    for (const MeshAnimation& item : copy.animations) {
        lines.push_back("animation \"" + std::string(item.name) + "\": speed " + std::to_string(item.speed) +
                        ", " + flagNames(item.AnimationFlags, kAnimationFlags));
    }
    return lines;
}

static void diffAnimations(const MeshCopy& before, const MeshCopy& after, std::vector<std::string>& lines) {
    for (size_t i = 0; i < before.animations.size() && i < after.animations.size(); ++i) {
        const MeshAnimation& was = before.animations[i];
        const MeshAnimation& now = after.animations[i];
        std::string name = "animation \"" + std::string(now.name) + "\" ";
        if (was.speed != now.speed) {
            lines.push_back(name + "speed: " + std::to_string(was.speed) + " -> " + std::to_string(now.speed));
        }
        if (was.AnimationFlags != now.AnimationFlags) {
            lines.push_back(name + "flags: " + flagChanges(was.AnimationFlags, now.AnimationFlags, kAnimationFlags));
        }
    }
}

std::vector<std::string> diffMesh(const MeshCopy& before, const MeshCopy& after, Scene& scene) {
    const Mesh& was = before.mesh;
    const Mesh& now = after.mesh;
    std::vector<std::string> lines;
    if (std::strcmp(was.name, now.name) != 0) {
        lines.push_back("name: \"" + std::string(was.name) + "\" -> \"" + now.name + "\"");
    }
    if (was.MeshFlags != now.MeshFlags) lines.push_back("flags: " + flagChanges(was.MeshFlags, now.MeshFlags, kMeshFlags));
    for (int i = 0; i < 8; ++i) {
        if (was.lodRange[i] == now.lodRange[i]) continue;
        lines.push_back("LOD range " + std::to_string(i + 1) + ": " + number(was.lodRange[i]) + " -> " +
                        number(now.lodRange[i]));
    }
    if (was.fakeShadowMaterial != now.fakeShadowMaterial) {
        lines.push_back("fake shadow material: " + materialName(scene, was.fakeShadowMaterial) + " -> " +
                        materialName(scene, now.fakeShadowMaterial));
    }
    if (was.fakeShadowSize != now.fakeShadowSize) {
        lines.push_back("fake shadow size: " + number(was.fakeShadowSize) + " -> " + number(now.fakeShadowSize));
    }
    diffAnimations(before, after, lines);
    return lines;
}

}  // namespace demo
