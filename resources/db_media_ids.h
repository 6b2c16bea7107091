// Ids of the media pages' resources (db_media.rc): the frame dialogs of the
// animation pages, the help text dialog and the pages' own controls. The
// pages themselves are numbered in database_ids.h.
#pragma once

#define IDD_DB_EFFECTANIM_ANIM 211
#define IDD_DB_CHARAANIM_ANIM 212
#define IDD_TEXT 231

// The animation pages.
#define IDC_CHARAANIM_LIST 1499
#define IDC_EFFECTANIM_LIST 1505
#define IDC_ANIM_FRAMES 1504
#define IDC_ANIM_INSERT 1502
#define IDC_ANIM_EDIT 1503
#define IDC_ANIM_DELETE 1071
#define IDC_ANIM_GRAPHIC 1036
#define IDC_ANIM_GRAPHIC_SPIN 1501
#define IDC_ANIM_PICK 1227
#define IDC_ANIM_PREVIEW 1070
#define IDC_ANIM_PREVIEW_LABEL 1033
#define IDC_ANIM_GROUP 1053

// The frame dialogs.
#define IDC_FRAME_CEL 1506
#define IDC_FRAME_CEL_SPIN 1507
#define IDC_FRAME_MOVEX 1547
#define IDC_FRAME_MOVEX_SPIN 1548
#define IDC_FRAME_MOVEY 1549
#define IDC_FRAME_MOVEY_SPIN 1550
#define IDC_FRAME_TIME 1037
#define IDC_FRAME_TIME_SPIN 1502
#define IDC_FRAME_INSTANT 1509
#define IDC_FRAME_EFFECT_START 1508
#define IDC_FRAME_OK 1006
#define IDC_FRAME_CANCEL 1007

// The pages of files: pictures, backgrounds, sound effects, BGM.
#define IDC_PICTURE_LIST 1575
#define IDC_BACK_LIST 1601
#define IDC_SOUND_LIST 1380
#define IDC_BGM_LIST 1381
#define IDC_MEDIA_SAME_NAME 1035
#define IDC_MEDIA_PATH 1045
#define IDC_MEDIA_BROWSE 1379
#define IDC_MEDIA_PLAY 1133
#define IDC_BGM_VOLUME_EDIT 1641
#define IDC_BGM_VOLUME 1642
#define IDC_BACK_MODE 1596
#define IDC_BACK_CHIP_W 1602
#define IDC_BACK_CHIP_W_SPIN 1603
#define IDC_BACK_CHIP_H 1604
#define IDC_BACK_CHIP_H_SPIN 1605
#define IDC_BACK_RED 1164
#define IDC_BACK_RED_SPIN 1165
#define IDC_BACK_GREEN 1166
#define IDC_BACK_GREEN_SPIN 1167
#define IDC_BACK_BLUE 1168
#define IDC_BACK_BLUE_SPIN 1169
#define IDC_BACK_COLOR 1528
#define IDC_BACK_SCROLL_X 1597
#define IDC_BACK_SCROLL_X_SPIN 1598
#define IDC_BACK_SCROLL_Y 1599
#define IDC_BACK_SCROLL_Y_SPIN 1600

// The help page and its text dialog.
#define IDC_HELP_LIST 1658
#define IDC_HELP_PARENT 1651
#define IDC_HELP_TITLE 1045
#define IDC_HELP_GROUP 1042
#define IDC_HELP_TEXTS 1653
#define IDC_HELP_INSERT 1654
#define IDC_HELP_EDIT 1655
#define IDC_HELP_DELETE 1656
#define IDC_HELP_SYMBOLS 1068
#define IDC_HELP_SYMBOL 1069
#define IDC_TEXT_EDIT 1223

// The world-chip page.
#define IDC_WCHIP_LIST 1634
#define IDC_WCHIP_GRAPHIC 1511
#define IDC_WCHIP_GRAPHIC_SPIN 1512
#define IDC_WCHIP_PREVIEW 1070
#define IDC_WCHIP_IMPASSABLE 1035
