// The mesh editor's flag check boxes: which bit each shows, and reading and setting their state.
#include "mesh_editor/check_boxes.h"

#include <UIResource/UIResource.h>
#include "platform/dialog_host.h"
#include "resources/resource_ids.h"

const FlagBox kMeshFlagBoxes[11] = {
    {IDC_COLLISION_BUFFER_ENTRY, MESH_COLLISION_BUFFER_ENTRY},
    {IDC_SHADOW_CASTER, MESH_SHADOW_CASTER},
    {IDC_STATIC_SHADOWS, MESH_STATIC_SHADOWS},
    {IDC_ALPHA_BLEND_LODS, MESH_ALPHA_BLEND_LODS},
    {IDC_BILLBOARD_2D, MESH_BILLBOARD_2D},
    {IDC_BILLBOARD_3D, MESH_BILLBOARD_3D},
    {IDC_RANDOM_PLACEMENT_ROT, MESH_RANDOM_PLACEMENT_ROT},
    {IDC_RANDOM_BILLBOARD_3D_ROT, MESH_RANDOM_BILLBOARD_3D_ROT},
    {IDC_SQUARE_AXIS_ALIGNED, MESH_SQUARE_AXIS_ALIGNED},
    {IDC_FAKE_SHADOWS, MESH_FAKE_SHADOWS},
    {IDC_FAKE_SHADOW_AUTO_SIZE, MESH_FAKE_SHADOW_AUTO_SIZE},
};

const FlagBox kAnimationFlagBoxes[5] = {
    {IDC_ANIMATION_LOOP, ANIMATION_LOOP},
    {IDC_ANIMATION_LOOP_BOUNCE, ANIMATION_LOOP_BOUNCE},
    {IDC_ANIMATION_SKIP_LAST_NODE, ANIMATION_SKIP_LAST_NODE},
    {IDC_ANIMATION_INSTANT_TERMINATE, ANIMATION_INSTANTLY_TERMINATE},
    {IDC_ANIMATION_START_RANDOM_FRAME, ANIMATION_START_ON_RANDOM_FRAME},
};

const FlagBox* findMeshFlagBox(int id) {
    for (const FlagBox& box : kMeshFlagBoxes) {
        if (box.id == id) return &box;
    }
    return nullptr;
}

bool isBoxChecked(HWND dialog, int id) {
    return DialogHost::sendMessage(DialogHost::getDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void setBoxChecked(HWND dialog, int id, bool checked) {
    DialogHost::sendMessage(DialogHost::getDlgItem(dialog, id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}
