// A seam for the library's own tests: replaces the allocator of the mesh editor's snapshots so a
// test can make an allocation fail. Not part of the host interface.
#pragma once

#include <cstddef>

#include "module/export.h"

// `allocate` must return memory that free() releases, or null; a null `allocate` restores malloc.
UIRESOURCE_API void setMeshSnapshotAllocator(void* (*allocate)(size_t bytes));
