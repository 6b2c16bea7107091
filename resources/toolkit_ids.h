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
