// Taking, restoring and releasing the mesh editor's snapshots.
#include "mesh_editor/mesh_snapshot.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "mesh_editor/mesh_records.h"

namespace {

constexpr size_t kLeadingBlockBytes = UIRESOURCE_ANIMATION_LEADING_FIELDS * sizeof(uint32_t);
static_assert(offsetof(MeshAnimation, hostTrailing) == kLeadingBlockBytes,
              "the leading block must be the first seven 32-bit fields of MeshAnimation");

// Allocates the leading-block copy; a mesh without animations needs none.
bool allocateAnimationCopy(size_t count, SnapshotAllocator allocate, uint32_t*& copy) {
    copy = nullptr;
    if (count == 0) return true;
    if (count > SIZE_MAX / kLeadingBlockBytes) return false;
    copy = static_cast<uint32_t*>(allocate(count * kLeadingBlockBytes));
    return copy != nullptr;
}

}  // namespace

bool takeMeshSnapshot(const Mesh& mesh, MeshSnapshot& snapshot, SnapshotAllocator allocate) {
    snapshot = MeshSnapshot{};
    const size_t count = static_cast<size_t>(usableAnimationCount(mesh));
    auto* meshCopy = static_cast<Mesh*>(allocate(sizeof(Mesh)));
    uint32_t* animationCopy = nullptr;
    if (meshCopy == nullptr || !allocateAnimationCopy(count, allocate, animationCopy)) {
        std::free(meshCopy);
        return false;
    }
    for (size_t i = 0; i < count; ++i) {
        std::memcpy(animationCopy + i * UIRESOURCE_ANIMATION_LEADING_FIELDS, &mesh.animations[i], kLeadingBlockBytes);
    }
    std::memcpy(meshCopy, &mesh, sizeof(Mesh));
    snapshot.mesh = meshCopy;
    snapshot.animations = animationCopy;
    return true;
}

void restoreMeshSnapshot(Mesh& mesh, const MeshSnapshot& snapshot) {
    std::memcpy(&mesh, snapshot.mesh, sizeof(Mesh));
    const int32_t count = usableAnimationCount(mesh);
    for (int32_t i = 0; i < count; ++i) {
        std::memcpy(&mesh.animations[i], snapshot.animations + i * UIRESOURCE_ANIMATION_LEADING_FIELDS,
                    kLeadingBlockBytes);
    }
}

void releaseMeshSnapshot(MeshSnapshot& snapshot) {
    std::free(snapshot.mesh);
    std::free(snapshot.animations);
    snapshot = MeshSnapshot{};
}
