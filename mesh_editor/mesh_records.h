// Small operations on the host's mesh records that the editor's entry and dialog share.
#pragma once

#include <cstddef>
#include <cstdint>

#include <UIResource/UIResource.h>

// Sets `bit` in `word` when `on`, clears it otherwise; no other bit changes.
void updateFlag(uint32_t& word, uint32_t bit, bool on);

// Number of animations the editor may touch: animationCount, or 0 when it is negative or the
// array pointer is null.
int32_t usableAnimationCount(const Mesh& mesh);

// Element `index` of the mesh's animations, or null when there is none at that index.
MeshAnimation* findAnimation(const Mesh& mesh, long index);

// A host name copied into a NUL-terminated buffer: the array is read up to its first NUL or its
// end, whichever comes first, so a name that fills its array is shown whole but never overrun.
template <size_t Capacity>
struct BoundedName {
    char text[Capacity + 1];
};

template <size_t Capacity>
BoundedName<Capacity> boundedName(const char (&name)[Capacity]) {
    BoundedName<Capacity> result{};
    for (size_t i = 0; i < Capacity && name[i] != '\0'; ++i) result.text[i] = name[i];
    return result;
}
