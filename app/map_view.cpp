// The stage editor's map view: every paint draws the visible part of the
// stage anew into one off-screen surface and copies it to the view at once.
#include <cstdio>
#include <cstdlib>

#include <windows.h>
#include <commctrl.h>

#include "app/dlg_main.h"
#include "media/image_table.h"
#include "model/chara.h"
#include "model/class.h"
#include "app/stage_edit_state.h"
#include "model/stage.h"
#include "model/land.h"
#include "base/editor_settings.h"
#include "editing/map_cursor.h"

namespace {

enum { CELL = DLG_MAIN::CELL, LINE_PREVIEW_LIMIT = 200 };

const COLORREF kCursorColor = RGB(0x80, 0x00, 0xFF);
const COLORREF kPickColor = RGB(0xFF, 0x00, 0x80);
const COLORREF kEventFrameColor = RGB(0xFF, 0xFF, 0x00);

// The map-chip sheet's cell of land `chip`; false for a chip that names no
// land (a stale index draws nothing).
bool ChipSource(int chip, int* sx, int* sy) {
    if (chip < 0 || chip >= static_cast<int>(g_LandList.size())) return false;
    const int g = g_LandList[chip].ChipGraphic;
    if (g < 0) return false;
    *sx = g % 8 * CELL;
    *sy = g / 8 * CELL;
    return true;
}

void DrawChip(cDib* dib, int px, int py, int chip) {
    int sx, sy;
    if (ChipSource(chip, &sx, &sy)) dib->Blt(px, py, CELL, CELL, &g_ImageTable[IMG_MAPCHIP], sx, sy, 1);
}

// The class graphic of a placed enemy, 0 when the enemy or its class is not
// in the database (any more).
int EnemyGraphic(int enemy) {
    if (enemy <= 0 || enemy >= static_cast<int>(g_EnemyList.size())) return 0;
    const int cls = g_EnemyList[enemy].Class;
    if (cls < 0 || cls >= static_cast<int>(g_ClassList.size())) return 0;
    return g_ClassList[cls].Graphic;
}

int SelectionChip(int row, int column) {
    return g_StageEditState.ChipSel[row * cStageEditState::SEL_SIZE + column];
}

}  // namespace

void DLG_MAIN::OnPaint() {
    if (!m_bCreated || !m_MapDib.IsCreated()) return;
    const int w = m_MapDib.m_nWidth, h = m_MapDib.m_nHeight;
    m_MapDib.Fill(RGB(0, 0, 0));
    if (g_StageEditState.StageOpen) {
        DrawMapChips(&m_MapDib, w, h, m_nScrollX, m_nScrollY);
        DrawEnemies(&m_MapDib, w, h, m_nScrollX, m_nScrollY);
        DrawEvents(&m_MapDib, w, h, m_nScrollX, m_nScrollY);
        DrawGroupPositions(&m_MapDib, w, h, m_nScrollX, m_nScrollY);
        DrawFrame32(&m_MapDib, w, h);
        DrawCursor(&m_MapDib);
    }
    m_MapDib.SetGdiObject();
    if (m_hMapDC) cDib::Blt(m_hMapDC, 0, 0, w, h, &m_MapDib, 0, 0, 1);
    if (g_StageEditState.StageOpen && m_hStatusBar) {
        char text[64];
        std::snprintf(text, sizeof(text), "座標 (%d,%d)", g_MapCursor.m_pCur->nX, g_MapCursor.m_pCur->nY);
        SendMessageA(m_hStatusBar, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text));
    }
}

void DLG_MAIN::DrawMapChips(cDib* dib, int width, int height, int x0, int y0) {
    for (int cy = 0; cy <= height / CELL; ++cy) {
        for (int cx = 0; cx <= width / CELL; ++cx) {
            if (!g_Stage.Inside(x0 + cx, y0 + cy)) continue;
            DrawChip(dib, cx * CELL, cy * CELL, g_Stage.ChipAt(x0 + cx, y0 + cy));
        }
    }
}

void DLG_MAIN::DrawEnemies(cDib* dib, int, int, int x0, int y0) {
    const cDib* sheet = &g_ImageTable[IMG_MAPCHARA];
    for (const cPutEnemy& e : g_Stage.PutEnemies) {
        if (e.Enemy == 0 || e.X < 0) continue;
        const int g = EnemyGraphic(e.Enemy);
        if (g <= 0) continue;
        dib->Blt((e.X - x0) * CELL, (e.Y - y0) * CELL, CELL, CELL, sheet, g / 20 * 64 + CELL, g % 20 * CELL, 0);
    }
}

void DLG_MAIN::DrawEvents(cDib* dib, int, int, int x0, int y0) {
    dib->SetPen(PS_SOLID, 1, kEventFrameColor);
    for (const cEvent& e : g_Stage.Events) {
        if (e.Pages.empty()) continue;
        const int px = (e.X - x0) * CELL + 15, py = (e.Y - y0) * CELL + 1;
        DrawEventCell32(dib, px, py, e.Pages[0].Graphic, 1);
        dib->Line(px, py, 15, 15);
    }
    dib->SetGdiObject();
}

void DLG_MAIN::DrawGroupPositions(cDib* dib, int, int, int x0, int y0) {
    const int group = g_Stage.StartGroup;
    if (group < 0 || group >= static_cast<int>(g_Stage.Groups.size())) return;
    for (const cCellPos& p : g_Stage.Groups[group].Cells)
        dib->Blt((p.X - x0) * CELL, (p.Y - y0) * CELL, CELL, CELL, &g_ImageTable[IMG_ACCESSORY], 0, 64, 0);
}

