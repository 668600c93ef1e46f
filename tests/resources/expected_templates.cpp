// The expected catalogue, templates and menu of the module, one row per control in template order.
#include "tests/resources/expected_templates.h"

namespace expected {
namespace {

// The three window styles the templates use.
constexpr uint32_t kModal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr uint32_t kNoSystemMenu = kModal & ~static_cast<uint32_t>(WS_SYSMENU);
constexpr uint32_t kShellFont = kModal | DS_FIXEDSYS;
static_assert(kModal == 0x80C800C0u, "WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT");
static_assert(kNoSystemMenu == 0x80C000C0u, "the modal style without WS_SYSMENU");
static_assert(kShellFont == 0x80C800C8u, "the modal style with DS_SHELLFONT");

// Name Entry: no WS_SYSMENU, so no system menu and no close box.
Dialog nameEntry() {
    return {101, false, kNoSystemMenu, {8, "MS Sans Serif", 0, 0, 0}, "Name Entry", 0, 0, 223, 90, {
        {1, kButton, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, "OK", 53, 69, 50, 14},
        {2, kButton, kChild | WS_TABSTOP | BS_PUSHBUTTON, "Cancel", 121, 69, 50, 14},
        {-1, kStatic, kChild | WS_GROUP | SS_LEFT, "Old Name:", 13, 14, 34, 8},
        {1050, kStatic, kChild | WS_GROUP | SS_LEFT, "Static", 55, 14, 151, 8},
        {-1, kStatic, kChild | WS_GROUP | SS_LEFT, "New Name:", 13, 33, 38, 8},
        {1051, kEdit, kChild | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, "", 55, 30, 154, 14},
    }};
}

// List Selection.
Dialog listSelection() {
    return {102, false, kModal, {8, "MS Sans Serif", 0, 0, 0}, "List Selection", 0, 0, 238, 290, {
        {1, kButton, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, "Remap", 131, 269, 50, 14},
        {2, kButton, kChild | WS_TABSTOP | BS_PUSHBUTTON, "Cancel", 53, 269, 50, 14},
        {-1, kButton, kChild | BS_GROUPBOX, "Selections", 12, 9, 216, 228},
        {1085, kListBox, kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT,
         "", 17, 19, 204, 213},
    }};
}

// Material Properties Dialog: an empty frame with one button.
Dialog materialProperties() {
    return {105, false, kModal, {8, "MS Sans Serif", 0, 0, 0}, "Material Properties Dialog", 0, 0, 293, 196, {
        {1, kButton, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, "OK", 128, 175, 50, 14},
    }};
}

// Edit Mesh; the tab order is the template order, not the visual one.
Dialog editMesh() {
    return {109, false, kModal, {8, "MS Sans Serif", 0, 0, 0}, "Edit Mesh", 0, 0, 425, 404, {
        {-1, kButton, kChild | BS_GROUPBOX, "Miscellaneous Flags", 12, 123, 143, 88},
        {1067, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, "Alpha Blend LODs", 16, 134, 73, 10},
        {-1, kButton, kChild | BS_GROUPBOX, "LOD Range", 214, 8, 51, 150},
        {1076, kEdit, kChild | WS_BORDER | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL | ES_NUMBER, "", 218, 19, 40, 14},
        {1077, kEdit, kChild | WS_BORDER | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL | ES_NUMBER, "", 218, 36, 40, 14},
        {1078, kEdit, kChild | WS_BORDER | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL | ES_NUMBER, "", 218, 53, 40, 14},
        {1079, kEdit, kChild | WS_BORDER | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL | ES_NUMBER, "", 218, 69, 40, 14},
        {1080, kEdit, kChild | WS_BORDER | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL | ES_NUMBER, "", 218, 85, 40, 14},
        {1081, kEdit, kChild | WS_BORDER | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL | ES_NUMBER, "", 218, 104, 40, 14},
        {1082, kEdit, kChild | WS_BORDER | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL | ES_NUMBER, "", 218, 121, 40, 14},
        {1083, kEdit, kChild | WS_BORDER | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL | ES_NUMBER, "", 218, 137, 40, 14},
        {1, kButton, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, "OK", 145, 383, 50, 14},
        {2, kButton, kChild | WS_TABSTOP | BS_PUSHBUTTON, "Cancel", 231, 383, 50, 14},
        {1010, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, "Shadow Caster", 15, 18, 62, 10},
        {1027, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, "Billboard (2D)", 16, 144, 57, 10},
        {1028, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, "Billboard (3D)", 16, 155, 57, 10},
        {1030, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, "Collision Buffer Entry", 16, 166, 81, 10},
        {1059, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, "Random Placement Rot", 16, 176, 91, 10},
        {-1, kButton, kChild | BS_GROUPBOX, "Skeleton/Skin List (Figures Only)", 271, 8, 143, 172},
        {1092, kListBox, kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT,
         "", 276, 16, 133, 158},
        {1011, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, "Static Shadows", 15, 29, 62, 10},
        {1098, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, "Random Billboard 3D Rot", 16, 187, 96, 10},
        {1100, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX,
         "Square and Axis-Aligned (Pathfinding)", 16, 197, 134, 10},
        {1156, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, "Fake Shadows", 15, 40, 63, 10},
        {1001, kButton, kChild | WS_TABSTOP | BS_PUSHBUTTON, "Fake Shadow Material", 73, 101, 82, 14},
        {-1, kStatic, kChild | WS_GROUP | SS_LEFT, "Fake Shadow Material:", 17, 66, 75, 8},
        {1002, kStatic, kChild | WS_GROUP | SS_LEFT, "Static", 93, 66, 108, 8},
        {-1, kButton, kChild | BS_GROUPBOX, "Shadow Flags and Settings", 11, 8, 197, 113},
        {1003, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, "Fake Shadow Auto Size", 15, 51, 92, 10},
        {1004, kEdit, kChild | WS_BORDER | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL, "", 93, 80, 40, 14},
        {-1, kStatic, kChild | WS_GROUP | SS_LEFT, "Fake Shadow Size:", 17, 82, 62, 8},
        {1031, kButton, kChild | WS_TABSTOP | BS_PUSHBUTTON, "Edit Animation Stats", 340, 256, 76, 14},
        {1032, kListBox, kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT,
         "", 168, 198, 159, 68},
        {-1, kButton, kChild | BS_GROUPBOX, "Mesh Animations", 161, 189, 176, 84},
        {1134, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, "Loop", 23, 310, 32, 10},
        {1135, kEdit, kChild | WS_BORDER | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL | ES_NUMBER, "", 23, 290, 40, 14},
        {-1, kStatic, kChild | WS_GROUP | SS_LEFT, "Speed (1 to FPS)", 66, 293, 55, 8},
        {1157, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, "Skip Last Node", 159, 293, 65, 10},
        {1163, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, "Start on Rnd Frame", 225, 293, 75, 10},
        {1164, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, "Loop Bounce", 65, 310, 59, 10},
        {1171, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, "Instantly Terminate", 159, 310, 75, 10},
    }};
}

// Edit Translator; the host's own procedure relies on every id and style.
Dialog editTranslator() {
    return {119, true, kModal, {8, "MS Sans Serif", 0, 0, 0}, "Edit Translator", 0, 0, 428, 444, {
        {1, kButton, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, "OK", 191, 423, 50, 14},
        {-1, kButton, kChild | BS_GROUPBOX, "Translator List (in order of execution)", 12, 8, 405, 111},
        {1182, kButton, kChild | WS_TABSTOP | BS_PUSHBUTTON, "Add", 17, 133, 56, 14},
        {1183, kButton, kChild | WS_TABSTOP | BS_PUSHBUTTON, "Delete", 137, 133, 56, 14},
        {1184, kButton, kChild | WS_TABSTOP | BS_PUSHBUTTON, "Modify", 77, 133, 56, 14},
        {1185, kComboBox, kChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_SORT, "", 17, 176, 169, 197},
        {-1, kStatic, kChild | WS_GROUP | SS_LEFT, "Event", 189, 178, 20, 8},
        {1186, kComboBox, kChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_SORT, "", 17, 193, 169, 178},
        {-1, kStatic, kChild | WS_GROUP | SS_LEFT, "Action", 189, 195, 21, 8},
        {1187, kComboBox, kChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_SORT, "", 17, 210, 169, 164},
        {-1, kStatic, kChild | WS_GROUP | SS_LEFT, "Parameter 1", 189, 211, 39, 8},
        {1188, kComboBox, kChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_SORT, "", 17, 227, 169, 147},
        {-1, kStatic, kChild | WS_GROUP | SS_LEFT, "Parameter 2", 189, 229, 39, 8},
        {-1, kButton, kChild | BS_GROUPBOX, "Translator List", 12, 122, 405, 142},
        {1189, kListBox, kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
         "", 18, 18, 392, 96},
        {1199, kButton, kChild | WS_TABSTOP | BS_PUSHBUTTON, "Reset", 198, 133, 56, 14},
        {1200, kEdit, kChild | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, "", 17, 243, 168, 14},
        {-1, kStatic, kChild | WS_GROUP | SS_LEFT, "Parameter String", 189, 246, 53, 8},
        {1201, kEdit, kChild | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, "", 166, 311, 123, 14},
        {1203, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, "String", 17, 312, 34, 10},
        {1204, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, "Quantity", 17, 328, 42, 10},
        {1212, kEdit, kChild | WS_BORDER | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL, "", 166, 327, 90, 14},
        {1190, kButton, kChild | WS_TABSTOP | BS_PUSHBUTTON, "Set to Default", 17, 152, 56, 14},
        {1014, kEdit, kChild | WS_BORDER | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL, "", 252, 243, 40, 14},
        {-1, kStatic, kChild | WS_GROUP | SS_LEFT, "Param Number", 296, 246, 48, 8},
        {1015, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, "IVar", 17, 280, 29, 10},
        {-1, kButton, kChild | BS_GROUPBOX,
         "Conditionals (the specified action only occurs if conditional statements evaluate to true)",
         12, 267, 405, 136},
        {1016, kComboBox, kChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_SORT, "", 60, 279, 121, 94},
        {1017, kEdit, kChild | WS_BORDER | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL, "", 291, 278, 53, 14},
        {1020, kComboBox, kChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_SORT, "", 60, 311, 102, 102},
        {1021, kComboBox, kChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_SORT, "", 60, 327, 102, 99},
        {1022, kComboBox, kChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_SORT, "", 185, 279, 102, 94},
        {1018, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, "IVar x 2", 17, 296, 40, 10},
        {1019, kComboBox, kChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_SORT, "", 60, 295, 121, 94},
        {1023, kComboBox, kChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_SORT, "", 185, 294, 102, 94},
        {1024, kComboBox, kChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_SORT, "", 291, 295, 121, 94},
        {1202, kButton, kChild | WS_TABSTOP | BS_PUSHBUTTON, "Move Up", 259, 133, 56, 14},
        {1205, kButton, kChild | WS_TABSTOP | BS_PUSHBUTTON, "Move Down", 320, 133, 56, 14},
        {1206, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, "Frame", 17, 344, 35, 10},
        {1025, kComboBox, kChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_SORT, "", 60, 343, 102, 99},
        {1213, kEdit, kChild | WS_BORDER | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL, "", 166, 343, 90, 14},
        {1207, kButton, kChild | WS_TABSTOP | BS_PUSHBUTTON, "Copy All", 259, 152, 56, 14},
        {1208, kButton, kChild | WS_TABSTOP | BS_PUSHBUTTON, "Paste All", 320, 152, 56, 14},
        {1036, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX,
         "Always Execute (Even If Input Locked)", 273, 327, 137, 10},
        {1191, kComboBox, kChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_SORT, "", 219, 176, 100, 197},
        {-1, kStatic, kChild | WS_GROUP | SS_LEFT, "Sub-Event", 327, 178, 34, 8},
        {1026, kComboBox, kChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_SORT, "", 60, 359, 102, 99},
        {1209, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, "Link", 17, 360, 29, 10},
        {1210, kEdit, kChild | WS_BORDER | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL, "", 166, 359, 90, 14},
        {1211, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, "Focus", 273, 339, 35, 10},
        {1214, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, "No Focus", 273, 351, 47, 10},
        {1037, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, "Unfocused", 273, 363, 51, 10},
    }};
}

// Veldacor Remote Updater, carried for the host only.
Dialog remoteUpdater() {
    return {121, true, kShellFont, {8, "MS Shell Dlg", 400, 0, 1}, "Veldacor Remote Updater", 0, 0, 243, 109, {
        {1, kButton, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, "Download the Update", 29, 88, 79, 14},
        {2, kButton, kChild | WS_TABSTOP | BS_PUSHBUTTON, "Just Play the Game", 133, 88, 79, 14},
        {-1, kStatic, kChild | WS_GROUP | SS_LEFT, "A free update to this application is available.", 17, 14, 146, 8},
        {-1, kStatic, kChild | WS_GROUP | SS_LEFT, "Your current version is: xxx", 17, 33, 90, 8},
        {-1, kStatic, kChild | WS_GROUP | SS_LEFT, "The latest version available is:  xxx", 17, 44, 114, 8},
    }};
}

// The exit dialog; its title is replaced when it opens.
Dialog exitApplication() {
    return {122, true, kShellFont, {8, "MS Shell Dlg", 400, 0, 1}, "Dialog", 0, 0, 268, 94, {
        {1, kButton, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, "Go to www.veldacor.com", 146, 73, 77, 14},
        {2, kButton, kChild | WS_TABSTOP | BS_PUSHBUTTON, "Cancel", 41, 73, 77, 14},
        {-1, kStatic, kChild | WS_GROUP | SS_LEFT,
         "Get more information on all of our games at the Veldacor web site.", 26, 9, 226, 8},
        {-1, kStatic, kChild | WS_GROUP | SS_LEFT,
         "If you would like to purchase one of our titles you can do so from our secure", 11, 21, 245, 8},
        {-1, kStatic, kChild | WS_GROUP | SS_LEFT,
         "purchasing page.  It's quick, convenient, and we support a wide variety of", 11, 33, 239, 8},
        {-1, kStatic, kChild | WS_GROUP | SS_LEFT,
         "payment options including credits cards, PayPal, checks, and money orders.", 11, 45, 244, 8},
    }};
}

// The "&Resize" pop-up of menu 104: sizes rise in steps of 16, ids in steps of 1.
Menu makeResizeMenu() {
    return {104, "&Resize", {
        {40001, "48x48"},
        {40002, "64x64"},
        {40003, "80x80"},
        {40004, "96x96"},
        {40005, "112x112"},
        {40006, "128x128"},
    }};
}

// Named types first, then the menu and the dialogs, as the resource compiler sorts them.
std::vector<CatalogueEntry> makeCatalogue() {
    return {
        {"FONTDATA", 0, 107, 262188},
        {"FONTSIZE", 0, 108, 256},
        {"MOUSE_POINTER_TEXTURE", 0, 111, 4140},
        {nullptr, 4, 104, 0},
        {nullptr, 5, 101, 0},
        {nullptr, 5, 102, 0},
        {nullptr, 5, 105, 0},
        {nullptr, 5, 109, 0},
        {nullptr, 5, 119, 0},
        {nullptr, 5, 121, 0},
        {nullptr, 5, 122, 0},
    };
}

}  // namespace

const std::vector<Dialog>& dialogs() {
    static const std::vector<Dialog> all = {nameEntry(),   listSelection(),  materialProperties(), editMesh(),
                                            editTranslator(), remoteUpdater(), exitApplication()};
    return all;
}

const Dialog* findDialog(uint16_t id) {
    for (const Dialog& dialog : dialogs()) {
        if (dialog.id == id) return &dialog;
    }
    return nullptr;
}

const Menu& resizeMenu() {
    static const Menu menu = makeResizeMenu();
    return menu;
}

const std::vector<CatalogueEntry>& catalogue() {
    static const std::vector<CatalogueEntry> entries = makeCatalogue();
    return entries;
}

}  // namespace expected
