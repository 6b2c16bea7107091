// Picking a position group's cells on a view of the stage: the cell under
// the pointer and the click that adds or removes it. Window-free.
#pragma once

#include "model/placement.h"

// The view's geometry: its size in pixels, its top-left cell and the
// stage's size in cells.
struct cGroupView {
    int Width, Height;
    int ScrollX, ScrollY;
    int StageW, StageH;
};

// The stage cell under view pixel (x, y); 0 outside the view or beyond the
// stage's last column or row, whose cells no group can keep.
int GroupViewCell(const cGroupView& view, int x, int y, cCellPos* cell);
// The cell goes when the cells hold it, else it is appended; the others keep their order.
void ToggleGroupCell(VECTOR_CLASS<cCellPos>& cells, const cCellPos& cell);
