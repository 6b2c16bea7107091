#include "worldmap/world_edit_state.h"

// Built after the data model's globals: it reads the world map's event templates.
__attribute__((init_priority(300))) cWorldEditState g_WorldEditState;

cWorldEditState::cWorldEditState() { Reset(); }

void cWorldEditState::Reset() {
    Target = nullptr;
    Layer = WLAYER_CHIP;
    Tool = 0;
    Selecting = 0;
    SelIndex = 0;
    SelRow = 0;
    BrushW = 1;
    BrushH = 1;
    AnchorX = -1;
    AnchorY = -1;
    Dragging = 0;
    ClipboardFull = 0;
    // The event layer's choice; its saved tool and selecting flag stay.
    cWorldLayerTool& event = LayerSaved[WLAYER_EVENT];
    const bool templates = !g_WorldMap.EventTemplates.empty();
    event.SelIndex = templates ? 0 : -1;
    event.SelRow = templates ? 0 : -1;
    event.BrushW = templates ? 1 : 0;
    event.BrushH = templates ? 1 : 0;
    if (templates) PlaceEvent = g_WorldMap.EventTemplates[0];
    ClearHistory();
}

int cWorldEditState::SwitchLayer(int layer) {
    if (layer < 0 || layer >= WORLD_LAYER_COUNT) return 0;
    if (layer != Layer) {
        LayerSaved[Layer].Tie() = ActiveTool();
        ActiveTool() = LayerSaved[layer].Tie();
    }
    Layer = layer;
    return 1;
}

void cWorldEditState::SetTool(int tool) {
    Tool = tool;
    if (tool == 0) Selecting = 0;
}

unsigned cWorldEditState::SnapshotSize(const VECTOR_CLASS<int>& cells, const VECTOR_CLASS<cWorldEvent>& events) {
    unsigned long long size = 4ull * cells.size() + 64ull * events.size();
    for (const cWorldEvent& event : events) size += 24ull * event.Pages.size();
    return CappedSize(size);
}

cUndoStore<int, cWorldEvent> cWorldEditState::Store() { return {UndoHistory, RedoHistory, UNDO_DEPTH, SnapshotSize}; }

int cWorldEditState::PushUndo(cWorldHistory& history, const VECTOR_CLASS<int>& cells,
                              const VECTOR_CLASS<cWorldEvent>& events) {
    return Store().Push(history, cells, events);
}

void cWorldEditState::Undo(VECTOR_CLASS<int>& cells, VECTOR_CLASS<cWorldEvent>& events) {
    Store().Step(UndoHistory, RedoHistory, cells, events);
}

void cWorldEditState::Redo(VECTOR_CLASS<int>& cells, VECTOR_CLASS<cWorldEvent>& events) {
    Store().Step(RedoHistory, UndoHistory, cells, events);
}

void cWorldEditState::ClearHistory() { Store().Clear(); }
