// createMeshEditorDialog: snapshot the mesh, run "Edit Mesh", then keep the changes or roll back.
#include <UIResource/UIResource.h>

#include "mesh_editor/mesh_editor_dialog.h"
#include "mesh_editor/mesh_editor_state.h"
#include "mesh_editor/mesh_snapshot.h"
#include "module/module_entry.h"
#include "platform/dialog_host.h"
#include "resources/resource_ids.h"

long createMeshEditorDialog(WindowNode* parent, Mesh* mesh, short editorTag, long (*onApply)(const char*, short),
                            long (*chooseMaterial)(long), Material* (*lookupMaterial)(short)) {
    MeshEditorState& state = meshEditorState();
    // One editor at a time: a call from inside a running editor's callbacks would pull the
    // current mesh from under it.
    if (mesh == nullptr || state.currentMesh != nullptr) return 0;
    state.chooseMaterial = chooseMaterial;
    state.lookupMaterial = lookupMaterial;
    MeshSnapshot snapshot;
    if (!takeMeshSnapshot(*mesh, snapshot)) return 0;  // never edit a mesh that cannot be restored

    state.currentMesh = mesh;
    const HWND owner = parent != nullptr ? parent->window : nullptr;
    const INT_PTR result = DialogHost::dialogBoxParam(moduleInstance(), IDD_EDIT_MESH, owner, meshEditorProcedure, 0);
    if (result != 0) {
        if (onApply != nullptr) onApply(nullptr, editorTag);
    } else {
        restoreMeshSnapshot(*mesh, snapshot);
    }
    releaseMeshSnapshot(snapshot);
    state.currentMesh = nullptr;
    return static_cast<long>(result);
}
