// A mesh-editor callback runs the generic dialogs while "Edit Mesh" is open: the two keep their
// state apart, so the nested dialog answers correctly and the mesh editor goes on editing.
#include <gtest/gtest.h>

#include <cstring>

#include <UIResource/UIResource.h>
#include "resources/resource_ids.h"
#include "platform/scripted_user/scripted_user.h"

namespace {

const char* kMaterialNames[] = {"Stone", "Bark", "Moss"};
const long kMaterialIds[] = {9, 3, 7};
Material materials[10];
int applyCalls = 0;
char lastRename[32] = "";

Material* lookupMaterial(short id) { return id >= 0 && id < 10 ? &materials[id] : nullptr; }

long applyMesh(const char*, short) { return ++applyCalls; }

// The host's chooser: the list dialog, with the current material preselected.
long chooseWithList(long current) {
    long chosen = UI::select(nullptr, "Fake Shadow Material", "Use", kMaterialNames, kMaterialIds, 3, current);
    return chosen != -1 ? chosen : current;
}

// A chooser that first lets the user rename the current material, then keeps it.
long renameCurrent(long current) {
    UI::rename(nullptr, materials[current].name, lastRename, sizeof lastRename, -1, -1);
    return current;
}

Mesh makeMesh() {
    for (int i = 0; i < 3; ++i) std::strcpy(materials[kMaterialIds[i]].name, kMaterialNames[i]);
    Mesh mesh{};
    std::strcpy(mesh.name, "Crate");
    mesh.fakeShadowMaterial = 3;
    applyCalls = 0;
    return mesh;
}

}  // namespace

TEST(MeshEditorNesting, MaterialChooserRunsTheListDialogWhileTheMeshEditorIsOpen) {
    Mesh mesh = makeMesh();
    WindowNode parent{nullptr};
    scripted::User user;
    user.then([](scripted::Dialog& editor) {
        EXPECT_EQ(editor.text(IDC_FAKE_SHADOW_MATERIAL_NAME), "Bark");
        editor.click(IDC_FAKE_SHADOW_MATERIAL_BUTTON);  // the list dialog opens and ends inside
        EXPECT_EQ(editor.text(IDC_FAKE_SHADOW_MATERIAL_NAME), "Moss");
        editor.type(IDC_LOD_RANGE_1, "250");
        editor.click(IDOK);
    });
    user.then([](scripted::Dialog& list) {
        EXPECT_EQ(list.title(), "Fake Shadow Material");
        EXPECT_EQ(list.listSelection(IDC_SELECTION_LIST), 0);  // "Bark", id 3
        list.clickListItem(IDC_SELECTION_LIST, "Moss");
        list.click(IDOK);
    });
    EXPECT_EQ(createMeshEditorDialog(&parent, &mesh, 5, &applyMesh, &chooseWithList, &lookupMaterial), 1);
    EXPECT_EQ(mesh.fakeShadowMaterial, 7);
    EXPECT_EQ(mesh.lodRange[0], 250.0f);
    EXPECT_EQ(applyCalls, 1);
    EXPECT_EQ(user.dialogsOpened(), 2);
    EXPECT_EQ(user.dialogsAbandoned(), 0);
}

TEST(MeshEditorNesting, NestedRenameWorksAndTheMeshEditorStillRollsBackOnCancel) {
    Mesh mesh = makeMesh();
    lastRename[0] = '\0';
    WindowNode parent{nullptr};
    scripted::User user;
    user.then([](scripted::Dialog& editor) {
        editor.click(IDC_FAKE_SHADOW_MATERIAL_BUTTON);
        editor.type(IDC_LOD_RANGE_2, "99");
        editor.click(IDCANCEL);
    });
    user.then([](scripted::Dialog& nameEntry) {
        EXPECT_EQ(nameEntry.text(IDC_OLD_NAME), "Bark");
        // The focus came from the mesh editor's control, so the setup hook kept it on the new name.
        EXPECT_EQ(nameEntry.focusedId(), IDC_NEW_NAME);
        nameEntry.type(IDC_NEW_NAME, "Birch bark");
        nameEntry.click(IDOK);
    });
    EXPECT_EQ(createMeshEditorDialog(&parent, &mesh, 5, &applyMesh, &renameCurrent, &lookupMaterial), 0);
    EXPECT_STREQ(lastRename, "Birch bark");
    EXPECT_EQ(mesh.lodRange[1], 0.0f);
    EXPECT_EQ(mesh.fakeShadowMaterial, 3);
    EXPECT_EQ(applyCalls, 0);
}
