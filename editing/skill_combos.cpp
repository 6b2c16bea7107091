#include "editing/skill_combos.h"

#include "media/image_table.h"
#include "model/skill.h"
#include "ui/dlg.h"
#include "ui/record_names.h"

namespace {

CTRL_COMBO_CLASS<int>* Find(std::vector<CTRL_COMBO_CLASS<int>>& combos, unsigned id, DLG_CLASS* dlg) {
    return dlg->FindCtrl(combos, id);
}

// A skill combo whose value lies past the list's skills goes to its first row.
void KeepSkillInList(CTRL_COMBO_CLASS<int>* skill, int list) {
    if (skill && static_cast<unsigned>(skill->GetValue()) >= static_cast<unsigned>(SkillCount(list)))
        SendMessageA(skill->m_hWnd, CB_SETCURSEL, 0, 0);
}

}  // namespace

void FillRecordCombo(VECTOR_CLASS<std::string>& skills, DLG_CLASS* dlg, std::vector<CTRL_COMBO_CLASS<int>>& combos,
                     unsigned listId, unsigned skillId) {
    int list = 0;
    CTRL_COMBO_CLASS<int>* skill = nullptr;
    if (dlg->m_bCreated) {
        CTRL_COMBO_CLASS<int>* lists = Find(combos, listId, dlg);
        if (lists) list = lists->GetValue();
        skill = Find(combos, skillId, dlg);
    }
    MakeSkillRows(skills, list);
    if (!skill) return;
    // The refill keeps the skill shown (or, with none shown, the bound one)
    // where the new list has a row for it. A skill it has none for (skill 0,
    // past its end) would show no row and be stored beside the new list: the
    // user's choice of a list takes its first skill instead.
    skill->SetStrings(skills, nullptr);
    if (skill->GetCurSel() < 0 && !skills.empty()) SendMessageA(skill->m_hWnd, CB_SETCURSEL, 0, 0);
}

void FillRecordComboEx(VECTOR_CLASS<std::string>& lists, VECTOR_CLASS<std::string>& skills, int list, DLG_CLASS* dlg,
                       std::vector<CTRL_COMBO_CLASS<int>>& combos, unsigned skillId) {
    MakeSkillListRows(lists);
    CTRL_COMBO_CLASS<int>* skill = dlg->m_bCreated ? Find(combos, skillId, dlg) : nullptr;
    KeepSkillInList(skill, list);
    MakeSkillRows(skills, list);
}

void FillNumberCombo(VECTOR_CLASS<std::string>& numbers) {
    const cDib& symbols = g_ImageTable[IMG_SYMBOL];
    MakeNumberRows(numbers, symbols.m_nWidth, symbols.m_nHeight);
}
