// The "Edit Mesh" dialog procedure: opening, and one handler per command of its controls.
#include "mesh_editor/mesh_editor_dialog.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "mesh_editor/animation_panel.h"
#include "mesh_editor/check_boxes.h"
#include "mesh_editor/mesh_editor_state.h"
#include "mesh_editor/mesh_records.h"
#include "mesh_editor/short_float.h"
#include "platform/dialog_host.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kTitleCapacity = 512;      // NUL included; a longer title is cut
constexpr int kSizeTextCapacity = 32;    // the size field is read up to 31 characters
constexpr int kLodFieldCount = 8;

Mesh& currentMesh() { return *meshEditorState().currentMesh; }

// Truncation toward zero; values beyond the 32-bit range stop at its ends and NaN gives 0,
// where a plain conversion would be undefined.
int32_t wholeNumberPart(float value) {
    if (std::isnan(value)) return 0;
    if (value <= -2147483648.0f) return INT32_MIN;
    if (value >= 2147483648.0f) return INT32_MAX;
    return static_cast<int32_t>(value);
}

void showMaterialName(HWND dialog, short materialId) {
    Material* (*lookup)(short) = meshEditorState().lookupMaterial;
    const Material* material = lookup != nullptr ? lookup(materialId) : nullptr;
    if (material == nullptr) {
        DialogHost::setDlgItemText(dialog, IDC_FAKE_SHADOW_MATERIAL_NAME, "N/A");
        return;
    }
    DialogHost::setDlgItemText(dialog, IDC_FAKE_SHADOW_MATERIAL_NAME, boundedName(material->name).text);
}

void showTitle(HWND dialog) {
    char title[kTitleCapacity];
    std::snprintf(title, sizeof title, "Edit Mesh Dialog:  %s", boundedName(currentMesh().name).text);
    DialogHost::setWindowText(dialog, title);
}

// Each field reports its new text at once, and the command handlers store what it shows.
void showLodRangesAndSize(HWND dialog) {
    for (int i = 0; i < kLodFieldCount; ++i) {
        DialogHost::setDlgItemInt(dialog, IDC_LOD_RANGE_1 + i, wholeNumberPart(currentMesh().lodRange[i]));
    }
    DialogHost::setDlgItemText(dialog, IDC_FAKE_SHADOW_SIZE, formatShortFloat(currentMesh().fakeShadowSize).text);
}

void openMeshEditor(HWND dialog) {
    fillAnimationList(dialog);
    showSelectedAnimation(dialog);
    for (const FlagBox& box : kMeshFlagBoxes) {
        if ((currentMesh().MeshFlags & box.bit) != 0) setBoxChecked(dialog, box.id, true);
    }
    // The id goes to the lookup as the same 16 bits it was stored as.
    showMaterialName(dialog, currentMesh().fakeShadowMaterial);
    showTitle(dialog);
    showLodRangesAndSize(dialog);
}

void chooseFakeShadowMaterial(HWND dialog) {
    long (*choose)(long) = meshEditorState().chooseMaterial;
    if (choose != nullptr) {
        const long chosen = choose(static_cast<long>(currentMesh().fakeShadowMaterial));
        currentMesh().fakeShadowMaterial = static_cast<int16_t>(static_cast<uint16_t>(chosen));
    }
    showMaterialName(dialog, currentMesh().fakeShadowMaterial);
}

// Turning one billboard box on turns the other off; turning one off leaves the other alone.
void storeMeshFlag(HWND dialog, const FlagBox& box) {
    const bool checked = isBoxChecked(dialog, box.id);
    updateFlag(currentMesh().MeshFlags, box.bit, checked);
    if (!checked || (box.bit != MESH_BILLBOARD_2D && box.bit != MESH_BILLBOARD_3D)) return;
    const bool is2d = box.bit == MESH_BILLBOARD_2D;
    updateFlag(currentMesh().MeshFlags, is2d ? MESH_BILLBOARD_3D : MESH_BILLBOARD_2D, false);
    setBoxChecked(dialog, is2d ? IDC_BILLBOARD_3D : IDC_BILLBOARD_2D, false);
}

void storeFakeShadowSize(HWND dialog) {
    char text[kSizeTextCapacity];
    DialogHost::getDlgItemText(dialog, IDC_FAKE_SHADOW_SIZE, text, sizeof text);
    currentMesh().fakeShadowSize = static_cast<float>(readLeadingNumber(text));
}

void storeLodRange(HWND dialog, int id) {
    currentMesh().lodRange[id - IDC_LOD_RANGE_1] = static_cast<float>(DialogHost::getDlgItemInt(dialog, id));
}

bool isAnimationPanelControl(int id) {
    return id == IDC_ANIMATION_SPEED || id == IDC_ANIMATION_LOOP || id == IDC_ANIMATION_SKIP_LAST_NODE ||
           id == IDC_ANIMATION_START_RANDOM_FRAME || id == IDC_ANIMATION_LOOP_BOUNCE ||
           id == IDC_ANIMATION_INSTANT_TERMINATE;
}

// The flag boxes, the material button, the size and the LOD fields answer FALSE; every other
// command, the animation panel's included, answers TRUE.
INT_PTR handleCommand(HWND dialog, int id, int notification) {
    if (id == IDOK || id == IDCANCEL) {
        DialogHost::endDialog(dialog, id == IDOK ? 1 : 0);
    } else if (id == IDC_FAKE_SHADOW_MATERIAL_BUTTON) {
        chooseFakeShadowMaterial(dialog);
        return FALSE;
    } else if (const FlagBox* box = findMeshFlagBox(id)) {
        storeMeshFlag(dialog, *box);
        return FALSE;
    } else if (id == IDC_FAKE_SHADOW_SIZE) {
        storeFakeShadowSize(dialog);
        return FALSE;
    } else if (id >= IDC_LOD_RANGE_1 && id <= IDC_LOD_RANGE_8) {
        storeLodRange(dialog, id);
        return FALSE;
    } else if (id == IDC_ANIMATION_LIST) {
        if (notification == LBN_SELCHANGE) showSelectedAnimation(dialog);
    } else if (isAnimationPanelControl(id)) {
        storeSelectedAnimation(dialog);
    }
    return TRUE;
}

}  // namespace

INT_PTR CALLBACK meshEditorProcedure(HWND dialog, UINT message, WPARAM wordParam, LPARAM /*longParam*/) {
    switch (message) {
    case WM_INITDIALOG:
        openMeshEditor(dialog);
        return TRUE;
    case WM_COMMAND:
        return handleCommand(dialog, LOWORD(wordParam), HIWORD(wordParam));
    case WM_HSCROLL:
        return TRUE;
    default:
        return FALSE;
    }
}
