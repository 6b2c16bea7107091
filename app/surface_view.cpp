#include "app/surface_view.h"

#include <algorithm>
#include <cstring>

#include "ui/wnd.h"

namespace {

const char kViewClass[] = "OrrindaleSurfaceView";
const char kViewProp[] = "cSurfaceView";

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
        if (auto* view = static_cast<cSurfaceView*>(GetPropA(wnd, kViewProp))) view->Invalidate();
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
    SetPropA(m_hWnd, kViewProp, this);
    m_hDC = GetDC(m_hWnd);
    m_nWidth = w;
    m_nHeight = h;
    ResizeSurface();
    return 1;
}

void cSurfaceView::Release() {
    if (m_hWnd) RemovePropA(m_hWnd, kViewProp);
    if (m_hDC) ReleaseDC(m_hWnd, m_hDC);
    m_hDC = nullptr;
    m_hWnd = nullptr;
}

void cSurfaceView::Place(int x, int y, int w, int h) {
    if (m_hWnd) MoveWindow(m_hWnd, x, y, w, h, TRUE);
    Invalidate();
    m_nWidth = w;
    m_nHeight = h;
    ResizeSurface();
}

void cSurfaceView::ResizeSurface() {
    const int w = m_nWidth > 0 ? m_nWidth : 1, h = m_nHeight > 0 ? m_nHeight : 1;
    if (m_Dib.IsCreated() && m_Dib.m_nWidth == w && m_Dib.m_nHeight == h) return;
    m_Dib.Create(w, h, 24, 0);
}

// Copying the whole surface to the window is most of a repaint; a pen move
// changes a few cells and the cursor.
void cSurfaceView::Present() {
    if (!m_Dib.IsCreated()) return;
    m_Dib.SetGdiObject();
    if (!m_hDC) return;
    GdiFlush();
    RECT area;
    if (!TakeChangedArea(m_Dib, &m_Shown, &area)) return;
    cDib::Blt(m_hDC, area.left, area.top, area.right - area.left, area.bottom - area.top, &m_Dib, area.left, area.top,
              1);
}

bool TakeChangedArea(const cDib& dib, std::vector<BYTE>* shown, RECT* area) {
    const int w = dib.m_nWidth, h = dib.m_nHeight, bytes = dib.m_nBpp / 8;
    const size_t row = static_cast<size_t>(w) * bytes;
    if (!dib.IsCreated() || w <= 0 || h <= 0 || bytes <= 0) return false;
    if (shown->size() != row * h) {
        shown->resize(row * h);
        for (int y = 0; y < h; ++y) std::memcpy(&(*shown)[row * y], dib.Row(y), row);
        *area = {0, 0, w, h};
        return true;
    }
    int top = -1, bottom = -1;
    size_t left = row, right = 0;
    for (int y = 0; y < h; ++y) {
        const BYTE* now = dib.Row(y);
        BYTE* was = &(*shown)[row * y];
        if (std::memcmp(now, was, row) == 0) continue;
        if (top < 0) top = y;
        bottom = y;
        size_t first = 0, last = row;
        while (now[first] == was[first]) ++first;
        while (now[last - 1] == was[last - 1]) --last;
        left = std::min(left, first);
        right = std::max(right, last);
        std::memcpy(was, now, row);
    }
    if (top < 0) return false;
    *area = {static_cast<LONG>(left / bytes), top, static_cast<LONG>((right + bytes - 1) / bytes), bottom + 1};
    return true;
}
