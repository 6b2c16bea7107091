// Ids of the test dialogs (test_ui.rc) and helpers of the toolkit tests.
#pragma once

#define IDC_STATIC (-1)

#define IDD_CTRLS 100
#define IDD_SMALL 101
#define IDD_DRAW 102

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
#define IDC_PICTURE 1075
#define IDC_HSCROLL 1196
#define IDC_VSCROLL 1197
#define IDC_SMALL_LIST 1141
#define IDR_ACCEL 110
#define CMD_ACCEL 41100
#define IDC_OK 1006
#define IDC_CANCEL 1007


#ifndef RC_INVOKED
#include <string>
#include <vector>

class WND_LIST_CLASS;

// Runs every waiting message through the main loop's path (the filter first).
void PumpMessages(WND_LIST_CLASS* wndList);

// While alive, message boxes are recorded and answered with OK, and what a
// programming error does to the main window is recorded instead of done.
struct ScopedSeams {
    ScopedSeams();
    ~ScopedSeams();
    static std::vector<std::string> s_Boxes;
    static std::vector<int> s_MainActions;
};
#endif
