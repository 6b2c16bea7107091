#include "app/dlg_moveai.h"

#include <initializer_list>

#include "app/stage_rows.h"
#include "editing/common_variable.h"
#include "editing/shared_words.h"
#include "events/action_forms.h"
#include "events/name_lists.h"
#include "model/stage.h"
#include "resources/stage_dialogs_ids.h"

DLG_MOVEAI::DLG_MOVEAI(WND_CLASS* parent, WND_LIST_CLASS* wndList, cMoveAI* rule, const CTRL_CLASS* placeRef)
    : DLG_RECORD_CLASS(IDD_MOVEAI, parent, WND_MODE_DIALOG, wndList, placeRef, 1), m_pRule(rule) {
    SetInstance(this);
    cMoveAI& r = *m_pRule;
    MakeNameRows(m_SkillListRows, EACT_ROWS_SKILL_LISTS);
    MakeHealSkillRows(m_SkillRows, m_SkillValues, r.SkillList);
    MakeDestRows(m_DestRows, m_DestValues, g_Stage.Groups);
    MakeNameRows(m_GValRows, EACT_ROWS_GVALS);
    typedef CTRL_EDITVAL_CLASS<int> EDIT;
    m_Edits = {
        EDIT({IDC_MOVEAI_STATUS_VALUE, &r.StatusValue, 0, 999999, IDC_MOVEAI_STATUS_SPIN, 1}),
        EDIT({IDC_MOVEAI_GVAL_VALUE, &r.GValValue, -999999, 999999, IDC_MOVEAI_GVAL_SPIN, 1}),
    };
    typedef CTRL_CHECK_CLASS<int> CHECK;
    m_Checks = {
        CHECK({IDC_MOVEAI_COND, &r.CondEnabled}),
        CHECK({IDC_MOVEAI_ACTED, &r.CondActed}),
        CHECK({IDC_MOVEAI_ALLY_IN_RANGE, &r.CondAllyInRange}),
        CHECK({IDC_MOVEAI_STATUS, &r.CondStatus}),
        CHECK({IDC_MOVEAI_STATUS_PERCENT, &r.StatusPercent}),
        CHECK({IDC_MOVEAI_GVAL_ON, &r.CondGVal}),
        CHECK({IDC_MOVEAI_LATCH, &r.CondLatch}),
    };
    typedef CTRL_COMBO_CLASS<int> COMBO;
    m_Combos = {
        COMBO({IDC_MOVEAI_RANGE, &r.Range, g_WordMoveRange, nullptr, 0, nullptr}),
        COMBO({IDC_MOVEAI_TARGET, &r.Target, g_WordMoveTarget, nullptr, 0, nullptr}),
        COMBO({IDC_MOVEAI_ACTION, &r.Action, g_WordMoveAction, nullptr, 0, nullptr}),
        COMBO({IDC_MOVEAI_SKILL_LIST, &r.SkillList, nullptr, &m_SkillListRows, 0, nullptr}),
        COMBO({IDC_MOVEAI_SKILL, &r.Skill, nullptr, &m_SkillRows, 1, &m_SkillValues}),
        COMBO({IDC_MOVEAI_DEST, &r.Dest, nullptr, &m_DestRows, 0, &m_DestValues}),
        COMBO({IDC_MOVEAI_STATUS_ITEM, &r.StatusParam, g_WordMoveStatus, nullptr, 0, nullptr}),
        COMBO({IDC_MOVEAI_STATUS_COMPARE, &r.StatusCompare, g_WordCompare, nullptr, 0, nullptr}),
        COMBO({IDC_MOVEAI_GVAL, &r.GVal, nullptr, &m_GValRows, 1, nullptr}),
        COMBO({IDC_MOVEAI_GVAL_COMPARE, &r.GValCompare, g_WordCompare, nullptr, 0, nullptr}),
        COMBO({IDC_MOVEAI_JUDGE, &r.JudgeType, g_WordMoveJudge, nullptr, 0, nullptr}),
    };
    m_Buttons = {CTRL_BUTTON_CLASS({IDC_MOVEAI_GVAL_RENAME})};
}

void DLG_MOVEAI::AttachCtrls() { ShowWindow(GetDlgItem(m_hWnd, IDC_STAGEDLG_PICTURE), SW_HIDE); }

