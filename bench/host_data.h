// Host data for the dialog benchmarks: lists of names in a scrambled order, as a host's lists
// come, and meshes with many animations.
#pragma once

#include <string>
#include <vector>

#include <UIResource/UIResource.h>
#include "platform/win32_types.h"

namespace benchdata {

// `count` distinct names ("Item 0041337"), in an order that is neither sorted nor reversed, so
// the sorted list boxes do the work they do with a host's data.
std::vector<std::string> scrambledNames(const char* prefix, long count);

// Index of the alphabetically last of `names`.
long lastInSortedOrder(const std::vector<std::string>& names);

// A mesh owning its animations, named by scrambledNames, each with speed 30.
struct MeshWithAnimations {
    Mesh mesh{};
    std::vector<MeshAnimation> animations;
};
void fillMesh(MeshWithAnimations& host, long animationCount);

// A host's procedure for the templates only the host opens (119, 121): Cancel, which Escape
// sends, ends the dialog with 0.
INT_PTR CALLBACK cancellingProcedure(HWND dialog, UINT message, WPARAM wordParam, LPARAM longParam);

}  // namespace benchdata
