// Code page 1252, the character set of the module's bitmap font, reached from UTF-8 text.
#pragma once

#include <string>

namespace uitools {

// UTF-8 text as code page 1252 bytes; false with the first character it lacks (or byte not UTF-8) in `error`.
bool utf8ToCodePage1252(const std::string& utf8, std::string& codePage, std::string& error);

// The same, with the characters code page 1252 lacks, and bytes that are not UTF-8, left out.
std::string utf8ToCodePage1252Lossy(const std::string& utf8);

// Clipboard text between a desktop's UTF-8 and the dialogs' code page, as Windows converts it
// (MultiByteToWideChar and WideCharToMultiByte for code page 1252): the five codes the code page
// leaves unassigned stand for U+0081, U+008D, U+008F, U+0090 and U+009D both ways, and a
// character it lacks, or a byte that is not UTF-8, becomes '?'.
std::string utf8ToCodePage1252Replacing(const std::string& utf8);
std::string codePage1252ToUtf8(const std::string& codePage);

}  // namespace uitools
