// Conversion of template dialog units to pixels, shared by the headless dialog manager and the
// renderer so that both lay a template out identically.
#pragma once

#include <cstdint>

namespace uires {

// A font's dialog base units: average character width and height in pixels at 96 dpi. For the
// 8-point faces the templates use ("MS Sans Serif", "MS Shell Dlg") Windows reports 6 × 13;
// other sizes scale from that.
struct BaseUnits {
    int width = 6;
    int height = 13;
};

inline BaseUnits baseUnitsForPointSize(int pointSize) {
    if (pointSize <= 0) pointSize = 8;
    return BaseUnits{(pointSize * 6 + 4) / 8, (pointSize * 13 + 7) / 8};
}

// MulDiv's rounding, as USER32's MapDialogRect uses it.
inline int mulDivRounded(int value, int numerator, int denominator) {
    long long product = static_cast<long long>(value) * numerator;
    long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : -((-product + half) / denominator));
}

inline int dialogUnitsToPixelsX(int units, const BaseUnits& base) { return mulDivRounded(units, base.width, 4); }
inline int dialogUnitsToPixelsY(int units, const BaseUnits& base) { return mulDivRounded(units, base.height, 8); }

}  // namespace uires
