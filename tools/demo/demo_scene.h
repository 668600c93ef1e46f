// The sample host's scene: a few meshes with flags, LOD ranges, fake-shadow settings and named
// animations, a material table and the button translators of the "Edit Translator" dialog.
#pragma once

#include <string>
#include <vector>

#include <UIResource/UIResource.h>

namespace demo {

struct Scene {
    std::vector<Material> materials;  // the material id is the index
    std::vector<Mesh> meshes;
    std::vector<std::vector<MeshAnimation>> animations;  // per mesh; Mesh::animations points here
    std::vector<std::string> translators;                // "event -> action (parameter)", in order
};

// The scene every demo run starts from. Its meshes point into its own animation storage, so a
// Scene must not be copied; take mesh snapshots with copyMesh instead.
void buildScene(Scene& scene);

// The mesh named `name` (case-sensitive), or null.
Mesh* findMesh(Scene& scene, const std::string& name);
// The material record of `id`, or null when the table holds none.
Material* findMaterial(Scene& scene, long id);

// A mesh's values as the editor shows them, with its animations copied, for before/after diffs.
struct MeshCopy {
    Mesh mesh;
    std::vector<MeshAnimation> animations;
};
MeshCopy copyMesh(const Mesh& mesh);

// One readable line per changed value ("LOD range 2: 120.7 -> 250"), empty when nothing changed.
std::vector<std::string> diffMesh(const MeshCopy& before, const MeshCopy& after, Scene& scene);
// The mesh's editable values, one line each.
std::vector<std::string> describeMesh(const MeshCopy& mesh, Scene& scene);

}  // namespace demo
