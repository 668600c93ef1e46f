// The ids of the sample host's own main window (demo_window.rc), shared by the resource script
// and the window's procedure.
#pragma once

#define IDD_DEMO_MAIN 300
#define IDC_DEMO_MESHES 3001
#define IDC_DEMO_MATERIALS 3002
#define IDC_DEMO_TRANSLATOR_LIST 3003
#define IDC_DEMO_CHANGES 3004
#define IDC_DEMO_RENAME 3010
#define IDC_DEMO_PICK_MATERIAL 3011
#define IDC_DEMO_EDIT_MESH 3012
#define IDC_DEMO_TRANSLATORS 3013
#define IDC_DEMO_MATERIAL_FRAME 3014
#define IDC_DEMO_EXIT 3015
#define IDC_DEMO_LABEL (-1)
