// What the world-map editor remembers between messages: layer, tool and
// brush, the event to place and the clipboard, and the undo and redo
// histories of the chip layer and the events. None of it is stored in a file.
#pragma once

#include <string>
#include <tuple>

#include "editing/undo_history.h"
#include "model/worldmap.h"

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

// One history of the world map: a chip-layer copy and the placed events,
// in the order of the layer numbers.
using cWorldHistory = cUndoHistory<int, cWorldEvent>;

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

    // The store's push, undo and redo (editing/undo_history.h), three
    // snapshots deep.
    int PushUndo(cWorldHistory& history, const VECTOR_CLASS<int>& cells, const VECTOR_CLASS<cWorldEvent>& events);
    void Undo(VECTOR_CLASS<int>& cells, VECTOR_CLASS<cWorldEvent>& events);
    void Redo(VECTOR_CLASS<int>& cells, VECTOR_CLASS<cWorldEvent>& events);
    void ClearHistory();

    static unsigned SnapshotSize(const VECTOR_CLASS<int>& cells, const VECTOR_CLASS<cWorldEvent>& events);

private:
    auto ActiveTool() { return std::tie(Tool, Selecting, SelIndex, SelRow, BrushW, BrushH); }
    cUndoStore<int, cWorldEvent> Store();  // over the two histories
};

extern cWorldEditState g_WorldEditState;
