#include "app/surface_view.h"

#include "ui/wnd.h"

namespace {

const char kViewClass[] = "OrrindaleSurfaceView";

LRESULT CALLBACK ViewProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_ERASEBKGND: return 1;
    // The arrows are the owner's, through the keyboard hook; the dialog
    // manager must not move the focus on to a scroll bar with them.
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(wnd, &ps);
        EndPaint(wnd, &ps);
        if (auto* owner = reinterpret_cast<WND_CLASS*>(GetWindowLongPtrA(wnd, GWLP_USERDATA))) owner->OnPaint();
        return 0;
    }
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

void RegisterViewClass(HINSTANCE inst) {
    WNDCLASSA wc = {};
    if (GetClassInfoA(inst, kViewClass, &wc)) return;
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = ViewProc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kViewClass;
    RegisterClassA(&wc);
}

}  // namespace

cSurfaceView::~cSurfaceView() { Release(); }

int cSurfaceView::Create(WND_CLASS* owner, int id, int x, int y, int w, int h) {
    RegisterViewClass(owner->m_hInst);
    // The only tab stop: the dialog manager gives the focus to it, never to a
    // scroll bar, which would scroll a second time on every key.
    m_hWnd = CreateWindowExA(0, kViewClass, nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y, w, h, owner->m_hWnd,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), owner->m_hInst, nullptr);
    if (!m_hWnd) return 0;
    SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    m_hDC = GetDC(m_hWnd);
    m_nWidth = w;
    m_nHeight = h;
    ResizeSurface();
    return 1;
}

void cSurfaceView::Release() {
    if (m_hDC) ReleaseDC(m_hWnd, m_hDC);
    m_hDC = nullptr;
    m_hWnd = nullptr;
}

void cSurfaceView::Place(int x, int y, int w, int h) {
    if (m_hWnd) MoveWindow(m_hWnd, x, y, w, h, TRUE);
    m_nWidth = w;
    m_nHeight = h;
    ResizeSurface();
}

void cSurfaceView::ResizeSurface() {
    const int w = m_nWidth > 0 ? m_nWidth : 1, h = m_nHeight > 0 ? m_nHeight : 1;
    if (m_Dib.IsCreated() && m_Dib.m_nWidth == w && m_Dib.m_nHeight == h) return;
    m_Dib.Create(w, h, 24, 0);
}

void cSurfaceView::Present() {
    if (!m_Dib.IsCreated()) return;
    m_Dib.SetGdiObject();
    if (m_hDC) cDib::Blt(m_hDC, 0, 0, m_Dib.m_nWidth, m_Dib.m_nHeight, &m_Dib, 0, 0, 1);
}
