#include "worldmap/dlg_worldevent_set.h"

#include <utility>

#include "base/paths.h"
#include "base/report.h"
#include "editing/common_variable.h"
#include "editing/shared_words.h"
#include "media/image_table.h"
#include "model/gvalinfo.h"
#include "resources/toolkit_ids.h"
#include "resources/worldmap_ids.h"
#include "ui/common_dialogs.h"
#include "worldmap/world_event_rows.h"
#include "worldmap/world_tools.h"

namespace {

enum { MAX_PAGES = 99, CELL = 32 };

// What a road or a wall leaves unused, and the variation's own controls.
const WORD kStageItems[] = {IDC_WES_STAGE_NO,  IDC_WES_STAGE_NAME, IDC_WES_STAGE_FILE, IDC_WES_BROWSE,
                            IDC_WES_VARIATION, IDC_WES_PASS,       IDC_WES_REPLAY,     IDC_WES_GAME_CLEAR};
const WORD kVariationItems[] = {IDC_WES_SET_VAR, IDC_WES_SET_RENAME, IDC_WES_SET_VALUE};

}  // namespace

DLG_WORLDEVENT_SET::DLG_WORLDEVENT_SET(WND_CLASS* parent, WND_LIST_CLASS* wndList, cWorldEvent* event, int isNew,
                                       std::function<void()> beforeCommit)
    : DLG_RECORD_CLASS(IDD_WORLDEVENT_SET, parent, WND_MODE_DIALOG, wndList),
      m_pEvent(event),
      m_bNew(isNew),
      m_BeforeCommit(std::move(beforeCommit)) {
    SetInstance(this);
    SetWindowParam(0, 0, 100, 100, 640, 480, 0, 0, 0, 0, 0, 0);
    if (m_pEvent) m_Work = *m_pEvent;
    cWorldEventPage& p = m_Page;
    // The stage number first: the enabling rules and the preview read it there.
    m_Edits = {
        CTRL_EDITVAL_CLASS<int>({IDC_WES_STAGE_NO, &p.StageNo, 0, 999, IDC_WES_STAGE_NO_SPIN, 1}),
        CTRL_EDITVAL_CLASS<int>({IDC_WES_NEED_STAGE, &p.NeedClearStage, 0, 999, IDC_WES_NEED_STAGE_SPIN, 1}),
        CTRL_EDITVAL_CLASS<int>({IDC_WES_COND_VALUE, &p.CondValue, -999999, 999999, IDC_WES_COND_VALUE_SPIN, 1}),
        CTRL_EDITVAL_CLASS<int>({IDC_WES_SET_VALUE, &p.SetValue, -999999, 999999, IDC_WES_SET_VALUE_SPIN, 1}),
    };
    m_Strs = {
        // Read buffers: 20, 30 and 260 bytes of text and the terminating NUL.
        CTRL_EDITSTR_CLASS({IDC_WES_NAME, &m_Work.Name, 21, 0, 1, 0, {0, 0, 0, 0}}),
        CTRL_EDITSTR_CLASS({IDC_WES_STAGE_NAME, &p.StageName, 31, 0, 1, 0, {0, 0, 0, 0}}),
        CTRL_EDITSTR_CLASS({IDC_WES_STAGE_FILE, &p.StageFile, MAX_PATH + 1, 0, 1, 0, {0, 0, 0, 0}}),
    };
    m_Checks = {
        CTRL_CHECK_CLASS<int>({IDC_WES_VARIATION, &p.Variation}),
        CTRL_CHECK_CLASS<int>({IDC_WES_PASS, &p.PassWithoutClear}),
        CTRL_CHECK_CLASS<int>({IDC_WES_REPLAY, &p.PlayAfterClear}),
    };
    m_Combos = {
        CTRL_COMBO_CLASS<int>({IDC_WES_GRAPHIC, &p.Graphic, nullptr, &m_GraphicRows, 0, nullptr}),
        CTRL_COMBO_CLASS<int>({IDC_WES_GAME_CLEAR, &p.GameClear, GameClearWords, nullptr, 0, nullptr}),
        CTRL_COMBO_CLASS<int>({IDC_WES_COND_VAR, &p.CondVar, nullptr, &m_CondVarRows, 0, nullptr}),
        CTRL_COMBO_CLASS<int>({IDC_WES_COND_COMPARE, &p.CondCompare, g_WordCompare, nullptr, 0, nullptr}),
        CTRL_COMBO_CLASS<int>({IDC_WES_SET_VAR, &p.SetVar, nullptr, &m_SetVarRows, 1, nullptr}),
        CTRL_COMBO_CLASS<int>({IDC_WES_TYPE, &p.Type, WorldEventTypeWords, nullptr, 0, nullptr}),
    };
    m_Pictures = {CTRL_PICTURE_CLASS({IDC_WES_PREVIEW, CELL, CELL, -1, -1})};
    m_Buttons = {CTRL_BUTTON_CLASS({IDC_WES_COND_RENAME}), CTRL_BUTTON_CLASS({IDC_WES_BROWSE}),
                 CTRL_BUTTON_CLASS({IDC_WES_SET_RENAME})};
    const cDib& graphics = g_ImageTable[IMG_WORLDEVENT];
    MakeWorldGraphicRows(m_GraphicRows, graphics.IsCreated() ? graphics.m_nHeight : 0);
    MakeConditionVarRows(m_CondVarRows);
    MakeSetVarRows(m_SetVarRows);
}

