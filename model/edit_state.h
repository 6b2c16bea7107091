// What the stage editor and the world-map editor remember between messages:
// layer, tool and selection, the work and clipboard events, and the undo and
// redo histories of the map layers. Neither is stored in a file.
#pragma once

#include <string>
#include <tuple>

#include "model/event.h"
#include "model/stage.h"
#include "model/worldmap.h"

// ---- Stage editor ------------------------------------------------------------

// Edit layers of the stage editor.
enum { LAYER_CHIP = 0, LAYER_ENEMY = 1, LAYER_EVENT = 2, STAGE_LAYER_COUNT = 3 };
// Tools of the map-chip layer; cursor shape 5 while picking up.
enum { TOOL_PEN = 0, TOOL_LINE = 1, TOOL_RECT = 2, TOOL_FILL = 3, SHAPE_PICKUP = 5 };

// The tool values a stage layer keeps while another layer is current.
struct cStageLayerTool {
    int Tool = 0;
    int Shape = 0;
    int PaletteNo = 0;
    int PaletteSub = 0;  // the palette's second value
    int SelW = 1;
    int SelH = 1;

    auto Tie() { return std::tie(Tool, Shape, PaletteNo, PaletteSub, SelW, SelH); }
};

// One history: step i is element i of each list, the newest last.
struct cStageHistory {
    LIST_CLASS<VECTOR_CLASS<int>> Chips;
    LIST_CLASS<VECTOR_CLASS<cPutEnemy>> Enemies;
    LIST_CLASS<VECTOR_CLASS<cEvent>> Events;

    size_t Size() const { return Chips.size(); }
    bool Empty() const { return Chips.empty(); }
    void Clear();
};

class cStageEditState {
public:
    enum { SEL_SIZE = 64 };  // the selections are 64 × 64 cells

    std::string StagePath;  // the open stage's file; empty until it is saved once
    cEvent WorkEvent;       // the event the event dialog edits before it is placed
    cEvent Clipboard;       // the event last copied on the map
    cStageLayerTool LayerSaved[STAGE_LAYER_COUNT];
    cStageHistory UndoHistory;
    cStageHistory RedoHistory;

    int StageOpen = 0;
    int StageChanged = 0;
    int PaletteChanged = 0;  // the event palette
    int Layer = LAYER_CHIP;
    int Tool = TOOL_PEN;
    int Shape = TOOL_PEN;
    int ChipSel[SEL_SIZE * SEL_SIZE] = {};   // chip numbers, row-major
    int EnemySel[SEL_SIZE * SEL_SIZE] = {};  // placed-enemy indices, -1 none
    int SelW = 1;
    int SelH = 1;
    int PaletteNo = 0;  // chosen palette entry, -1 none
    int PaletteSub = 0;
    int PickX = -1;  // pick-up start
    int PickY = -1;
    int LineX = 0;  // line start
    int LineY = 0;
    int RectX = 0;  // rectangle start and size
    int RectY = 0;
    int RectW = 0;
    int RectH = 0;
    int ClipboardFull = 0;
    cEvent* CurrentEvent = nullptr;  // the event the event dialog works on
    int EditingExisting = 0;

    cStageEditState();
    // Tool, selection and flags as for a freshly opened project; the
    // histories and the two events stay.
    void Reset();
    void SaveLayerTool(int layer);  // the current values into LayerSaved
    void LoadLayerTool(int layer);

    // A copy of the three layers becomes the newest step of `history`; the
    // oldest goes when the history is at the undo depth (below 1 counts as
    // 1). 0 when free memory is not above the step's size: nothing stored,
    // both histories emptied.
    int PushHistory(cStageHistory& history, const VECTOR_CLASS<int>& chips,
                    const VECTOR_CLASS<cPutEnemy>& enemies, const VECTOR_CLASS<cEvent>& events);
    // The newest undo step replaces the layers, whose present state becomes
    // the newest redo step. Nothing when the history is empty, and the layers
    // stay as they are when that push fails.
    void Undo(VECTOR_CLASS<int>& chips, VECTOR_CLASS<cPutEnemy>& enemies,
              VECTOR_CLASS<cEvent>& events);
    void Redo(VECTOR_CLASS<int>& chips, VECTOR_CLASS<cPutEnemy>& enemies,
              VECTOR_CLASS<cEvent>& events);
    void ClearHistory();

