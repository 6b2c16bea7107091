#include "editing/skill_rows.h"

#include "editing/shared_words.h"
#include "model/skill.h"
#include "ui/numtext.h"
#include "ui/record_names.h"

std::string MakeSkillRow(const cSkillList& list, int skill) {
    const cSkill& s = list.vSkill.At(skill);
    std::string number;
    FormatNumber(number, skill, 3);
    return number + " " + CategoryName(list.vCateg, s.nCateg, kMissingName) + "-" + s.strName;
}

void MakeSkillRows(VECTOR_CLASS<std::string>& out, int list) {
    out.clear();
    // A list combo with nothing selected names no list.
    if (list < 0 || list >= SkillListCount()) return;
    const cSkillList& l = g_SkillLists.At(list);
    int count = static_cast<int>(l.vSkill.size());
    out.assign(count > 1 ? count - 1 : 0, std::string());
    for (int k = 0; k + 1 < count; ++k) out[k] = MakeSkillRow(l, k + 1);
}

void MakeSkillListRows(VECTOR_CLASS<std::string>& out) { MakeRecordNameList(out, g_SkillLists, nullptr, 0, 1, 2, 1); }

std::string CategoryName(const VECTOR_CLASS<cCateg>& categories, int index, const char* missing) {
    return index >= 0 && index < static_cast<int>(categories.size()) ? categories[index].strName : std::string(missing);
}

void ResetLostConditions(cSlot& slot, int categories) {
    for (cAcqCond& cond : slot.vAcqCond)
        if (cond.nCateg < 0 || cond.nCateg >= categories) cond.nCateg = 0;
}

std::string SlotCategoryNames(const cSlot& slot, const VECTOR_CLASS<cCateg>& categories, const char* separator,
                              const char* missing) {
    if (slot.bAllCateg) return "無制限";
    std::string names;
    for (const cAcqCond& cond : slot.vAcqCond) names += CategoryName(categories, cond.nCateg, missing) + separator;
    return names;
}
