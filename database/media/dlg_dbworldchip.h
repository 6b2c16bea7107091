// The world-chip page "ワールドチップ" (tab 14): the kinds of world-map
// chips with their name, whether they are impassable and the cell of the
// world-map chip sheet that draws them, previewed as typed. The chips are
// saved with the world map.
#pragma once

#include "database/sheet/db_list_page.h"
#include "model/worldmap.h"

class DLG_DBWORLDCHIP : public DLG_DBLIST<cWorldChip> {
public:
    // A world map without chips gets one default chip.
    DLG_DBWORLDCHIP(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList);

    // The chip preview: the cell the graphic edit shows now, on black.
    void OnPaint() override;

protected:
    void Renumber() override;
    void AfterRecordChange() override { OnPaint(); }
};

// Cell `n` of the world-map chip sheet (32 pixels, 8 a row) at (0, 0) of
// `dst`, as much of it as lies on the sheet.
void DrawWorldChipCell(cDib* dst, int n);
