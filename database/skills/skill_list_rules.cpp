#include "database/skills/skill_list_rules.h"

#include "database/skills/skill_rules.h"
#include "editing/shared_words.h"
#include "editing/skill_rows.h"

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

std::string FormatSkillRow(const cSkill& skill, const VECTOR_CLASS<cCateg>& categories) {
    return CategoryName(categories, skill.nCateg, kMissingName) + "-" + skill.strName;
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
