#include "app/stage_tools.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <new>

#include "base/editor_settings.h"
#include "model/land.h"

cChipGrid StageChipGrid(cStage& stage) {
    return {stage.Chips, stage.Width, stage.Height, stage.Shift, static_cast<int>(g_LandList.size())};
}

cChipBrush StageBrush(cStageEditState& st) {
    return {st.ChipSel, cStageEditState::SEL_SIZE, cStageEditState::SEL_SIZE, st.SelW, st.SelH};
}

namespace {

bool IsChip(int chip) { return chip >= 0 && chip < static_cast<int>(g_LandList.size()); }

int SelectionChip(const cStageEditState& st, int row, int column) {
    return st.ChipSel[row * cStageEditState::SEL_SIZE + column];
}

// The selection's size as the tools use it: at least one cell, at most the grid.
int Columns(const cStageEditState& st) { return std::clamp(st.SelW, 1, int(cStageEditState::SEL_SIZE)); }
int Rows(const cStageEditState& st) { return std::clamp(st.SelH, 1, int(cStageEditState::SEL_SIZE)); }

void SetChipIfValid(cStage& stage, int x, int y, int chip) {
    if (IsChip(chip) && stage.Inside(x, y)) stage.SetChip(x, y, chip);
}

int ApplyLine(cStage& stage, const cStageEditState& st, int x, int y) {
    const int columns = Columns(st);
    WalkLine(st.LineX, st.LineY, x, y,
             [&](int cx, int cy, int step) { SetChipIfValid(stage, cx, cy, SelectionChip(st, 0, step % columns)); });
    return 1;
}

int ApplyRect(cStage& stage, cStageEditState& st, int x, int y) {
    const cCellRect r = ToolRectAt(stage, st, x, y);
    st.RectX = r.X;
    st.RectY = r.Y;
    const int columns = Columns(st), rows = Rows(st);
    for (int row = 0; row < r.H; ++row)
        for (int column = 0; column < r.W; ++column)
            SetChipIfValid(stage, r.X + column, r.Y + row, SelectionChip(st, row % rows, column % columns));
    return 1;
}

}  // namespace

int FirstChipValid(cStageEditState& st) { return IsChip(st.ChipSel[0]); }

int StageBeginEdit(cStage& stage, cStageEditState& st) {
    const int stored = st.PushHistory(st.UndoHistory, stage.Chips, stage.PutEnemies, stage.Events);
    st.RedoHistory.Clear();
    return stored;
}

cCellRect ToolRectAt(const cStage& stage, const cStageEditState& st, int x, int y) {
    cCellRect r = {std::min(st.RectX, x), std::min(st.RectY, y), std::abs(x - st.RectX) + 1,
                   std::abs(y - st.RectY) + 1};
    r.W = std::max(0, std::min(r.W, stage.Width - r.X));
    r.H = std::max(0, std::min(r.H, stage.Height - r.Y));
    return r;
}

namespace {

int PressEnemyPen(cStage& stage, cStageEditState& st, int x, int y) {
    if (st.SelW < 1 || st.SelH < 1) return 0;
    StageBeginEdit(stage, st);
    st.Stroke = 1;
    return PenEnemies(stage, st, x, y);
}

// A direct placing starts a stroke, which places on every cell it crosses;
// a dialog is opened only at the press.
int PressEventPen(cStage& stage, cStageEditState& st, int x, int y, const StageEventEditor& edit) {
    const cEvent* chosen = ChosenPaletteEvent(st);
    if (!chosen) return 0;
    if (cEvent* placed = g_EditConfig.StageEditIfPlaced ? stage.FindAt(x, y) : nullptr)
        return edit ? edit(*placed, 1) : 0;
    cEvent& work = st.WorkEvent;
    work = *chosen;
    work.X = x;
    work.Y = y;
    if (g_EditConfig.StageEditBeforePlace) return edit ? edit(work, 0) : 0;
    StageBeginEdit(stage, st);
    st.Stroke = 1;
    stage.PlaceAt(work, x, y);
    return 1;
}

int DragEventPen(cStage& stage, cStageEditState& st, int x, int y) {
    const cEvent* chosen = ChosenPaletteEvent(st);
    if (!chosen) return 0;
    const cEvent* placed = stage.FindAt(x, y);
    if (placed && g_EditConfig.StageEditIfPlaced) return 0;
    cEvent& work = st.WorkEvent;
    work = *chosen;
    work.X = x;
    work.Y = y;
    if (placed && placed->Compare(work)) return 0;  // this stroke placed it already
    stage.PlaceAt(work, x, y);
    return 1;
}

}  // namespace

