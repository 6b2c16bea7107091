// What the world-map editor remembers between messages: layer, tool and
// brush, the event to place and the clipboard, and the undo and redo
// histories of the chip layer and the events. None of it is stored in a file.
#pragma once

#include <string>
#include <tuple>

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

extern cWorldEditState g_WorldEditState;
