// Check boxes bound to flag bits, and the two tables of them the mesh editor drives.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/win32_types.h"

struct FlagBox {
    int id;        // control id of the check box
    uint32_t bit;  // the flag bit it shows
};

// MeshFlags boxes in the order the dialog checks them when it opens.
extern const FlagBox kMeshFlagBoxes[11];
// AnimationFlags boxes in the order the panel shows and stores them.
extern const FlagBox kAnimationFlagBoxes[5];

// The box of kMeshFlagBoxes with this id, or null.
const FlagBox* findMeshFlagBox(int id);

bool isBoxChecked(HWND dialog, int id);
void setBoxChecked(HWND dialog, int id, bool checked);  // raises no click command