    // Bytes a step of these layers is taken to need.
    static unsigned StepSize(const VECTOR_CLASS<int>& chips, const VECTOR_CLASS<cPutEnemy>& enemies,
                             const VECTOR_CLASS<cEvent>& events);

private:
    // The active layer's six values, as a layer keeps them.
    auto ActiveTool() { return std::tie(Tool, Shape, PaletteNo, PaletteSub, SelW, SelH); }
    void Step(cStageHistory& from, cStageHistory& to, VECTOR_CLASS<int>& chips,
              VECTOR_CLASS<cPutEnemy>& enemies, VECTOR_CLASS<cEvent>& events);
};

// ---- World-map editor ----------------------------------------------------------

enum { WLAYER_CHIP = 0, WLAYER_EVENT = 1, WORLD_LAYER_COUNT = 2 };

// The six values of a world-map layer, in the order they are kept.
struct cWorldLayerTool {
    int Tool = 0;
    int Selecting = 0;
    int SelIndex = 0;
    int SelRow = 0;
    int BrushW = 1;
    int BrushH = 1;

    auto Tie() { return std::tie(Tool, Selecting, SelIndex, SelRow, BrushW, BrushH); }
};

// One history of the world map: a chip-layer copy and the placed events.
struct cWorldHistory {
    LIST_CLASS<VECTOR_CLASS<int>> Cells;
    LIST_CLASS<VECTOR_CLASS<cWorldEvent>> Events;

    size_t Size() const { return Cells.size(); }
    bool Empty() const { return Cells.empty(); }
    void Clear();
};

class cWorldEditState {
public:
    enum { BRUSH_ROWS = 150, BRUSH_COLUMNS = 200, UNDO_DEPTH = 3 };

    std::string Text;        // nothing fills it
    cWorldEvent PlaceEvent;  // copy of the chosen template: what the pen places
    cWorldEvent Clipboard;   // the event last copied or cut on the map
    cWorldLayerTool LayerSaved[WORLD_LAYER_COUNT];
    cWorldHistory UndoHistory;
    cWorldHistory RedoHistory;

    int Layer = WLAYER_CHIP;
    // The active layer's values (see cWorldLayerTool).
    int Tool = 0;
    int Selecting = 0;
    int SelIndex = 0;  // chip layer: chip, -1 after a rectangle; event layer: template, -1 none
    int SelRow = 0;
    int BrushW = 1;
    int BrushH = 1;
    int Brush[BRUSH_ROWS][BRUSH_COLUMNS] = {};  // chip numbers of the brush
    cWorldEvent* Target = nullptr;              // the placed event under the right-clicked cell
    int ClipboardFull = 0;
    int AnchorX = -1;  // where the rectangle selection started
    int AnchorY = -1;
    int Dragging = 0;

    cWorldEditState();
    // State for a freshly opened world map: tool and selection, the event
    // layer's choice from the map's templates, the histories emptied. The
    // brush keeps its chips.
    void Reset();
    // Keeps the current layer's six values and takes those of `layer` (0 or
    // 1; anything else does nothing). 1 when the layer was valid.
    int SwitchLayer(int layer);
    void SetTool(int tool);

    // A copy of the cells and events becomes the newest snapshot of
    // `history`, the oldest dropped at three. 0 when free memory is not above
    // its size: nothing stored, every history emptied.
    int PushUndo(cWorldHistory& history, const VECTOR_CLASS<int>& cells,
                 const VECTOR_CLASS<cWorldEvent>& events);
    void Undo(VECTOR_CLASS<int>& cells, VECTOR_CLASS<cWorldEvent>& events);
    void Redo(VECTOR_CLASS<int>& cells, VECTOR_CLASS<cWorldEvent>& events);
    void ClearHistory();

    static unsigned SnapshotSize(const VECTOR_CLASS<int>& cells,
                                 const VECTOR_CLASS<cWorldEvent>& events);

private:
    auto ActiveTool() { return std::tie(Tool, Selecting, SelIndex, SelRow, BrushW, BrushH); }
    void Step(cWorldHistory& from, cWorldHistory& to, VECTOR_CLASS<int>& cells,
              VECTOR_CLASS<cWorldEvent>& events);
};

extern cStageEditState g_StageEditState;
extern cWorldEditState g_WorldEditState;
