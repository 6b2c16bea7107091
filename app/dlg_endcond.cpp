#include "app/dlg_endcond.h"

#include "app/stage_rows.h"
#include "events/action_forms.h"
#include "events/name_lists.h"
#include "resources/stage_dialogs_ids.h"
#include "ui/record_names.h"

DLG_ENDCOND::DLG_ENDCOND(WND_CLASS* parent, WND_LIST_CLASS* wndList, cEndCond* line)
    : DLG_RECORD_CLASS(IDD_ENDCOND, parent, WND_MODE_DIALOG, wndList), m_pLine(line) {
    SetInstance(this);
    cEndCond& l = *m_pLine;
    MakeNameRows(m_GroupRows, EACT_ROWS_GROUPS);
    MakeRecordNameList(m_ShownRows, g_Stage.Groups, "表示しない", 0, 1, 2, 0);
    typedef CTRL_EDITVAL_CLASS<int> EDIT;
    m_Edits = {
        EDIT({IDC_ENDCOND_CHARA, &l.CharaId, 1, 999, IDC_ENDCOND_CHARA_SPIN, 1}),
        EDIT({IDC_ENDCOND_X, &l.X, 0, cStage::MAX_SIZE, IDC_ENDCOND_X_SPIN, 1}),
        EDIT({IDC_ENDCOND_Y, &l.Y, 0, cStage::MAX_SIZE, IDC_ENDCOND_Y_SPIN, 1}),
    };
    m_Strs = {CTRL_EDITSTR_CLASS({IDC_ENDCOND_TEXT, &l.Text, 31, 0, 0, 0, {0, 0, 0, 0}})};
    typedef CTRL_COMBO_CLASS<int> COMBO;
    m_Combos = {
        COMBO({IDC_ENDCOND_TARGET, &l.Target, g_WordEndCondTarget, nullptr, 0, nullptr}),
        COMBO({IDC_ENDCOND_GROUP, &l.CursorGroup, nullptr, &m_GroupRows, 1, nullptr}),
        COMBO({IDC_ENDCOND_SHOWN, &l.ShownGroup, nullptr, &m_ShownRows, 0, nullptr}),
    };
}

void DLG_ENDCOND::AttachCtrls() { ShowWindow(GetDlgItem(m_hWnd, IDC_STAGEDLG_PICTURE), SW_HIDE); }

int DLG_ENDCOND::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int result = ModalOnCommand(wParam, lParam);
    if (m_bCreated && IsWindowOpen()) UpdateControls();
    return result;
}

void DLG_ENDCOND::UpdateControls() {
    CTRL_COMBO_CLASS<int>* target = FindCtrl(m_Combos, IDC_ENDCOND_TARGET);
    const int shown = target ? target->GetCurSel() : -1;
    if (shown < 0) return;  // no target shown: the fields stay as they are
    EnableCtrl(m_Combos, IDC_ENDCOND_GROUP, shown == ENDCOND_GROUP);
    EnableCtrl(m_Edits, IDC_ENDCOND_CHARA, shown == ENDCOND_ENEMY);
    EnableCtrl(m_Edits, IDC_ENDCOND_X, shown == ENDCOND_CELL);
    EnableCtrl(m_Edits, IDC_ENDCOND_Y, shown == ENDCOND_CELL);
}
