#include "app/stage_edit_state.h"

#include <algorithm>

#include "base/editor_settings.h"
#include "model/stage.h"

// Built after the data model's globals: it reads the stage's events.
__attribute__((init_priority(300))) cStageEditState g_StageEditState;

cStageEditState::cStageEditState() { Reset(); }

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
    Stroke = 0;
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

void cStageEditState::SetToolShape(int tool) {
    Tool = tool;
    if (tool >= TOOL_PEN && tool <= TOOL_FILL) Shape = tool;
}

void cStageEditState::SaveLayerTool(int layer) {
    if (layer < 0 || layer >= STAGE_LAYER_COUNT) return;
    LayerSaved[layer].Tie() = ActiveTool();
}

void cStageEditState::LoadLayerTool(int layer) {
    if (layer < 0 || layer >= STAGE_LAYER_COUNT) return;
    ActiveTool() = LayerSaved[layer].Tie();
}

unsigned cStageEditState::StepSize(const VECTOR_CLASS<int>& chips, const VECTOR_CLASS<cPutEnemy>& enemies,
                                   const VECTOR_CLASS<cEvent>& events) {
    unsigned long long size = 4ull * chips.size() + 56ull * enemies.size() + 80ull * events.size();
    for (const cPutEnemy& enemy : enemies) size += 24ull * enemy.MoveAI.size();
    for (const cEvent& event : events) size += 24ull * event.Pages.size();
    return CappedSize(size);
}

cUndoStore<int, cPutEnemy, cEvent> cStageEditState::Store() {
    const size_t depth = static_cast<size_t>(std::max(g_EditConfig.UndoDepth, 1));
    return {UndoHistory, RedoHistory, depth, StepSize};
}

int cStageEditState::PushHistory(cStageHistory& history, const VECTOR_CLASS<int>& chips,
                                 const VECTOR_CLASS<cPutEnemy>& enemies, const VECTOR_CLASS<cEvent>& events) {
    return Store().Push(history, chips, enemies, events);
}

void cStageEditState::Undo(VECTOR_CLASS<int>& chips, VECTOR_CLASS<cPutEnemy>& enemies, VECTOR_CLASS<cEvent>& events) {
    Store().Step(UndoHistory, RedoHistory, chips, enemies, events);
}

void cStageEditState::Redo(VECTOR_CLASS<int>& chips, VECTOR_CLASS<cPutEnemy>& enemies, VECTOR_CLASS<cEvent>& events) {
    Store().Step(RedoHistory, UndoHistory, chips, enemies, events);
}

void cStageEditState::ClearHistory() { Store().Clear(); }