namespace {

// A frame around w × h cells from cell (x, y) of the view whose top-left cell is (x0, y0).
void FrameCells(cDib* dib, int x, int y, int w, int h, int x0, int y0) {
    dib->Line((x - x0) * CELL + 1, (y - y0) * CELL + 1, w * CELL - 2, h * CELL - 2);
}

}  // namespace

void DLG_MAIN::DrawCursor(cDib* dib) {
    const cStageEditState& st = g_StageEditState;
    const cMapCursorPos* c = g_MapCursor.m_pCur;
    dib->SetPen(PS_SOLID, 2, st.Shape == SHAPE_PICKUP ? kPickColor : kCursorColor);
    switch (st.Shape) {
    case TOOL_PEN: FrameCells(dib, c->nX, c->nY, st.SelW, st.SelH, m_nScrollX, m_nScrollY); break;
    case TOOL_LINE:
        if (m_Mouse.lHeld)
            DrawLinePreview(dib);
        else
            FrameCells(dib, c->nX, c->nY, 1, 1, m_nScrollX, m_nScrollY);
        break;
    case TOOL_RECT:
        if (m_Mouse.lHeld)
            DrawRectPreview(dib);
        else
            FrameCells(dib, c->nX, c->nY, 1, 1, m_nScrollX, m_nScrollY);
        break;
    case TOOL_FILL: FrameCells(dib, c->nX, c->nY, 1, 1, m_nScrollX, m_nScrollY); break;
    case SHAPE_PICKUP: DrawPickRect(dib); break;
    default: break;
    }
    dib->SetGdiObject();
}

void DLG_MAIN::DrawLinePreview(cDib* dib) {
    const cStageEditState& st = g_StageEditState;
    const cMapCursorPos* c = g_MapCursor.m_pCur;
    const int columns = st.SelW > 0 ? st.SelW : 1;
    double px = st.LineX + 0.5, py = st.LineY + 0.5;
    bool arrived = false;
    int column = 0;
    for (int i = 0; i < LINE_PREVIEW_LIMIT; ++i) {
        const int x = static_cast<int>(px), y = static_cast<int>(py);
        if (g_Stage.Inside(x, y)) {
            if (st.Layer == LAYER_CHIP)
                DrawChip(dib, (x - m_nScrollX) * CELL, (y - m_nScrollY) * CELL, SelectionChip(0, column));
            FrameCells(dib, x, y, 1, 1, m_nScrollX, m_nScrollY);
        }
        if (arrived) break;
        arrived = LineStep(&px, &py, c->nX, c->nY, 1.0);
        column = (column + 1) % columns;
    }
}

void DLG_MAIN::DrawRectPreview(cDib* dib) {
    const cStageEditState& st = g_StageEditState;
    const cMapCursorPos* c = g_MapCursor.m_pCur;
    const int left = st.RectX < c->nX ? st.RectX : c->nX;
    const int top = st.RectY < c->nY ? st.RectY : c->nY;
    int w = st.RectW, h = st.RectH;
    if (left + w > g_Stage.Width) w = g_Stage.Width - left;
    if (top + h > g_Stage.Height) h = g_Stage.Height - top;
    if (w <= 0 || h <= 0) return;
    if (st.Layer == LAYER_CHIP && st.SelW > 0 && st.SelH > 0) {
        for (int r = 0; r < h; ++r)
            for (int col = 0; col < w; ++col)
                DrawChip(dib, (left + col - m_nScrollX) * CELL, (top + r - m_nScrollY) * CELL,
                         SelectionChip(r % st.SelH, col % st.SelW));
    }
    FrameCells(dib, left, top, w, h, m_nScrollX, m_nScrollY);
}

void DLG_MAIN::DrawPickRect(cDib* dib) {
    const cStageEditState& st = g_StageEditState;
    const cMapCursorPos* c = g_MapCursor.m_pCur;
    const int left = st.PickX < c->nX ? st.PickX : c->nX;
    const int top = st.PickY < c->nY ? st.PickY : c->nY;
    FrameCells(dib, left, top, std::abs(c->nX - st.PickX) + 1, std::abs(c->nY - st.PickY) + 1, m_nScrollX,
               m_nScrollY);
}

// ---- Mouse -----------------------------------------------------------------------------------

void DLG_MAIN::OnMouse(UINT msg, WPARAM, LPARAM lParam) {
    if (!g_StageEditState.StageOpen) return;
    SetCursorFromMouse(static_cast<short>(LOWORD(lParam)) - m_nDrawX, static_cast<short>(HIWORD(lParam)) - m_nDrawY);
    if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN) SetFocus(m_hWnd);
}

void DLG_MAIN::SetCursorFromMouse(int x, int y) {
    cMapCursorPos* c = g_MapCursor.m_pCur;
    if (x >= 0 && y >= 0 && x < m_nDrawW && y < m_nDrawH) {
        const int cx = m_nScrollX + x / CELL, cy = m_nScrollY + y / CELL;
        if (cx >= g_Stage.Width || cy >= g_Stage.Height) return;
        c->nX = cx;
        c->nY = cy;
        return;
    }
    // Dragged out of the view: the nearest cell of the view, inside the map.
    Clamp(x, 0, m_nDrawW > 0 ? m_nDrawW - 1 : 0);
    Clamp(y, 0, m_nDrawH > 0 ? m_nDrawH - 1 : 0);
    int cx = m_nScrollX + x / CELL, cy = m_nScrollY + y / CELL;
    Clamp(cx, 0, g_Stage.Width > 0 ? g_Stage.Width - 1 : 0);
    Clamp(cy, 0, g_Stage.Height > 0 ? g_Stage.Height - 1 : 0);
    c->nX = cx;
    c->nY = cy;
}
