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

// The control styles the templates use, kChild included.
constexpr uint32_t kDefault = kChild | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr uint32_t kPush = kChild | WS_TABSTOP | BS_PUSHBUTTON;
constexpr uint32_t kCheck = kChild | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr uint32_t kGroup = kChild | BS_GROUPBOX;
constexpr uint32_t kLabel = kChild | WS_GROUP | SS_LEFT;
constexpr uint32_t kField = kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;  // with its alignment
constexpr uint32_t kList = kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
constexpr uint32_t kCombo = kChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_SORT;

// Name Entry: no WS_SYSMENU, so no system menu and no close box.
Dialog nameEntry() {
    return {101, false, kNoSystemMenu, {8, "MS Sans Serif", 0, 0, 0}, "Name Entry", 0, 0, 223, 90, {
        {1, kButton, kDefault, "OK", 53, 69, 50, 14},
        {2, kButton, kPush, "Cancel", 121, 69, 50, 14},
        {-1, kStatic, kLabel, "Old Name:", 13, 14, 34, 8},
        {1050, kStatic, kLabel, "Static", 55, 14, 151, 8},
        {-1, kStatic, kLabel, "New Name:", 13, 33, 38, 8},
        {1051, kEdit, kField | ES_LEFT, "", 55, 30, 154, 14},
    }};
}

// List Selection.
Dialog listSelection() {
    return {102, false, kModal, {8, "MS Sans Serif", 0, 0, 0}, "List Selection", 0, 0, 238, 290, {
        {1, kButton, kDefault, "Remap", 131, 269, 50, 14},
        {2, kButton, kPush, "Cancel", 53, 269, 50, 14},
        {-1, kButton, kGroup, "Selections", 12, 9, 216, 228},
        {1085, kListBox, kList | LBS_SORT, "", 17, 19, 204, 213},
    }};
}

// Material Properties Dialog: an empty frame with one button.
Dialog materialProperties() {
    return {105, false, kModal, {8, "MS Sans Serif", 0, 0, 0}, "Material Properties Dialog", 0, 0, 293, 196, {
        {1, kButton, kDefault, "OK", 128, 175, 50, 14},
    }};
}

// Edit Mesh; the tab order is the template order, not the visual one.
Dialog editMesh() {
    return {109, false, kModal, {8, "MS Sans Serif", 0, 0, 0}, "Edit Mesh", 0, 0, 425, 404, {
        {-1, kButton, kGroup, "Miscellaneous Flags", 12, 123, 143, 88},
        {1067, kButton, kCheck, "Alpha Blend LODs", 16, 134, 73, 10},
        {-1, kButton, kGroup, "LOD Range", 214, 8, 51, 150},
        {1076, kEdit, kField | ES_CENTER | ES_NUMBER, "", 218, 19, 40, 14},
        {1077, kEdit, kField | ES_CENTER | ES_NUMBER, "", 218, 36, 40, 14},
        {1078, kEdit, kField | ES_CENTER | ES_NUMBER, "", 218, 53, 40, 14},
        {1079, kEdit, kField | ES_CENTER | ES_NUMBER, "", 218, 69, 40, 14},
        {1080, kEdit, kField | ES_CENTER | ES_NUMBER, "", 218, 85, 40, 14},
        {1081, kEdit, kField | ES_CENTER | ES_NUMBER, "", 218, 104, 40, 14},
        {1082, kEdit, kField | ES_CENTER | ES_NUMBER, "", 218, 121, 40, 14},
        {1083, kEdit, kField | ES_CENTER | ES_NUMBER, "", 218, 137, 40, 14},
        {1, kButton, kDefault, "OK", 145, 383, 50, 14},
        {2, kButton, kPush, "Cancel", 231, 383, 50, 14},
        {1010, kButton, kCheck, "Shadow Caster", 15, 18, 62, 10},
        {1027, kButton, kCheck, "Billboard (2D)", 16, 144, 57, 10},
        {1028, kButton, kCheck, "Billboard (3D)", 16, 155, 57, 10},
        {1030, kButton, kCheck, "Collision Buffer Entry", 16, 166, 81, 10},
        {1059, kButton, kCheck, "Random Placement Rot", 16, 176, 91, 10},
        {-1, kButton, kGroup, "Skeleton/Skin List (Figures Only)", 271, 8, 143, 172},
        {1092, kListBox, kList | LBS_SORT, "", 276, 16, 133, 158},
        {1011, kButton, kCheck, "Static Shadows", 15, 29, 62, 10},
        {1098, kButton, kCheck, "Random Billboard 3D Rot", 16, 187, 96, 10},
        {1100, kButton, kCheck, "Square and Axis-Aligned (Pathfinding)", 16, 197, 134, 10},
        {1156, kButton, kCheck, "Fake Shadows", 15, 40, 63, 10},
        {1001, kButton, kPush, "Fake Shadow Material", 73, 101, 82, 14},
        {-1, kStatic, kLabel, "Fake Shadow Material:", 17, 66, 75, 8},
        {1002, kStatic, kLabel, "Static", 93, 66, 108, 8},
        {-1, kButton, kGroup, "Shadow Flags and Settings", 11, 8, 197, 113},
        {1003, kButton, kCheck, "Fake Shadow Auto Size", 15, 51, 92, 10},
        {1004, kEdit, kField | ES_CENTER, "", 93, 80, 40, 14},
        {-1, kStatic, kLabel, "Fake Shadow Size:", 17, 82, 62, 8},
        {1031, kButton, kPush, "Edit Animation Stats", 340, 256, 76, 14},
        {1032, kListBox, kList | LBS_SORT, "", 168, 198, 159, 68},
        {-1, kButton, kGroup, "Mesh Animations", 161, 189, 176, 84},
        {1134, kButton, kCheck, "Loop", 23, 310, 32, 10},
        {1135, kEdit, kField | ES_CENTER | ES_NUMBER, "", 23, 290, 40, 14},
        {-1, kStatic, kLabel, "Speed (1 to FPS)", 66, 293, 55, 8},
        {1157, kButton, kCheck, "Skip Last Node", 159, 293, 65, 10},
        {1163, kButton, kCheck, "Start on Rnd Frame", 225, 293, 75, 10},
        {1164, kButton, kCheck, "Loop Bounce", 65, 310, 59, 10},
        {1171, kButton, kCheck, "Instantly Terminate", 159, 310, 75, 10},
    }};
}

