// The world-chip palette (dialog 154): every world chip as its picture,
// eight to a row, beside the world-map window while the chip layer is
// active; a click chooses the chip the pen paints.
#pragma once

#include "ui/dlg.h"
#include "worldmap/world_view.h"

class DLG_WORLDMAP;

class DLG_WORLDCHIP : public DLG_CLASS {
public:
    enum { CELL = 32, COLUMNS = 8, VIEW_W = CELL * COLUMNS, MIN_VIEW_H = 32, MAX_VIEW_H = 1024 };

    DLG_WORLDCHIP(DLG_WORLDMAP* map, WND_LIST_CLASS* wndList);
    ~DLG_WORLDCHIP() override;
    void OnLButtonDown(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;

    // The chip at view pixel (x, y) becomes the brush.
    void ChooseAt(int x, int y);
    cWorldView& View() { return m_View; }
    int m_nScrollRow = 0;  // the first chip row shown

private:
    void FitHeight();
    void OnSize();
    cWorldView m_View;
};
