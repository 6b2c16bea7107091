#include "database/skills/skill_list_rules.h"

#include "database/skills/skill_rules.h"
#include "editing/shared_words.h"

namespace {

template <class T>
void ShapeLike(VECTOR_CLASS<T>& entries, const VECTOR_CLASS<T>& model) {
    const size_t had = entries.size();
    entries.resize(model.size());
    for (size_t i = had; i < model.size(); ++i) entries[i] = model[i];
}

}  // namespace

void ShapeSkillList(cSkillList& list) {
    static const cSkillList fresh;
    ShapeLike(list.vScene, fresh.vScene);
    ShapeLike(list.vCmd, fresh.vCmd);
    ShapeLike(list.vLearnMenu, fresh.vLearnMenu);
    ShapeLike(list.vSellMenu, fresh.vSellMenu);
    ShapeLike(list.vForgetMenu, fresh.vForgetMenu);
}

void ResetLostConditions(cSlot& slot, int categories) {
    for (cAcqCond& cond : slot.vAcqCond)
        if (cond.nCateg < 0 || cond.nCateg >= categories) cond.nCateg = 0;
}

std::string CategoryName(const VECTOR_CLASS<cCateg>& categories, int index) {
    return index >= 0 && index < static_cast<int>(categories.size()) ? categories[index].strName : std::string();
}

std::string FormatSlotRow(const cSlot& slot, const VECTOR_CLASS<cCateg>& categories) {
    if (slot.bAllCateg) return "無制限";
    std::string row;
    for (const cAcqCond& cond : slot.vAcqCond) row += CategoryName(categories, cond.nCateg) + " ";
    return row;
}

std::string FormatSkillRow(const cSkill& skill, const VECTOR_CLASS<cCateg>& categories) {
    return CategoryName(categories, skill.nCateg) + "-" + skill.strName;
}

std::string FormatInflRow(const cInfl& infl, const VECTOR_CLASS<cCompatiType>& types) {
    std::string target;
    if (infl.nTarget >= 1 && infl.nTarget < static_cast<int>(types.size()))
        target = types[infl.nTarget].strName;
    else
        target = "（存在しないタイプ " + std::to_string(infl.nTarget) + "）";
    return target + " に対して " + WordAt(InflStatWords, infl.nStat) + " " + WordAt(g_WordOperator, infl.nOperator) +
           " " + std::to_string(infl.nValue);
}
