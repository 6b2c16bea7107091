#include "database/units/dlg_dbenemy.h"

#include "database/units/dlg_battleai.h"
#include "database/units/unit_rows.h"
#include "editing/skill_combos.h"
#include "editing/symbol_preview.h"
#include "model/media_database.h"
#include "ui/ctrl_editstr.h"
#include "ui/record_names.h"

namespace {

enum {
    IDC_ENEMY_SYMBOLS = 1071,
    IDC_ENEMY_SYMBOL = 1069,
    IDC_ENEMY_FIXED_EXP = 1073,
    IDC_ENEMY_EXP = 1119,
    IDC_ENEMY_REWARD_VAR = 1625,
};

const CHARA_PAGE_IDS kEnemyIds = {1179, 1122, 1120, 1074, {1111, 1068, 1110, 1070}, 99, 0};

void BuildPtValRows(VECTOR_CLASS<std::string>& rows) {
    MakeRecordNameList(rows, g_Database.PtVals, nullptr, 1, 1, 3, 0);
}

}  // namespace

DLG_DBENEMY::DLG_DBENEMY(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList)
    : DLG_DBCHARA<cEnemy, cBattleAI>(resId, sheet, wndList, &g_EnemyList, kEnemyIds, &cEnemy::BattleAI,
                                     FormatBattleAIRow) {
    SetInstance(this);
    m_Sub.m_Edit = [this](int index) {
        DLG_BATTLEAI dialog(this, m_pWndList, &m_SubList, &m_SubList.m_pWork->At(index));
        return dialog.DoModal(0);
    };
    BuildPtValRows(m_PtValRows);
    FillNumberCombo(m_SymbolRows);

    cEnemy& r = m_Record;
    m_Strs.push_back(
        CTRL_EDITSTR_CLASS({12057, &r.Description, 0, 38, 4, 1, {CTRL_EDITSTR_CLASS::LINE_FEEDS, 0, 0, 0}}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_ENEMY_SYMBOLS, &m_nSymbol, nullptr, &m_SymbolRows, 0, nullptr}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({IDC_ENEMY_FIXED_EXP, &r.FixedExp}));
    m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({IDC_ENEMY_EXP, &r.FixedExpValue, 0, 9999, 1065, 1}));
    m_Combos.push_back(
        CTRL_COMBO_CLASS<int>({IDC_ENEMY_REWARD_VAR, &r.RewardPtVal, nullptr, &m_PtValRows, 1, nullptr}));
    m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({1121, &r.RewardValue, 0, 999999, 1076, 1}));
    // Never shown, but bound so that the enemy keeps its value.
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({1626, &r.Training, EnemyTrainingNames, nullptr, 0, nullptr}));
    m_Pictures.push_back(CTRL_PICTURE_CLASS({IDC_ENEMY_SYMBOL, 32, 32, -1, -1}));
}

void DLG_DBENEMY::OnApplied() {
    DLG_DBCHARA<cEnemy, cBattleAI>::OnApplied();
    BuildPtValRows(m_PtValRows);
    if (CTRL_COMBO_CLASS<int>* vars = FindCtrl(m_Combos, IDC_ENEMY_REWARD_VAR)) vars->SetStrings(m_PtValRows);
}

void DLG_DBENEMY::UpdateEnables() {
    DLG_DBCHARA<cEnemy, cBattleAI>::UpdateEnables();
    EnableCtrl(m_Edits, IDC_ENEMY_EXP, IsChecked(IDC_ENEMY_FIXED_EXP));
}

void DLG_DBENEMY::UpdatePageState() {
    DLG_DBCHARA<cEnemy, cBattleAI>::UpdatePageState();
    OnPaint();
}

void DLG_DBENEMY::OnPaint() {
    if (!m_bCreated || m_Pictures.empty()) return;
    CTRL_COMBO_CLASS<int>* symbols = FindCtrl(m_Combos, IDC_ENEMY_SYMBOLS);
    DrawSymbolPreview(&m_Pictures[0], symbols ? symbols->GetCurSel() : -1);
}
