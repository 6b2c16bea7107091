// The drawing area of an editor window: a child window through which the
// mouse passes to its owner, and an off-screen 24-bit surface of the same
// size that every paint fills and copies to it at once, so that it never
// flickers. A paint of the child asks the owner to paint.
#pragma once

#include <windows.h>

#include <vector>

#include "media/dib.h"

class WND_CLASS;

class cSurfaceView {
public:
    cSurfaceView() {}
    ~cSurfaceView();
    cSurfaceView(const cSurfaceView&) = delete;
    cSurfaceView& operator=(const cSurfaceView&) = delete;

    // The child window `id` of `owner`'s window at (x, y) of its client area,
    // w × h pixels. 0 when the window could not be made.
    int Create(WND_CLASS* owner, int id, int x, int y, int w, int h);
    // Before the owner's window goes: the device context is given back.
    void Release();
    void Place(int x, int y, int w, int h);
    // The surface to the window: the part that differs from what the
    // window shows, all of it after the window was uncovered or resized.
    void Present();
    // The window lost what it showed: the next present copies everything.
    void Invalidate() { m_Shown.clear(); }

    HWND Window() const { return m_hWnd; }
    cDib& Surface() { return m_Dib; }
    const cDib& Surface() const { return m_Dib; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }

private:
    void ResizeSurface();

    HWND m_hWnd = nullptr;
    HDC m_hDC = nullptr;  // the window's own (class) device context
    cDib m_Dib;
    int m_nWidth = 0, m_nHeight = 0;
    std::vector<BYTE> m_Shown;  // the pixels the window shows, row by row; empty: unknown
};

// The smallest rectangle of `dib` whose pixels differ from `shown` (the
// surface's rows as last presented), which then takes them; the whole
// surface when `shown` does not match its size. False when nothing changed.
bool TakeChangedArea(const cDib& dib, std::vector<BYTE>* shown, RECT* area);
