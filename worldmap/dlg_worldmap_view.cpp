// The world-map window's view: every paint draws the visible part of the map
// anew into the back buffer (background, chips, events, grid, cursor), and
// the mouse drives the pen and the rectangle pick-up.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/editor_settings.h"
#include "editing/map_cursor.h"
#include "media/image_table.h"
#include "worldmap/dlg_worldmap.h"
#include "worldmap/world_tools.h"

namespace {

enum { CELL = DLG_WORLDMAP::CELL };

const COLORREF kCursorColor = RGB(128, 0, 255);
const COLORREF kSelectColor = RGB(255, 0, 128);
const COLORREF kEventFrameColor = RGB(255, 255, 0);

// The cell of a sheet of 32-pixel cells; false when the sheet is missing or
// holds no such cell.
bool SheetCell(const cDib& sheet, int column, int row, int* sx, int* sy) {
    if (!sheet.IsCreated() || column < 0 || row < 0) return false;
    *sx = column * CELL;
    *sy = row * CELL;
    return *sx + CELL <= sheet.m_nWidth && *sy + CELL <= sheet.m_nHeight;
}

// Where the chip picture of chip `chip` lies in the world-chip image; false
// for a number that names no chip.
bool ChipCell(int chip, int* sx, int* sy) {
    if (chip < 0 || chip >= static_cast<int>(g_WorldMap.Chips.size())) return false;
    const int g = g_WorldMap.Chips[chip].nGraphic;
    if (g < 0) return false;
    return SheetCell(g_ImageTable[IMG_WORLDMAPCHIP], g % 8, g / 8, sx, sy);
}

// A frame around w × h cells from cell (x, y) of the view whose top-left cell is (x0, y0).
void FrameCells(cDib* dib, int x, int y, int w, int h, int x0, int y0) {
    if (w > 0 && h > 0) dib->Line((x - x0) * CELL + 1, (y - y0) * CELL + 1, w * CELL - 2, h * CELL - 2);
}

}  // namespace

void DLG_WORLDMAP::OnPaint() {
    if (!m_bCreated) return;
    cDib* dib = &m_View.Surface();
    if (!dib->IsCreated()) return;
    const int w = ViewW(), h = ViewH();
    const cWorldMap& map = g_WorldMap;
    dib->Fill(RGB(0, 0, 0));
    const cDib& back = g_ImageTable[IMG_WORLDBACK];
    if (map.UseBackImage && back.IsCreated()) dib->Blt(0, 0, w, h, &back, m_nOriginX * CELL, m_nOriginY * CELL, 0);
    for (int row = 0; row <= h / CELL; ++row) {
        for (int column = 0; column <= w / CELL; ++column) {
            int sx, sy;
            const int x = m_nOriginX + column, y = m_nOriginY + row;
            if (map.Inside(x, y) && ChipCell(map.ChipAt(x, y), &sx, &sy))
                dib->Blt(column * CELL, row * CELL, CELL, CELL, &g_ImageTable[IMG_WORLDMAPCHIP], sx, sy, 0);
        }
    }
    DrawEvents(dib);
    DrawFrame32(dib, w, h);
    DrawCursor(dib);
    m_View.Present();
    char text[64];
    std::snprintf(text, sizeof(text), "座標 (%d,%d)", g_MapCursor.m_pCur->nX, g_MapCursor.m_pCur->nY);
    SetStatusText(text);
}

void DLG_WORLDMAP::DrawEvents(cDib* dib) {
    dib->SetPen(PS_SOLID, 1, kEventFrameColor);
    HGDIOBJ oldFont = m_hNumberFont ? SelectObject(dib->m_hDC, m_hNumberFont) : nullptr;
    for (const cWorldEvent& e : g_WorldMap.Events) {
        if (e.Pages.empty()) continue;
        const cWorldEventPage& p = e.Pages[0];
        const int left = (e.X - m_nOriginX) * CELL, top = (e.Y - m_nOriginY) * CELL;
        int sx, sy;
        if (SheetCell(g_ImageTable[IMG_WORLDEVENT], p.StageNo > 0 ? 0 : 1, p.Graphic, &sx, &sy))
            dib->StretchBlt(left + 15, top + 1, 16, 16, &g_ImageTable[IMG_WORLDEVENT], sx, sy, CELL, CELL, 0);
        dib->Line(left + 15, top + 1, 15, 15);
        if (p.Type != WEVENT_STAGE || p.StageNo == 0) continue;
        char number[16];
        const int digits = std::snprintf(number, sizeof(number), "%d", p.StageNo);
        static const int kOffset[] = {0, 19, 15, 7};
        if (digits >= 1 && digits <= 3) dib->TextPrintf(left + kOffset[digits], top + 1, "%s", number);
    }
    if (oldFont) SelectObject(dib->m_hDC, oldFont);
    dib->SetGdiObject();
}

