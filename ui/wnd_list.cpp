#include "ui/wnd_list.h"

#include <algorithm>

#include "base/report.h"
#include "ui/prop.h"
#include "ui/wnd.h"

WND_LIST_CLASS g_WndList;

int WND_LIST_CLASS::RemoveWnd(WND_CLASS* wnd) {
    auto it = std::find(m_Wnds.begin(), m_Wnds.end(), wnd);
    if (it == m_Wnds.end()) return 0;
    m_Wnds.erase(it);
    return 1;
}

int WND_LIST_CLASS::RemoveSheet(PROP_CLASS* sheet) {
    for (auto it = m_Sheets.begin(); it != m_Sheets.end(); ++it) {
        if (it->sheet == sheet) {
            m_Sheets.erase(it);
            return 1;
        }
    }
    return 0;
}

void WND_LIST_CLASS::ShowAll(int flag) {
    for (WND_CLASS* w : m_Wnds) ShowWindow(w->m_hWnd, flag ? SW_SHOW : SW_HIDE);
    for (SHEET_ENTRY& s : m_Sheets)
        if (s.sheet->m_hWnd) ShowWindow(s.sheet->m_hWnd, flag ? SW_SHOW : SW_HIDE);
}

void WND_LIST_CLASS::EnableAll(int flag) {
    for (WND_CLASS* w : m_Wnds) w->Enable(flag);
    for (SHEET_ENTRY& s : m_Sheets) {
        if (!s.sheet->m_hWnd) continue;
        if (flag)
            s.sheet->RemoveStyle(WS_DISABLED);
        else
            s.sheet->AddStyle(WS_DISABLED);
    }
}

// A window qualifies for its accelerators while it is active; a sheet page
// while its sheet is active and it is the sheet's current page.
static bool IsActiveForKeys(WND_CLASS* w, HWND active) {
    if (w->m_nMode == WND_MODE_PAGE)
        return w->m_hOwner && active == w->m_hOwner &&
               reinterpret_cast<HWND>(SendMessageA(w->m_hOwner, PSM_GETCURRENTPAGEHWND, 0, 0)) == w->m_hWnd;
    return active && active == w->m_hWnd;
}

int DispatchAppMessage(MSG* msg, WND_LIST_CLASS* wndList) {
    HWND active = GetActiveWindow();
    HWND focus = GetFocus();
    for (size_t i = 0; i < wndList->m_Wnds.size(); ++i) {
        WND_CLASS* w = wndList->m_Wnds[i];
        if (!IsActiveForKeys(w, active)) continue;
        for (const WND_CLASS::ACCEL_ENTRY& a : w->m_Accels) {
            if (!a.table) continue;
            if (a.target != w->m_hWnd && a.target != focus) continue;
            if (TranslateAcceleratorA(w->m_hWnd, a.table, msg)) return 1;
        }
    }
    for (size_t i = 0; i < wndList->m_Sheets.size(); ++i) {
        WND_LIST_CLASS::SHEET_ENTRY s = wndList->m_Sheets[i];
        if (!s.sheet->m_hWnd) continue;
        if (SendMessageA(s.sheet->m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0)) continue;
        // Closed by its own buttons: the sheet's destructor leaves the registry.
        s.sheet->Close();
        if (s.owner && *s.owner == s.sheet)
            SafeDelete(*s.owner);
        else
            delete s.sheet;
        return 1;
    }
    for (size_t i = 0; i < wndList->m_Wnds.size(); ++i) {
        WND_CLASS* w = wndList->m_Wnds[i];
        if (w->m_hWnd && IsDialogMessageA(w->m_hWnd, msg)) return 1;
    }
    for (size_t i = 0; i < wndList->m_Sheets.size(); ++i) {
        PROP_CLASS* s = wndList->m_Sheets[i].sheet;
        if (s->m_hWnd && SendMessageA(s->m_hWnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(msg))) return 1;
    }
    return 0;
}

PROP_CLASS::PROP_CLASS(int modeless, WND_CLASS* parent, WND_LIST_CLASS* wndList)
    : m_bModeless(modeless), m_hParent(parent ? parent->m_hWnd : nullptr), m_pParent(parent), m_pWndList(wndList) {}

PROP_CLASS::~PROP_CLASS() {
    if (m_pWndList && m_pWndList->m_bClosed) return;
    if (!m_pWndList || !m_pWndList->RemoveSheet(m_pSelf ? m_pSelf : this)) ErrorBoxPrintf("ウインドウの破棄に失敗！");
}

void PROP_CLASS::AddStyle(DWORD bits) {
    if (m_hWnd) SetWindowLongA(m_hWnd, GWL_STYLE, GetWindowLongA(m_hWnd, GWL_STYLE) | static_cast<LONG>(bits));
}

void PROP_CLASS::RemoveStyle(DWORD bits) {
    if (m_hWnd) SetWindowLongA(m_hWnd, GWL_STYLE, GetWindowLongA(m_hWnd, GWL_STYLE) & ~static_cast<LONG>(bits));
}

void PROP_CLASS::Close() {
    if (m_bModeless && m_hWnd) {
        DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
    }
}
