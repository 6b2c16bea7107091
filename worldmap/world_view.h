// The drawing area of the world-map windows: an owner-drawn static item of
// the dialog, through which the mouse passes to the dialog, and a 24-bit
// back buffer of the largest size the item takes, copied to it at once.
#pragma once

#include <windows.h>

#include "media/dib.h"

class cWorldView {
public:
    cWorldView() = default;
    ~cWorldView() { Detach(); }
    cWorldView(const cWorldView&) = delete;
    cWorldView& operator=(const cWorldView&) = delete;

    // The dialog's item `id`, with a back buffer of maxWidth × maxHeight.
    int Attach(HWND dialog, int id, int maxWidth, int maxHeight);
    void Detach();
    // Places the item in its dialog's client area; the buffer keeps its size.
    void Place(int x, int y, int width, int height);
    // Copies the first width × height pixels of the buffer to the item.
    void Present();

    cDib& Surface() { return m_Dib; }
    HWND Window() const { return m_hWnd; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }

private:
    HWND m_hWnd = nullptr;
    HDC m_hDC = nullptr;
    cDib m_Dib;
    int m_nWidth = 0;
    int m_nHeight = 0;
};
