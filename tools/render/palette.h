// The colours of the classic desktop look the dialog pictures use.
#pragma once

#include "tools/render/image.h"

namespace uitools::palette {

constexpr Colour kFace{212, 208, 200, 255};
constexpr Colour kHighlight{255, 255, 255, 255};
constexpr Colour kShadow{128, 128, 128, 255};
constexpr Colour kDarkShadow{64, 64, 64, 255};
constexpr Colour kWindow{255, 255, 255, 255};
constexpr Colour kText{0, 0, 0, 255};
constexpr Colour kTitle{10, 36, 106, 255};
constexpr Colour kTitleEnd{166, 202, 240, 255};
constexpr Colour kTitleText{255, 255, 255, 255};
constexpr Colour kInactiveTitle{128, 128, 128, 255};
constexpr Colour kInactiveTitleEnd{192, 192, 192, 255};
constexpr Colour kInactiveTitleText{212, 208, 200, 255};
constexpr Colour kSelection{10, 36, 106, 255};
constexpr Colour kSelectionText{255, 255, 255, 255};

}  // namespace uitools::palette
