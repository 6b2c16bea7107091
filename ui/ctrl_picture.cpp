#include "ui/ctrl_picture.h"

#include "media/dib.h"
#include "ui/dlg.h"

CTRL_PICTURE_CLASS::CTRL_PICTURE_CLASS(const CTRL_PICTURE_CLASS& other) : CTRL_CLASS(other), m_Desc(other.m_Desc) {}

CTRL_PICTURE_CLASS& CTRL_PICTURE_CLASS::operator=(const CTRL_PICTURE_CLASS& other) {
    if (this != &other) {
        Release();
        CTRL_CLASS::operator=(other);
        m_Desc = other.m_Desc;
    }
    return *this;
}

CTRL_PICTURE_CLASS::~CTRL_PICTURE_CLASS() { Release(); }

void CTRL_PICTURE_CLASS::Release() {
    if (m_hWndDC) {
        ReleaseDC(m_hDCWnd, m_hWndDC);
        m_hWndDC = nullptr;
        m_hDCWnd = nullptr;
    }
    delete m_pDib;
    m_pDib = nullptr;
}

void CTRL_PICTURE_CLASS::Attach(DLG_CLASS* dlg, const DESC& desc) {
    Release();
    CTRL_CLASS::Attach(dlg, desc.id);
    m_Desc = desc;
    if (!m_hWnd) return;
    m_hWndDC = GetDC(m_hWnd);
    m_hDCWnd = m_hWnd;
    if (desc.width && desc.height) {
        // Keeps the item where it is, in its parent's client coordinates.
        UpdatePos();
        SetWindowPos(m_hWnd, nullptr, m_ParentPos.x, m_ParentPos.y, desc.width, desc.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        m_nWidth = desc.width;
        m_nHeight = desc.height;
    } else {
        RECT rc;
        GetClientRect(m_hWnd, &rc);
        m_nWidth = rc.right;
        m_nHeight = rc.bottom;
    }
    if (desc.x != -1 && desc.y != -1) {
        // As the dialog places its own items, rounded the same way.
        RECT place = {desc.x, desc.y, 0, 0};
        MapDialogRect(m_hParent, &place);
        MoveTo(place.left, place.top);
    }
    UpdatePos();
    m_pDib = new cDib;
    if (m_nWidth > 0 && m_nHeight > 0) m_pDib->Create(m_nWidth, m_nHeight, 32, 0);
}

void CTRL_PICTURE_CLASS::Present() {
    if (!m_hWndDC || !m_pDib || !m_pDib->m_hDC) return;
    cDib::Blt(m_hWndDC, 0, 0, m_nWidth, m_nHeight, m_pDib, 0, 0, 1);
}
