#include "worldmap/dlg_worldevent.h"

#include "base/editor_settings.h"
#include "resources/toolkit_ids.h"
#include "resources/worldmap_ids.h"
#include "ui/dlg_input.h"
#include "ui/wnd_list.h"
#include "worldmap/dlg_worldmap.h"
#include "worldmap/world_event_rows.h"
#include "worldmap/world_tools.h"

DLG_WORLDEVENT::DLG_WORLDEVENT(DLG_WORLDMAP* map, WND_LIST_CLASS* wndList)
    : DLG_CLASS(IDD_WORLDEVENT, map, WND_MODE_DIALOG, wndList), m_pMap(map) {
    SetInstance(this);
    StartAt(&g_EditConfig.EventPaletteWnd, map ? map->m_pParentObj : nullptr, 1, 0, 10);
    SetWindowParam(0, 0, 100, 100, 640, 480, 0, 0, 0, 0, 0, 0);
    m_Checks = {
        CTRL_CHECK_CLASS<int>({IDC_WEVENT_EDIT_PLACED, &g_EditConfig.EditIfPlaced}),
        CTRL_CHECK_CLASS<int>({IDC_WEVENT_EDIT_BEFORE, &g_EditConfig.EditBeforePlace}),
        CTRL_CHECK_CLASS<int>({IDC_WEVENT_AUTO_NUMBER, &g_EditConfig.AutoNumber}),
    };
    m_Buttons = {CTRL_BUTTON_CLASS({IDC_WEVENT_COUNT})};
}

DLG_WORLDEVENT::~DLG_WORLDEVENT() {
    if (IsWindowOpen()) End(0);
}

int DLG_WORLDEVENT::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnInitDialog(wParam, lParam);
    ShowWindow(GetDlgItem(m_hWnd, IDC_WORLD_VIEW), SW_HIDE);
    // The templates themselves: every command changes the world map at once.
    CTRL_LIST_DESC<cWorldEvent> desc;
    desc.id = IDC_WEVENT_LIST;
    desc.multi = 1;
    desc.working = &g_WorldMap.EventTemplates;
    desc.number = 1;
    desc.minCount = 1;
    desc.maxCount = MAX_TEMPLATES;
    desc.appendRow = 1;
    desc.rowText = WorldTemplateRowText;
    m_List.Subclass(this, desc);
    AddCtrl(&m_List);
    AddCtrls(m_Checks);
    AddCtrls(m_Buttons);
    AddAccelerator(m_List.m_hWnd, IDR_ACCEL_LIST);
    m_List.SetCommandIds(CM_LIST_KEY_CUT, CM_LIST_KEY_COPY, CM_LIST_KEY_PASTE, 0, 0, 0, CM_LIST_KEY_DELETE);
    m_List.SetContextMenu(IDR_MENU_LIST, CM_LIST_MENU_CUT, CM_LIST_MENU_COPY, CM_LIST_MENU_PASTE, 0, 0, 0,
                          CM_LIST_MENU_DELETE);
    m_List.SelectOnly(g_WorldEditState.SelRow, 1);
    UpdateCtrls();
    SyncSelection();
    m_bCreated = 1;
    return 0;
}

LRESULT DLG_WORLDEVENT::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CONTEXTMENU && m_List.TrackContextMenu(hwnd, reinterpret_cast<HWND>(wParam), lParam)) return TRUE;
    LRESULT r = DlgProc(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_DESTROY: {
        StoreWindowPlace(hwnd, &g_EditConfig.EventPaletteWnd);
        SaveEditorSettingsReported();
        return TRUE;
    }
    // The palette closes with a layer switch or with the world-map window.
    case WM_CLOSE: return TRUE;
    }
    return r;
}

