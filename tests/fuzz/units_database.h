// The small database that the unit and character fuzzers load against: three
// skill lists, one of each slot kind the characters lay out; three classes;
// five enemies; a stage of three position groups.
#pragma once

#include "model/chara.h"
#include "model/class.h"
#include "model/placement.h"
#include "model/skill.h"

inline void BuildUnitsDatabase() {
    g_SkillLists.resize(3);
    for (int i = 0; i < 3; ++i) {
        cSkillList& list = g_SkillLists[static_cast<size_t>(i)];
        list.nSlotType = i;
        list.nSpare1 = 3;
        list.nReserveNum = 2;
        list.vCateg.resize(2);
        list.vSkill.resize(4);
        list.vSkill[2].nKind = SKILL_PHYSICAL_WEAPON;
        list.vSkill[3].nKind = SKILL_ARMOUR;
        list.vSkill[3].bSubAPercent = 1;
        list.vSkill[3].nSubA[4] = 30;
    }
    g_ClassList.resize(3);
    g_ClassList[2].MaxLevel = 12;
    g_ClassList[2].OrgSlots[0].OwnSlots = 1;
    g_EnemyList.resize(5);
    // The fix-ups take this database and a stage of 12 x 9 with three groups.
    static cFixupInputs inputs = ProjectFixupInputs();
    inputs.Stage = {12, 9, 3};
    static cFixupScope scope(&inputs);
}
