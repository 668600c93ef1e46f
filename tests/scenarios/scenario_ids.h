// Ids of the scenario suite's own test templates and their controls.
#pragma once

#define IDD_EDITS 1001
#define IDD_BUTTONS 1002
#define IDD_LISTS 1003
#define IDD_COMBOS 1004
#define IDD_NO_CLOSE_BOX 1005
#define IDD_EXTENDED 1006
#define IDD_BORDERED 1007
#define IDD_KEYS 1008
#define IDD_COMBO_KEYS 1009
#define IDD_FIELDS 1010
#define IDD_LONG_FIELDS 1011
#define IDD_AMPERSANDS 1012
#define IDD_NOT_THERE 1099

#define IDC_TEXT 201
#define IDC_NUMBER 202
#define IDC_LABEL 203
#define IDC_READ_ONLY 204
#define IDC_RIGHT_ALIGNED 205
#define IDC_SHORT 206

#define IDC_CHECK_A 301
#define IDC_CHECK_B 302
#define IDC_PUSH 303
#define IDC_CHECK_C 304
#define IDC_OFF 305
#define IDC_SMALL 306
#define IDC_LARGE 307
#define IDC_HUGE 308
#define IDC_SIZE 309

#define IDC_SORTED 401
#define IDC_UNSORTED 402
#define IDC_QUIET 403

#define IDC_SORTED_COMBO 501
#define IDC_PLAIN_COMBO 502
#define IDC_LIST_COMBO 503
#define IDC_EDIT_COMBO 504
#define IDC_FIXED_COMBO 505

#define IDC_GROUP -1

