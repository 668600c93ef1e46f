// GetDlgItemInt's reading of a number, signed, written once for both dialog managers.
#pragma once

#include <string>

// Leading white space, a sign, then digits up to the first other character; no digit at all, or
// a value outside the 32-bit range, reads as 0.
int parseDialogInteger(const std::string& text);