void DLG_WORLDMAP::DrawCursor(cDib* dib) {
    const cWorldEditState& st = g_WorldEditState;
    const cMapCursorPos* c = g_MapCursor.m_pCur;
    dib->SetPen(PS_SOLID, 2, st.Selecting ? kSelectColor : kCursorColor);
    if (!st.Selecting) {
        FrameCells(dib, c->nX, c->nY, st.BrushW, st.BrushH, m_nOriginX, m_nOriginY);
    } else if (st.Dragging) {
        FrameCells(dib, std::min(st.AnchorX, c->nX), std::min(st.AnchorY, c->nY), std::abs(c->nX - st.AnchorX) + 1,
                   std::abs(c->nY - st.AnchorY) + 1, m_nOriginX, m_nOriginY);
    }
    dib->SetGdiObject();
}

// ---- Mouse -----------------------------------------------------------------------------------

void DLG_WORLDMAP::SetCursorFromView(int x, int y) {
    x = std::clamp(x, 0, std::max(ViewW() - 1, 0));
    y = std::clamp(y, 0, std::max(ViewH() - 1, 0));
    cMapCursorPos* c = g_MapCursor.m_pCur;
    c->nX = m_nOriginX + x / CELL;
    c->nY = m_nOriginY + y / CELL;
    c->nPixelX = (c->nX - m_nOriginX) * CELL;
    c->nPixelY = (c->nY - m_nOriginY) * CELL;
}

void DLG_WORLDMAP::OnMouse(UINT msg, LPARAM lParam) {
    SetCursorFromView(static_cast<short>(LOWORD(lParam)) - m_nDrawX, static_cast<short>(HIWORD(lParam)) - m_nDrawY);
    const bool press = msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN;
    if (press) g_bWorldMapChanged = 1;
    if (GetActiveWindow() == m_hWnd) {
        Pen(msg);
        if (g_WorldEditState.Layer == WLAYER_CHIP) Rectangle(msg);
    }
    if (press) TakeFocus();
}

void DLG_WORLDMAP::Pen(UINT msg) {
    if (msg != WM_LBUTTONDOWN && msg != WM_MOUSEMOVE) return;
    cWorldEditState& st = g_WorldEditState;
    const cMapCursorPos* c = g_MapCursor.m_pCur;
    // Beyond the map the pen does nothing, not even a snapshot.
    if (!g_WorldMap.Inside(c->nX, c->nY)) return;
    const cWorldPlaceOptions options = WorldPlaceOptions();
    if (msg == WM_LBUTTONDOWN) {
        if (st.Layer == WLAYER_CHIP || !WorldPressOpensEditor(g_WorldMap, options, c->nX, c->nY)) BeginEdit();
    }
    if (!m_Mouse.lHeld) return;
    if (st.Layer == WLAYER_CHIP) {
        WorldPenChips(g_WorldMap, st, c->nX, c->nY);
    } else {
        WorldPenEvent(g_WorldMap, st, options, c->nX, c->nY, m_NewEvent,
                      [this](cWorldEvent& event, int isNew) { return RunEventEditor(event, isNew, nullptr); });
    }
    RefreshPalette();
}

void DLG_WORLDMAP::Rectangle(UINT msg) {
    cWorldEditState& st = g_WorldEditState;
    const cMapCursorPos* c = g_MapCursor.m_pCur;
    if (msg == WM_RBUTTONDOWN) {
        WorldSelectStart(st, c->nX, c->nY);
        RefreshPalette();
    } else if (msg == WM_RBUTTONUP && st.Dragging) {
        WorldSelectEnd(g_WorldMap, st, c->nX, c->nY);
        RefreshPalette();
    }
}

// While a rectangle is dragged beyond the view: the cursor follows the
// nearest cell of the view, the view scrolls towards the mouse, and the
// release completes the rectangle as inside.
void DLG_WORLDMAP::DragOutside() {
    cWorldEditState& st = g_WorldEditState;
    SetCursorFromView(m_Mouse.x, m_Mouse.y);
    if (!st.Selecting) return;
    const cMapCursorPos* c = g_MapCursor.m_pCur;
    if (m_Mouse.rPressed) {
        st.Dragging = 0;
    } else if (m_Mouse.rReleased) {
        WorldSelectEnd(g_WorldMap, st, c->nX, c->nY);
        RefreshPalette();
    } else if (m_Mouse.rHeld) {
        AutoScroll(&m_nOriginX, &m_nOriginY);
    }
    OnPaint();
}