DLG_WORLDEVENT_SET::~DLG_WORLDEVENT_SET() {
    if (IsWindowOpen()) End(0);
}

void DLG_WORLDEVENT_SET::AttachCtrls() {
    ShowWindow(GetDlgItem(m_hWnd, IDC_WORLD_VIEW), SW_HIDE);
    m_Pages.Assign(m_Work.Pages);
    m_PageList.Subclass(
        this, RecordListDesc(IDC_WES_PAGES, &m_Work.Pages, &m_Pages, &m_Page, 1, 1, MAX_PAGES, 0, WorldPageRowText));
    AddCtrl(&m_PageList);
    m_PageList.SetCommandIds(CM_LIST_KEY_CUT, CM_LIST_KEY_COPY, CM_LIST_KEY_PASTE, 0, CM_LIST_KEY_INSERT, 0,
                             CM_LIST_KEY_DELETE);
    m_PageList.SetContextMenu(IDR_MENU_LIST, CM_LIST_MENU_CUT, CM_LIST_MENU_COPY, CM_LIST_MENU_PASTE, 0,
                              CM_LIST_MENU_INSERT, 0, CM_LIST_MENU_DELETE);
    m_PageList.SelectOnly(0, 1);
}

LRESULT DLG_WORLDEVENT_SET::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CONTEXTMENU && m_PageList.TrackContextMenu(hwnd, reinterpret_cast<HWND>(wParam), lParam)) return 1;
    return ModalProc(hwnd, msg, wParam, lParam);
}

int DLG_WORLDEVENT_SET::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!CheckCommand(wParam)) return 0;
    DLG_CLASS::OnCommand(wParam, lParam);
    const WORD id = LOWORD(wParam), code = HIWORD(wParam);
    int pagesChanged = 0;
    switch (id) {
    case IDC_WORLD_OK: Commit(); return 1;
    case IDC_WORLD_CANCEL: End(0); return 1;
    case IDC_WES_GRAPHIC:
    case IDC_WES_STAGE_NO: OnPaint(); break;
    case IDC_WES_INSERT: pagesChanged = m_PageList.InsertRecord(); break;
    case IDC_WES_DELETE: pagesChanged = m_PageList.DeleteRecords(-1, 0); break;
    case IDC_WES_BROWSE:
        // A file on another drive is not taken, and nothing else happens.
        if (code == BN_CLICKED) BrowseStage();
        return 1;
    case IDC_WES_COND_RENAME: RenameVariable(IDC_WES_COND_VAR, IDC_WES_COND_RENAME); break;
    case IDC_WES_SET_RENAME: RenameVariable(IDC_WES_SET_VAR, IDC_WES_SET_RENAME); break;
    case IDC_WES_PAGES:
        if (code == LBN_SELCHANGE) pagesChanged = 1;
        break;
    default: break;
    }
    if (m_PageList.OnListCommand(id) || m_PageList.OnListMenuCommand(id)) pagesChanged = 1;
    if (pagesChanged) RefreshCtrlsExcept(0, &m_PageList);
    if (m_bCreated && IsWindowOpen()) {
        if (id != IDC_WES_STAGE_NO) UpdateEnable();
        // The row follows the stage number while it is typed.
        if (GetChangedCtrlId(wParam)) StoreEditedCtrls();
    }
    RedrawList();
    if (pagesChanged) OnPaint();
    return 1;
}