// Edit Translator; the host's own procedure relies on every id and style.
Dialog editTranslator() {
    return {119, true, kModal, {8, "MS Sans Serif", 0, 0, 0}, "Edit Translator", 0, 0, 428, 444, {
        {1, kButton, kDefault, "OK", 191, 423, 50, 14},
        {-1, kButton, kGroup, "Translator List (in order of execution)", 12, 8, 405, 111},
        {1182, kButton, kPush, "Add", 17, 133, 56, 14},
        {1183, kButton, kPush, "Delete", 137, 133, 56, 14},
        {1184, kButton, kPush, "Modify", 77, 133, 56, 14},
        {1185, kComboBox, kCombo, "", 17, 176, 169, 197},
        {-1, kStatic, kLabel, "Event", 189, 178, 20, 8},
        {1186, kComboBox, kCombo, "", 17, 193, 169, 178},
        {-1, kStatic, kLabel, "Action", 189, 195, 21, 8},
        {1187, kComboBox, kCombo, "", 17, 210, 169, 164},
        {-1, kStatic, kLabel, "Parameter 1", 189, 211, 39, 8},
        {1188, kComboBox, kCombo, "", 17, 227, 169, 147},
        {-1, kStatic, kLabel, "Parameter 2", 189, 229, 39, 8},
        {-1, kButton, kGroup, "Translator List", 12, 122, 405, 142},
        {1189, kListBox, kList, "", 18, 18, 392, 96},
        {1199, kButton, kPush, "Reset", 198, 133, 56, 14},
        {1200, kEdit, kField | ES_LEFT, "", 17, 243, 168, 14},
        {-1, kStatic, kLabel, "Parameter String", 189, 246, 53, 8},
        {1201, kEdit, kField | ES_LEFT, "", 166, 311, 123, 14},
        {1203, kButton, kCheck, "String", 17, 312, 34, 10},
        {1204, kButton, kCheck, "Quantity", 17, 328, 42, 10},
        {1212, kEdit, kField | ES_CENTER, "", 166, 327, 90, 14},
        {1190, kButton, kPush, "Set to Default", 17, 152, 56, 14},
        {1014, kEdit, kField | ES_CENTER, "", 252, 243, 40, 14},
        {-1, kStatic, kLabel, "Param Number", 296, 246, 48, 8},
        {1015, kButton, kCheck, "IVar", 17, 280, 29, 10},
        {-1, kButton, kGroup,
         "Conditionals (the specified action only occurs if conditional statements evaluate to true)",
         12, 267, 405, 136},
        {1016, kComboBox, kCombo, "", 60, 279, 121, 94},
        {1017, kEdit, kField | ES_CENTER, "", 291, 278, 53, 14},
        {1020, kComboBox, kCombo, "", 60, 311, 102, 102},
        {1021, kComboBox, kCombo, "", 60, 327, 102, 99},
        {1022, kComboBox, kCombo, "", 185, 279, 102, 94},
        {1018, kButton, kCheck, "IVar x 2", 17, 296, 40, 10},
        {1019, kComboBox, kCombo, "", 60, 295, 121, 94},
        {1023, kComboBox, kCombo, "", 185, 294, 102, 94},
        {1024, kComboBox, kCombo, "", 291, 295, 121, 94},
        {1202, kButton, kPush, "Move Up", 259, 133, 56, 14},
        {1205, kButton, kPush, "Move Down", 320, 133, 56, 14},
        {1206, kButton, kCheck, "Frame", 17, 344, 35, 10},
        {1025, kComboBox, kCombo, "", 60, 343, 102, 99},
        {1213, kEdit, kField | ES_CENTER, "", 166, 343, 90, 14},
        {1207, kButton, kPush, "Copy All", 259, 152, 56, 14},
        {1208, kButton, kPush, "Paste All", 320, 152, 56, 14},
        {1036, kButton, kCheck, "Always Execute (Even If Input Locked)", 273, 327, 137, 10},
        {1191, kComboBox, kCombo, "", 219, 176, 100, 197},
        {-1, kStatic, kLabel, "Sub-Event", 327, 178, 34, 8},
        {1026, kComboBox, kCombo, "", 60, 359, 102, 99},
        {1209, kButton, kCheck, "Link", 17, 360, 29, 10},
        {1210, kEdit, kField | ES_CENTER, "", 166, 359, 90, 14},
        {1211, kButton, kCheck, "Focus", 273, 339, 35, 10},
        {1214, kButton, kCheck, "No Focus", 273, 351, 47, 10},
        {1037, kButton, kCheck, "Unfocused", 273, 363, 51, 10},
    }};
}

