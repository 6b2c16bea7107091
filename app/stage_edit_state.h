// What the stage editor remembers between messages: layer, tool and
// selection, the work and clipboard events, and the undo and redo histories
// of the map layers. None of it is stored in a file.
#pragma once

#include <string>
#include <tuple>

#include "editing/undo_history.h"
#include "model/event.h"
#include "model/placement.h"

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

// One history of the three layers, in the order of the layer numbers:
// Steps<LAYER_CHIP>() holds the chip copies.
using cStageHistory = cUndoHistory<int, cPutEnemy, cEvent>;

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
    int Stroke = 0;  // a left press began a stroke of the tool, which its release ends
    int ClipboardFull = 0;
    cEvent* CurrentEvent = nullptr;  // the event the event dialog works on
    int EditingExisting = 0;

    cStageEditState();
    // Tool, selection and flags as for a freshly opened project; the
    // histories and the two events stay.
    void Reset();
    void SaveLayerTool(int layer);  // the current values into LayerSaved
    void LoadLayerTool(int layer);
    // The tool (0-3), and the cursor shape with it.
    void SetToolShape(int tool);

    // The store's push, undo and redo (editing/undo_history.h), at the undo
    // depth of the editor settings (below 1 counts as 1).
    int PushHistory(cStageHistory& history, const VECTOR_CLASS<int>& chips, const VECTOR_CLASS<cPutEnemy>& enemies,
                    const VECTOR_CLASS<cEvent>& events);
    void Undo(VECTOR_CLASS<int>& chips, VECTOR_CLASS<cPutEnemy>& enemies, VECTOR_CLASS<cEvent>& events);
    void Redo(VECTOR_CLASS<int>& chips, VECTOR_CLASS<cPutEnemy>& enemies, VECTOR_CLASS<cEvent>& events);
    void ClearHistory();

    // Bytes a step of these layers is taken to need.
    static unsigned StepSize(const VECTOR_CLASS<int>& chips, const VECTOR_CLASS<cPutEnemy>& enemies,
                             const VECTOR_CLASS<cEvent>& events);

private:
    // The active layer's six values, as a layer keeps them.
    auto ActiveTool() { return std::tie(Tool, Shape, PaletteNo, PaletteSub, SelW, SelH); }
    cUndoStore<int, cPutEnemy, cEvent> Store();  // over the two histories
};

extern cStageEditState g_StageEditState;
