// Ids of the toolkit's own dialogs (toolkit.rc).
#pragma once

#define IDD_INPUT 122
#define IDD_INPUT_STR 164
#define IDD_SELECTGRAPHIC 213

#define IDC_TOOLKIT_PICTURE 1075
#define IDC_INPUT_EDIT 1077
#define IDC_INPUT_SPIN 1078
#define IDC_TOOLKIT_OK 1006
#define IDC_TOOLKIT_CANCEL 1007

// The record lists' keys and context menu (sub-menu 0), shared by the
// editors' list dialogs; the menu's resource comes with the event editor's.
#define IDR_MENU_LIST 116
#define IDR_ACCEL_LIST 117
#define CM_LIST_MENU_CUT 40027
#define CM_LIST_MENU_COPY 40024
#define CM_LIST_MENU_PASTE 40025
#define CM_LIST_MENU_INSERT 40070
#define CM_LIST_MENU_DELETE 40029
#define CM_LIST_KEY_CUT 40030
#define CM_LIST_KEY_COPY 40031
#define CM_LIST_KEY_PASTE 40032
#define CM_LIST_KEY_DELETE 40034
#define CM_LIST_KEY_INSERT 40069
// Keys of the table that lists do not act on.
#define CM_LIST_KEY_NEW 40033
#define CM_LIST_KEY_OPEN 40062
#define CM_LIST_KEY_SAVE 40026
#define CM_LIST_KEY_TEST 40108
#define CM_LIST_KEY_REDO 40064
#define CM_LIST_KEY_UNDO 40063
