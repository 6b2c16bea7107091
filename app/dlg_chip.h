// The map-chip palette (dialog 103 "マップチップパレット"): every land's map
// chip, eight to a row, beside the stage editor while the map-chip layer is
// the current one. A click chooses the chip the tools paint; its tool bar
// chooses the tool.
#pragma once

#include "app/palette.h"
#include "app/surface_view.h"

class DLG_CHIP : public PALETTE_CLASS {
public:
    enum { CELL = 32, COLUMNS = 8, VIEW_W = CELL * COLUMNS, MIN_VIEW_H = 32, MAX_VIEW_H = 1024 };

    DLG_CHIP(WND_CLASS* stageEditor, WND_LIST_CLASS* wndList);
    ~DLG_CHIP() override;

    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnLButtonDown(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;

    // The window's height fitted to the number of chips and to the screen's
    // work area, and the scroll range to the rows of chips. Within those
    // limits the view keeps the height it was given last.
    void UpdateLayout();
    // The chip at view pixel (x, y) becomes the selection, 1 x 1; a cell
    // past the last chip is chosen too (the tools refuse it). Blocks of
    // chips are picked up from the map with the right button.
    void ChooseAt(int x, int y);

    int FirstRow() const { return m_nFirstRow; }
    const cSurfaceView& View() const { return m_View; }

private:
    void OnSize();
    void TakeScrollPosition();

    int m_nFirstRow = 0;  // the first row of chips shown
    int m_nWantH = 0;     // the view height given by the user or the stored place
    int m_bFitting = 0;   // UpdateLayout sizes the window
    cSurfaceView m_View;
};
