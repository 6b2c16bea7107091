// The ally page "　味方キャラ　" (tab 1): the allies with their recruit-shop
// options, random growth, senses and skills, and the skills they learn at
// a level.
#pragma once

#include "database/units/db_chara_page.h"

class DLG_DBFRIEND : public DLG_DBCHARA<cFriend, cLearnSkill> {
public:
    DLG_DBFRIEND(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList);
};
