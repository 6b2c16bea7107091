// Ids of the skill pages' resources (db_skills.rc): the skill-list and
// compatibility-type tabs of the database sheet, the skill sheet's page and
// their dialogs. The controls carry the numbers their pages' tables name.
#pragma once

#define IDD_DBSKILL 124
#define IDD_SLOT 198
#define IDD_CATEG 118
#define IDD_INFL 228
#define IDC_SKILLDLG_OK 1006
#define IDC_SKILLDLG_CANCEL 1007

// The keys and context menus of the skill-list page's category and slot lists.
#define IDR_ACCEL_DBCATEG 133
#define IDR_ACCEL_DBSLOT 134
#define IDR_MENU_DBCATEG 171
#define IDR_MENU_DBSLOT 177

// The skill-list page.
#define IDC_SKILLLIST_LIST 1383
#define IDC_SKILLLIST_EDIT_SKILLS 1384
#define IDC_CATEG_LIST 1073
#define IDC_CATEG_NEW 6066
#define IDC_CATEG_CLEAR 1068
#define IDC_CATEG_COUNT 1069
#define IDC_CATEG_EDIT 1076
#define IDC_SLOT_LIST 1074
#define IDC_SLOT_NEW 1070
#define IDC_SLOT_CLEAR 1071
#define IDC_SLOT_COUNT 1072
#define IDC_SLOT_EDIT 1077

// The compatibility-type page.
#define IDC_SKILLTYPE_LIST 1640
#define IDC_INFL_LIST 1638
#define IDC_INFL_INSERT 1635
#define IDC_INFL_EDIT 1636
#define IDC_INFL_DELETE 1637

// The skill page.
#define IDC_SKILL_LIST 1074
#define IDC_SKILL_EFFECT 1511
#define IDC_SKILL_EFFECT_PICK 1510
#define IDC_SKILL_EFFECT_ANIM 1098
#define IDC_SKILL_SOUND 1096
#define IDC_SKILL_SYMBOLS 1068
#define IDC_SKILL_SYMBOL 1069
#define IDC_SKILL_PREVIEW 1070
#define IDC_SKILL_CSV_SAVE 11079
#define IDC_SKILL_CSV_LOAD 11080

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
