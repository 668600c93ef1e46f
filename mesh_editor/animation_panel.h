// The "Edit Mesh" dialog's animation panel: the sorted animation list, the speed field and the
// five animation flag boxes, editing one MeshAnimation of the current mesh at a time.
#pragma once

#include "platform/win32_types.h"

// Lists every animation by name with its index as item data and selects the first listed.
void fillAnimationList(HWND dialog);

// Shows the selected animation's speed and flags without storing anything back.
void showSelectedAnimation(HWND dialog);

// Copies the speed field and the five boxes into the selected animation; nothing while the
// panel is being shown or when no animation is selected.
void storeSelectedAnimation(HWND dialog);
