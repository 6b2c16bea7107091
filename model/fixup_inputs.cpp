#include "model/fixup_inputs.h"

#include "model/class.h"
#include "model/skill.h"

size_t cFixupInputs::SkillListCount() const { return SkillLists ? SkillLists->size() : 0; }

size_t cFixupInputs::SkillCount(int list) const {
    if (Outside(list, SkillListCount())) return 0;
    return (*SkillLists)[static_cast<size_t>(list)].vSkill.size();
}

size_t cFixupInputs::CategoryCount(int list) const {
    if (Outside(list, SkillListCount())) return 0;
    return (*SkillLists)[static_cast<size_t>(list)].vCateg.size();
}

size_t cFixupInputs::ClassCount() const { return Classes ? Classes->size() : 0; }

const cClass* cFixupInputs::Class(int index) const {
    if (Outside(index, ClassCount())) return nullptr;
    return &(*Classes)[static_cast<size_t>(index)];
}

namespace {

const cFixupScope* s_innermost = nullptr;

}  // namespace

cFixupScope::cFixupScope(const cFixupInputs* inputs) : m_pInputs(inputs), m_pOuter(s_innermost) { s_innermost = this; }

cFixupScope::~cFixupScope() { s_innermost = m_pOuter; }

const cFixupInputs* ActiveFixupInputs() {
    if (s_innermost) return s_innermost->m_pInputs;
    static cFixupInputs now;
    now = ProjectFixupInputs();
    return &now;
}