int PenEnemies(cStage& stage, const cStageEditState& st, int x, int y) {
    const int rows = std::min(st.SelH, int(cStageEditState::SEL_SIZE));
    const int columns = std::min(st.SelW, int(cStageEditState::SEL_SIZE));
    int changed = 0;
    for (int r = 0; r < rows && y + r < stage.Height; ++r) {
        for (int c = 0; c < columns && x + c < stage.Width; ++c) {
            const int tx = x + c, ty = y + r;
            for (cPutEnemy& e : stage.PutEnemies) {
                if (e.X != tx || e.Y != ty) continue;
                e.X = -1;
                e.Y = -1;
                changed = 1;
            }
            const int index = st.EnemySel[r * cStageEditState::SEL_SIZE + c];
            if (Outside(index, stage.PutEnemies.size())) continue;
            stage.PutEnemies[index].X = tx;
            stage.PutEnemies[index].Y = ty;
            changed = 1;
        }
    }
    return changed;
}

const cEvent* ChosenPaletteEvent(const cStageEditState& st) {
    return Outside(st.PaletteNo, g_EventPlt.size()) ? nullptr : &g_EventPlt[st.PaletteNo];
}

int ToolPress(cStage& stage, cStageEditState& st, int x, int y, const StageEventEditor& edit) {
    st.Stroke = 0;
    if (!stage.Inside(x, y)) return 0;
    if (st.Layer == LAYER_ENEMY) return PressEnemyPen(stage, st, x, y);
    if (st.Layer == LAYER_EVENT) return PressEventPen(stage, st, x, y, edit);
    if (st.Tool < TOOL_PEN || st.Tool > TOOL_FILL || !FirstChipValid(st)) return 0;
    StageBeginEdit(stage, st);
    switch (st.Tool) {
    case TOOL_PEN:
        st.Stroke = 1;
        PaintBrush(StageChipGrid(stage), StageBrush(st), x, y);
        return 1;
    case TOOL_LINE:
        st.LineX = x;
        st.LineY = y;
        st.Stroke = 1;
        return 1;
    case TOOL_RECT:
        st.RectX = x;
        st.RectY = y;
        st.RectW = 1;
        st.RectH = 1;
        st.Stroke = 1;
        return 1;
    default: return FloodFill(stage, st, x, y) < 0 ? -1 : 1;
    }
}

int ToolDrag(cStage& stage, cStageEditState& st, int x, int y) {
    if (!st.Stroke || !stage.Inside(x, y)) return 0;
    if (st.Layer == LAYER_ENEMY) return PenEnemies(stage, st, x, y);
    if (st.Layer == LAYER_EVENT) return DragEventPen(stage, st, x, y);
    switch (st.Tool) {
    case TOOL_PEN: return PaintBrush(StageChipGrid(stage), StageBrush(st), x, y) > 0;
    case TOOL_RECT:
        st.RectW = std::abs(x - st.RectX) + 1;
        st.RectH = std::abs(y - st.RectY) + 1;
        return 0;
    default: return 0;
    }
}

int ToolRelease(cStage& stage, cStageEditState& st, int x, int y) {
    if (!st.Stroke) return 0;
    st.Stroke = 0;
    if (st.Layer != LAYER_CHIP || !stage.Inside(x, y)) return 0;
    switch (st.Tool) {
    case TOOL_LINE: return ApplyLine(stage, st, x, y);
    case TOOL_RECT: return ApplyRect(stage, st, x, y);
    default: return 0;
    }
}

