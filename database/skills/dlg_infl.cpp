#include "database/skills/dlg_infl.h"

#include "database/skills/skill_rules.h"
#include "editing/shared_words.h"
#include "model/media_database.h"
#include "resources/db_skills_ids.h"
#include "ui/record_names.h"

DLG_INFL::DLG_INFL(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, cInfl* infl)
    : DLG_RECORD_CLASS(IDD_INFL, parent, WND_MODE_DIALOG, wndList, placeRef, 1), m_pInfl(infl) {
    SetInstance(this);
    MakeRecordNameList(m_TypeRows, g_Database.CompatiTypes, nullptr, 1, 1, 3, 0);
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_INFL_TARGET, &infl->nTarget, nullptr, &m_TypeRows, 1, nullptr}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_INFL_STAT, &infl->nStat, InflStatWords, nullptr, 0, nullptr}));
    m_Combos.push_back(
        CTRL_COMBO_CLASS<int>({IDC_INFL_OPERATOR, &infl->nOperator, g_WordOperator, nullptr, 0, nullptr}));
    m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({IDC_INFL_VALUE, &infl->nValue, -999999, 999999, 11082, 1}));
}

void DLG_INFL::OnCtrlsShown() {
    // A target type that no longer exists is shown as none chosen, not as the first type.
    if (m_Combos[0].ValueToIndex(m_pInfl->nTarget) < 0 ||
        m_pInfl->nTarget >= static_cast<int>(g_Database.CompatiTypes.size()))
        SendMessageA(m_Combos[0].m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

int DLG_INFL::OnCommand(WPARAM wParam, LPARAM lParam) {
    // A target that no longer exists shows no row; OK keeps it unless another is chosen.
    const int target = m_pInfl->nTarget;
    const int chosen = m_Combos.empty() ? -1 : m_Combos[0].GetCurSel();
    const int r = ModalOnCommand(wParam, lParam);
    if (LOWORD(wParam) == IDC_DLG_OK && chosen < 0) m_pInfl->nTarget = target;
    return r;
}
