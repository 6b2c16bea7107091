#include "app/dlg_chip.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>

#include "app/stage_edit_state.h"
#include "base/editor_settings.h"
#include "media/image_table.h"
#include "model/land.h"
#include "resources/stage_editor_ids.h"

namespace {

// The tool-bar images of "e_image\ToolBar_Pen.bmp", in the order of the tools.
const struct {
    int command;
    const char* tip;
} kTools[] = {
    {CM_TOOL_PEN, "普通"},
    {CM_TOOL_LINE, "直線"},
    {CM_TOOL_RECT, "矩形"},
    {CM_TOOL_FILL, "塗り潰し"},
};
const COLORREF kChosenColor = RGB(0x7F, 0x00, 0xFF);

int ChipCount() { return static_cast<int>(g_LandList.size()); }
int LastRow() { return std::max(ChipCount() - 1, 0) / DLG_CHIP::COLUMNS; }

}  // namespace

DLG_CHIP::DLG_CHIP(WND_CLASS* stageEditor, WND_LIST_CLASS* wndList)
    : PALETTE_CLASS(IDD_CHIP, stageEditor, wndList, &g_EditConfig.ChipWnd, 8, 8) {
    SetInstance(this);
    m_nWantH = MAX_VIEW_H;
    SetWindowParam(VIEW_W, MAX_VIEW_H, VIEW_W, MIN_VIEW_H, VIEW_W, MAX_VIEW_H, 0, 0, 1, 1, 0, 2);
}

DLG_CHIP::~DLG_CHIP() { End(0); }

int DLG_CHIP::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnInitDialog(wParam, lParam);
    m_hStatusBar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, "DLG_CHIP", m_hWnd, IDC_CHIP_STATUS);
    SendMessageA(m_hStatusBar, SB_SIMPLE, TRUE, 0);
    CreateToolBar(IDC_CHIP_TOOLBAR);
    TOOLBAR_BUTTON buttons[4];
    for (int i = 0; i < 4; ++i) buttons[i] = ToolButton(i, kTools[i].command, TBSTYLE_CHECKGROUP, kTools[i].tip);
    AddToolButtons(buttons, 4, "e_image\\ToolBar_Pen.bmp");
    SendMessageA(m_hToolBar, TB_AUTOSIZE, 0, 0);
    const int tool = g_StageEditState.Tool;
    if (tool >= TOOL_PEN && tool <= TOOL_FILL) SendMessageA(m_hToolBar, TB_CHECKBUTTON, kTools[tool].command, TRUE);

    CalcFrameSize();
    // A stored window size: the view it leaves with the bars that now stand.
    int width = 0, height = 0;
    if (StoredSize(&width, &height)) m_nWantH = ViewOfWindowSize(width, height).cy;
    UpdateLayout();
    m_View.Create(this, IDC_CHIP_VIEW, m_nDrawX, m_nDrawY, m_nDrawW, m_nDrawH);
    m_bCreated = 1;
    return 0;
}

void DLG_CHIP::UpdateLayout() {
    if (!m_hWnd) return;
    RECT work, wr;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(m_hWnd, &wr);
    if (wr.top < 0) Move(wr.left, 8);
    // No taller than its chips, nor than the bottom of the work area.
    const int extras = m_Frame.totalY + m_Frame.innerY;
    int most = (LastRow() + 1) * CELL;
    if (most + extras > work.bottom) most = work.bottom - extras;
    m_MaxClient.cy = std::max<int>(most, MIN_VIEW_H);
    const int height = std::clamp<int>(m_nWantH, MIN_VIEW_H, m_MaxClient.cy);
    if (height != m_nDrawH || !m_bLayoutDone) {
        // The first fitting is the window's first layout too: its bars stand now.
        m_bLayoutDone = 1;
        m_bFitting = 1;
        SetClientSize(VIEW_W, height);
        m_bFitting = 0;
    }
    m_VScroll.SetRange(0, LastRow());
    m_VScroll.SetPage(m_nDrawH / CELL);
    TakeScrollPosition();
}

