// Arbitrary bytes as a stage file, as "WorldMap.dat", as the event and action
// palettes and as the start event. A load either fails and leaves the target
// as it was, or succeeds with a geometry that fits its chip layer and every
// index in range; then saving, loading and saving again gives the same bytes.
#include <cstdint>
#include <string>

#include "model/chara.h"
#include "model/land.h"
#include "model/stage.h"
#include "model/worldmap.h"
#include "tests/fuzz/fuzz_options.h"
#include "tests/fuzz/list_fuzz.h"
#include "tests/support/seams.h"

namespace {

template <class T>
bool Load(T& record) {
    static const T fresh;
    return FuzzLoadRecord(record, fresh);
}

void FuzzStage() {
    cStage stage;
    if (!Load(stage)) return;
    FuzzCheck(stage.Width >= 1 && stage.Width <= cStage::MAX_SIZE && stage.Height >= 1 &&
              stage.Height <= cStage::MAX_SIZE);
    FuzzCheck(stage.Stride == 1 << stage.Shift && stage.Shift == StageRowShift(stage.Width));
    FuzzCheck(stage.Chips.size() == static_cast<size_t>(stage.Stride) * stage.Height);
    for (int y = 0; y < stage.Height; ++y)
        for (int x = 0; x < stage.Width; ++x)
            FuzzCheck(static_cast<unsigned>(stage.ChipAt(x, y)) < g_LandList.size() || stage.ChipAt(x, y) == 0);
    for (const cEvent& e : stage.Events) FuzzCheck(e.X < stage.Width && e.Y < stage.Height);
    for (const cPutEnemy& e : stage.PutEnemies) FuzzCheck(e.X < stage.Width && e.Y < stage.Height);
    FuzzRecordStable(stage);
}

void FuzzWorldMap() {
    cWorldMap map;
    if (!Load(map)) return;
    FuzzCheck(map.Width >= 1 && map.Width <= cWorldMap::MAX_WIDTH && map.Height >= 1 &&
              map.Height <= cWorldMap::MAX_HEIGHT);
    FuzzCheck(map.Pitch == 1 << map.Shift && map.Pitch >= map.Width && map.Pitch < 2 * map.Width + 1);
    FuzzCheck(map.Cells.size() == static_cast<size_t>(map.Pitch) * map.Height);
    for (const cWorldEvent& e : map.Events) FuzzCheck(e.X < map.Width && e.Y < map.Height);
    FuzzRecordStable(map);
}

void FuzzStartEvent() {
    cEvent event;
    if (!Load(event)) return;
    for (const cEventPage& page : event.Pages)
        for (const cEventAct& act : page.Acts) {
            FuzzCheck(IsEventActKind(act.Kind));
            FuzzCheck(act.Ints.size() == static_cast<size_t>(g_EventActKind[act.Kind].nIntNum));
            FuzzCheck(act.Strs.size() == static_cast<size_t>(g_EventActKind[act.Kind].nStrNum));
        }
    FuzzRecordStable(event);
}

}  // namespace

// The largest seed, a stage of 12 x 7 with events, is about 1.9 KB.
ORR_FUZZ_OPTIONS(2000)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScopedMainWindow mainWindow;  // index errors are recorded, not acted on
    static const bool lists = [] {
        // Small lists, so that the fix-ups clamp both ways.
        g_LandList.resize(3);
        g_FriendList.resize(2);
        g_EnemyList.resize(2);
        g_SkillLists.resize(1);
        return true;
    }();
    (void)lists;
    ScopedMainWindow::Actions().clear();
    SetFuzzInput(data, size);
    FuzzStage();
    FuzzWorldMap();
    FuzzStartEvent();
    FuzzList<cEvent>();
    FuzzList<cEventActPlt>();
    return 0;
}
