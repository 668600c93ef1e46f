// The mesh editor's module-wide state, kept apart from the generic dialogs' hooks and parameter
// record so that a host callback running inside the editor may open one of those dialogs.
#pragma once

#include <UIResource/UIResource.h>

// The snapshots are not here: the entry call holds them for its length (mesh_snapshot.h).
struct MeshEditorState {
    Mesh* currentMesh;                   // the mesh being edited; null while no editor runs
    long (*chooseMaterial)(long);        // host callback; stored per call, never cleared
    Material* (*lookupMaterial)(short);  // host callback; stored per call, never cleared
    bool suppressAnimationStore;         // set while the panel shows another animation
};

// The one instance, all zero when the module loads.
MeshEditorState& meshEditorState();