// A value the user left alone stays as the page came with it, also where
// its control shows only the nearest one of its range.
void DLG_WORLDEVENT_SET::StoreEditedCtrls() {
    for (CTRL_CLASS* c : m_CtrlList)
        if (c->m_nKind != CTRL_KIND_LIST && c->m_bEdited) c->CtrlToValue();
    m_PageList.StoreCurrentRecord();
}

void DLG_WORLDEVENT_SET::EnableItems(const WORD* ids, int count, int flag) {
    for (int i = 0; i < count; ++i) {
        for (CTRL_CLASS* c : m_CtrlList)
            if (c->m_wId == ids[i]) c->Enable(flag);
    }
}

void DLG_WORLDEVENT_SET::UpdateEnable() {
    const int withVariable = Combo(IDC_WES_COND_VAR) && Combo(IDC_WES_COND_VAR)->GetValue() != 0;
    const WORD condition[] = {IDC_WES_COND_VALUE, IDC_WES_COND_COMPARE};
    EnableItems(condition, 2, withVariable);
    CTRL_COMBO_CLASS<int>* type = Combo(IDC_WES_TYPE);
    if (!type) return;
    switch (type->GetValue()) {
    case WEVENT_STAGE:
        EnableItems(kStageItems, sizeof(kStageItems) / sizeof(kStageItems[0]), 1);
        EnableItems(kVariationItems, 3, m_Checks[0].GetCheck() == BST_CHECKED);
        break;
    case WEVENT_ROAD:
    case WEVENT_WALL:
        // A road or a wall has no stage number; its other stage fields stay.
        m_Edits[0].ShowValue(0);
        m_Edits[0].m_bEdited = 1;
        EnableItems(kStageItems, sizeof(kStageItems) / sizeof(kStageItems[0]), 0);
        EnableItems(kVariationItems, 3, 0);
        break;
    default: break;
    }
}

void DLG_WORLDEVENT_SET::OnPaint() {
    if (!m_bCreated || m_Pictures.empty()) return;
    CTRL_PICTURE_CLASS& picture = m_Pictures[0];
    cDib* dib = picture.Surface();
    if (!picture.m_hWnd || !dib || !dib->IsCreated()) return;
    dib->Fill(RGB(0, 0, 0));
    // The second column shows a stage that counts as cleared: one without a number.
    const int column = m_Edits[0].ParseText() == 0 ? CELL : 0;
    const int row = Combo(IDC_WES_GRAPHIC) ? Combo(IDC_WES_GRAPHIC)->GetValue() : -1;
    const cDib& sheet = g_ImageTable[IMG_WORLDEVENT];
    if (row >= 0 && sheet.IsCreated() && (row + 1) * CELL <= sheet.m_nHeight && column + CELL <= sheet.m_nWidth)
        dib->Blt(0, 0, CELL, CELL, &sheet, column, row * CELL, 0);
    picture.Present();
}

void DLG_WORLDEVENT_SET::BrowseStage() {
    char path[MAX_PATH] = {};
    static const char kFilter[] = "StageFile ( *.stg2 )\0*.stg2\0";
    if (!SelectOpenFile(m_hWnd, path, sizeof(path), "data\\stg", "ステージファイルの選択", kFilter, "stg2")) return;
    if (!MakeRelativePath(path)) return;
    SetPathText(FindCtrl(m_Strs, IDC_WES_STAGE_FILE), path);
    StoreEditedCtrls();
    RedrawList();
}

void DLG_WORLDEVENT_SET::RenameVariable(WORD comboId, WORD buttonId) {
    CTRL_COMBO_CLASS<int>* combo = Combo(comboId);
    if (!RenameCommonVariable(this, combo ? combo->GetValue() : 0, FindCtrl(m_Buttons, buttonId))) return;
    MakeConditionVarRows(m_CondVarRows);
    MakeSetVarRows(m_SetVarRows);
    Combo(IDC_WES_COND_VAR)->SetStrings(m_CondVarRows);
    Combo(IDC_WES_SET_VAR)->SetStrings(m_SetVarRows);
    // The name is the project's at once, whatever becomes of this dialog.
    ReportSave(SaveGValInfoFile(g_GValInfo, g_PathTable.GValInfo), g_PathTable.GValInfo);
}

void DLG_WORLDEVENT_SET::Commit() {
    m_PageList.StoreToSource();
    if (m_BeforeCommit) m_BeforeCommit();
    if (m_pEvent) *m_pEvent = m_Work;
    g_bWorldMapChanged = 1;
    End(1);
}
