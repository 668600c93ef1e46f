// The copy of a Mesh that makes Cancel possible: the whole fixed record and each animation's
// leading block, taken before the dialog runs and written back if the user cancels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <UIResource/UIResource.h>

struct MeshSnapshot {
    Mesh* mesh;            // heap copy of the whole fixed record
    uint32_t* animations;  // heap copy of the leading blocks, index order; null when there are none
};

// Returns memory that free() releases, or null.
using SnapshotAllocator = void* (*)(size_t bytes);

// Allocates and fills both copies. Returns false, with nothing allocated and `snapshot` all null,
// when an allocation fails or the animation copy's size does not fit in memory. The editor always
// allocates with malloc; the parameter lets a test make an allocation fail.
bool takeMeshSnapshot(const Mesh& mesh, MeshSnapshot& snapshot, SnapshotAllocator allocate = std::malloc);

// Writes the record copy back over `mesh`, then each saved leading block into the animation it
// came from, found through the restored count and array.
void restoreMeshSnapshot(Mesh& mesh, const MeshSnapshot& snapshot);

// Frees both copies and nulls the pointers.
void releaseMeshSnapshot(MeshSnapshot& snapshot);
