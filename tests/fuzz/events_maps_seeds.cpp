// Valid stage files, world maps, palettes and start events of the versions
// whose layouts differ.
#include "model/stage.h"
#include "model/worldmap.h"
#include "tests/fuzz/seeds.h"

namespace {

// An event with two pages and, from version 55 on (older files hold a shop
// list this program no longer writes), an action of every kind.
cEvent SampleEvent(int version) {
    cEvent event;
    event.X = 3;
    event.Y = 2;
    event.Name = "event";
    event.Pages.resize(2);
    event.Pages[1].CommandName = "cmd";
    if (version >= 55) {
        for (int kind = 0; kind < EACT_KIND_COUNT; ++kind) {
            cEventAct act;
            act.Kind = kind;
            act.FixupParams(ProjectFixupInputs());
            event.Pages[0].Acts.push_back(act);
        }
        event.Pages[0].Acts[EACT_MESSAGE].Strs[0] = "text";
    }
    return event;
}

}  // namespace

ORR_SEEDS(fuzz_events_maps) {
    std::vector<std::string> seeds;
    for (int version : {270, 127, 118, 114, 108, 100, 87, 84, 75, 68, 66, 60, 55, 47, 46, 42, 27, 26}) {
        cStage stage;
        stage.Resize(version % 2 ? 9 : 12, 7);
        stage.SetChip(1, 1, 2);
        stage.PutEnemies.resize(2);
        stage.PutEnemies[0].X = 4;
        stage.PutEnemies[0].Y = 4;
        stage.PutEnemies[1].MoveAI.resize(1);
        stage.Events.push_back(SampleEvent(version));
        stage.Groups[1].Cells.push_back({2, 3});
        stage.WinConds.resize(1);
        stage.WinConds[0].Text = "win";
        seeds.push_back(Stored(version, [&](HANDLE file) { stage.Save(file); }));
        cEvent event = SampleEvent(version);
        seeds.push_back(Stored(version, [&](HANDLE file) { event.Save(file); }));
        VECTOR_CLASS<cEvent> palette(1, event);
        seeds.push_back(StoredList(version, palette));
        VECTOR_CLASS<cEventActPlt> actions(2);
        actions[1].Name = "entry";
        actions[1].Acts = event.Pages[0].Acts;
        seeds.push_back(StoredList(version, actions));
    }
    for (int version : {270, 107, 106, 98, 97, 66, 54, 53, 50, 20}) {
        cWorldMap map;
        map.Resize(version % 2 ? 17 : 8, 5);
        map.Chips.resize(3);
        map.SetChip(2, 2, 1);
        map.PlaceAt(map.EventTemplates[0], 1, 1);
        map.Events[0].Pages[0].StageFile = "data\\stg\\a.stg";
        seeds.push_back(Stored(version, [&](HANDLE file) { map.Save(file); }));
    }
    return seeds;
}
