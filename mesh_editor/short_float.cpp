// The five-significant-digit short form of a float, written out by hand because the C runtime
// conversion that produces it exists only on Windows, and the reading of a number the user typed.
// Both use '.' whatever the C locale: the values are the host's data, and an editor that called
// setlocale(LC_ALL, "") on a machine with a comma locale must still show 2 as "2." and read "2.5"
// as two and a half. std::to_chars and std::from_chars never look at the locale.
#include "mesh_editor/short_float.h"

#include <charconv>
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

// to_chars into `out`, NUL-terminated; the buffers here always hold the result.
template <typename... Format>
void writeNumber(char* out, size_t capacity, double value, Format... format) {
    std::to_chars_result written = std::to_chars(out, out + capacity - 1, value, format...);
    *written.ptr = '\0';
}

// Writes a finite, non-negative magnitude without its sign.
void formatMagnitude(double magnitude, char* out, size_t capacity) {
    // Scientific notation with four decimals rounds to five significant digits; its exponent is
    // that of the rounded value, so 99999.7 counts as 1.0000e+05.
    char scientific[32];
    writeNumber(scientific, sizeof scientific, magnitude, std::chars_format::scientific, kSignificantDigits - 1);
    const char* exponentText = std::strchr(scientific, 'e');
    int exponent = magnitude == 0.0 ? -1 : std::atoi(exponentText + 1);
    if (exponent >= -1 && exponent <= kSignificantDigits - 1) {
        writeNumber(out, capacity - 1, magnitude, std::chars_format::fixed, kSignificantDigits - 1 - exponent);
        if (std::strchr(out, '.') == nullptr) std::strcat(out, ".");  // "12346." keeps its point
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

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Whether the exponent part of the number text [first, last) is negative: what decides, for a
// number out of a double's range, whether it overflowed or underflowed.
bool hasNegativeExponent(const char* first, const char* last, bool hexadecimal) {
    for (const char* at = first; at + 1 < last; ++at) {
        char c = static_cast<char>(*at | 0x20);
        if (c == (hexadecimal ? 'p' : 'e')) return at[1] == '-';
    }
    return false;
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

double readLeadingNumber(const char* text) {
    if (text == nullptr) return 0.0;
    while (isBlank(*text)) ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    if (*text == '-' || *text == '+') return 0.0;  // from_chars would take a second sign
    const bool hexadecimal = text[0] == '0' && (text[1] | 0x20) == 'x';
    const char* digits = hexadecimal ? text + 2 : text;
    const char* end = digits + std::strlen(digits);
    double value = 0.0;  // "0x" with no hexadecimal digit reads as the 0 before the x
    std::from_chars_result read = hexadecimal ? std::from_chars(digits, end, value, std::chars_format::hex)
                                              : std::from_chars(digits, end, value);
    if (read.ec == std::errc::result_out_of_range)
        value = hasNegativeExponent(digits, read.ptr, hexadecimal) ? 0.0 : HUGE_VAL;
    return negative ? -value : value;
}
