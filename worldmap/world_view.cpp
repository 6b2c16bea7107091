#include "worldmap/world_view.h"

#include <algorithm>

int cWorldView::Attach(HWND dialog, int id, int maxWidth, int maxHeight) {
    Detach();
    m_hWnd = GetDlgItem(dialog, id);
    if (!m_hWnd) return 0;
    m_hDC = GetDC(m_hWnd);
    RECT rc;
    GetClientRect(m_hWnd, &rc);
    m_nWidth = std::min<int>(rc.right, maxWidth);
    m_nHeight = std::min<int>(rc.bottom, maxHeight);
    return m_Dib.Create(std::max(maxWidth, 1), std::max(maxHeight, 1), 24, 0);
}

void cWorldView::Detach() {
    if (m_hDC) ReleaseDC(m_hWnd, m_hDC);
    m_hDC = nullptr;
    m_hWnd = nullptr;
    m_Dib.Release();
}

void cWorldView::Place(int x, int y, int width, int height) {
    m_nWidth = std::clamp(width, 0, m_Dib.m_nWidth);
    m_nHeight = std::clamp(height, 0, m_Dib.m_nHeight);
    if (m_hWnd) MoveWindow(m_hWnd, x, y, m_nWidth, m_nHeight, TRUE);
}

void cWorldView::Present() {
    if (!m_hDC || !m_Dib.IsCreated()) return;
    m_Dib.SetGdiObject();
    cDib::Blt(m_hDC, 0, 0, m_nWidth, m_nHeight, &m_Dib, 0, 0, 1);
}