void DLG_CHIP::OnSize() {
    if (m_bCreated && !m_bFitting) m_nWantH = m_nDrawH;
    m_View.Place(m_nDrawX, m_nDrawY, m_nDrawW, m_nDrawH);
    m_VScroll.SetPage(m_nDrawH / CELL);
    TakeScrollPosition();
}

void DLG_CHIP::TakeScrollPosition() { m_nFirstRow = m_VScroll.m_hWnd ? m_VScroll.GetPos() : 0; }

int DLG_CHIP::OnCommand(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnCommand(wParam, lParam);
    for (int tool = TOOL_PEN; tool <= TOOL_FILL; ++tool) {
        if (LOWORD(wParam) != kTools[tool].command) continue;
        g_StageEditState.SetToolShape(tool);
        return 1;
    }
    return 0;
}

LRESULT DLG_CHIP::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT r = DlgProc(hwnd, msg, wParam, lParam);
    if (PaletteMessage(hwnd, msg, wParam, lParam)) {
        if (msg == WM_DESTROY) {
            m_View.Release();
            return TRUE;
        }
    } else {
        switch (msg) {
        case WM_SIZE: OnSize(); break;
        case WM_VSCROLL: TakeScrollPosition(); break;
        case WM_MOUSEWHEEL: {
            int notches = static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA;
            // A turn towards the user, and any turn too large to be meant, is one notch down.
            if (notches < 0 || notches > 9) notches = -1;
            m_VScroll.ScrollBy(-notches);
            TakeScrollPosition();
            break;
        }
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_COMMAND: break;
        default: return r;
        }
    }
    OnPaint();
    return TRUE;
}

void DLG_CHIP::OnLButtonDown(WPARAM, LPARAM lParam) {
    ChooseAt(static_cast<short>(LOWORD(lParam)) - m_nDrawX, static_cast<short>(HIWORD(lParam)) - m_nDrawY);
}

void DLG_CHIP::ChooseAt(int x, int y) {
    if (x < 0 || y < 0 || x >= VIEW_W || y >= m_View.Height()) return;
    cStageEditState& st = g_StageEditState;
    const int chip = x / CELL + (y / CELL + m_nFirstRow) * COLUMNS;
    st.PaletteNo = chip;
    st.ChipSel[0] = chip;
    st.SelW = 1;
    st.SelH = 1;
}

void DLG_CHIP::OnPaint() {
    if (!m_bCreated) return;
    cDib& dib = m_View.Surface();
    if (!dib.IsCreated()) return;
    const cDib& sheet = g_ImageTable[IMG_MAPCHIP];
    const int count = ChipCount();
    dib.Fill(RGB(0, 0, 0));
    for (int row = 0; row < MAX_VIEW_H / CELL; ++row) {
        for (int column = 0; column < COLUMNS; ++column) {
            const int chip = column + (m_nFirstRow + row) * COLUMNS;
            if (chip >= count) break;
            const int g = g_LandList[chip].ChipGraphic;
            if (g >= 0) dib.Blt(column * CELL, row * CELL, CELL, CELL, &sheet, g % 8 * CELL, g / 8 * CELL, 1);
        }
    }
    const int chosen = g_StageEditState.PaletteNo;
    if (chosen >= 0) {
        dib.SetPen(PS_SOLID, 2, kChosenColor);
        dib.Line(chosen % COLUMNS * CELL + 1, (chosen / COLUMNS - m_nFirstRow) * CELL + 1, CELL - 2, CELL - 2);
        dib.SetGdiObject();
    }
    m_View.Present();
    char text[160] = "";
    if (chosen >= 0 && chosen < count)
        std::snprintf(text, sizeof(text), "%d : %s", chosen + 1, g_LandList[chosen].Name.c_str());
    SetStatusText(text);
}
