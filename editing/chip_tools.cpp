#include "editing/chip_tools.h"

#include <algorithm>
#include <cstdlib>

long long cChipGrid::Index(int x, int y) const {
    if (!Inside(x, y) || Shift < 0 || Shift > 24) return -1;
    const long long i = (static_cast<long long>(y) << Shift) + x;
    return i < static_cast<long long>(Cells.size()) ? i : -1;
}

int PaintBrush(cChipGrid grid, const cChipBrush& brush, int x, int y) {
    int changed = 0;
    const int rows = std::min(brush.BrushH, brush.Rows), columns = std::min(brush.BrushW, brush.Columns);
    for (int r = 0; r < rows && y + r < grid.Height; ++r) {
        for (int c = 0; c < columns && x + c < grid.Width; ++c) {
            const int chip = brush.At(r, c);
            const long long i = grid.Index(x + c, y + r);
            if (i < 0 || chip < 0 || chip >= grid.ChipCount) continue;
            if (grid.Cells[static_cast<size_t>(i)] != chip) ++changed;
            grid.Cells[static_cast<size_t>(i)] = chip;
        }
    }
    return changed;
}

void PickRect(cChipGrid grid, const cChipBrush& brush, int ax, int ay, int bx, int by) {
    const int left = std::min(ax, bx), top = std::min(ay, by);
    brush.BrushW = std::min(std::abs(bx - ax) + 1, brush.Columns);
    brush.BrushH = std::min(std::abs(by - ay) + 1, brush.Rows);
    for (int r = 0; r < brush.BrushH; ++r) {
        for (int c = 0; c < brush.BrushW; ++c) {
            const long long i = grid.Index(left + c, top + r);
            brush.Chips[r * brush.Columns + c] = i < 0 ? CHIP_NONE : grid.Cells[static_cast<size_t>(i)];
        }
    }
}
