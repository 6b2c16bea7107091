// The map view: the drawing of the map, the placed
// enemies, the events, the shown position group, the grid and the cursor.
#include "app/map_view.h"

#include <windows.h>

#include <cstdlib>

#include "app/stage_edit_state.h"
#include "app/stage_tools.h"
#include "base/editor_settings.h"
#include "editing/map_cursor.h"
#include "media/image_table.h"
#include "model/chara.h"
#include "model/class.h"
#include "model/land.h"
#include "model/stage.h"
#include "ui/wnd.h"

namespace {

enum { CELL = MAP_VIEW::CELL };

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

int SelectionChip(int row, int column) { return g_StageEditState.ChipSel[row * cStageEditState::SEL_SIZE + column]; }

}  // namespace

void MAP_VIEW::SetScroll(int x, int y) {
    m_nScrollX = x;
    m_nScrollY = y;
}

void MAP_VIEW::Paint() {
    cDib& dib = m_View.Surface();
    if (!dib.IsCreated()) return;
    const int w = dib.m_nWidth, h = dib.m_nHeight;
    dib.Fill(RGB(0, 0, 0));
    if (g_StageEditState.StageOpen) {
        DrawStage(&dib, w, h, m_nScrollX, m_nScrollY);
        DrawGroupPositions(&dib, w, h, m_nScrollX, m_nScrollY);
        DrawFrame32(&dib, w, h);
        DrawCursor(&dib);
    }
    m_View.Present();
}

void MAP_VIEW::DrawStage(cDib* dib, int width, int height, int x0, int y0) {
    DrawMapChips(dib, width, height, x0, y0);
    DrawEnemies(dib, width, height, x0, y0);
    DrawEvents(dib, width, height, x0, y0);
}

void MAP_VIEW::DrawMapChips(cDib* dib, int width, int height, int x0, int y0) {
    for (int cy = 0; cy <= height / CELL; ++cy) {
        for (int cx = 0; cx <= width / CELL; ++cx) {
            if (!g_Stage.Inside(x0 + cx, y0 + cy)) continue;
            DrawChip(dib, cx * CELL, cy * CELL, g_Stage.ChipAt(x0 + cx, y0 + cy));
        }
    }
}

void MAP_VIEW::DrawEnemies(cDib* dib, int, int, int x0, int y0) {
    const cDib* sheet = &g_ImageTable[IMG_MAPCHARA];
    for (const cPutEnemy& e : g_Stage.PutEnemies) {
        if (e.Enemy == 0 || e.X < 0) continue;
        const int g = EnemyGraphic(e.Enemy);
        if (g <= 0) continue;
        dib->Blt((e.X - x0) * CELL, (e.Y - y0) * CELL, CELL, CELL, sheet, g / 20 * 64 + CELL, g % 20 * CELL, 0);
    }
}

void MAP_VIEW::DrawEvents(cDib* dib, int, int, int x0, int y0) {
    dib->SetPen(PS_SOLID, 1, kEventFrameColor);
    for (const cEvent& e : g_Stage.Events) {
        if (e.Pages.empty()) continue;
        const int px = (e.X - x0) * CELL + 15, py = (e.Y - y0) * CELL + 1;
        DrawEventCell32(dib, px, py, e.Pages[0].Graphic, 1);
        dib->Line(px, py, 15, 15);
    }
    dib->SetGdiObject();
}

void MAP_VIEW::DrawGroupPositions(cDib* dib, int, int, int x0, int y0) {
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

void MAP_VIEW::DrawCursor(cDib* dib) {
    const cStageEditState& st = g_StageEditState;
    const int leftHeld = st.Stroke;
    const cMapCursorPos* c = g_MapCursor.m_pCur;
    dib->SetPen(PS_SOLID, 2, st.Shape == SHAPE_PICKUP ? kPickColor : kCursorColor);
    switch (st.Shape) {
    case TOOL_PEN: FrameCells(dib, c->nX, c->nY, st.SelW, st.SelH, m_nScrollX, m_nScrollY); break;
    case TOOL_LINE:
        if (leftHeld)
            DrawLinePreview(dib);
        else
            FrameCells(dib, c->nX, c->nY, 1, 1, m_nScrollX, m_nScrollY);
        break;
    case TOOL_RECT:
        if (leftHeld)
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

void MAP_VIEW::DrawLinePreview(cDib* dib) {
    const cStageEditState& st = g_StageEditState;
    const cMapCursorPos* c = g_MapCursor.m_pCur;
    const int columns = st.SelW > 0 ? st.SelW : 1;
    WalkLine(st.LineX, st.LineY, c->nX, c->nY, [&](int x, int y, int step) {
        if (!g_Stage.Inside(x, y)) return;
        if (st.Layer == LAYER_CHIP)
            DrawChip(dib, (x - m_nScrollX) * CELL, (y - m_nScrollY) * CELL, SelectionChip(0, step % columns));
        FrameCells(dib, x, y, 1, 1, m_nScrollX, m_nScrollY);
    });
}

void MAP_VIEW::DrawRectPreview(cDib* dib) {
    const cStageEditState& st = g_StageEditState;
    const cMapCursorPos* c = g_MapCursor.m_pCur;
    const cCellRect r = ToolRectAt(g_Stage, st, c->nX, c->nY);
    if (r.W <= 0 || r.H <= 0) return;
    if (st.Layer == LAYER_CHIP && st.SelW > 0 && st.SelH > 0) {
        for (int row = 0; row < r.H; ++row)
            for (int col = 0; col < r.W; ++col)
                DrawChip(dib, (r.X + col - m_nScrollX) * CELL, (r.Y + row - m_nScrollY) * CELL,
                         SelectionChip(row % st.SelH, col % st.SelW));
    }
    FrameCells(dib, r.X, r.Y, r.W, r.H, m_nScrollX, m_nScrollY);
}

void MAP_VIEW::DrawPickRect(cDib* dib) {
    const cStageEditState& st = g_StageEditState;
    const cMapCursorPos* c = g_MapCursor.m_pCur;
    const int left = st.PickX < c->nX ? st.PickX : c->nX;
    const int top = st.PickY < c->nY ? st.PickY : c->nY;
    FrameCells(dib, left, top, std::abs(c->nX - st.PickX) + 1, std::abs(c->nY - st.PickY) + 1, m_nScrollX, m_nScrollY);
}

void MAP_VIEW::SetCursorFromMouse(int x, int y) {
    cMapCursorPos* c = g_MapCursor.m_pCur;
    const int width = m_View.Width(), height = m_View.Height();
    if (x >= 0 && y >= 0 && x < width && y < height) {
        const int cx = m_nScrollX + x / CELL, cy = m_nScrollY + y / CELL;
        if (cx >= g_Stage.Width || cy >= g_Stage.Height) return;
        c->nX = cx;
        c->nY = cy;
        return;
    }
    // Dragged out of the view: the nearest cell of the view, inside the map.
    Clamp(x, 0, width > 0 ? width - 1 : 0);
    Clamp(y, 0, height > 0 ? height - 1 : 0);
    int cx = m_nScrollX + x / CELL, cy = m_nScrollY + y / CELL;
    Clamp(cx, 0, g_Stage.Width > 0 ? g_Stage.Width - 1 : 0);
    Clamp(cy, 0, g_Stage.Height > 0 ? g_Stage.Height - 1 : 0);
    c->nX = cx;
    c->nY = cy;
}
