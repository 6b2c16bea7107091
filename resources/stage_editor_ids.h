// Ids of the stage editor's resources (stage_editor.rc): the stage editor
// window, the battle-mode question, menus, accelerators, the program icon and
// the command ids the menus, the tool bar and the keys send.
#pragma once

#define IDI_EDITOR 30000

#define IDD_STAGE_EDITOR 134
#define IDD_BATTLE_MODE 233
#define IDR_MENU_STAGE 104
#define IDR_MENU_EVENT_POPUP 165
#define IDR_ACCEL_STAGE 132

// Stage editor items.
#define IDC_MAP_VIEW 1075
#define IDC_MAP_HSCROLL 1196
#define IDC_MAP_VSCROLL 1197
#define IDC_STAGE_STATUS 1
#define IDC_STAGE_TOOLBAR 107

// Battle-mode question.
#define IDC_BATTLE_MODE_COMBO 1382
#define IDC_BATTLE_MODE_OK 1006

// Map-chip palette.
#define IDD_CHIP 103
#define IDC_CHIP_VIEW 1075
#define IDC_CHIP_STATUS 1
#define IDC_CHIP_TOOLBAR 137

// Test-play settings.
#define IDD_TESTPLAY 232
#define IDC_TESTPLAY_BROWSE 1371
#define IDC_TESTPLAY_PATH 1372
#define IDC_TESTPLAY_AUTO 1373
#define IDC_TESTPLAY_NO_GROWTH 1374
#define IDC_TESTPLAY_NO_SENSE 1375
#define IDC_TESTPLAY_SKILL_LEVEL 1627
#define IDC_TESTPLAY_TRAINING 1628
#define IDC_TESTPLAY_SKILL 1659
#define IDC_TESTPLAY_OK 1006
#define IDC_TESTPLAY_CANCEL 1007

// Commands. Several have a twin: the tool-bar button or the key sends its own id.
#define CM_LAYER_CHIP_BUTTON 40003
#define CM_LAYER_ENEMY_BUTTON 40004
#define CM_LAYER_EVENT_BUTTON 40005
#define CM_TESTPLAY_BUTTON 40006
#define CM_SAVE_ALL 40015
#define CM_SAVE_AS 40016
#define CM_NEW_STAGE 40017
#define CM_OPEN_STAGE 40018
#define CM_EVENT_COPY 40024
#define CM_EVENT_PASTE 40025
#define CM_SAVE_ALL_KEY 40026
#define CM_EVENT_CUT 40027
#define CM_EVENT_NEW 40028
#define CM_EVENT_DELETE 40029
#define CM_KEY_CUT 40030
#define CM_KEY_COPY 40031
#define CM_KEY_PASTE 40032
#define CM_KEY_NEW 40033
#define CM_KEY_SPARE 40034
#define CM_TOOL_PEN 40041
#define CM_TOOL_RECT 40042
#define CM_TOOL_FILL 40043
#define CM_TOOL_LINE 40047
#define CM_TESTPLAY 40049
#define CM_LAYER_EVENT 40050
#define CM_LAYER_ENEMY 40051
#define CM_LAYER_CHIP 40052
#define CM_CLOSE_STAGE 40055
#define CM_EVENT_EDIT 40059
#define CM_UNDO 40060
#define CM_REDO 40061
#define CM_OPEN_STAGE_KEY 40062
#define CM_UNDO_KEY 40063
#define CM_REDO_KEY 40064
#define CM_CLEAR_CHIPS 40066
#define CM_CLEAR_ENEMIES 40067
#define CM_CLEAR_EVENTS 40068
#define CM_KEY_SPARE2 40069
#define CM_KEY_INSERT 40082
#define CM_KEY_DELETE 40083
#define CM_DEFAULT_STAGE 40087
#define CM_TESTPLAY_KEY 40108
#define CM_STAGE_SETTINGS 40115
#define CM_GROUP_POS 40116
#define CM_UNUSED_ITEM 40117
#define CM_DATABASE 40118
#define CM_WORLDMAP 40119
#define CM_START_EVENT 40120
#define CM_SAVE_PALETTE 40134
#define CM_TESTPLAY_SETTINGS 40136
