// Arbitrary bytes as a stage file, as "WorldMap.dat", as the event and action
// palettes and as the start event. A load either fails and leaves the target
// as it was, or succeeds with a geometry that fits its chip layer and every
// index in range; then saving, loading and saving again gives the same bytes.
#include <unistd.h>

#include <cstdint>
#include <string>

#include "model/chara.h"
#include "model/edit_state.h"
#include "model/land.h"
#include "tests/support/seams.h"

namespace {

const std::string& InputPath() {
    static const std::string path = "fuzz_records3_" + std::to_string(getpid()) + ".dat";
    return path;
}
const std::string& SavedPath() {
    static const std::string path = "fuzz_records3_" + std::to_string(getpid()) + "_saved.dat";
    return path;
}

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

template <class T>
void CheckStable(T& record) {
    Check(record.SaveFile(SavedPath().c_str()) == 1);
    const std::string first = ReadFileBytes(SavedPath().c_str());
    T again;
    Check(again.LoadFile(SavedPath().c_str()) == 1);
    Check(again.SaveFile(SavedPath().c_str()) == 1);
    Check(ReadFileBytes(SavedPath().c_str()) == first);
}

template <class T>
bool Load(T& record) {
    const T fresh;
    record.CopyFrom(fresh);
    if (record.LoadFile(InputPath().c_str())) return true;
    Check(record.Compare(fresh) == 1);
    return false;
}

void FuzzStage() {
    cStage stage;
    if (!Load(stage)) return;
    Check(stage.Width >= 1 && stage.Width <= cStage::MAX_SIZE && stage.Height >= 1 &&
          stage.Height <= cStage::MAX_SIZE);
    Check(stage.Stride == 1 << stage.Shift && stage.Shift == StageRowShift(stage.Width));
    Check(stage.Chips.size() == static_cast<size_t>(stage.Stride) * stage.Height);
    for (int y = 0; y < stage.Height; ++y)
        for (int x = 0; x < stage.Width; ++x)
            Check(static_cast<unsigned>(stage.ChipAt(x, y)) < g_LandList.size() || stage.ChipAt(x, y) == 0);
    for (const cEvent& e : stage.Events) Check(e.X < stage.Width && e.Y < stage.Height);
    for (const cPutEnemy& e : stage.PutEnemies) Check(e.X < stage.Width && e.Y < stage.Height);
    CheckStable(stage);
}

void FuzzWorldMap() {
    cWorldMap map;
    if (!Load(map)) return;
    Check(map.Width >= 1 && map.Width <= cWorldMap::MAX_WIDTH && map.Height >= 1 &&
          map.Height <= cWorldMap::MAX_HEIGHT);
    Check(map.Pitch == 1 << map.Shift && map.Pitch >= map.Width && map.Pitch < 2 * map.Width + 1);
    Check(map.Cells.size() == static_cast<size_t>(map.Pitch) * map.Height);
    for (const cWorldEvent& e : map.Events) Check(e.X < map.Width && e.Y < map.Height);
    CheckStable(map);
}

void FuzzStartEvent() {
    cEvent event;
    if (!Load(event)) return;
    for (const cEventPage& page : event.Pages)
        for (const cEventAct& act : page.Acts) {
            Check(IsEventActKind(act.Kind));
            Check(act.Ints.size() == static_cast<size_t>(g_EventActKind[act.Kind].nIntNum));
            Check(act.Strs.size() == static_cast<size_t>(g_EventActKind[act.Kind].nStrNum));
        }
    CheckStable(event);
}

template <class T>
void FuzzList() {
    VECTOR_CLASS<T> list(1);
    const VECTOR_CLASS<T> fresh(1);
    if (!LoadRecordList(list, InputPath())) {
        Check(list.size() == 1 && list[0].Compare(fresh[0]) == 1);
        return;
    }
    Check(SaveRecordList(list, SavedPath()) == 1);
    const std::string first = ReadFileBytes(SavedPath().c_str());
    VECTOR_CLASS<T> again;
    Check(LoadRecordList(again, SavedPath()) == 1);
    Check(SaveRecordList(again, SavedPath()) == 1);
    Check(ReadFileBytes(SavedPath().c_str()) == first);
}

}  // namespace

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
    if (!WriteFileBytes(InputPath().c_str(), std::string(reinterpret_cast<const char*>(data), size))) return 0;
    FuzzStage();
    FuzzWorldMap();
    FuzzStartEvent();
    FuzzList<cEvent>();
    FuzzList<cEventActPlt>();
    return 0;
}
