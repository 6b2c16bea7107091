#include "app/group_cells.h"

#include <algorithm>

namespace {
const int kCell = 32;
}

int GroupViewCell(const cGroupView& view, int x, int y, cCellPos* cell) {
    if (x < 0 || y < 0 || x >= view.Width || y >= view.Height) return 0;
    const cCellPos at = {view.ScrollX + x / kCell, view.ScrollY + y / kCell};
    if (at.X >= view.StageW || at.Y >= view.StageH) return 0;
    *cell = at;
    return 1;
}

void ToggleGroupCell(VECTOR_CLASS<cCellPos>& cells, const cCellPos& cell) {
    auto found = std::find(cells.begin(), cells.end(), cell);
    if (found != cells.end())
        cells.erase(found);
    else
        cells.push_back(cell);
}
