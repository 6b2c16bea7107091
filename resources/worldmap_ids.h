// Ids of the world-map editor's resources (worldmap.rc): the world-map
// window, its settings, the chip and event palettes, the world-event editor,
// the menus and the commands. The window shares the stage editor's
// accelerator table (IDR_ACCEL_STAGE); the lists use the toolkit's list
// menu and keys (toolkit_ids.h).
#pragma once

#define IDD_WORLDMAP 152
#define IDD_WORLDMAP_SET 153
#define IDD_WORLDCHIP 154
#define IDD_WORLDEVENT 158
#define IDD_WORLDEVENT_SET 161
#define IDR_MENU_WORLDMAP 155
#define IDR_MENU_WORLD_POPUP 163

#define IDC_WORLD_VIEW 1075
#define IDC_WORLD_STATUS 1
#define IDC_WORLD_TOOLBAR 193
#define IDC_WORLD_OK 1006
#define IDC_WORLD_CANCEL 1007

// World-map settings.
#define IDC_WMSET_WIDTH 1210
#define IDC_WMSET_WIDTH_SPIN 1212
#define IDC_WMSET_HEIGHT 1211
#define IDC_WMSET_HEIGHT_SPIN 1166
#define IDC_WMSET_START_X 1213
#define IDC_WMSET_START_X_SPIN 1214
#define IDC_WMSET_START_Y 1215
#define IDC_WMSET_START_Y_SPIN 1216
#define IDC_WMSET_BACK 1594
#define IDC_WMSET_USE_IMAGE 1035
#define IDC_WMSET_IMAGE 1255
#define IDC_WMSET_BROWSE 1256
#define IDC_WMSET_PICTURE 1259

// Chip palette: the view and its vertical bar.
#define IDC_WCHIP_VSCROLL 1197

// Event palette.
#define IDC_WEVENT_EDIT_PLACED 1037
#define IDC_WEVENT_EDIT_BEFORE 1035
#define IDC_WEVENT_AUTO_NUMBER 1036
#define IDC_WEVENT_GROUP 1053
#define IDC_WEVENT_INSERT 1066
#define IDC_WEVENT_EDIT 1226
#define IDC_WEVENT_DELETE 1067
#define IDC_WEVENT_COUNT 11071
#define IDC_WEVENT_LIST 1241

// World-event editor.
#define IDC_WES_NAME 1044
#define IDC_WES_PAGES 1254
#define IDC_WES_INSERT 1066
#define IDC_WES_DELETE 1067
#define IDC_WES_NEED_STAGE 1242
#define IDC_WES_NEED_STAGE_SPIN 1243
#define IDC_WES_COND_VAR 1249
#define IDC_WES_COND_RENAME 1250
#define IDC_WES_COND_VALUE 1251
#define IDC_WES_COND_VALUE_SPIN 1252
#define IDC_WES_COND_COMPARE 1253
#define IDC_WES_GRAPHIC 1032
#define IDC_WES_PREVIEW 1070
#define IDC_WES_TYPE 1033
#define IDC_WES_STAGE_NAME 1255
#define IDC_WES_STAGE_FILE 1247
#define IDC_WES_BROWSE 1248
#define IDC_WES_VARIATION 1038
#define IDC_WES_SET_VAR 1568
#define IDC_WES_SET_RENAME 1257
#define IDC_WES_SET_VALUE 1258
#define IDC_WES_SET_VALUE_SPIN 1259
#define IDC_WES_STAGE_NO 1245
#define IDC_WES_STAGE_NO_SPIN 1246
#define IDC_WES_PASS 1036
#define IDC_WES_REPLAY 1037
#define IDC_WES_GAME_CLEAR 1244

// Commands of the world-map window (menu 155, tool bar, the shared keys).
#define CM_WM_SAVE 40015
#define CM_WM_SAVE_KEY 40026
#define CM_WM_SAVE_CLOSE 40054
#define CM_WM_CLOSE 40055
#define CM_WM_SETTINGS 40056
#define CM_WM_UNDO 40060
#define CM_WM_REDO 40061
#define CM_WM_UNDO_KEY 40063
#define CM_WM_REDO_KEY 40064
#define CM_WM_LAYER_CHIP 40052
#define CM_WM_LAYER_EVENT 40050
#define CM_WM_LAYER_CHIP_BUTTON 40109
#define CM_WM_LAYER_EVENT_BUTTON 40110
#define CM_WM_CLEAR_CHIPS 40066
#define CM_WM_CLEAR_EVENTS 40068
// The event layer's pop-up (menu 163).
#define CM_WM_EVENT_EDIT 40059
#define CM_WM_EVENT_CUT 40027
#define CM_WM_EVENT_COPY 40024
#define CM_WM_EVENT_PASTE 40025
#define CM_WM_EVENT_NEW 40028
#define CM_WM_EVENT_DELETE 40029