int DLG_WORLDEVENT::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!CheckCommand(wParam)) return 0;
    DLG_CLASS::OnCommand(wParam, lParam);
    const WORD id = LOWORD(wParam), code = HIWORD(wParam);
    switch (id) {
    case IDC_WEVENT_EDIT_PLACED:
    case IDC_WEVENT_EDIT_BEFORE:
    case IDC_WEVENT_AUTO_NUMBER:
        if (CTRL_CHECK_CLASS<int>* check = FindCtrl(m_Checks, id)) check->CtrlToValue();
        break;
    case IDC_WEVENT_INSERT:
    case CM_LIST_KEY_INSERT:
    case CM_LIST_MENU_INSERT: InsertAndEdit(); break;
    case IDC_WEVENT_EDIT: EditTemplate(CurrentTemplate(), 0); break;
    case IDC_WEVENT_LIST:
        if (code == LBN_DBLCLK) EditTemplate(CurrentTemplate(), 0);
        if (code == LBN_SELCHANGE) SyncSelection();
        break;
    case IDC_WEVENT_DELETE:
        m_List.DeleteRecords(-1, 0);
        SyncSelection();
        break;
    case IDC_WEVENT_COUNT: SetCount(); break;
    default: break;
    }
    if (m_List.OnListCommand(id) || m_List.OnListMenuCommand(id)) SyncSelection();
    // A copy here can be pasted onto the map.
    const bool copied =
        id == CM_LIST_KEY_COPY || id == CM_LIST_MENU_COPY || id == CM_LIST_KEY_CUT || id == CM_LIST_MENU_CUT;
    if (copied && CurrentTemplate() >= 0 && !m_List.m_Clipboard.empty()) {
        g_WorldEditState.ClipboardFull = 1;
        g_WorldEditState.Clipboard = m_List.m_Clipboard[0];
    }
    RedrawList();
    return 1;
}

int DLG_WORLDEVENT::CurrentTemplate() const {
    const int row = m_List.GetCurSel();
    if (row < 0 || m_List.IsAppendRow(row) || row >= static_cast<int>(g_WorldMap.EventTemplates.size())) return -1;
    return row;
}

void DLG_WORLDEVENT::SyncSelection() {
    cWorldEditState& st = g_WorldEditState;
    st.SelRow = m_List.GetCurSel();
    const int row = CurrentTemplate();
    if (row >= 0) {
        st.SelIndex = row;
        st.PlaceEvent = g_WorldMap.EventTemplates[row];
        st.BrushW = st.BrushH = 1;
    } else {
        st.SelIndex = -1;
        st.BrushW = st.BrushH = 0;
    }
    g_bWorldMapChanged = 1;
}

int DLG_WORLDEVENT::EditTemplate(int row, int isNew) {
    if (row < 0 || !m_pMap) return 0;
    if (m_pWndList) m_pWndList->EnableAll(0);
    const int ok = m_pMap->RunEventEditor(g_WorldMap.EventTemplates[row], isNew, this);
    if (ok) {
        m_List.FillList();
        m_List.RedrawList();
    }
    if (m_pWndList) m_pWndList->EnableAll(1);
    if (!isNew) SyncSelection();
    return ok;
}

void DLG_WORLDEVENT::InsertAndEdit() {
    if (!m_List.InsertRecord()) return;
    const int row = m_List.GetCurSel();
    if (EditTemplate(CurrentTemplate(), 1)) {
        SyncSelection();
        return;
    }
    // Cancelled: the new template alone goes again.
    m_List.DeleteRecords(row, 1);
    SyncSelection();
}

void DLG_WORLDEVENT::SetCount() {
    int count = static_cast<int>(g_WorldMap.EventTemplates.size());
    if (!InputValue(this, m_pWndList, &count, 1, MAX_TEMPLATES, "データ数", &m_Buttons[0])) return;
    m_List.Resize(count);
    SyncSelection();
}

void DLG_WORLDEVENT::Refill() {
    m_List.FillList();
    m_List.RedrawList();
}

void DLG_WORLDEVENT::TakeClipboard(const cWorldEvent& event) { m_List.m_Clipboard.assign(1, event); }
