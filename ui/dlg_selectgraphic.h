// The graphic picker "一覧": shows a whole graphic sheet (characters,
// effects, map chips or event graphics), frames the cell under the mouse and
// returns the cell the user clicks.
#pragma once

#include "ui/dlg.h"

enum { SHEET_CHARA = 0, SHEET_EFFECT = 1, SHEET_CHIP = 2, SHEET_EVENT = 3, SHEET_KINDS = 4 };

// Size and cells of a sheet kind.
struct GRAPHIC_SHEET {
    int width, height;
    int cell;       // cell size in pixels
    int perColumn;  // cells numbered down the columns (0: the map-chip halves)
};
extern const GRAPHIC_SHEET g_GraphicSheets[SHEET_KINDS];

// The cell under (x, y) of a sheet and the top-left corner of its frame.
// Characters, effects and events are numbered down the columns; the map-chip
// sheet is two halves of 8 columns numbered along the rows, the right half
// from 128.
int GraphicCellAt(int kind, int x, int y, int* frameX, int* frameY);

// 1 when the user clicked a cell (*cell holds it), 0 when the window was
// closed (*cell unchanged). The picker is centred on `placeRef`.
int SelectCharaGraphic(int* cell, WND_CLASS* parent, const CTRL_CLASS* placeRef);
int SelectEffectGraphic(int* cell, WND_CLASS* parent, const CTRL_CLASS* placeRef);
int SelectChipGraphic(int* cell, WND_CLASS* parent, const CTRL_CLASS* placeRef);
int SelectEventGraphic(int* cell, WND_CLASS* parent, const CTRL_CLASS* placeRef);

class DLG_SELECTGRAPHIC : public DLG_CLASS {
public:
    DLG_SELECTGRAPHIC(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, int* cell, int kind);
    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;

    int* m_pCell;
    int m_nKind;
    int m_nCurCell = 0;
    CTRL_PICTURE_CLASS::DESC m_PictureDesc;
};
