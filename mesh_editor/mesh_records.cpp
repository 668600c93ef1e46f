// Flag updates and animation lookup on the host's mesh records.
#include "mesh_editor/mesh_records.h"

void updateFlag(uint32_t& word, uint32_t bit, bool on) {
    if (on) {
        word |= bit;
    } else {
        word &= ~bit;
    }
}

int32_t usableAnimationCount(const Mesh& mesh) {
    if (mesh.animations == nullptr || mesh.animationCount < 0) return 0;
    return mesh.animationCount;
}

MeshAnimation* findAnimation(const Mesh& mesh, long index) {
    if (index < 0 || index >= usableAnimationCount(mesh)) return nullptr;
    return &mesh.animations[index];
}
