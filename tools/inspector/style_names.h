// Readable names of window, dialog and control style bits, for the inspector's "show" command.
#pragma once

#include <cstdint>
#include <string>

namespace uitools {

// "WS_POPUP | WS_CAPTION | ... | DS_SETFONT"; bits without a name end as one hexadecimal rest.
std::string dialogStyleNames(uint32_t style);

// The control's own style names for its class (BS_, ES_, SS_, LBS_, CBS_), then the window
// style names (WS_CHILD, WS_VISIBLE, WS_TABSTOP, ...).
std::string controlStyleNames(const std::string& className, uint32_t style);

// "MF_POPUP | MF_END" for a menu item's stored flags; "" for none.
std::string menuFlagNames(uint16_t flags);

}  // namespace uitools
