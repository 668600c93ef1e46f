// The animation panel of the "Edit Mesh" dialog.
#include "mesh_editor/animation_panel.h"

#include "mesh_editor/check_boxes.h"
#include "mesh_editor/mesh_editor_state.h"
#include "mesh_editor/mesh_records.h"
#include "platform/dialog_host.h"
#include "resources/resource_ids.h"

namespace {

HWND animationList(HWND dialog) { return DialogHost::getDlgItem(dialog, IDC_ANIMATION_LIST); }

// The record named by the selected entry's item data, or null with no selection.
MeshAnimation* selectedAnimation(HWND dialog) {
    const LRESULT position = DialogHost::sendMessage(animationList(dialog), LB_GETCURSEL, 0, 0);
    if (position < 0) return nullptr;
    const LRESULT index = DialogHost::sendMessage(animationList(dialog), LB_GETITEMDATA, position, 0);
    return findAnimation(*meshEditorState().currentMesh, static_cast<long>(index));
}

}  // namespace

// Without redraw during the fill, as USER32 would otherwise redraw the list after each name.
void fillAnimationList(HWND dialog) {
    const Mesh& mesh = *meshEditorState().currentMesh;
    const HWND list = animationList(dialog);
    DialogHost::sendMessage(list, WM_SETREDRAW, FALSE, 0);
    DialogHost::sendMessage(list, LB_RESETCONTENT, 0, 0);
    const int32_t count = usableAnimationCount(mesh);
    for (int32_t i = 0; i < count; ++i) {
        const auto name = boundedName(mesh.animations[i].name);
        const LRESULT position = DialogHost::sendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.text));
        if (position >= 0) DialogHost::sendMessage(list, LB_SETITEMDATA, position, i);
    }
    DialogHost::sendMessage(list, WM_SETREDRAW, TRUE, 0);
    DialogHost::sendMessage(list, LB_SETCURSEL, 0, 0);
}

void showSelectedAnimation(HWND dialog) {
    // Setting the speed field reports a change at once, while the boxes still show the previous
    // animation; storing then would copy its flags into this one.
    MeshEditorState& state = meshEditorState();
    state.suppressAnimationStore = true;
    if (const MeshAnimation* animation = selectedAnimation(dialog)) {
        DialogHost::setDlgItemInt(dialog, IDC_ANIMATION_SPEED, animation->speed);
        for (const FlagBox& box : kAnimationFlagBoxes) {
            setBoxChecked(dialog, box.id, (animation->AnimationFlags & box.bit) != 0);
        }
    }
    state.suppressAnimationStore = false;
}

void storeSelectedAnimation(HWND dialog) {
    if (meshEditorState().suppressAnimationStore) return;
    MeshAnimation* animation = selectedAnimation(dialog);
    if (animation == nullptr) return;
    animation->speed = DialogHost::getDlgItemInt(dialog, IDC_ANIMATION_SPEED);
    for (const FlagBox& box : kAnimationFlagBoxes) {
        updateFlag(animation->AnimationFlags, box.bit, isBoxChecked(dialog, box.id));
    }
}