void DLG_MOVEAI::OnCtrlsShown() {
    UpdateControls();
    // A skill that is not offered (any more) shows as the first that is.
    CTRL_COMBO_CLASS<int>* skill = FindCtrl(m_Combos, IDC_MOVEAI_SKILL);
    if (skill && skill->GetCurSel() < 0 && !m_SkillRows.empty()) SendMessageA(skill->m_hWnd, CB_SETCURSEL, 0, 0);
}

int DLG_MOVEAI::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int result = ModalOnCommand(wParam, lParam);
    const WORD id = LOWORD(wParam), code = HIWORD(wParam);
    if (!m_bCreated || !IsWindowOpen() || id == IDC_STAGEDLG_OK || id == IDC_STAGEDLG_CANCEL || id == IDCANCEL)
        return result;
    if (id == IDC_MOVEAI_SKILL_LIST && code == CBN_SELCHANGE) RefillSkills();
    if (id == IDC_MOVEAI_GVAL_RENAME) {
        CTRL_COMBO_CLASS<int>* combo = FindCtrl(m_Combos, IDC_MOVEAI_GVAL);
        const int variable = combo && combo->GetCurSel() >= 0 ? combo->GetValue() : 0;
        if (combo && RenameCommonVariable(this, variable, &m_Buttons[0])) {
            MakeNameRows(m_GValRows, EACT_ROWS_GVALS);
            combo->SetStrings(m_GValRows);
        }
    }
    UpdateControls();
    return result;
}

void DLG_MOVEAI::RefillSkills() {
    CTRL_COMBO_CLASS<int>* lists = FindCtrl(m_Combos, IDC_MOVEAI_SKILL_LIST);
    CTRL_COMBO_CLASS<int>* skills = FindCtrl(m_Combos, IDC_MOVEAI_SKILL);
    if (!lists || !skills) return;
    const int shown = skills->GetCurSel() >= 0 ? skills->GetValue() : -1;
    MakeHealSkillRows(m_SkillRows, m_SkillValues, lists->GetValue());
    skills->SetStrings(m_SkillRows);
    int row = skills->ValueToIndex(shown);
    if (row < 0 && !m_SkillRows.empty()) row = 0;
    SendMessageA(skills->m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

int DLG_MOVEAI::Shown(WORD id) {
    for (auto& c : m_Checks)
        if (c.m_wId == id) return c.GetCheck();
    for (auto& c : m_Combos)
        if (c.m_wId == id) return c.GetCurSel();
    return 0;
}

void DLG_MOVEAI::UpdateControls() {
    auto enable = [this](std::initializer_list<WORD> ids, bool on) {
        for (WORD id : ids)
            for (CTRL_CLASS* c : m_CtrlList)
                if (c->m_wId == id) c->Enable(on ? 1 : 0);
    };
    enable({IDC_MOVEAI_DEST}, Shown(IDC_MOVEAI_TARGET) == MOVEAI_TARGET_DEST);
    enable({IDC_MOVEAI_SKILL_LIST, IDC_MOVEAI_SKILL}, Shown(IDC_MOVEAI_ACTION) == MOVEAI_ACTION_HEAL);
    const bool conditions = Shown(IDC_MOVEAI_COND) == BST_CHECKED;
    enable({IDC_MOVEAI_ACTED, IDC_MOVEAI_ALLY_IN_RANGE, IDC_MOVEAI_STATUS, IDC_MOVEAI_GVAL_ON, IDC_MOVEAI_JUDGE,
            IDC_MOVEAI_LATCH},
           conditions);
    enable({IDC_MOVEAI_STATUS_ITEM, IDC_MOVEAI_STATUS_VALUE, IDC_MOVEAI_STATUS_PERCENT, IDC_MOVEAI_STATUS_COMPARE},
           conditions && Shown(IDC_MOVEAI_STATUS) == BST_CHECKED);
    enable({IDC_MOVEAI_GVAL, IDC_MOVEAI_GVAL_RENAME, IDC_MOVEAI_GVAL_VALUE, IDC_MOVEAI_GVAL_COMPARE},
           conditions && Shown(IDC_MOVEAI_GVAL_ON) == BST_CHECKED);
}
