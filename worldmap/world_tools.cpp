#include "worldmap/world_tools.h"

#include "base/editor_settings.h"

int g_bWorldMapChanged = 0;

cChipGrid WorldChipGrid(cWorldMap& map) {
    return {map.Cells, map.Width, map.Height, map.Shift, static_cast<int>(map.Chips.size())};
}

cChipBrush WorldBrush(cWorldEditState& st) {
    return {&st.Brush[0][0], cWorldEditState::BRUSH_ROWS, cWorldEditState::BRUSH_COLUMNS, st.BrushW, st.BrushH};
}

int WorldBeginEdit(cWorldMap& map, cWorldEditState& st) {
    const int stored = st.PushUndo(st.UndoHistory, map.Cells, map.Events);
    st.RedoHistory.Clear();
    return stored;
}

int WorldPenChips(cWorldMap& map, cWorldEditState& st, int x, int y) {
    return PaintBrush(WorldChipGrid(map), WorldBrush(st), x, y);
}

void WorldSelectStart(cWorldEditState& st, int x, int y) {
    st.AnchorX = x;
    st.AnchorY = y;
    st.Selecting = 1;
    st.SelIndex = -1;
    st.Dragging = 1;
}

void WorldSelectEnd(cWorldMap& map, cWorldEditState& st, int x, int y) {
    if (!st.Dragging) return;
    PickRect(WorldChipGrid(map), WorldBrush(st), st.AnchorX, st.AnchorY, x, y);
    st.SetTool(st.Tool);
    st.Dragging = 0;
}

cWorldPlaceOptions WorldPlaceOptions() {
    return {g_EditConfig.EditIfPlaced, g_EditConfig.EditBeforePlace, g_EditConfig.AutoNumber};
}

int WorldPressOpensEditor(cWorldMap& map, const cWorldPlaceOptions& options, int x, int y) {
    return options.EditBeforePlace || (options.EditIfPlaced && map.HasEventAt(x, y));
}

void WorldPlaceNumbered(cWorldMap& map, const cWorldPlaceOptions& options, const cWorldEvent& event, int x, int y) {
    cWorldEvent copy;
    copy = event;
    if (options.AutoNumber) map.FixupEvents(copy, map.FindAt(x, y));
    map.PlaceAt(copy, x, y);
}

int WorldPenEvent(cWorldMap& map, cWorldEditState& st, const cWorldPlaceOptions& options, int x, int y,
                  cWorldEvent& work, const WorldEventEditor& edit) {
    if (st.SelIndex < 0 || st.BrushW < 1 || st.BrushH < 1 || !map.Inside(x, y)) return 0;
    if (cWorldEvent* placed = options.EditIfPlaced ? map.FindAt(x, y) : nullptr) return edit ? edit(*placed, 0) : 0;
    work = st.PlaceEvent;
    if (options.AutoNumber) map.FixupEvents(work, map.FindAt(x, y));
    if (options.EditBeforePlace && !(edit && edit(work, 1))) return 0;
    map.PlaceAt(work, x, y);
    return 1;
}
