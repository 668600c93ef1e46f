// One-line descriptions of resources and the readable text of templates and menus.
#pragma once

#include <ostream>
#include <string>

#include "tools/inspector/resource_catalogue.h"

namespace uitools {

// Width and height when the bytes are an uncompressed 32-bit TGA picture with the 2.0 footer.
bool isTgaPicture(const uint8_t* data, size_t size, int& width, int& height);

// What the entry holds: "classic dialog \"Name Entry\", 223 x 90, 6 controls", "TGA picture ...".
std::string describeEntry(const CatalogueEntry& entry);

// Writes the dialog template, the menu or (for other types) a summary and the first bytes in
// hexadecimal. False with the decoder's message in `error` when a template or menu is malformed.
bool showEntry(const CatalogueEntry& entry, std::ostream& out, std::string& error);

}  // namespace uitools
