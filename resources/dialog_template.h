// Decodes classic (DLGTEMPLATE) and extended (DLGTEMPLATEEX) dialog templates and menu templates
// into one model each, for the headless dialog manager, the tools and the tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace uires {

// A template field that holds nothing, an ordinal (0xFFFF followed by a number) or a text.
struct NameOrOrdinal {
    enum Kind { None, Ordinal, Text } kind = None;
    uint16_t ordinal = 0;
    std::string text;
};

struct DialogControl {
    int32_t id = 0;  // sign-extended: labels read -1 in both template kinds
    uint32_t style = 0;
    uint32_t exStyle = 0;
    uint32_t helpId = 0;  // extended templates only
    int16_t x = 0, y = 0, width = 0, height = 0;
    NameOrOrdinal windowClass;  // predefined classes are ordinals 0x80 to 0x85
    NameOrOrdinal caption;
    std::vector<uint8_t> creationData;

    // "BUTTON", "EDIT", ... for a predefined class atom, the text for a named class.
    std::string className() const;
};

struct DialogTemplate {
    bool extended = false;
    uint16_t version = 0;    // extended: 1
    uint16_t signature = 0;  // extended: 0xFFFF
    uint32_t helpId = 0;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    int16_t x = 0, y = 0, width = 0, height = 0;
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::string title;
    bool hasFont = false;  // DS_SETFONT (or DS_SHELLFONT) was set
    uint16_t pointSize = 0;
    uint16_t weight = 0;   // extended only
    uint8_t italic = 0;    // extended only
    uint8_t charset = 0;   // extended only
    std::string faceName;
    std::vector<DialogControl> controls;
};

// Returns false with a message naming the failing item ("control 12: ...") when the bytes are
// truncated or inconsistent.
bool decodeDialogTemplate(const uint8_t* data, size_t size, DialogTemplate& dialog, std::string& error);

struct MenuItem {
    uint16_t flags = 0;  // MF_* bits as stored (MF_POPUP, MF_END, ...)
    uint16_t id = 0;     // 0 for pop-ups
    std::string text;
    std::vector<MenuItem> children;  // pop-ups only
};

struct MenuTemplate {
    uint16_t version = 0;
    uint16_t headerSize = 0;
    std::vector<MenuItem> items;
};

bool decodeMenuTemplate(const uint8_t* data, size_t size, MenuTemplate& menu, std::string& error);

// The predefined class name of an atom (0x80 "BUTTON" to 0x85 "COMBOBOX"), or null.
const char* predefinedClassName(uint16_t atom);

}  // namespace uires
