#include "worldmap/dlg_worldchip.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>

#include "base/editor_settings.h"
#include "media/image_table.h"
#include "resources/worldmap_ids.h"
#include "worldmap/dlg_worldmap.h"
#include "worldmap/world_edit_state.h"

namespace {

int ChipCount() { return static_cast<int>(g_WorldMap.Chips.size()); }
int ChipRows() { return (ChipCount() - 1) / DLG_WORLDCHIP::COLUMNS + 1; }

}  // namespace

DLG_WORLDCHIP::DLG_WORLDCHIP(DLG_WORLDMAP* map, WND_LIST_CLASS* wndList)
    : DLG_CLASS(IDD_WORLDCHIP, map, WND_MODE_DIALOG, wndList) {
    SetInstance(this);
    // A stored place gives the position here and the window's size once its status bar stands.
    StartAt(&g_EditConfig.WorldChipWnd, map, 1, 0, 10);
    SetWindowParam(VIEW_W, MAX_VIEW_H, VIEW_W, MIN_VIEW_H, VIEW_W, MAX_VIEW_H, 0, 0, 0, 1, 0, 2);
}

DLG_WORLDCHIP::~DLG_WORLDCHIP() {
    if (IsWindowOpen()) End(0);
}

int DLG_WORLDCHIP::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnInitDialog(wParam, lParam);
    m_hStatusBar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, "", m_hWnd, IDC_WORLD_STATUS);
    SendMessageA(m_hStatusBar, SB_SIMPLE, TRUE, 0);
    CalcFrameSize();
    const cWndPosInfo& place = g_EditConfig.WorldChipWnd;
    if (place.Valid) TakeWindowSize(place.Width, place.Height);
    FitHeight();
    m_View.Attach(m_hWnd, IDC_WORLD_VIEW, VIEW_W, MAX_VIEW_H);
    OnSize();
    UpdateCtrls();
    m_bCreated = 1;
    return 0;
}

// No taller than its chips, nor than the bottom of the screen's work area.
void DLG_WORLDCHIP::FitHeight() {
    RECT work, wr;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(m_hWnd, &wr);
    if (wr.top < 0) SetWindowPos(m_hWnd, nullptr, wr.left, 8, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int bars = m_Frame.totalY + m_Frame.innerY;
    m_MaxClient.cy = std::max<int>(std::min<int>(ChipRows() * CELL, work.bottom - bars), MIN_VIEW_H);
    const int view = std::clamp(m_nDrawH, static_cast<int>(MIN_VIEW_H), static_cast<int>(m_MaxClient.cy));
    if (view != m_nDrawH) SetClientSize(VIEW_W, view);
}

void DLG_WORLDCHIP::OnSize() {
    m_View.Place(m_nDrawX, m_nDrawY, m_nDrawW, m_nDrawH);
    m_VScroll.SetRange(0, (ChipCount() - 1) / COLUMNS > 0 ? (ChipCount() - 1) / COLUMNS : 0);
    m_VScroll.SetPage(m_View.Height() / CELL);
    m_nScrollRow = m_VScroll.m_hWnd ? m_VScroll.GetPos() : 0;
}

LRESULT DLG_WORLDCHIP::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT r = DlgProc(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_VSCROLL: m_nScrollRow = m_VScroll.GetPos(); break;
    case WM_SIZE: OnSize(); break;
    case WM_DESTROY: {
        StoreWindowPlace(hwnd, &g_EditConfig.WorldChipWnd);
        SaveEditorSettingsReported();
        m_View.Detach();
        return TRUE;
    }
    // The palette closes with a layer switch or with the world-map window.
    case WM_CLOSE: return TRUE;
    case WM_DRAWITEM:
        OnPaint();
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, TRUE);
        return TRUE;
    case WM_LBUTTONDOWN: break;
    default:
        if (!r) return r;
        break;
    }
    if (m_hWnd) OnPaint();
    return TRUE;
}

void DLG_WORLDCHIP::OnLButtonDown(WPARAM, LPARAM lParam) {
    ChooseAt(static_cast<short>(LOWORD(lParam)) - m_nDrawX, static_cast<short>(HIWORD(lParam)) - m_nDrawY);
}

void DLG_WORLDCHIP::ChooseAt(int x, int y) {
    if (x < 0 || y < 0 || x >= VIEW_W || y >= m_View.Height()) return;
    cWorldEditState& st = g_WorldEditState;
    // Any cell may be chosen; a number past the last chip paints nothing.
    const int index = (m_nScrollRow + y / CELL) * COLUMNS + x / CELL;
    st.SelIndex = index;
    st.Brush[0][0] = index;
    st.BrushW = 1;
    st.BrushH = 1;
}

void DLG_WORLDCHIP::OnPaint() {
    if (!m_bCreated) return;
    cDib* dib = &m_View.Surface();
    if (!dib->IsCreated()) return;
    const cDib& sheet = g_ImageTable[IMG_WORLDMAPCHIP];
    const int count = ChipCount();
    dib->Fill(RGB(0, 0, 0));
    for (int row = 0; row < MAX_VIEW_H / CELL; ++row) {
        for (int column = 0; column < COLUMNS; ++column) {
            const int index = (m_nScrollRow + row) * COLUMNS + column;
            if (index >= count) break;
            const int g = g_WorldMap.Chips[index].nGraphic;
            const int sx = g % 8 * CELL, sy = g / 8 * CELL;
            if (g >= 0 && sheet.IsCreated() && sx + CELL <= sheet.m_nWidth && sy + CELL <= sheet.m_nHeight)
                dib->Blt(column * CELL, row * CELL, CELL, CELL, &sheet, sx, sy, 0);
        }
    }
    const int sel = g_WorldEditState.SelIndex;
    if (sel != -1) {
        dib->SetPen(PS_SOLID, 2, RGB(127, 0, 255));
        dib->Line(sel % COLUMNS * CELL + 1, (sel / COLUMNS - m_nScrollRow) * CELL + 1, CELL - 2, CELL - 2);
        dib->SetGdiObject();
    }
    m_View.Present();
    char text[256] = "";
    if (sel >= 0 && sel < count)
        std::snprintf(text, sizeof(text), "%d : %s", sel + 1, g_WorldMap.Chips[sel].strName.c_str());
    SetStatusText(text);
}
