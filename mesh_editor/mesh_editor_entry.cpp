// createMeshEditorDialog: snapshot the mesh, run "Edit Mesh", then keep the changes or roll back.
#include <UIResource/UIResource.h>

#include "mesh_editor/mesh_editor_dialog.h"
#include "mesh_editor/mesh_editor_state.h"
#include "mesh_editor/mesh_snapshot.h"
#include "module/module_dialog.h"
#include "resources/resource_ids.h"

namespace {
// The editor's state is module-wide: one "Edit Mesh" at a time.
DialogKind meshEditorDialogs;
}  // namespace

long createMeshEditorDialog(WindowNode* parent, Mesh* mesh, short editorTag, long (*onApply)(const char*, short),
                            long (*chooseMaterial)(long), Material* (*lookupMaterial)(short)) {
    MeshEditorState& state = meshEditorState();
    // One editor dialog at a time: a call from the running dialog's material callbacks would pull
    // the current mesh from under it. onApply comes after the dialog, so it may open the next one.
    if (mesh == nullptr || meshEditorDialogs.running()) return 0;
    state.chooseMaterial = chooseMaterial;
    state.lookupMaterial = lookupMaterial;
    MeshSnapshot snapshot;
    if (!takeMeshSnapshot(*mesh, snapshot)) return 0;  // never edit a mesh that cannot be restored

    state.currentMesh = mesh;
    const HWND owner = parent != nullptr ? parent->window : nullptr;
    const long result = meshEditorDialogs.run(IDD_EDIT_MESH, owner, meshEditorProcedure);
    if (result != 0) {
        if (onApply != nullptr) onApply(nullptr, editorTag);
    } else {
        restoreMeshSnapshot(*mesh, snapshot);
    }
    releaseMeshSnapshot(snapshot);
    state.currentMesh = nullptr;
    return result;
}
