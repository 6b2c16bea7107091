#include "app/stage_edit_state.h"

#include <algorithm>

#include "base/editor_settings.h"
#include "base/platform.h"
#include "model/stage.h"

namespace {

// Sizes are estimates in bytes; a sum that would pass 4 GB is taken as 4 GB,
// which no free memory is above.
unsigned AddCapped(unsigned long long sum) {
    return static_cast<unsigned>(std::min<unsigned long long>(sum, 0xFFFFFFFFull));
}

}  // namespace

// Built after the data model's globals: it reads the stage's events.
__attribute__((init_priority(300))) cStageEditState g_StageEditState;

void cStageHistory::Clear() {
    Chips.clear();
    Enemies.clear();
    Events.clear();
}

cStageEditState::cStageEditState() {
    Reset();
}

void cStageEditState::Reset() {
    StageOpen = 0;
    StageChanged = 0;
    PaletteChanged = 0;
    Layer = LAYER_CHIP;
    Tool = TOOL_PEN;
    Shape = TOOL_PEN;
    PaletteNo = 0;
    PickX = -1;
    PickY = -1;
    SelW = 1;
    SelH = 1;
    CurrentEvent = nullptr;
    cStageLayerTool& enemy = LayerSaved[LAYER_ENEMY];
    enemy.PaletteNo = -1;
    enemy.SelW = 0;
    enemy.SelH = 0;
    cStageLayerTool& event = LayerSaved[LAYER_EVENT];
    const bool events = !g_Stage.Events.empty();
    event.PaletteNo = events ? 0 : -1;
    event.SelW = events ? 1 : 0;
    event.SelH = events ? 1 : 0;
}

void cStageEditState::SaveLayerTool(int layer) {
    if (layer < 0 || layer >= STAGE_LAYER_COUNT) return;
    LayerSaved[layer].Tie() = ActiveTool();
}

void cStageEditState::LoadLayerTool(int layer) {
    if (layer < 0 || layer >= STAGE_LAYER_COUNT) return;
    ActiveTool() = LayerSaved[layer].Tie();
}

unsigned cStageEditState::StepSize(const VECTOR_CLASS<int>& chips,
                                   const VECTOR_CLASS<cPutEnemy>& enemies,
                                   const VECTOR_CLASS<cEvent>& events) {
    unsigned long long size = 4ull * chips.size() + 56ull * enemies.size() + 80ull * events.size();
    for (const cPutEnemy& enemy : enemies) size += 24ull * enemy.MoveAI.size();
    for (const cEvent& event : events) size += 24ull * event.Pages.size();
    return AddCapped(size);
}

int cStageEditState::PushHistory(cStageHistory& history, const VECTOR_CLASS<int>& chips,
                                 const VECTOR_CLASS<cPutEnemy>& enemies,
                                 const VECTOR_CLASS<cEvent>& events) {
    if (GetAvailPhysMemory() <= StepSize(chips, enemies, events)) {
        ClearHistory();
        return 0;
    }
    const size_t depth = static_cast<size_t>(std::max(g_EditConfig.UndoDepth, 1));
    if (history.Size() >= depth) {
        history.Chips.pop_front();
        history.Enemies.pop_front();
        history.Events.pop_front();
    }
    history.Chips.push_back(chips);
    history.Enemies.push_back(enemies);
    history.Events.push_back(events);
    return 1;
}

void cStageEditState::Step(cStageHistory& from, cStageHistory& to, VECTOR_CLASS<int>& chips,
                           VECTOR_CLASS<cPutEnemy>& enemies, VECTOR_CLASS<cEvent>& events) {
    if (from.Empty()) return;
    if (!PushHistory(to, chips, enemies, events))
        return;  // the step to restore is gone with the history
    chips = from.Chips.back();
    from.Chips.pop_back();
    enemies.Assign(from.Enemies.back());
    from.Enemies.pop_back();
    events.Assign(from.Events.back());
    from.Events.pop_back();
}

void cStageEditState::Undo(VECTOR_CLASS<int>& chips, VECTOR_CLASS<cPutEnemy>& enemies,
                           VECTOR_CLASS<cEvent>& events) {
    Step(UndoHistory, RedoHistory, chips, enemies, events);
}

void cStageEditState::Redo(VECTOR_CLASS<int>& chips, VECTOR_CLASS<cPutEnemy>& enemies,
                           VECTOR_CLASS<cEvent>& events) {
    Step(RedoHistory, UndoHistory, chips, enemies, events);
}

void cStageEditState::ClearHistory() {
    UndoHistory.Clear();
    RedoHistory.Clear();
}

