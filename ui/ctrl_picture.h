// A picture item used as a drawing area: the item's window device context
// and an off-screen 32-bit surface of the drawing size.
#pragma once

#include "ui/ctrl.h"

class cDib;

class CTRL_PICTURE_CLASS : public CTRL_CLASS {
public:
    struct DESC {
        WORD id;
        int width, height;  // pixels; 0 keeps the item's size
        int x, y;           // dialog units; -1 keeps the item's position
    };
    CTRL_PICTURE_CLASS() : CTRL_CLASS(CTRL_KIND_PICTURE) {}
    explicit CTRL_PICTURE_CLASS(DESC desc) : CTRL_CLASS(CTRL_KIND_PICTURE), m_Desc(desc) {}
    // A copy takes the binding but not the surfaces: they stay with the
    // original, which alone releases them.
    CTRL_PICTURE_CLASS(const CTRL_PICTURE_CLASS& other);
    CTRL_PICTURE_CLASS& operator=(const CTRL_PICTURE_CLASS& other);
    ~CTRL_PICTURE_CLASS() override;

    void Attach(DLG_CLASS* dlg, const DESC& desc);
    void AttachDesc(DLG_CLASS* dlg) { Attach(dlg, m_Desc); }
    // Gives back the window device context and deletes the off-screen surface.
    void Release();
    // Copies the off-screen surface onto the item.
    void Present();
    cDib* Surface() const { return m_pDib; }

    HDC m_hWndDC = nullptr;  // GetDC of m_hDCWnd while attached
    HWND m_hDCWnd = nullptr;
    cDib* m_pDib = nullptr;
    int m_nWidth = 0, m_nHeight = 0;  // drawing size
    DESC m_Desc = {0, 0, 0, -1, -1};
};
