// Ids of the toolkit tests' dialogs (test_dialogs.rc).
#pragma once

#define IDC_STATIC (-1)

#define IDD_TEST 100
#define IDD_SMALL 101
#define IDD_DRAW 102
#define IDD_PAGE1 103
#define IDD_PAGE2 104
#define IDR_ACCEL 110
#define CMD_ACCEL 41100

// Values, lists and the picture.
#define IDC_INT_EDIT 1101
#define IDC_INT_SPIN 1102
#define IDC_BYTE_EDIT 1103
#define IDC_BYTE_SPIN 1104
#define IDC_SHORT_EDIT 1105
#define IDC_SHORT_SPIN 1106
#define IDC_REAL_EDIT 1107
#define IDC_REAL_SPIN 1108
#define IDC_CHECK_INT 1111
#define IDC_CHECK_BYTE 1112
#define IDC_BUTTON 1120
#define IDC_LABEL 1121
#define IDC_LIST 1131
#define IDC_MULTI 1132
#define IDC_SMALL_LIST 1141
#define IDC_PICTURE 1075
#define IDC_HSCROLL 1196
#define IDC_VSCROLL 1197

// Text, combos and the slider.
#define IDC_NAME 2101
#define IDC_TEXT 2102
#define IDC_KIND 2103
#define IDC_STEP 2104
#define IDC_SKILLLIST 2105
#define IDC_SKILL 2106
#define IDC_SOUND 2107
#define IDC_BGM 2108
#define IDC_HUE 2109
#define IDC_HUE_EDIT 2110
#define IDC_PAGE_NAME 2121
#define IDC_PAGE_KIND 2122
#define IDC_PAGE_NOTE 2123

#define IDC_OK 1006
#define IDC_CANCEL 1007
