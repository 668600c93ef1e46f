// GetDlgItemInt's reading of a number.
#include "platform/dialog_integer.h"

#include <cctype>
#include <climits>

int parseDialogInteger(const std::string& text) {
    size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    long long value = 0;
    size_t digits = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at, ++digits) {
        value = value * 10 + (text[at] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) return 0;
    }
    if (digits == 0) return 0;
    if (negative) value = -value;
    return value < INT_MIN || value > INT_MAX ? 0 : static_cast<int>(value);
}
