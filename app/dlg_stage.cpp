#include "app/dlg_stage.h"

#include <new>

#include "app/dlg_endcond.h"
#include "app/stage_edit_state.h"
#include "editing/preview_combos.h"
#include "events/action_forms.h"
#include "events/name_lists.h"
#include "media/sound.h"
#include "model/fixup_inputs.h"
#include "model/media_database.h"
#include "resources/stage_dialogs_ids.h"
#include "ui/record_names.h"

namespace {

// Each explanation list: its controls, its stage vector, its keys and its menu.
const struct {
    SUBLIST_IDS ids;  // list, insert, edit, delete
    VECTOR_CLASS<cEndCond> cStage::*lines;
    LIST_COMMAND_IDS commands;
} kLists[ENDCOND_LIST_COUNT] = {
    {{IDC_STAGE_WIN_LIST, IDC_STAGE_WIN_INSERT, IDC_STAGE_WIN_EDIT, IDC_STAGE_WIN_DELETE},
     &cStage::WinConds,
     kRecordListCommands},
    {{IDC_STAGE_LOSE_LIST, IDC_STAGE_LOSE_INSERT, IDC_STAGE_LOSE_EDIT, IDC_STAGE_LOSE_DELETE},
     &cStage::LoseConds,
     {IDR_ACCEL_LOSE_LIST,
      {CM_LOSE_KEY_CUT, CM_LOSE_KEY_COPY, CM_LOSE_KEY_PASTE, 0, CM_LOSE_KEY_INSERT, 0, CM_LOSE_KEY_DELETE},
      IDR_MENU_LOSE_LIST,
      {CM_LOSE_MENU_CUT, CM_LOSE_MENU_COPY, CM_LOSE_MENU_PASTE, 0, CM_LOSE_MENU_INSERT, 0, CM_LOSE_MENU_DELETE}}},
    {{IDC_STAGE_OTHER_LIST, IDC_STAGE_OTHER_INSERT, IDC_STAGE_OTHER_EDIT, IDC_STAGE_OTHER_DELETE},
     &cStage::OtherConds,
     {IDR_ACCEL_OTHER_LIST,
      {CM_OTHER_KEY_CUT, CM_OTHER_KEY_COPY, CM_OTHER_KEY_PASTE, 0, CM_OTHER_KEY_INSERT, 0, CM_OTHER_KEY_DELETE},
      IDR_MENU_OTHER_LIST,
      {CM_OTHER_MENU_CUT, CM_OTHER_MENU_COPY, CM_OTHER_MENU_PASTE, 0, CM_OTHER_MENU_INSERT, 0, CM_OTHER_MENU_DELETE}}},
};

}  // namespace

DLG_STAGE::DLG_STAGE(WND_CLASS* parent, WND_LIST_CLASS* wndList)
    : DLG_RECORD_CLASS(IDD_STAGE, parent, WND_MODE_DIALOG, wndList),
      m_nWidth(g_Stage.Width),
      m_nHeight(g_Stage.Height),
      m_LineEdits{{kLists[0].ids, 1}, {kLists[1].ids, 1}, {kLists[2].ids, 1}} {
    SetInstance(this);
    // "挿入", "編集" and a double click: the line of the caret row in "説明".
    for (int i = 0; i < ENDCOND_LIST_COUNT; ++i) {
        m_LineEdits[i].m_Edit = [this, i](int index) {
            m_nCurList = i;
            m_lpEndCond = new (std::nothrow) DLG_ENDCOND(this, m_pWndList, &m_Lines[i][index]);
            return RunOwnedDialog(m_lpEndCond);
        };
    }
    cStage& s = g_Stage;
    MakeNameRows(m_GroupRows, EACT_ROWS_GROUPS);
    MakeRecordNameList(m_BackRows, g_Database.Backs, nullptr, 1, 1, 3, 0);
    MakeNameRows(m_BgmRows, EACT_ROWS_BGMS);
    MakeRecordNameList(m_PtValRows, g_Database.PtVals, nullptr, 1, 1, 3, 0);
    typedef CTRL_EDITVAL_CLASS<int> EDIT;
    m_Edits = {
        EDIT({IDC_STAGE_WIDTH, &m_nWidth, 1, cStage::MAX_SIZE, IDC_STAGE_WIDTH_SPIN, 1}),
        EDIT({IDC_STAGE_HEIGHT, &m_nHeight, 1, cStage::MAX_SIZE, IDC_STAGE_HEIGHT_SPIN, 1}),
        EDIT({IDC_STAGE_REWARD, &s.RewardValue, 0, 999999, IDC_STAGE_REWARD_SPIN, 1}),
        EDIT({IDC_STAGE_DEDUCT, &s.RewardTurnDeduct, 0, 99999, IDC_STAGE_DEDUCT_SPIN, 1}),
        EDIT({IDC_STAGE_REPEAT, &s.RepeatRate, 0, 999, IDC_STAGE_REPEAT_SPIN, 1}),
        EDIT({IDC_STAGE_EX, &s.ExRate, 0, 999, IDC_STAGE_EX_SPIN, 1}),
        EDIT({IDC_STAGE_EX_CLEARED, &s.ExRateCleared, 0, 999, IDC_STAGE_EX_CLEARED_SPIN, 1}),
        EDIT({IDC_STAGE_MONEY, &s.MoneyRate, 0, 999, IDC_STAGE_MONEY_SPIN, 1}),
        EDIT({IDC_STAGE_MONEY_CLEARED, &s.MoneyRateCleared, 0, 999, IDC_STAGE_MONEY_CLEARED_SPIN, 1}),
    };
    m_Strs = {CTRL_EDITSTR_CLASS({IDC_STAGE_NAME, &s.Name, 31, 0, 0, 0, {0, 0, 0, 0}})};
    typedef CTRL_CHECK_CLASS<int> CHECK;
    m_Checks = {
        CHECK({IDC_STAGE_ALL_GROUPS, &s.AllGroupsAtStart}),
        CHECK({IDC_STAGE_DEDUCT_PERCENT, &s.DeductPercent}),
        CHECK({IDC_STAGE_SHOW_CLEAR, &s.ShowClear}),
        CHECK({IDC_STAGE_SHOW_GAMEOVER, &s.ShowGameOver}),
    };
    typedef CTRL_COMBO_CLASS<int> COMBO;
    m_Combos = {
        COMBO({IDC_STAGE_START_GROUP, &s.StartGroup, nullptr, &m_GroupRows, 1, nullptr}),
        COMBO({IDC_STAGE_BACK, &s.Back, nullptr, &m_BackRows, 1, nullptr}),
        COMBO({IDC_STAGE_BGM, &s.Bgm, nullptr, &m_BgmRows, 0, nullptr}),
        COMBO({IDC_STAGE_REWARD_VAR, &s.RewardPtVal, nullptr, &m_PtValRows, 1, nullptr}),
    };
}

