// The stage editor's tools as plain functions over the stage, the edit state
// and a cell: the pen, line, rectangle and fill of the map-chip layer, the
// right-button pick-up into the selection and the undo step of a stroke. The
// pen and the pick-up of chips are the map editors' shared ones
// (editing/chip_tools.h); the line, the fill and its depth limit are the
// stage's own. Window-free: the stage editor turns the mouse into these calls.
//
// Every cell a tool writes lies inside the map, and a chip number that names
// no land is never written. In layers 1 and 2 the pen places what the enemy
// and event palettes chose.
#pragma once

#include <functional>

#include "app/stage_edit_state.h"
#include "editing/chip_tools.h"
#include "editing/map_cursor.h"
#include "model/stage.h"

enum {
    LINE_CELL_LIMIT = 200,   // a longer line is drawn for its first cells only
    FILL_DEPTH_LIMIT = 5000  // the fill's depth: the rest of a larger region stays
};

// The stage's chip layer (chips name lands) and the edit state's chip
// selection as the chip tools see them.
cChipGrid StageChipGrid(cStage& stage);
cChipBrush StageBrush(cStageEditState& st);
// Whether the first chip of the selection names a land: in the map-chip
// layer no tool starts without that.
int FirstChipValid(cStageEditState& st);

// The undo step of an edit: the three layers onto the undo history and the
// redo history emptied. 0 when memory was short and both histories were
// emptied instead.
int StageBeginEdit(cStage& stage, cStageEditState& st);

// The cells of a line from (x0, y0) to (x1, y1) as the line tool and its
// preview walk them: a point from the first cell's middle stepped toward the
// last cell, at most LINE_CELL_LIMIT cells. `visit(x, y, step)` is called for
// each, `step` counting from 0; a line of one cell visits it twice.
template <class Visit>
void WalkLine(int x0, int y0, int x1, int y1, Visit visit) {
    double px = x0 + 0.5, py = y0 + 0.5;
    bool arrived = false;
    for (int step = 0; step < LINE_CELL_LIMIT; ++step) {
        visit(static_cast<int>(px), static_cast<int>(py), step);
        if (arrived) break;
        arrived = LineStep(&px, &py, x1, y1, 1.0);
    }
}

// The rectangle between the start cell and (x, y): its top-left corner and
// size, cut at the map's right and bottom edges (an empty one outside the map).
struct cCellRect {
    int X, Y, W, H;
};
cCellRect ToolRectAt(const cStage& stage, const cStageEditState& st, int x, int y);

// Runs the event dialog on an event of the event layer: a placed one
// (existing 1) or the pen's new one (existing 0), which its OK places on the
// event's cell. OK records the undo step before anything changes; 1 for OK.
typedef std::function<int(cEvent& event, int existing)> StageEventEditor;

// The current tool at cell (x, y), which the caller keeps inside the map: a
// left press, a move with the left button held and a left release. A press
// that the tool takes (the pen, the line and the rectangle) records one undo
// step and starts a stroke, which the release ends, so that a stroke is one
// step; the fill is done at its press. Each returns 1 when the stage may have
// changed; the press -1 when the fill's memory could not be had.
//
// In layers 1 and 2 every tool is the pen. The enemy pen takes what stands
// on each cell of the selection off the map and puts the selection's enemies
// there. The event pen places a copy of the chosen palette event; with the
// editor settings' options it edits a placed event instead ("配置済みなら編集")
// or the new one first ("配置直前に編集"), through `edit` and only at a press.
int ToolPress(cStage& stage, cStageEditState& st, int x, int y, const StageEventEditor& edit = nullptr);
int ToolDrag(cStage& stage, cStageEditState& st, int x, int y);
int ToolRelease(cStage& stage, cStageEditState& st, int x, int y);

// The fill from cell (x, y): the region of the chip standing there takes the
// selection, laid over it from that cell (the selection's columns wrap to the
// left and right of it, its rows above and below). The number of cells it
// visited; -1 when its memory could not be had (nothing is filled then).
int FloodFill(cStage& stage, cStageEditState& st, int x, int y);

// The right-button pick-up in layers 0 and 1: the press at a cell starts it,
// the release at another takes the rectangle between them into the selection
// (the chips, or each cell's first placed enemy). The release gives the
// placed enemy a 1 x 1 pick-up in layer 1 found, else -1.
void PickUpStart(cStageEditState& st, int x, int y);
int PickUpEnd(cStage& stage, cStageEditState& st, int x, int y);

// The enemy pen at cell (x, y); 1 when an enemy moved.
int PenEnemies(cStage& stage, const cStageEditState& st, int x, int y);
// The palette event the event pen places, null when none is chosen.
const cEvent* ChosenPaletteEvent(const cStageEditState& st);

// The first placed enemy standing on the cell, -1 for none.
int PlacedEnemyAt(const cStage& stage, int x, int y);
// A right double click in layer 1: the enemy of a 1 x 1 selection standing on
// the cell, whose entry the enemy palette opens; -1 for none.
int EnemyToEdit(const cStage& stage, const cStageEditState& st, int x, int y);
