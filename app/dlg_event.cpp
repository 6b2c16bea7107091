#include "app/dlg_event.h"

#include "app/stage_edit_state.h"
#include "base/editor_settings.h"
#include "events/dlg_event_set.h"
#include "resources/stage_dialogs_ids.h"

DLG_EVENT::DLG_EVENT(WND_CLASS* stageEditor, WND_LIST_CLASS* wndList, cPaletteHost host)
    : LIST_PALETTE(IDD_EVENT, stageEditor, wndList, &g_EditConfig.EventWnd, std::move(host)) {
    SetInstance(this);
    m_Checks = {
        CTRL_CHECK_CLASS<int>({IDC_EVENTPLT_EDIT_PLACED, &g_EditConfig.StageEditIfPlaced}),
        CTRL_CHECK_CLASS<int>({IDC_EVENTPLT_EDIT_BEFORE, &g_EditConfig.StageEditBeforePlace}),
    };
}

DLG_EVENT::~DLG_EVENT() { End(0); }

int DLG_EVENT::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnInitDialog(wParam, lParam);
    CTRL_LIST_DESC<cEvent> desc;
    desc.id = IDC_EVENTPLT_LIST;
    desc.multi = 1;
    desc.working = &g_EventPlt;  // the templates themselves
    desc.number = 1;
    desc.maxCount = MAX_RECORDS;
    desc.appendRow = 1;
    desc.rowText = [](std::string& text, int, const cEvent& event) { text = event.Name; };
    m_List.Subclass(this, desc);
    // Its "新規挿入" and Ctrl+I insert and edit, as "挿入" does.
    m_List.SetCommandIds(CM_LIST_KEY_CUT, CM_LIST_KEY_COPY, CM_LIST_KEY_PASTE, 0, 0, 0, CM_LIST_KEY_DELETE);
    m_List.SetContextMenu(IDR_MENU_LIST, CM_LIST_MENU_CUT, CM_LIST_MENU_COPY, CM_LIST_MENU_PASTE, 0, 0, 0,
                          CM_LIST_MENU_DELETE);
    AddCtrls(m_Checks);
    SetUpList(&m_List);
    m_bCreated = 1;
    return 0;
}

int DLG_EVENT::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!CheckCommand(wParam)) return 0;
    DLG_CLASS::OnCommand(wParam, lParam);
    const WORD id = LOWORD(wParam), code = HIWORD(wParam);
    switch (id) {
    case IDC_EVENTPLT_LIST:
        if (code == LBN_SELCHANGE) Publish();
        if (code != LBN_DBLCLK) break;
        [[fallthrough]];
    case IDC_LISTPLT_EDIT:
        if (CurrentRecord() < 0) break;
        EditTemplate(CurrentRecord());
        Publish();
        MarkChanged();  // after a cancel too
        break;
    case IDC_EVENTPLT_EDIT_PLACED:
    case IDC_EVENTPLT_EDIT_BEFORE:
        if (CTRL_CHECK_CLASS<int>* check = FindCtrl(m_Checks, id)) check->CtrlToValue();
        break;
    case IDC_LISTPLT_INSERT:
    case CM_LIST_KEY_INSERT:
    case CM_LIST_MENU_INSERT: InsertAndEdit(); break;
    case IDC_LISTPLT_DELETE:
        if (CurrentRecord() < 0) break;
        m_List.DeleteRecords(-1, 0);
        Publish();
        MarkChanged();
        break;
    case IDC_LISTPLT_COUNT: SetCount(); break;
    default:
        if (m_List.OnListCommand(id) || m_List.OnListMenuCommand(id)) {
            Publish();
            if (m_List.m_nLastCommand != LIST_CMD_COPY) MarkChanged();
        }
        break;
    }
    // A copy here can be pasted onto the map.
    const bool copied =
        id == CM_LIST_KEY_COPY || id == CM_LIST_MENU_COPY || id == CM_LIST_KEY_CUT || id == CM_LIST_MENU_CUT;
    if (copied && !m_List.m_Clipboard.empty()) {
        g_StageEditState.ClipboardFull = 1;
        g_StageEditState.Clipboard = m_List.m_Clipboard[0];
    }
    RedrawList();
    return 1;
}

void DLG_EVENT::Publish() {
    const int index = CurrentRecord();
    g_PaletteChoice.SavedRow = m_List.GetCurSel();
    g_PaletteChoice.RowChosen = index >= 0;
    g_StageEditState.PaletteNo = index;
}

void DLG_EVENT::MarkChanged() { g_StageEditState.PaletteChanged = 1; }

int DLG_EVENT::EditTemplate(int index) {
    if (index < 0 || !EditEvent(this, m_pWndList, &g_EventPlt[index], 0, nullptr)) return 0;
    m_List.FillList();
    m_List.RedrawList();
    return 1;
}

void DLG_EVENT::InsertAndEdit() {
    if (!m_List.InsertRecord()) return;
    const int row = m_List.GetCurSel();
    if (!EditTemplate(CurrentRecord())) {
        // Cancelled: the new template alone goes again.
        m_List.DeleteRecords(row, 1);
        Publish();
        return;
    }
    Publish();
    MarkChanged();
}

void DLG_EVENT::SetCount() {
    int count = static_cast<int>(g_EventPlt.size());
    if (!AskCount(&count)) return;
    m_List.Resize(count);
    Publish();
    MarkChanged();
}