DLG_STAGE::~DLG_STAGE() { SafeDelete(m_lpEndCond); }

void DLG_STAGE::AttachCtrls() {
    ShowWindow(GetDlgItem(m_hWnd, IDC_STAGEDLG_PICTURE), SW_HIDE);
    for (int i = 0; i < ENDCOND_LIST_COUNT; ++i) {
        CTRL_LIST_DESC<cEndCond> desc;
        desc.id = kLists[i].ids.list;
        desc.multi = 1;
        desc.source = &(g_Stage.*kLists[i].lines);
        desc.working = &m_Lines[i];
        desc.number = 1;
        desc.maxCount = MAX_LINES;
        desc.appendRow = 1;
        desc.rowText = [](std::string& text, int, const cEndCond& line) { text = line.Text; };
        m_Lists[i].Subclass(this, desc);
        AddCtrl(&m_Lists[i]);
    }
    for (int i = 0; i < ENDCOND_LIST_COUNT; ++i) m_LineEdits[i].Attach(this, &m_Lists[i], kLists[i].commands);
}

int DLG_STAGE::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!CheckCommand(wParam)) return 0;
    DLG_CLASS::OnCommand(wParam, lParam);
    const WORD id = LOWORD(wParam), code = HIWORD(wParam);
    switch (id) {
    case IDC_STAGEDLG_OK:
        Commit();
        End(1);
        return 1;
    case IDC_STAGEDLG_CANCEL:
    case IDCANCEL:  // Esc
        End(0);
        return 1;
    case IDC_STAGE_BGM_PLAY:
        if (code == BN_CLICKED) PlaySelectedBgm(m_Combos, IDC_STAGE_BGM);
        break;
    default: {
        // The buttons, notifications, keys and menu items of the three lists.
        int changed = 0;
        for (RECORD_SUBLIST& lines : m_LineEdits)
            if (lines.OnCommand(id, code, &changed)) break;
        break;
    }
    }
    RedrawList();
    return 1;
}

void DLG_STAGE::Commit() {
    StoreCtrls();
    const int resized = m_nWidth != g_Stage.Width || m_nHeight != g_Stage.Height;
    g_Stage.Resize(m_nWidth, m_nHeight);
    g_Stage.Fixup(ProjectFixupInputs());
    if (resized) g_StageEditState.ClearHistory();
}

LRESULT DLG_STAGE::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CONTEXTMENU) {
        for (CTRL_LIST_CLASS<cEndCond>& list : m_Lists)
            if (list.TrackContextMenu(hwnd, reinterpret_cast<HWND>(wParam), lParam)) return TRUE;
    }
    // A BGM its "再生" started ends with the dialog.
    if (msg == WM_DESTROY) g_Sound.Stop();
    return ModalProc(hwnd, msg, wParam, lParam);
}

int RunStageSettings(WND_CLASS* parent, WND_LIST_CLASS* wndList) {
    DLG_STAGE* dlg = new (std::nothrow) DLG_STAGE(parent, wndList);
    return RunOwnedDialog(dlg, DLG_DISABLE_OTHERS);
}
