// The five-significant-digit short form in which the mesh editor shows a float, and the reading of
// what the user types back; both use '.' as the decimal point whatever the C locale.
#pragma once

// Room for the longest form, "-1.2345e-045", with a margin.
struct ShortFloat {
    char text[24];
};

// The value rounded to 5 significant digits. With k the decimal exponent of the rounded value's
// leading digit (zero counts as k = -1): fixed notation with 4 - k decimals when -1 <= k <= 4,
// otherwise d.dddde+XXX with a signed three-digit exponent. Trailing zeros after the point are
// removed but the point stays ("2."). Negative values, -0 included, start with '-'; infinities
// and NaN read "inf", "-inf" and "nan".
ShortFloat formatShortFloat(double value);

// The number at the start of `text` as strtod reads it in the C locale: leading white space, a
// sign, decimal digits with an optional point and exponent, hexadecimal ones after "0x" with a
// binary exponent, or "inf", "infinity" and "nan"; what follows is ignored. No number, or a null
// text, reads as 0. A value beyond a double's range reads as +-HUGE_VAL, one too small as +-0.
double readLeadingNumber(const char* text);