namespace {

// One call of the fill's recursion, kept on a stack of its own: a region of
// 64 x 64 cells goes thousands of calls deep.
struct cFillFrame {
    int x, y, column, row;
    int next;  // the neighbour to try next: left, right, up, down
};

}  // namespace

int FloodFill(cStage& stage, cStageEditState& st, int x, int y) {
    if (!stage.Inside(x, y)) return 0;
    const cChipGrid grid = StageChipGrid(stage);
    const size_t cells = static_cast<size_t>(stage.Height) << stage.Shift;
    std::unique_ptr<unsigned char[]> visited(new (std::nothrow) unsigned char[cells]());
    std::unique_ptr<cFillFrame[]> stack(new (std::nothrow) cFillFrame[FILL_DEPTH_LIMIT]);
    if (!visited || !stack) return -1;
    const int replaced = stage.ChipAt(x, y);
    const int columns = Columns(st), rows = Rows(st);
    int depth = 0, count = 0;
    // The cell takes the selection's chip when it is one of the region's and
    // the depth allows; a call is made for it then.
    auto enter = [&](int cx, int cy, int column, int row) {
        const long long i = grid.Index(cx, cy);
        if (i < 0 || visited[i] || grid.Cells[i] != replaced || depth >= FILL_DEPTH_LIMIT) return;
        const int chip = SelectionChip(st, row, column);
        if (IsChip(chip)) grid.Cells[i] = chip;
        visited[i] = 1;
        ++count;
        stack[depth++] = {cx, cy, column, row, 0};
    };
    enter(x, y, 0, 0);
    while (depth > 0) {
        cFillFrame& f = stack[depth - 1];
        switch (f.next++) {
        case 0: enter(f.x - 1, f.y, f.column > 0 ? f.column - 1 : columns - 1, f.row); break;
        case 1: enter(f.x + 1, f.y, f.column + 1 < columns ? f.column + 1 : 0, f.row); break;
        case 2: enter(f.x, f.y - 1, f.column, f.row > 0 ? f.row - 1 : rows - 1); break;
        case 3: enter(f.x, f.y + 1, f.column, f.row + 1 < rows ? f.row + 1 : 0); break;
        default: --depth; break;
        }
    }
    return count;
}

void PickUpStart(cStageEditState& st, int x, int y) {
    st.PickX = x;
    st.PickY = y;
    st.Shape = SHAPE_PICKUP;
    st.PaletteNo = -1;
}

int PickUpEnd(cStage& stage, cStageEditState& st, int x, int y) {
    if (st.Shape != SHAPE_PICKUP) return -1;
    int found = -1;
    if (st.Layer == LAYER_CHIP) {
        PickRect(StageChipGrid(stage), StageBrush(st), st.PickX, st.PickY, x, y);
    } else if (st.Layer == LAYER_ENEMY) {
        const int left = std::min(st.PickX, x), top = std::min(st.PickY, y);
        st.SelW = std::min(std::abs(x - st.PickX) + 1, int(cStageEditState::SEL_SIZE));
        st.SelH = std::min(std::abs(y - st.PickY) + 1, int(cStageEditState::SEL_SIZE));
        for (int row = 0; row < st.SelH; ++row)
            for (int column = 0; column < st.SelW; ++column)
                st.EnemySel[row * cStageEditState::SEL_SIZE + column] = PlacedEnemyAt(stage, left + column, top + row);
        if (st.SelW == 1 && st.SelH == 1) found = st.EnemySel[0];
    }
    st.SetToolShape(st.Tool);
    return found;
}

int PlacedEnemyAt(const cStage& stage, int x, int y) {
    for (size_t i = 0; i < stage.PutEnemies.size(); ++i)
        if (stage.PutEnemies[i].X == x && stage.PutEnemies[i].Y == y) return static_cast<int>(i);
    return -1;
}

int EnemyToEdit(const cStage& stage, const cStageEditState& st, int x, int y) {
    if (st.Layer != LAYER_ENEMY || !stage.Inside(x, y) || st.SelW != 1 || st.SelH != 1) return -1;
    return PlacedEnemyAt(stage, x, y);
}
