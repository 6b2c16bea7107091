// The map view: its window class, and the drawing of the map, the placed
// enemies, the events, the shown position group, the grid and the cursor.
#include "app/map_view.h"

#include <windows.h>

#include <cstdlib>

#include "app/stage_edit_state.h"
#include "base/editor_settings.h"
#include "editing/map_cursor.h"
#include "media/image_table.h"
#include "model/chara.h"
#include "model/class.h"
#include "model/land.h"
#include "model/stage.h"
#include "ui/wnd.h"

namespace {

enum { CELL = MAP_VIEW::CELL, LINE_PREVIEW_LIMIT = 200 };

const char kMapViewClass[] = "OrrindaleMapView";

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

// The mouse passes through to the stage editor, which also paints the view.
LRESULT CALLBACK MapViewProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_ERASEBKGND: return 1;
    // The arrows are the dialog's, through the keyboard hook; the dialog
    // manager must not move the focus on to a scroll bar with them.
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(wnd, &ps);
        EndPaint(wnd, &ps);
        if (auto* owner = reinterpret_cast<WND_CLASS*>(GetWindowLongPtrA(wnd, GWLP_USERDATA))) owner->OnPaint();
        return 0;
    }
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

void RegisterMapViewClass(HINSTANCE inst) {
    WNDCLASSA wc = {};
    if (GetClassInfoA(inst, kMapViewClass, &wc)) return;
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = MapViewProc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kMapViewClass;
    RegisterClassA(&wc);
}

}  // namespace

MAP_VIEW::~MAP_VIEW() { Release(); }

int MAP_VIEW::Create(WND_CLASS* owner, int id, int x, int y, int w, int h) {
    RegisterMapViewClass(owner->m_hInst);
    // The only tab stop: the dialog manager gives the focus to it, never to a
    // scroll bar, which would scroll a second time on every key.
    m_hWnd = CreateWindowExA(0, kMapViewClass, nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y, w, h, owner->m_hWnd,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), owner->m_hInst, nullptr);
    if (!m_hWnd) return 0;
    SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    m_hDC = GetDC(m_hWnd);
    m_nWidth = w;
    m_nHeight = h;
    ResizeSurface();
    return 1;
}

void MAP_VIEW::Release() {
    if (m_hDC) ReleaseDC(m_hWnd, m_hDC);
    m_hDC = nullptr;
    m_hWnd = nullptr;
}

void MAP_VIEW::Place(int x, int y, int w, int h) {
    if (m_hWnd) MoveWindow(m_hWnd, x, y, w, h, TRUE);
    m_nWidth = w;
    m_nHeight = h;
    ResizeSurface();
}

void MAP_VIEW::SetScroll(int x, int y) {
    m_nScrollX = x;
    m_nScrollY = y;
}

void MAP_VIEW::ResizeSurface() {
    const int w = m_nWidth > 0 ? m_nWidth : 1, h = m_nHeight > 0 ? m_nHeight : 1;
    if (m_Dib.IsCreated() && m_Dib.m_nWidth == w && m_Dib.m_nHeight == h) return;
    m_Dib.Create(w, h, 24, 0);
}

void MAP_VIEW::Paint(int leftHeld) {
    if (!m_Dib.IsCreated()) return;
    const int w = m_Dib.m_nWidth, h = m_Dib.m_nHeight;
    m_Dib.Fill(RGB(0, 0, 0));
    if (g_StageEditState.StageOpen) {
        DrawMapChips(&m_Dib, w, h, m_nScrollX, m_nScrollY);
        DrawEnemies(&m_Dib, w, h, m_nScrollX, m_nScrollY);
        DrawEvents(&m_Dib, w, h, m_nScrollX, m_nScrollY);
        DrawGroupPositions(&m_Dib, w, h, m_nScrollX, m_nScrollY);
        DrawFrame32(&m_Dib, w, h);
        DrawCursor(&m_Dib, leftHeld);
    }
    m_Dib.SetGdiObject();
    if (m_hDC) cDib::Blt(m_hDC, 0, 0, w, h, &m_Dib, 0, 0, 1);
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

void MAP_VIEW::DrawCursor(cDib* dib, int leftHeld) {
    const cStageEditState& st = g_StageEditState;
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

void MAP_VIEW::DrawRectPreview(cDib* dib) {
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

void MAP_VIEW::DrawPickRect(cDib* dib) {
    const cStageEditState& st = g_StageEditState;
    const cMapCursorPos* c = g_MapCursor.m_pCur;
    const int left = st.PickX < c->nX ? st.PickX : c->nX;
    const int top = st.PickY < c->nY ? st.PickY : c->nY;
    FrameCells(dib, left, top, std::abs(c->nX - st.PickX) + 1, std::abs(c->nY - st.PickY) + 1, m_nScrollX, m_nScrollY);
}

void MAP_VIEW::SetCursorFromMouse(int x, int y) {
    cMapCursorPos* c = g_MapCursor.m_pCur;
    if (x >= 0 && y >= 0 && x < m_nWidth && y < m_nHeight) {
        const int cx = m_nScrollX + x / CELL, cy = m_nScrollY + y / CELL;
        if (cx >= g_Stage.Width || cy >= g_Stage.Height) return;
        c->nX = cx;
        c->nY = cy;
        return;
    }
    // Dragged out of the view: the nearest cell of the view, inside the map.
    Clamp(x, 0, m_nWidth > 0 ? m_nWidth - 1 : 0);
    Clamp(y, 0, m_nHeight > 0 ? m_nHeight - 1 : 0);
    int cx = m_nScrollX + x / CELL, cy = m_nScrollY + y / CELL;
    Clamp(cx, 0, g_Stage.Width > 0 ? g_Stage.Width - 1 : 0);
    Clamp(cy, 0, g_Stage.Height > 0 ? g_Stage.Height - 1 : 0);
    c->nX = cx;
    c->nY = cy;
}
