// Ids of the module's resources and of the controls its templates hold; shared by the
// resource script, the library and its tests.
#pragma once

// Dialog templates and the menu.
#define IDD_NAME_ENTRY 101
#define IDD_LIST_SELECTION 102
#define IDR_RESIZE_MENU 104
#define IDD_MATERIAL_PROPERTIES 105
#define IDD_EDIT_MESH 109
#define IDD_EDIT_TRANSLATOR 119
#define IDD_REMOTE_UPDATER 121
#define IDD_EXIT_APPLICATION 122

// Data resources (their type names are strings: FONTDATA, FONTSIZE, MOUSE_POINTER_TEXTURE).
#define IDR_FONT_ATLAS 107
#define IDR_FONT_ADVANCES 108
#define IDR_MOUSE_POINTER 111

// Everything the module holds, one line a resource: the code that walks them all (the inspector,
// the tests, the benchmarks) reads this list through resources/module_resources.h, and a test
// compares it with what the build compiled from UIResource.rc. DATA(id, name, type),
// MENU(id, name), DIALOG(id, name); a name is what tools call the resource.
#define UIRESOURCE_MODULE_RESOURCES(DATA, MENU, DIALOG)                 \
    DATA(IDR_FONT_ATLAS, "font-atlas", "FONTDATA")                      \
    DATA(IDR_FONT_ADVANCES, "font-advances", "FONTSIZE")                \
    DATA(IDR_MOUSE_POINTER, "mouse-pointer", "MOUSE_POINTER_TEXTURE")   \
    MENU(IDR_RESIZE_MENU, "resize-menu")                                \
    DIALOG(IDD_NAME_ENTRY, "name-entry")                                \
    DIALOG(IDD_LIST_SELECTION, "list-selection")                        \
    DIALOG(IDD_MATERIAL_PROPERTIES, "material-properties")              \
    DIALOG(IDD_EDIT_MESH, "edit-mesh")                                  \
    DIALOG(IDD_EDIT_TRANSLATOR, "edit-translator")                      \
    DIALOG(IDD_REMOTE_UPDATER, "remote-updater")                        \
    DIALOG(IDD_EXIT_APPLICATION, "exit-application")

// Labels and group boxes.
#define IDC_NONE -1

// Name Entry.
#define IDC_OLD_NAME 1050
#define IDC_NEW_NAME 1051

// List Selection.
#define IDC_SELECTION_LIST 1085

// Edit Mesh.
#define IDC_FAKE_SHADOW_MATERIAL_BUTTON 1001
#define IDC_FAKE_SHADOW_MATERIAL_NAME 1002
#define IDC_FAKE_SHADOW_AUTO_SIZE 1003
#define IDC_FAKE_SHADOW_SIZE 1004
#define IDC_SHADOW_CASTER 1010
#define IDC_STATIC_SHADOWS 1011
#define IDC_BILLBOARD_2D 1027
#define IDC_BILLBOARD_3D 1028
#define IDC_COLLISION_BUFFER_ENTRY 1030
#define IDC_EDIT_ANIMATION_STATS 1031
#define IDC_ANIMATION_LIST 1032
#define IDC_RANDOM_PLACEMENT_ROT 1059
#define IDC_ALPHA_BLEND_LODS 1067
#define IDC_LOD_RANGE_1 1076
#define IDC_LOD_RANGE_2 1077
#define IDC_LOD_RANGE_3 1078
#define IDC_LOD_RANGE_4 1079
#define IDC_LOD_RANGE_5 1080
#define IDC_LOD_RANGE_6 1081
#define IDC_LOD_RANGE_7 1082
#define IDC_LOD_RANGE_8 1083
#define IDC_SKELETON_LIST 1092
#define IDC_RANDOM_BILLBOARD_3D_ROT 1098
#define IDC_SQUARE_AXIS_ALIGNED 1100
#define IDC_ANIMATION_LOOP 1134
#define IDC_ANIMATION_SPEED 1135
#define IDC_FAKE_SHADOWS 1156
#define IDC_ANIMATION_SKIP_LAST_NODE 1157
#define IDC_ANIMATION_START_RANDOM_FRAME 1163
#define IDC_ANIMATION_LOOP_BOUNCE 1164
#define IDC_ANIMATION_INSTANT_TERMINATE 1171

// Edit Translator (filled and read by the host's own procedure).
#define IDC_TRANSLATOR_IVAR 1015
#define IDC_TRANSLATOR_IVAR_OPERATOR 1016
#define IDC_TRANSLATOR_IVAR_VALUE 1017
#define IDC_TRANSLATOR_IVAR2 1018
#define IDC_TRANSLATOR_IVAR2_FIRST 1019
#define IDC_TRANSLATOR_STRING_OPERATOR 1020
#define IDC_TRANSLATOR_QUANTITY_OPERATOR 1021
#define IDC_TRANSLATOR_IVAR_NAME 1022
#define IDC_TRANSLATOR_IVAR2_OPERATOR 1023
#define IDC_TRANSLATOR_IVAR2_SECOND 1024
#define IDC_TRANSLATOR_FRAME_OPERATOR 1025
#define IDC_TRANSLATOR_LINK_OPERATOR 1026
#define IDC_TRANSLATOR_PARAM_NUMBER 1014
#define IDC_TRANSLATOR_ALWAYS_EXECUTE 1036
#define IDC_TRANSLATOR_UNFOCUSED 1037
#define IDC_TRANSLATOR_ADD 1182
#define IDC_TRANSLATOR_DELETE 1183
#define IDC_TRANSLATOR_MODIFY 1184
#define IDC_TRANSLATOR_EVENT 1185
#define IDC_TRANSLATOR_ACTION 1186
#define IDC_TRANSLATOR_PARAMETER_1 1187
#define IDC_TRANSLATOR_PARAMETER_2 1188
#define IDC_TRANSLATOR_LIST 1189
#define IDC_TRANSLATOR_SET_DEFAULT 1190
#define IDC_TRANSLATOR_SUB_EVENT 1191
#define IDC_TRANSLATOR_RESET 1199
#define IDC_TRANSLATOR_PARAMETER_STRING 1200
#define IDC_TRANSLATOR_STRING_VALUE 1201
#define IDC_TRANSLATOR_MOVE_UP 1202
#define IDC_TRANSLATOR_STRING 1203
#define IDC_TRANSLATOR_QUANTITY 1204
#define IDC_TRANSLATOR_MOVE_DOWN 1205
#define IDC_TRANSLATOR_FRAME 1206
#define IDC_TRANSLATOR_COPY_ALL 1207
#define IDC_TRANSLATOR_PASTE_ALL 1208
#define IDC_TRANSLATOR_LINK 1209
#define IDC_TRANSLATOR_LINK_VALUE 1210
#define IDC_TRANSLATOR_FOCUS 1211
#define IDC_TRANSLATOR_QUANTITY_VALUE 1212
#define IDC_TRANSLATOR_FRAME_VALUE 1213
#define IDC_TRANSLATOR_NO_FOCUS 1214

// Resize menu.
#define ID_RESIZE_48 40001
#define ID_RESIZE_64 40002
#define ID_RESIZE_80 40003
#define ID_RESIZE_96 40004
#define ID_RESIZE_112 40005
#define ID_RESIZE_128 40006