// Veldacor Remote Updater, carried for the host only.
Dialog remoteUpdater() {
    return {121, true, kShellFont, {8, "MS Shell Dlg", 400, 0, 1}, "Veldacor Remote Updater", 0, 0, 243, 109, {
        {1, kButton, kDefault, "Download the Update", 29, 88, 79, 14},
        {2, kButton, kPush, "Just Play the Game", 133, 88, 79, 14},
        {-1, kStatic, kLabel, "A free update to this application is available.", 17, 14, 146, 8},
        {-1, kStatic, kLabel, "Your current version is: xxx", 17, 33, 90, 8},
        {-1, kStatic, kLabel, "The latest version available is:  xxx", 17, 44, 114, 8},
    }};
}

// The exit dialog; its title is replaced when it opens.
Dialog exitApplication() {
    return {122, true, kShellFont, {8, "MS Shell Dlg", 400, 0, 1}, "Dialog", 0, 0, 268, 94, {
        {1, kButton, kDefault, "Go to www.veldacor.com", 146, 73, 77, 14},
        {2, kButton, kPush, "Cancel", 41, 73, 77, 14},
        {-1, kStatic, kLabel, "Get more information on all of our games at the Veldacor web site.", 26, 9, 226, 8},
        {-1, kStatic, kLabel,
         "If you would like to purchase one of our titles you can do so from our secure", 11, 21, 245, 8},
        {-1, kStatic, kLabel,
         "purchasing page.  It's quick, convenient, and we support a wide variety of", 11, 33, 239, 8},
        {-1, kStatic, kLabel,
         "payment options including credits cards, PayPal, checks, and money orders.", 11, 45, 244, 8},
    }};
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

// The "&Resize" pop-up of menu 104: sizes rise in steps of 16, ids in steps of 1.
const Menu& resizeMenu() {
    static const Menu menu = {104, "&Resize", {{40001, "48x48"}, {40002, "64x64"}, {40003, "80x80"},
                                               {40004, "96x96"}, {40005, "112x112"}, {40006, "128x128"}}};
    return menu;
}

// Named types first, then the menu and the dialogs, as the resource compiler sorts them.
const std::vector<CatalogueEntry>& catalogue() {
    static const std::vector<CatalogueEntry> entries = {
        {"FONTDATA", 0, 107, 262188}, {"FONTSIZE", 0, 108, 256}, {"MOUSE_POINTER_TEXTURE", 0, 111, 4140},
        {nullptr, 4, 104, 0},         {nullptr, 5, 101, 0},       {nullptr, 5, 102, 0},
        {nullptr, 5, 105, 0},         {nullptr, 5, 109, 0},       {nullptr, 5, 119, 0},
        {nullptr, 5, 121, 0},         {nullptr, 5, 122, 0}};
    return entries;
}

}  // namespace expected
