#include "database/units/dlg_battleai.h"

#include "database/sheet/db_list_page.h"
#include "database/units/unit_rows.h"
#include "editing/shared_words.h"
#include "editing/skill_combos.h"
#include "resources/toolkit_ids.h"

namespace {

// The condition list's keys (the list's own key handler) and context menu 116.
const LIST_COMMAND_IDS kCondCommands = {
    0,
    {CM_LIST_KEY_CUT, CM_LIST_KEY_COPY, CM_LIST_KEY_PASTE, 0, CM_LIST_KEY_INSERT, 0, CM_LIST_KEY_DELETE},
    IDR_MENU_LIST,
    {CM_LIST_MENU_CUT, CM_LIST_MENU_COPY, CM_LIST_MENU_PASTE, 0, CM_LIST_MENU_INSERT, 0, CM_LIST_MENU_DELETE}};

}  // namespace

DLG_BATTLEAI::DLG_BATTLEAI(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, cBattleAI* rule)
    : DLG_RECORD_CLASS(IDD, parent, WND_MODE_DIALOG, wndList, placeRef, 1),
      m_pRule(rule),
      m_CondEdits({IDC_CONDS, IDC_INSERT, IDC_EDIT, IDC_DELETE}, 0) {
    SetInstance(this);
    m_Conds.Assign(rule->Conds);
    m_CondEdits.m_Edit = [this](int index) {
        DLG_BATTLEAI_COND dialog(this, m_pWndList, &m_CondList, &m_Conds.At(index));
        return dialog.DoModal(0);
    };
    FillRecordComboEx(m_ListRows, m_SkillRows, rule->SkillList, this, m_Combos, IDC_SKILL);
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_ACTION, &rule->Action, BattleAIActionNames, nullptr, 0, nullptr}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_LIST, &rule->SkillList, nullptr, &m_ListRows, 0, nullptr}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_SKILL, &rule->Skill, nullptr, &m_SkillRows, 1, nullptr}));
    m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({1182, &rule->PriorityLevel, 1, 9, 1184, 1}));
    m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({1183, &rule->PriorityValue, 0, 100, 1185, 1}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({12080, &rule->IgnoreForBestAlly}));
    for (WORD id : {IDC_INSERT, IDC_EDIT, IDC_DELETE}) m_Buttons.push_back(CTRL_BUTTON_CLASS({id}));
}

void DLG_BATTLEAI::AttachCtrls() {
    m_CondList.Subclass(this, RecordListDesc<cBattleAICond>(IDC_CONDS, &m_pRule->Conds, &m_Conds, nullptr, 0, 0, 99, 0,
                                                            FormatBattleAICondRow));
    AddCtrl(&m_CondList);
    m_CondEdits.Attach(this, &m_CondList, kCondCommands);
}

void DLG_BATTLEAI::UpdateEnables() {
    CTRL_COMBO_CLASS<int>* action = FindCtrl(m_Combos, IDC_ACTION);
    const int skill = action && action->GetValue() != BATTLEAI_ATTACK;
    EnableCtrl(m_Combos, IDC_LIST, skill);
    EnableCtrl(m_Combos, IDC_SKILL, skill);
}

int DLG_BATTLEAI::OnCommand(WPARAM wParam, LPARAM lParam) {
    const WORD id = LOWORD(wParam), code = HIWORD(wParam);
    if (id == IDC_LIST && code == CBN_SELCHANGE && m_bCreated)
        FillRecordCombo(m_SkillRows, this, m_Combos, IDC_LIST, IDC_SKILL);
    int changed;
    if (id != IDC_DLG_OK && id != IDC_DLG_CANCEL) m_CondEdits.OnCommand(id, code, &changed);
    if (m_bCreated && IsWindowOpen()) UpdateEnables();
    return ModalOnCommand(wParam, lParam);
}

LRESULT DLG_BATTLEAI::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CONTEXTMENU && reinterpret_cast<HWND>(wParam) == m_CondList.m_hWnd && lParam != -1) {
        m_CondEdits.ShowMenu({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return TRUE;
    }
    return ModalProc(hwnd, msg, wParam, lParam);
}

DLG_BATTLEAI_COND::DLG_BATTLEAI_COND(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef,
                                     cBattleAICond* cond)
    : DLG_RECORD_CLASS(IDD, parent, WND_MODE_DIALOG, wndList, placeRef, 1) {
    SetInstance(this);
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_SUBJECT, &cond->Subject, BattleAISubjectNames, nullptr, 0, nullptr}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_ITEM, &cond->Item, BattleAICondItemNames, nullptr, 0, nullptr}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_COMPARE, &cond->Comparison, g_WordCompare, nullptr, 0, nullptr}));
    m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({IDC_VALUE, &cond->Value, 0, 999999, 11082, 1}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({IDC_PERCENT, &cond->Percent}));
}
