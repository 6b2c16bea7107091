// The world-map editor's tools as plain functions over the world map, the
// edit state and a cell: the chip pen, the rectangle pick-up and the placing
// of events. Window-free; the window feeds them the mouse.
#pragma once

#include <functional>

#include "editing/chip_tools.h"
#include "worldmap/world_edit_state.h"

// The world map's chip layer and the edit state's brush as the chip tools see them.
cChipGrid WorldChipGrid(cWorldMap& map);
cChipBrush WorldBrush(cWorldEditState& st);

// An undo snapshot of the map's cells and events; the redo history emptied.
// 0 when memory was too short and the history was cleared instead.
int WorldBeginEdit(cWorldMap& map, cWorldEditState& st);

// The chip pen at cell (x, y): the brush painted where it meets the map.
int WorldPenChips(cWorldMap& map, cWorldEditState& st, int x, int y);

// The right-button rectangle of the chip layer: started at a cell, and
// ended at another, which picks the cells between them up into the brush.
void WorldSelectStart(cWorldEditState& st, int x, int y);
void WorldSelectEnd(cWorldMap& map, cWorldEditState& st, int x, int y);

// The event-placing options of the editor settings.
struct cWorldPlaceOptions {
    int EditIfPlaced;
    int EditBeforePlace;
    int AutoNumber;
};
cWorldPlaceOptions WorldPlaceOptions();  // from g_EditConfig

// Runs the world-event editor on an event (is-new flag); 1 for OK. The
// editor takes the undo snapshot itself before it writes.
typedef std::function<int(cWorldEvent& event, int isNew)> WorldEventEditor;

// Whether a left press at (x, y) of the event layer opens the event editor
// (which then takes the snapshot) rather than taking one at once.
int WorldPressOpensEditor(cWorldMap& map, const cWorldPlaceOptions& options, int x, int y);

// The event pen at (x, y), inside the map and with a template chosen: the
// placed event there edited (EditIfPlaced), or a copy of the chosen template
// numbered (AutoNumber), edited first (EditBeforePlace) and placed. `work` is
// the window's working event. 1 when the map may have changed.
int WorldPenEvent(cWorldMap& map, cWorldEditState& st, const cWorldPlaceOptions& options, int x, int y,
                  cWorldEvent& work, const WorldEventEditor& edit);

// A copy of `event` numbered when AutoNumber is on (the event standing on
// (x, y) left out of the count) and placed on (x, y).
void WorldPlaceNumbered(cWorldMap& map, const cWorldPlaceOptions& options, const cWorldEvent& event, int x, int y);

// 1 when the world map may differ from its file; each opening of the
// world-map window clears it.
extern int g_bWorldMapChanged;
