// The five-significant-digit short form of a float, written out by hand because the C runtime
// conversion that produces it exists only on Windows.
#include "mesh_editor/short_float.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kSignificantDigits = 5;

// Drops zeros that end the digits after the decimal point; the point itself stays.
void trimTrailingZeros(char* digits) {
    char* point = std::strchr(digits, '.');
    if (point == nullptr) return;
    char* end = point + std::strlen(point);
    while (end > point + 1 && end[-1] == '0') --end;
    *end = '\0';
}

// Writes a finite, non-negative magnitude without its sign.
void formatMagnitude(double magnitude, char* out, size_t capacity) {
    // "%.4e" rounds to five significant digits; its exponent is that of the rounded value, so
    // 99999.7 counts as 1.0000e+05. The exponent is read back because runtimes print it with
    // two or three digits.
    char scientific[32];
    std::snprintf(scientific, sizeof scientific, "%.*e", kSignificantDigits - 1, magnitude);
    const char* exponentText = std::strchr(scientific, 'e');
    int exponent = magnitude == 0.0 ? -1 : std::atoi(exponentText + 1);
    if (exponent >= -1 && exponent <= kSignificantDigits - 1) {
        std::snprintf(out, capacity, "%#.*f", kSignificantDigits - 1 - exponent, magnitude);
        trimTrailingZeros(out);
        return;
    }
    char mantissa[16];
    std::snprintf(mantissa, sizeof mantissa, "%.*s", static_cast<int>(exponentText - scientific), scientific);
    trimTrailingZeros(mantissa);
    // A double's decimal exponent never passes 324; the bound tells the compiler so.
    int exponentDigits = std::abs(exponent) % 1000;
    std::snprintf(out, capacity, "%se%c%03d", mantissa, exponent < 0 ? '-' : '+', exponentDigits);
}

}  // namespace

ShortFloat formatShortFloat(double value) {
    ShortFloat result{};
    const char* sign = std::signbit(value) ? "-" : "";
    if (std::isnan(value)) {
        std::snprintf(result.text, sizeof result.text, "nan");
    } else if (std::isinf(value)) {
        std::snprintf(result.text, sizeof result.text, "%sinf", sign);
    } else {
        char magnitude[sizeof result.text - 1];
        formatMagnitude(std::fabs(value), magnitude, sizeof magnitude);
        std::snprintf(result.text, sizeof result.text, "%s%s", sign, magnitude);
    }
    return result;
}
