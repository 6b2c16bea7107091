#include "app/dlg_enemy.h"

#include <new>

#include "app/dlg_enemy_set.h"
#include "app/stage_edit_state.h"
#include "app/stage_rows.h"
#include "base/editor_settings.h"
#include "base/report.h"
#include "model/stage.h"
#include "resources/stage_dialogs_ids.h"

DLG_ENEMY::DLG_ENEMY(WND_CLASS* stageEditor, WND_LIST_CLASS* wndList, cPaletteHost host)
    : LIST_PALETTE(IDD_ENEMY, stageEditor, wndList, &g_EditConfig.EnemyWnd, std::move(host)) {
    SetInstance(this);
}

DLG_ENEMY::~DLG_ENEMY() { End(0); }

int DLG_ENEMY::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnInitDialog(wParam, lParam);
    CTRL_LIST_DESC<cPutEnemy> desc;
    desc.id = IDC_ENEMYPLT_LIST;
    desc.working = &g_Stage.PutEnemies;  // the stage's own: every command is a change of the stage
    desc.bound = &m_Record;
    desc.number = 1;
    desc.maxCount = MAX_RECORDS;
    desc.appendRow = 1;
    desc.noSelection = 1;  // a pick-up of no enemy chooses none
    desc.rowText = PutEnemyRowText;
    m_List.Subclass(this, desc);
    m_List.SetCommandIds(CM_LIST_KEY_CUT, CM_LIST_KEY_COPY, CM_LIST_KEY_PASTE, 0, CM_LIST_KEY_INSERT, 0,
                         CM_LIST_KEY_DELETE);
    m_List.SetContextMenu(IDR_MENU_LIST, CM_LIST_MENU_CUT, CM_LIST_MENU_COPY, CM_LIST_MENU_PASTE, 0,
                          CM_LIST_MENU_INSERT, 0, CM_LIST_MENU_DELETE);
    SetUpList(&m_List);
    m_bCreated = 1;
    return 0;
}

int DLG_ENEMY::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!CheckCommand(wParam)) return 0;
    DLG_CLASS::OnCommand(wParam, lParam);
    const WORD id = LOWORD(wParam), code = HIWORD(wParam);
    const int current = CurrentRecord();
    switch (id) {
    case IDC_ENEMYPLT_LIST:
        if (code == LBN_SELCHANGE) Publish();
        if (code == LBN_DBLCLK) EditCurrent();
        break;
    case IDC_LISTPLT_EDIT: EditCurrent(); break;
    case IDC_LISTPLT_INSERT:
    case CM_LIST_KEY_INSERT:
    case CM_LIST_MENU_INSERT: InsertAndEdit(); break;
    case IDC_LISTPLT_DELETE:
    case CM_LIST_KEY_DELETE:
    case CM_LIST_MENU_DELETE:
        if (current < 0) break;
        PushUndo();
        m_List.DeleteRecords(-1, 0);
        AfterChange();
        break;
    case CM_LIST_KEY_CUT:
    case CM_LIST_MENU_CUT:
        if (current < 0) break;
        PushUndo();
        m_List.Cut();
        AfterChange();
        break;
    case CM_LIST_KEY_COPY:
    case CM_LIST_MENU_COPY: m_List.Copy(); break;
    case CM_LIST_KEY_PASTE:
    case CM_LIST_MENU_PASTE: Paste(); break;
    case IDC_LISTPLT_COUNT: SetCount(); break;
    default: break;
    }
    RedrawList();
    return 1;
}

void DLG_ENEMY::Publish() {
    PublishRow();
    // The pen puts the chosen enemy alone, or nothing.
    cStageEditState& st = g_StageEditState;
    st.EnemySel[0] = st.PaletteNo;
    st.SelW = st.SelH = 1;
}

void DLG_ENEMY::PublishRow() {
    const int index = CurrentRecord();
    g_PaletteChoice.SavedRow = m_List.GetCurSel();
    g_PaletteChoice.RowChosen = index >= 0;
    if (index >= 0) g_PaletteChoice.PutEnemy = index;
    g_StageEditState.PaletteNo = index;
}

void DLG_ENEMY::SelectEntry(int index) {
    m_List.SelectOnly(index, 1);
    PublishRow();
}

void DLG_ENEMY::EditEntry(int index) {
    if (index != CurrentRecord()) SelectEntry(index);
    EditCurrent();
}

void DLG_ENEMY::AfterChange() {
    g_StageEditState.StageChanged = 1;
    m_List.FillList();
    Publish();
    ShowStage();
}

int DLG_ENEMY::EditRecord(cPutEnemy& record) {
    m_lpEnemySet = new (std::nothrow) DLG_ENEMY_SET(this, m_pWndList, &record, m_Host.PushUndo);
    const int ok = RunOwnedDialog(m_lpEnemySet, DLG_DISABLE_OTHERS);
    if (ok) g_StageEditState.StageChanged = 1;
    return ok;
}

void DLG_ENEMY::EditCurrent() {
    const int index = CurrentRecord();
    if (index < 0) return;
    if (EditRecord(g_Stage.PutEnemies[index])) {
        m_List.LoadBoundRecord();
        m_List.FillList();
        m_List.RedrawList();
    }
    ShowStage();
}

// The new enemy reaches the stage only with the dialog's OK, after its undo
// step: undoing takes it away again, and a cancel leaves the list untouched.
void DLG_ENEMY::InsertAndEdit() {
    const int row = m_List.GetCurSel();
    if (row < 0) return;
    VECTOR_CLASS<cPutEnemy>& enemies = g_Stage.PutEnemies;
    if (enemies.size() >= MAX_RECORDS) {
        MessageBeep(0);
        return;
    }
    cPutEnemy fresh;
    if (!EditRecord(fresh)) return;
    const int at = row < static_cast<int>(enemies.size()) ? row : static_cast<int>(enemies.size());
    enemies.insert(enemies.begin() + at, fresh);
    m_List.SelectOnly(at, 1);
    AfterChange();
}

// Pasted enemies are not on the map.
void DLG_ENEMY::Paste() {
    VECTOR_CLASS<cPutEnemy>& clipboard = m_List.m_Clipboard;
    if (m_List.GetCurSel() < 0 || clipboard.empty()) return;
    if (g_Stage.PutEnemies.size() + clipboard.size() > MAX_RECORDS) {
        MessageBeep(0);
        return;
    }
    for (cPutEnemy& enemy : clipboard) enemy.X = enemy.Y = -1;
    PushUndo();
    m_List.Paste();
    AfterChange();
}

void DLG_ENEMY::SetCount() {
    int count = static_cast<int>(g_Stage.PutEnemies.size());
    if (!AskCount(&count)) return;
    PushUndo();
    m_List.Resize(count);
    AfterChange();
}
