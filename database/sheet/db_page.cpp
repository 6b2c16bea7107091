#include "database/sheet/db_page.h"

#include <commctrl.h>

#include "database/sheet/prop_database.h"

DLG_DBPAGE::DLG_DBPAGE(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList)
    : DLG_RECORD_CLASS(resId, sheet ? sheet->m_pParent : nullptr, WND_MODE_PAGE, wndList), m_pDatabase(sheet) {
    SetWindowParam(0, 0, 100, 100, 640, 480, 0, 0, 0, 0, 0, 0);
}

int DLG_DBPAGE::IsSetActive(UINT msg, LPARAM lParam) {
    return msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(PSN_SETACTIVE);
}

// The sheet leaves the page (OK or Apply by Return or an access key) with the
// focus still in one of its edits: what is typed there is finished as
// leaving the edit finishes it, before the sheet applies. A click on a
// button took the focus, and the edit finished, before.
void DLG_DBPAGE::FinishTyping() {
    HWND focus = GetFocus();
    if (!focus || GetParent(focus) != m_hWnd) return;
    char name[8] = {};
    GetClassNameA(focus, name, sizeof(name));
    if (lstrcmpiA(name, "Edit") != 0) return;
    SendMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), EN_KILLFOCUS), reinterpret_cast<LPARAM>(focus));
}

void DLG_DBPAGE::MarkChanged() {
    HWND sheet = GetParent(m_hWnd);
    if (sheet) SendMessageA(sheet, PSM_CHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

LRESULT DLG_DBPAGE::PageProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, int* handled) {
    *handled = 0;
    LRESULT r = DlgProc(hwnd, msg, wParam, lParam);
    if (msg == WM_DRAWITEM) {
        // A preview item asks to be drawn: the page draws all of its previews.
        OnPaint();
        *handled = 1;
        return TRUE;
    }
    if (msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(PSN_KILLACTIVE)) {
        FinishTyping();
        // The page never keeps the sheet from leaving it (another tab, OK, Apply).
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, FALSE);
        *handled = 1;
        return TRUE;
    }
    const int first = m_pDatabase && m_pDatabase->Page(PROP_DATABASE::TAB_CLASS) == this;
    if (!first) return r;
    if (msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(PSN_APPLY)) {
        // The sheet stays open, on the page the user is on, when a file could not be written.
        const int ok = m_pDatabase->ApplyAll();
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, ok ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE);
        *handled = 1;
    } else if (msg == WM_DESTROY && m_pDatabase->m_OnClosed) {
        m_pDatabase->m_OnClosed();
        *handled = 1;
    }
    return r;
}
