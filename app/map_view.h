// The stage editor's map view: a child window that shows the visible part of
// the open stage. Every paint draws the map anew into one off-screen surface
// and copies it to the window at once, so the view never flickers. The mouse
// passes through it to the stage editor, which asks it for the cell under
// the mouse.
#pragma once

#include <windows.h>

#include "app/surface_view.h"
#include "media/dib.h"

class WND_CLASS;

class MAP_VIEW {
public:
    enum { CELL = 32 };

    MAP_VIEW() {}
    MAP_VIEW(const MAP_VIEW&) = delete;
    MAP_VIEW& operator=(const MAP_VIEW&) = delete;

    // The child window `id` of `owner`'s window at (x, y) of its client
    // area, w × h pixels; a paint of the window asks `owner` to paint. 0 when
    // the window could not be made.
    int Create(WND_CLASS* owner, int id, int x, int y, int w, int h) { return m_View.Create(owner, id, x, y, w, h); }
    // Before the owner's window goes: the device context is given back.
    void Release() { m_View.Release(); }
    void Place(int x, int y, int w, int h) { m_View.Place(x, y, w, h); }
    // The view's top-left cell.
    void SetScroll(int x, int y);

    // Draws the open stage, or black without one, and shows it. The line and
    // rectangle tools show their preview during a stroke.
    void Paint();
    // The map cursor goes to the cell under view pixel (x, y); from outside
    // the view, to the nearest cell of the view inside the map.
    void SetCursorFromMouse(int x, int y);

    // The open stage's chips, enemies and events on a view of width × height
    // pixels whose top-left cell is (x0, y0), as every view of the stage shows them.
    static void DrawStage(cDib* dib, int width, int height, int x0, int y0);

    HWND Window() const { return m_View.Window(); }
    const cDib& Surface() const { return m_View.Surface(); }
    int ScrollX() const { return m_nScrollX; }
    int ScrollY() const { return m_nScrollY; }

private:
    // Each given the surface, the view size in pixels and the top-left cell.
    static void DrawMapChips(cDib* dib, int width, int height, int x0, int y0);
    static void DrawEnemies(cDib* dib, int width, int height, int x0, int y0);
    static void DrawEvents(cDib* dib, int width, int height, int x0, int y0);
    void DrawGroupPositions(cDib* dib, int width, int height, int x0, int y0);
    void DrawCursor(cDib* dib);
    void DrawLinePreview(cDib* dib);
    void DrawRectPreview(cDib* dib);
    void DrawPickRect(cDib* dib);

    cSurfaceView m_View;
    int m_nScrollX = 0, m_nScrollY = 0;
};
