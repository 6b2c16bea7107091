#include "events/dlg_eventactplt.h"

#include "base/paths.h"
#include "base/report.h"
#include "events/action_line.h"
#include "resources/events_ids.h"

DLG_EVENTACTPLT::DLG_EVENTACTPLT(WND_CLASS* parent, WND_LIST_CLASS* wndList, VECTOR_CLASS<cEventActPlt>* palette,
                                 int selectLast)
    : DLG_RECORD_CLASS(IDD_EVENTACTPLT, parent, WND_MODE_DIALOG, wndList),
      m_bSelectLast(selectLast),
      m_pPalette(palette) {
    SetInstance(this);
    m_Strs = {
        CTRL_EDITSTR_CLASS({IDC_PLT_NAME, &m_Entry.Name, 65, 0, 0, 0, {0, 0, 0, 0}}),
        CTRL_EDITSTR_CLASS({IDC_PLT_DESCRIPTION, &m_Entry.Description, 257, 0, 0, 0, {0, 0, 0, 0}}),
    };
}

void DLG_EVENTACTPLT::AttachCtrls() {
    ShowWindow(GetDlgItem(m_hWnd, IDC_EVENTS_PICTURE), SW_HIDE);
    CTRL_LIST_DESC<cEventActPlt> desc;
    desc.id = IDC_PLT_LIST;
    desc.multi = 1;
    desc.working = m_pPalette;
    desc.bound = &m_Entry;
    desc.number = 1;
    desc.maxCount = PALETTE_MAX;
    desc.appendRow = 1;
    desc.rowText = [](std::string& text, int, const cEventActPlt& entry) { text = entry.Name; };
    m_List.Subclass(this, desc);
    AddCtrl(&m_List);
    const int last = static_cast<int>(m_pPalette->size()) - 1;
    m_List.SelectOnly(m_bSelectLast && last >= 0 ? last : 0, 1);
}

// A right click selects the entry under the pointer, so that the name and
// the description edited next are that entry's.
LRESULT DLG_EVENTACTPLT::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CONTEXTMENU && m_List.TrackContextMenu(hwnd, reinterpret_cast<HWND>(wParam), lParam)) return 1;
    return ModalProc(hwnd, msg, wParam, lParam);
}

void DLG_EVENTACTPLT::ShowContent() {
    const int at = m_List.GetDataPos();
    const std::string text = at >= 0 ? PaletteContentLine((*m_pPalette)[at]) : PaletteContentLine(cEventActPlt());
    SetDlgItemTextA(m_hWnd, IDC_PLT_CONTENT, text.c_str());
}

int DLG_EVENTACTPLT::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!CheckCommand(wParam)) return 0;
    DLG_CLASS::OnCommand(wParam, lParam);
    const WORD id = LOWORD(wParam), code = HIWORD(wParam);
    switch (id) {
    case IDC_PLT_LIST:
        if (code == LBN_SELCHANGE) RefreshCtrlsExcept(0, &m_List);
        break;
    case IDC_PLT_UP:
    case IDC_PLT_DOWN:
        if (code == BN_CLICKED) m_List.MoveCurrent(id == IDC_PLT_UP ? -1 : 1);
        RefreshCtrlsExcept(0, &m_List);
        break;
    case IDC_PLT_DELETE:
        if (m_List.DeleteRecords(-1, 0)) RefreshCtrlsExcept(0, &m_List);
        break;
    case IDC_EVENTS_OK:
        StoreCtrls();
        m_List.StoreCurrentRecord();
        g_EventActPlt.Assign(*m_pPalette);
        ReportSave(SaveRecordList(g_EventActPlt, g_PathTable.EventActionPlt), g_PathTable.EventActionPlt);
        End(1);
        return 1;
    case IDC_EVENTS_CANCEL: End(0); return 1;
    }
    if (m_bCreated && IsWindowOpen()) {
        ShowContent();
        if (GetChangedCtrlId(wParam)) {
            for (auto& s : m_Strs) s.CtrlToValue();
            m_List.StoreCurrentRecord();
        }
    }
    RedrawList();
    return 1;
}
