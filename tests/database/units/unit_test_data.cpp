#include "tests/database/units/unit_test_data.h"

#include "model/chara.h"
#include "model/class.h"
#include "model/media_database.h"
#include "model/project_files.h"
#include "model/random_names.h"
#include "model/system.h"

namespace {

struct cSkillSample {
    const char* name;
    int category;
};

cSkillList MakeList(const char* name, std::initializer_list<const char*> categories,
                    std::initializer_list<cSkillSample> skills, int slotType) {
    cSkillList list;
    list.strName = name;
    list.nSlotType = slotType;
    list.vCateg.clear();
    for (const char* c : categories) {
        list.vCateg.emplace_back();
        list.vCateg.back().strName = c;
    }
    list.vSkill.resize(1);  // skill 0 is no skill
    for (const cSkillSample& s : skills) {
        list.vSkill.emplace_back();
        list.vSkill.back().strName = s.name;
        list.vSkill.back().nCateg = s.category;
    }
    return list;
}

cLearnSkill Learn(int list, int skill, int level) {
    cLearnSkill entry;
    entry.SkillList = list;
    entry.Skill = skill;
    entry.Level = level;
    return entry;
}

cSlot Slot(std::initializer_list<int> categories) {
    cSlot slot;
    slot.bAllCateg = categories.size() == 0;
    for (int c : categories) {
        slot.vAcqCond.emplace_back();
        slot.vAcqCond.back().nCateg = c;
    }
    return slot;
}

}  // namespace

cBattleAICond MakeCond(int subject, int item, int value, int compare, int percent) {
    cBattleAICond cond;
    cond.Subject = subject;
    cond.Item = item;
    cond.Value = value;
    cond.Comparison = compare;
    cond.Percent = percent;
    return cond;
}

cBattleAI MakeRule(int action, int list, int skill, int level, int value, std::initializer_list<cBattleAICond> conds) {
    cBattleAI rule;
    rule.Action = action;
    rule.SkillList = list;
    rule.Skill = skill;
    rule.PriorityLevel = level;
    rule.PriorityValue = value;
    rule.Conds.assign(conds.begin(), conds.end());
    return rule;
}

void MakeUnitDatabase() {
    g_SkillLists = {
        MakeList("武器", {"剣", "槍", "弓", "斧"},
                 {{"斬撃", 0}, {"突き", 1}, {"連射", 2}, {"兜割り", 3}, {"回転斬り", 0}, {"薙ぎ払い", 1}}, 0),
        MakeList("魔法", {"炎", "氷", "回復"}, {{"ファイア", 0}, {"ブリザド", 1}, {"ヒール", 2}, {"フレア", 0}}, 1),
        MakeList("特技", {"補助"}, {{"挑発", 0}, {"見切り", 0}}, 1),
    };
    RenumberSkillLists(g_SkillLists);
    g_System.Elements.resize(5);
    const char* const elements[] = {"", "炎", "氷", "雷", "光"};
    for (int i = 0; i < 5; ++i) g_System.Elements[i].Name = elements[i];
    g_Database.PtVals.resize(3);
    g_Database.PtVals[1].Name = "お金";
    g_Database.PtVals[2].Name = "名声";
    LoadRandomNames(g_RandomNames);

    const cFixupInputs in = ProjectFixupInputs();
    for (cClass& c : g_ClassList) c.Fixup(in);
    cClass& fighter = g_ClassList[1];
    fighter.Senses = {{5, 3, 1, 4}, {0, 0, 1}, {2}};
    fighter.Resists = {100, 80, 100, 120, 100};
    fighter.OrgSlots[0].OwnSlots = 1;
    fighter.OrgSlots[0].Slots = {Slot({}), Slot({0, 1}), Slot({2})};
    fighter.AttackSkillList = 0;
    fighter.AttackSkill = 1;
    cClass& mage = g_ClassList[2];
    mage.Senses = {{1, 0, 0, 0}, {5, 4, 3}, {1}};
    mage.Resists = {100, 50, 50, 100, 150};
    mage.AttackSkillList = 1;
    mage.AttackSkill = 1;
    mage.Hue = 200;
    mage.Saturation = 40;

    g_FriendList[1].Level = 12;
    g_FriendList[1].LearntSkills = {Learn(0, 1, 1), Learn(0, 2, 5), Learn(0, 5, 10), Learn(2, 1, 12)};
    g_FriendList[2].Level = 8;
    g_FriendList[2].RandomName = 1;
    g_FriendList[2].RandomNameList = 1;
    g_FriendList[2].LearntSkills = {Learn(1, 1, 1), Learn(1, 3, 3), Learn(1, 2, 9)};

    g_EnemyList[1].Level = 2;
    g_EnemyList[1].BattleAI = {MakeRule(BATTLEAI_ATTACK, 0, 1, 1, 10, {})};
    g_EnemyList[2].Description =
        "街道に出没する盗賊。\n素早い身のこなしで槍を突いてくる。\n追い詰められると距離を取る。";
    g_EnemyList[2].FixedExp = 1;
    g_EnemyList[2].FixedExpValue = 30;
    g_EnemyList[2].RewardPtVal = 1;
    g_EnemyList[2].RewardValue = 120;
    g_EnemyList[2].BattleAI = {
        MakeRule(BATTLEAI_SKILL, 0, 2, 2, 30, {MakeCond(1, 0, 30, 3, 1), MakeCond(0, 1, 5, 2, 0)}),
        MakeRule(BATTLEAI_QUICK, 2, 2, 1, 20, {MakeCond(0, 11, 3, 6, 0)}),
        MakeRule(BATTLEAI_ATTACK, 0, 1, 1, 10, {}),
    };
    for (cFriend& f : g_FriendList) f.Refresh(in);
    for (cEnemy& e : g_EnemyList) e.Refresh(in);
}
