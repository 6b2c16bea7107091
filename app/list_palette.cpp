#include "app/list_palette.h"

#include <algorithm>

#include "resources/stage_dialogs_ids.h"
#include "ui/dlg_input.h"

cPaletteChoice g_PaletteChoice;

// Without a stored place: right of the stage editor, 10 pixels below its top.
LIST_PALETTE::LIST_PALETTE(WORD resId, WND_CLASS* stageEditor, WND_LIST_CLASS* wndList, cWndPosInfo* place,
                           cPaletteHost host)
    : PALETTE_CLASS(resId, stageEditor, wndList, place, 0, 10), m_Host(std::move(host)) {
    SetWindowParam(0, 0, 100, 100, 640, 480, 0, 0, 0, 0, 0, 0);
    m_Buttons = {CTRL_BUTTON_CLASS({IDC_LISTPLT_COUNT})};
}

void LIST_PALETTE::SetUpList(CTRL_LIST_BASE* list) {
    m_pList = list;
    ShowWindow(GetDlgItem(m_hWnd, IDC_STAGEDLG_PICTURE), SW_HIDE);
    AddCtrl(list);
    AddCtrls(m_Buttons);
    // The keys act whenever the palette is active, whatever has its focus.
    AddAccelerator(m_hWnd, IDR_ACCEL_LIST);
    list->SelectOnly(std::max(g_PaletteChoice.SavedRow, 0), 1);
    UpdateCtrls();
    Publish();
}

int LIST_PALETTE::CurrentRecord() const { return m_pList ? m_pList->GetDataPos() : -1; }

int LIST_PALETTE::AskCount(int* count) {
    return InputValue(this, m_pWndList, count, 1, MAX_RECORDS, "データ数", &m_Buttons[0]);
}

void LIST_PALETTE::Refresh() {
    if (!m_pList || !m_pList->m_hWnd) return;
    m_pList->FillList();
    m_pList->RedrawList();
}

SIZE LIST_PALETTE::SizeToStore(HWND wnd) const {
    RECT wr = {0, 0, 0, 0};
    GetWindowRect(wnd, &wr);
    return {wr.right - wr.left + 1, wr.bottom - wr.top + 1};
}

LRESULT LIST_PALETTE::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // A key's command is the list's, which acts only while it has the focus.
    if (msg == WM_COMMAND && HIWORD(wParam) == 1 && !lParam && m_pList && m_pList->m_hWnd) SetFocus(m_pList->m_hWnd);
    if (msg == WM_CONTEXTMENU && m_pList && m_pList->TrackContextMenu(hwnd, reinterpret_cast<HWND>(wParam), lParam))
        return TRUE;
    const LRESULT r = DlgProc(hwnd, msg, wParam, lParam);
    if (PaletteMessage(hwnd, msg, wParam, lParam)) return TRUE;
    return r;
}
