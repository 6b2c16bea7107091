// Ids of the database sheet's resources (database.rc). The controls of the
// pages carry the numbers their pages' control tables name.
#pragma once

// Pages in tab order.
#define IDD_DBCLASS 111
#define IDD_DBFRIEND 110
#define IDD_DBENEMY 127
#define IDD_DBSKILLLIST 196
#define IDD_DBSKILLTYPE 227
#define IDD_DBLAND 194
#define IDD_DB_PTVAL 197
#define IDD_DB_CHARAANIM 209
#define IDD_DB_EFFECTANIM 210
#define IDD_DB_PICTURE 217
#define IDD_DB_BACK 220
#define IDD_DB_SOUND 123
#define IDD_DB_BGM 195
#define IDD_DB_HELP 230
#define IDD_DBWORLDCHIP 226
#define IDD_DBSYSTEM 112
#define IDD_DBSYSTEM_2 128
#define IDD_DBSYSTEM_3 172
#define IDD_DBSYSTEM_4 191
#define IDD_DBSYSTEM_5 203
#define IDD_DBSYSTEM_6 204
#define IDD_DBSYSTEM_7 205
#define IDD_DBSYSTEM_8 206
#define IDD_DBSYSTEM_9 207
#define IDD_DBSYSTEM_10 208
// The element dialog of system page 4.
#define IDD_ELEM 119

// The context menus and keys of the pages' record lists; the main lists use
// the stage editor's accelerator table 132.
#define IDR_MENU_DBLIST 170
#define IDR_MENU_DBSUBLIST 169
#define IDR_ACCEL_DBLIST 132
#define IDR_ACCEL_DBSUBLIST 130

// What every list page shares.
#define IDC_DBLIST_NEW 1066
#define IDC_DBLIST_CLEAR 1067
#define IDC_DBLIST_COUNT 11071
#define IDC_DBLIST_NAME 1044

#define IDC_ELEM_OK 1006
#define IDC_ELEM_CANCEL 1007

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
