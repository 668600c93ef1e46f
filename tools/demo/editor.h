// The sample host's side of the library, as an engine's editor has it: its scene, the callbacks
// the mesh editor calls, and one operation for each dialog, each telling the transcript what it
// did to the scene.
#pragma once

#include <string>
#include <vector>

#include "tools/demo/demo_scene.h"
#include "tools/demo/demo_script.h"
#include "tools/demo/transcript.h"

namespace demo {

class Editor {
public:
    Editor(Scene& scene, Transcript& transcript);
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    // Runs a step's dialog owned by `owner` (may be null) and reports its result and what it
    // changed; `mesh` is the step's mesh for the commands that work on one. `exitLink` is what
    // the exit dialog opens when accepted, or null for nothing.
    long run(StepCommand command, Mesh* mesh, HWND owner, const char* exitLink);

    // While the mesh editor is open: reports each change the user's last action made to its mesh.
    void reportLiveChanges();

    // What the last run's dialog did: its result, then one line for each change to the scene.
    const std::vector<std::string>& lastChanges() const { return lastChanges_; }

    Scene& scene() { return scene_; }

private:
    long rename(Mesh& mesh, HWND owner);
    long pickMaterial(Mesh& mesh, HWND owner);
    long editMesh(Mesh& mesh, HWND owner);
    long translators(HWND owner);
    long chooseMaterial(long current, HWND owner);
    void reportMeshAfter(StepCommand command, const MeshCopy& before, const Mesh& mesh);

    // The library's mesh-editor callbacks carry no context, so they reach the editor whose mesh
    // editor is open through `open_`, which is set only while it is.
    static long onApply(const char* text, short tag);
    static long chooseMaterialCallback(long current);
    static Material* lookupMaterialCallback(short id);
    static Editor* open_;

    Scene& scene_;
    Transcript& transcript_;
    Mesh* liveMesh_ = nullptr;    // the mesh the open mesh editor changes as the user acts
    MeshCopy liveSeen_;           // its values when last reported
    bool liveChanged_ = false;    // whether the open mesh editor changed the mesh at all
    std::vector<std::string> lastChanges_;
};

}  // namespace demo
