// The module's resource catalogue, dialog templates and menu as the host relies on them, written
// down row by row; the decoder tests and the live-dialog tests under Wine compare against it.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win32_types.h"

namespace expected {

// Predefined window classes, stored in templates as these atoms.
enum ClassAtom : uint16_t { kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kListBox = 0x83, kComboBox = 0x85 };

// Every control carries these besides the bits its row lists.
constexpr uint32_t kChild = WS_CHILD | WS_VISIBLE;

struct Control {
    int32_t id;          // -1 for labels and group boxes
    uint16_t classAtom;  // ClassAtom
    uint32_t style;      // full style, kChild included
    const char* caption; // "" when the template stores no caption
    int16_t x, y, width, height;  // dialog units
};

struct Font {
    uint16_t pointSize;
    const char* faceName;
    uint16_t weight;  // extended templates only; 0 in classic ones
    uint8_t italic;   // extended templates only
    uint8_t charset;  // extended templates only
};

struct Dialog {
    uint16_t id;
    bool extended;   // DLGTEMPLATEEX (version 1, signature 0xFFFF) rather than DLGTEMPLATE
    uint32_t style;  // window style of the dialog itself
    Font font;
    const char* title;
    int16_t x, y, width, height;  // dialog units
    std::vector<Control> controls;  // in template order
};

struct MenuItem {
    uint16_t id;
    const char* caption;
};

// Menu 104: one pop-up on the menu bar holding plain string items.
struct Menu {
    uint16_t id;
    const char* popupCaption;
    std::vector<MenuItem> items;
};

// One resource of the module. Types with a name have typeId 0; size 0 means "not fixed here".
struct CatalogueEntry {
    const char* typeName;
    uint16_t typeId;
    uint16_t id;
    uint32_t size;
};

constexpr uint16_t kLanguage = 1033;  // English (United States), for every resource

const std::vector<Dialog>& dialogs();
const Dialog* findDialog(uint16_t id);  // null for an id that is not a template
const Menu& resizeMenu();
const std::vector<CatalogueEntry>& catalogue();  // in the order the compiled file keeps them

}  // namespace expected
