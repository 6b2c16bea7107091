#include "ui/dlg_selectgraphic.h"

#include <new>

#include "media/image_table.h"
#include "resources/toolkit_ids.h"
#include "ui/wnd_list.h"

const GRAPHIC_SHEET g_GraphicSheets[SHEET_KINDS] = {
    {768, 480, 48, 10},
    {1024, 512, 64, 8},
    {512, 512, 32, 0},
    {1024, 512, 32, 16},
};

int GraphicCellAt(int kind, int x, int y, int* frameX, int* frameY) {
    const GRAPHIC_SHEET& s = g_GraphicSheets[kind >= 0 && kind < SHEET_KINDS ? kind : 0];
    int column = x / s.cell, row = y / s.cell;
    if (!s.perColumn) {
        *frameX = column * s.cell;
        *frameY = row * s.cell;
        return (x >= 256 ? 128 : 0) + row * 8 + column % 8;
    }
    int cell = column * s.perColumn + row;
    *frameX = cell / s.perColumn * s.cell;
    *frameY = cell % s.perColumn * s.cell;
    return cell;
}

namespace {

int RunPicker(int* cell, WND_CLASS* parent, const CTRL_CLASS* placeRef, int kind) {
    DLG_SELECTGRAPHIC* dlg = new (std::nothrow) DLG_SELECTGRAPHIC(parent, &g_WndList, placeRef, cell, kind);
    return RunOwnedDialog(dlg);
}

}  // namespace

int SelectCharaGraphic(int* cell, WND_CLASS* parent, const CTRL_CLASS* placeRef) {
    return RunPicker(cell, parent, placeRef, SHEET_CHARA);
}
int SelectEffectGraphic(int* cell, WND_CLASS* parent, const CTRL_CLASS* placeRef) {
    return RunPicker(cell, parent, placeRef, SHEET_EFFECT);
}
int SelectChipGraphic(int* cell, WND_CLASS* parent, const CTRL_CLASS* placeRef) {
    return RunPicker(cell, parent, placeRef, SHEET_CHIP);
}
int SelectEventGraphic(int* cell, WND_CLASS* parent, const CTRL_CLASS* placeRef) {
    return RunPicker(cell, parent, placeRef, SHEET_EVENT);
}

DLG_SELECTGRAPHIC::DLG_SELECTGRAPHIC(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, int* cell,
                                     int kind)
    : DLG_CLASS(IDD_SELECTGRAPHIC, parent, WND_MODE_DIALOG, wndList, placeRef, 1),
      m_pCell(cell),
      m_nKind(kind >= 0 && kind < SHEET_KINDS ? kind : 0) {
    SetInstance(this);
    const GRAPHIC_SHEET& s = g_GraphicSheets[m_nKind];
    SetWindowParam(s.width, s.height, s.width, s.height, s.width, s.height, 0, 0, 0, 0, 0, 0);
    m_PictureDesc = {IDC_TOOLKIT_PICTURE, s.width, s.height, -1, -1};
}

int DLG_SELECTGRAPHIC::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnInitDialog(wParam, lParam);
    m_Picture.Attach(this, m_PictureDesc);
    AddCtrl(&m_Picture);
    m_Picture.MoveTo(0, 0);
    m_Picture.UpdatePos();
    UpdateCtrls();
    m_bCreated = 1;
    return 0;
}

int DLG_SELECTGRAPHIC::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!CheckCommand(wParam)) return 0;
    return DLG_CLASS::OnCommand(wParam, lParam);
}

// The modal procedure draws the sheet again at every message, so the frame
// follows the mouse; the close box and Esc leave the value as it was.
LRESULT DLG_SELECTGRAPHIC::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT r = ModalProc(hwnd, msg, wParam, lParam);
    if (msg == WM_LBUTTONDOWN && IsWindowOpen()) {
        if (m_pCell) *m_pCell = m_nCurCell;
        End(1);
        return 1;
    }
    return r;
}

void DLG_SELECTGRAPHIC::OnPaint() {
    cDib* surface = m_Picture.Surface();
    if (!m_Picture.m_hWndDC || !surface) return;
    const cDib& sheet = g_ImageTable[IMG_PICK_CHARA + m_nKind];
    surface->Fill(0);
    surface->Blt(0, 0, sheet.m_nWidth, sheet.m_nHeight, &sheet, 0, 0, 0);
    surface->SetPen(PS_SOLID, 2, RGB(255, 255, 255));
    int x = 0, y = 0;
    m_nCurCell = GraphicCellAt(m_nKind, m_Mouse.x, m_Mouse.y, &x, &y);
    const int cell = g_GraphicSheets[m_nKind].cell;
    surface->Line(x, y, cell, cell);
    surface->SetGdiObject();
    m_Picture.Present();
}
