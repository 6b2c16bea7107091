#include "ui/ctrl.h"

#include "ui/dlg.h"

void CTRL_CLASS::Attach(DLG_CLASS* dlg, WORD id) {
    m_pDlg = dlg;
    m_hParent = dlg ? dlg->m_hWnd : nullptr;
    m_wId = id;
    m_strName.clear();
    m_bEdited = 0;
    m_hWnd = m_hParent ? GetDlgItem(m_hParent, id) : nullptr;
    UpdatePos();
}

void CTRL_CLASS::UpdatePos() {
    if (!m_hWnd) return;
    RECT rc;
    GetWindowRect(m_hWnd, &rc);
    m_ScreenPos = {rc.left, rc.top};
    m_ParentPos = m_ScreenPos;
    if (m_hParent) ScreenToClient(m_hParent, &m_ParentPos);
}

void CTRL_CLASS::Resize(int width, int height) {
    if (!m_hWnd) return;
    UpdatePos();
    SetWindowPos(m_hWnd, nullptr, m_ParentPos.x, m_ParentPos.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CTRL_CLASS::MoveTo(int x, int y) {
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdatePos();
}

int CTRL_CLASS::HitTest(POINT pt) const {
    if (!m_hWnd) return 0;
    RECT rc;
    GetWindowRect(m_hWnd, &rc);
    return pt.x >= rc.left && pt.x <= rc.right && pt.y >= rc.top && pt.y <= rc.bottom;
}

void CTRL_CLASS::Show(int flag) { ShowWindow(m_hWnd, flag ? SW_SHOW : SW_HIDE); }

void CTRL_CLASS::RemoveStyle(DWORD bits) {
    if (m_hWnd) SetWindowLongA(m_hWnd, GWL_STYLE, GetWindowLongA(m_hWnd, GWL_STYLE) & ~static_cast<LONG>(bits));
}

void CTRL_CLASS::SetText(const std::string& text) { SetDlgItemTextA(m_hParent, m_wId, text.c_str()); }

void CTRL_CLASS::SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }

int CTRL_CLASS::IsRefreshing() const { return m_pDlg && m_pDlg->m_bRefreshing; }

// ---- Scroll bars -------------------------------------------------------------------

static const char kScrollProp[] = "CTRL_SCROLL_CLASS";

HWND CTRL_SCROLL_CLASS::BarWindow() const { return m_phOwner ? *m_phOwner : m_hWnd; }
int CTRL_SCROLL_CLASS::BarKind() const { return m_phOwner ? m_nBar : SB_CTL; }

void CTRL_SCROLL_CLASS::Attach(DLG_CLASS* dlg, const DESC& desc) {
    CTRL_CLASS::Attach(dlg, desc.id);
    m_Desc = desc;
    m_phOwner = desc.owner;
    m_nBar = desc.bar;
    m_nSpare3 = desc.spare;
    m_nMin = desc.minimum;
    m_nMax = desc.maximum;
    m_nPage = desc.page;
    m_bRedraw = desc.redraw;
    SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE, m_nMin, m_nMax, static_cast<UINT>(m_nPage), 0, 0};
    SetScrollInfo(BarWindow(), BarKind(), &si, m_bRedraw);
    if (m_hWnd && !GetPropA(m_hWnd, kScrollProp)) {
        SetPropA(m_hWnd, kScrollProp, this);
        m_lpPrevProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
    }
}

LRESULT CALLBACK CTRL_SCROLL_CLASS::SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CTRL_SCROLL_CLASS* self = static_cast<CTRL_SCROLL_CLASS*>(GetPropA(wnd, kScrollProp));
    if (!self) return DefWindowProcA(wnd, msg, wParam, lParam);
    WNDPROC prev = self->m_lpPrevProc;
    // A right click on a dialog's own bar must not reach the bar's menu.
    if (msg == WM_RBUTTONUP) return 0;
    if (msg == WM_DESTROY) {
        SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(prev));
        RemovePropA(wnd, kScrollProp);
        self->m_lpPrevProc = nullptr;
    }
    return CallWindowProcA(prev, wnd, msg, wParam, lParam);
}

int CTRL_SCROLL_CLASS::GetPos() const {
    SCROLLINFO si = {sizeof(si), SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(BarWindow(), BarKind(), &si);
    return si.nPos;
}

void CTRL_SCROLL_CLASS::SetPos(int pos) {
    SCROLLINFO si = {sizeof(si), SIF_POS, 0, 0, 0, pos, 0};
    SetScrollInfo(BarWindow(), BarKind(), &si, TRUE);
}

void CTRL_SCROLL_CLASS::SetRange(int minimum, int maximum) {
    m_nMin = minimum;
    m_nMax = maximum;
    SCROLLINFO si = {sizeof(si), SIF_RANGE, minimum, maximum, 0, 0, 0};
    SetScrollInfo(BarWindow(), BarKind(), &si, TRUE);
}

void CTRL_SCROLL_CLASS::SetPage(int page) {
    m_nPage = page;
    SCROLLINFO si = {sizeof(si), SIF_PAGE, 0, 0, static_cast<UINT>(page), 0, 0};
    SetScrollInfo(BarWindow(), BarKind(), &si, TRUE);
}

int CTRL_SCROLL_CLASS::ScrollBy(int delta) {
    int old = GetPos();
    SCROLLINFO si = {sizeof(si), SIF_POS, 0, 0, 0, old + delta, 0};
    SetScrollInfo(m_hWnd, SB_CTL, &si, TRUE);
    return GetPos() != old;
}

int CTRL_SCROLL_CLASS::StepPos(int delta) {
    SetPos(GetPos() + delta);
    return GetPos();
}

int CTRL_SCROLL_CLASS::OnScroll(int code, HWND bar) {
    if (!m_hWnd || bar != m_hWnd) return 0;
    SCROLLINFO si = {sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(BarWindow(), BarKind(), &si);
    int old = si.nPos, pos = old;
    switch (code) {
    case SB_LINEUP: pos = old - 1; break;
    case SB_LINEDOWN: pos = old + 1; break;
    case SB_PAGEUP: pos = old - static_cast<int>(si.nPage); break;
    case SB_PAGEDOWN: pos = old + static_cast<int>(si.nPage); break;
    case SB_THUMBTRACK: pos = si.nTrackPos; break;
    case SB_TOP: pos = si.nMin; break;
    case SB_BOTTOM: pos = si.nMax; break;
    default: break;
    }
    SetPos(pos);
    return GetPos() != old;
}
