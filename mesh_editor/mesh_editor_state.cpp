// The mesh editor's single module-wide state record.
#include "mesh_editor/mesh_editor_state.h"

namespace {
MeshEditorState state{};
}

MeshEditorState& meshEditorState() { return state; }
