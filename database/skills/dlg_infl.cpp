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
