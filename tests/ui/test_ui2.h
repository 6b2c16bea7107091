// Ids of the test dialogs of the second toolkit test (test_ui2.rc).
#pragma once

#define IDD_UI2_CTRLS 300
#define IDD_UI2_PAGE1 301
#define IDD_UI2_PAGE2 302

#define IDC_UI2_STATIC (-1)
#define IDC_UI2_NAME 2101
#define IDC_UI2_TEXT 2102
#define IDC_UI2_KIND 2103
#define IDC_UI2_STEP 2104
#define IDC_UI2_SKILLLIST 2105
#define IDC_UI2_SKILL 2106
#define IDC_UI2_SOUND 2107
#define IDC_UI2_BGM 2108
#define IDC_UI2_HUE 2109
#define IDC_UI2_HUE_EDIT 2110
#define IDC_UI2_PAGE_NAME 2121
#define IDC_UI2_PAGE_KIND 2122
#define IDC_UI2_PAGE_NOTE 2123
#define IDC_UI2_OK 1006
#define IDC_UI2_CANCEL 1007
