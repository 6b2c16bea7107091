#include "database/sheet/prop_database.h"

#include <new>
#include <utility>

#include "resources/database_ids.h"
#include "ui/wnd_list.h"

DLG_DBCLASS::DLG_DBCLASS(WORD resId, PROP_DATABASE* sheet, int mode, WND_LIST_CLASS* wndList)
    : DLG_CLASS(resId, sheet->m_pParent, mode, wndList), m_pSheet(sheet) {
    SetInstance(this);
    SetWindowParam(0, 0, 100, 100, 640, 480, 0, 0, 0, 0, 0, 0);
}

LRESULT DLG_DBCLASS::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT r = DlgProc(hwnd, msg, wParam, lParam);
    if (msg == WM_DESTROY && m_pSheet && m_pSheet->m_OnClosed) {
        m_pSheet->m_OnClosed();
        return TRUE;
    }
    return r;
}

PROP_DATABASE::PROP_DATABASE(int modeless, WND_CLASS* parent, WND_LIST_CLASS* wndList, PROP_DATABASE** owner,
                             std::function<void()> onClosed)
    : PROP_CLASS(modeless, parent, wndList), m_OnClosed(std::move(onClosed)) {
    // The registry deletes the sheet through the owner's pointer as a PROP_CLASS.
    if (wndList) wndList->AddSheet(this, reinterpret_cast<PROP_CLASS**>(owner));
}

PROP_DATABASE::~PROP_DATABASE() { SafeDelete(m_pClassPage); }

int PROP_DATABASE::CreatePages() {
    m_pClassPage = new (std::nothrow) DLG_DBCLASS(IDD_DBCLASS, this, WND_MODE_PAGE, m_pWndList);
    if (!m_pClassPage) return 0;
    m_Pages.push_back(m_pClassPage);
    if (!Run()) return 0;
    SetWindowTextA(m_hWnd, "データベースの設定");
    return 1;
}

void PROP_DATABASE::OnIdle(int) {
    const int page = GetCurPage();
    if (page >= 0 && page < static_cast<int>(m_Pages.size()) && m_Pages[page]->m_hWnd) m_Pages[page]->OnPaint();
}
