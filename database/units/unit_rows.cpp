#include "database/units/unit_rows.h"

#include "editing/shared_words.h"
#include "ui/ctrl.h"

const char kMissingName[] = "？";

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

std::string CategoryName(int list, int category) {
    const cSkillList* l = FindList(list);
    if (!l || category < 0 || category >= static_cast<int>(l->vCateg.size())) return kMissingName;
    return l->vCateg[category].strName;
}

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

void RepairSlotCategories(cSlot& slot, int list) {
    const cSkillList* l = FindList(list);
    const size_t count = l ? l->vCateg.size() : 0;
    for (cAcqCond& cond : slot.vAcqCond)
        if (static_cast<size_t>(static_cast<unsigned>(cond.nCateg)) >= count) cond.nCateg = 0;
}

std::string SlotCategoryNames(const cSlot& slot, int list, const char* separator) {
    if (slot.bAllCateg) return "無制限";
    std::string names;
    for (const cAcqCond& cond : slot.vAcqCond) names += CategoryName(list, cond.nCateg) + separator;
    return names;
}

void FormatOrgSlotRow(std::string& text, int list, const cOrgSlotList& org) {
    text = SkillListName(list) + " - ";
    for (const cSlot& slot : org.Slots) {
        // The row repairs what it shows: the record is the page's own copy.
        RepairSlotCategories(const_cast<cSlot&>(slot), list);
        text += SlotCategoryNames(slot, list, "") + " ";
    }
}
