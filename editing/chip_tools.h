// The pen and the rectangle pick-up over a grid of chip numbers, as both map
// editors use them: a brush of chip numbers (row by row, a fixed row length)
// is painted at a cell, and a rectangle of the map is picked up into it.
// Window-free.
#pragma once

#include "base/containers.h"

// A map's chip layer as the tools see it: width × height cells stored in
// rows of 1 << Shift, and the number of chips a cell may name.
struct cChipGrid {
    VECTOR_CLASS<int>& Cells;
    int Width;
    int Height;
    int Shift;
    int ChipCount;

    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }
    // The element of cell (x, y), -1 outside the map or the stored cells.
    long long Index(int x, int y) const;
};

// A brush: Rows × Columns chip numbers at most, BrushW × BrushH of them in
// use, row r starting at element r × Columns. A number that names no chip
// (below 0 or not below the chip count) paints nothing.
struct cChipBrush {
    int* Chips;
    int Rows;
    int Columns;
    int& BrushW;
    int& BrushH;

    int At(int r, int c) const { return Chips[r * Columns + c]; }
};

// The chip a brush cell holds for a cell the pick-up found outside the map.
enum { CHIP_NONE = -1 };

// Paints the brush with its top-left at (x, y): every brush cell that lands
// on the map and names a chip. The number of cells changed.
int PaintBrush(cChipGrid grid, const cChipBrush& brush, int x, int y);

// Picks up the rectangle between cells (ax, ay) and (bx, by) into the brush:
// its size becomes the rectangle's (cut to the brush's room), each cell the
// map's chip there, or CHIP_NONE where the rectangle leaves the map (so that
// the pen leaves those cells alone instead of painting what the brush held).
void PickRect(cChipGrid grid, const cChipBrush& brush, int ax, int ay, int bx, int by);
