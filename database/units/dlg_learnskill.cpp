#include "database/units/dlg_learnskill.h"

#include "editing/skill_combos.h"

DLG_LEARNSKILL::DLG_LEARNSKILL(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef,
                               cLearnSkill* entry)
    : DLG_RECORD_CLASS(IDD, parent, WND_MODE_DIALOG, wndList, placeRef, 1), m_pEntry(entry) {
    SetInstance(this);
    FillRecordComboEx(m_ListRows, m_SkillRows, entry->SkillList, this, m_Combos, IDC_SKILL);
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_LIST, &entry->SkillList, nullptr, &m_ListRows, 0, nullptr}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_SKILL, &entry->Skill, nullptr, &m_SkillRows, 1, nullptr}));
    m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({IDC_LEVEL, &entry->Level, 1, 99, 1064, 1}));
}

int DLG_LEARNSKILL::OnCommand(WPARAM wParam, LPARAM lParam) {
    // Another list offers its own skills; a skill it has no row for becomes its first.
    if (LOWORD(wParam) == IDC_LIST && HIWORD(wParam) == CBN_SELCHANGE && m_bCreated)
        FillRecordCombo(m_SkillRows, this, m_Combos, IDC_LIST, IDC_SKILL);
    return ModalOnCommand(wParam, lParam);
}
