#include "database/units/unit_rows.h"

#include "base/containers.h"
#include "editing/shared_words.h"
#include "editing/skill_rows.h"

const char* const BattleAIActionNames[] = {"攻撃", "スキル", "クイック", ""};
const char* const BattleAISubjectNames[] = {"自分", "相手", ""};
const char* const BattleAICondItemNames[] = {
    "HP",   "SP",     "攻撃",   "守備",   "魔力",         "抵抗", "技能", "反応",
    "敏捷", "クラス", "レベル", "ターン", "残りターン数", "時間", "地形", "",
};
const char* const EnemyTrainingNames[] = {"倒すと闘える", "最初から闘える", "闘えない", ""};

namespace {

const cSkillList* FindList(int list) {
    return list >= 0 && list < static_cast<int>(g_SkillLists.size()) ? &g_SkillLists[list] : nullptr;
}

const char* Word(const char* const* words, int value) {
    const char* word = WordAt(words, value);
    return word[0] ? word : kMissingName;
}

}  // namespace

std::string SkillListName(int list) {
    const cSkillList* l = FindList(list);
    return l ? l->strName : kMissingName;
}

const VECTOR_CLASS<cCateg>& ListCategories(int list) {
    static const VECTOR_CLASS<cCateg> none;
    const cSkillList* l = FindList(list);
    return l ? l->vCateg : none;
}

std::string CategoryName(int list, int category) { return CategoryName(ListCategories(list), category, kMissingName); }

std::string SkillCategoryAndName(int list, int skill) {
    const cSkillList* l = FindList(list);
    if (!l || skill < 0 || skill >= static_cast<int>(l->vSkill.size()))
        return std::string(kMissingName) + "-" + kMissingName;
    const cSkill& s = l->vSkill[skill];
    return CategoryName(list, s.nCateg) + "-" + s.strName;
}

void FormatBattleAIRow(std::string& text, int, const cBattleAI& rule) {
    text.clear();
    if (rule.Action == BATTLEAI_SKILL || rule.Action == BATTLEAI_QUICK)
        AppendFormat(text, "%s %s ", Word(BattleAIActionNames, rule.Action),
                     SkillCategoryAndName(rule.SkillList, rule.Skill).c_str());
    else
        AppendFormat(text, "%s ", Word(BattleAIActionNames, rule.Action));
    AppendFormat(text, "(優先%d-%d)", rule.PriorityLevel, rule.PriorityValue);
}

void FormatBattleAICondRow(std::string& text, int, const cBattleAICond& cond) {
    text.clear();
    AppendFormat(text, cond.Percent ? "%s の %s が %d％ %s" : "%s の %s が %d %s",
                 Word(BattleAISubjectNames, cond.Subject), Word(BattleAICondItemNames, cond.Item), cond.Value,
                 Word(g_WordCompare, cond.Comparison));
}

void FormatLearnSkillRow(std::string& text, int, const cLearnSkill& entry) {
    text.clear();
    AppendFormat(text, "LV%d %s", entry.Level, SkillCategoryAndName(entry.SkillList, entry.Skill).c_str());
}

void FormatSenseRow(std::string& text, int list, const VECTOR_CLASS<int>& senses) {
    text = SkillListName(list) + " - ";
    for (size_t j = 0; j < senses.size(); ++j)
        AppendFormat(text, "%s%d ", CategoryName(list, static_cast<int>(j)).c_str(), senses[j]);
}

void FormatOrgSlotRow(std::string& text, int list, const cOrgSlotList& org) {
    text = SkillListName(list) + " - ";
    for (const cSlot& slot : org.Slots) {
        // The row repairs what it shows: the record is the page's own copy.
        const VECTOR_CLASS<cCateg>& categories = ListCategories(list);
        ResetLostConditions(const_cast<cSlot&>(slot), static_cast<int>(categories.size()));
        text += SlotCategoryNames(slot, categories, "", kMissingName) + " ";
    }
}
