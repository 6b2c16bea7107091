// The undo and redo histories of the stage and world-map editors, their
// depth and memory check, and the layer state of both edit states.
#include "app/stage_edit_state.h"
#include "model/stage.h"
#include "tests/model/records.h"
#include "worldmap/world_edit_state.h"

namespace {

// The three layers of a stage whose first chip, enemy count and event count
// say which step it is.
struct Layers {
    VECTOR_CLASS<int> chips = VECTOR_CLASS<int>(480, 0);
    VECTOR_CLASS<cPutEnemy> enemies;
    VECTOR_CLASS<cEvent> events;

    void Become(int step) {
        chips[0] = step;
        enemies.resize(static_cast<size_t>(step));
        events.resize(static_cast<size_t>(step));
    }
    int Step() const { return chips[0]; }
};

class EditStateTest : public SizedRecordsTest {
protected:
    // As the stage editor records an edit: push onto the undo history, then
    // empty the redo history whatever the push returned.
    int Edit(Layers& layers, int step) {
        const int pushed = m_state.PushHistory(m_state.UndoHistory, layers.chips, layers.enemies, layers.events);
        m_state.RedoHistory.Clear();
        layers.Become(step);
        return pushed;
    }
    void Undo(Layers& l) { m_state.Undo(l.chips, l.enemies, l.events); }
    void Redo(Layers& l) { m_state.Redo(l.chips, l.enemies, l.events); }
    std::vector<int> UndoSteps() const {
        std::vector<int> steps;
        for (const auto& chips : m_state.UndoHistory.Steps<LAYER_CHIP>()) steps.push_back(chips[0]);
        return steps;
    }

    ScopedFreeMemory m_memory{1u << 30};
    cStageEditState m_state;
};

TEST_F(EditStateTest, DepthKeepsTheNewestSteps) {
    Layers layers;
    for (int step = 1; step <= 5; ++step) EXPECT_EQ(1, Edit(layers, step));
    EXPECT_EQ((std::vector<int>{2, 3, 4}), UndoSteps());
    EXPECT_EQ(3u, m_state.UndoHistory.Steps<LAYER_ENEMY>().size());
    EXPECT_EQ(3u, m_state.UndoHistory.Steps<LAYER_EVENT>().size());

    Undo(layers);
    EXPECT_EQ(4, layers.Step());
    EXPECT_EQ(4u, layers.enemies.size());
    EXPECT_EQ(4u, layers.events.size());
    EXPECT_EQ(1u, m_state.RedoHistory.Size());
    Undo(layers);
    Undo(layers);
    EXPECT_EQ(2, layers.Step());
    Undo(layers);  // nothing left: nothing changes, not even the redo history
    EXPECT_EQ(2, layers.Step());
    EXPECT_EQ(3u, m_state.RedoHistory.Size());

    Redo(layers);
    Redo(layers);
    EXPECT_EQ(4, layers.Step());
    Edit(layers, 9);  // a new edit ends the redo history
    EXPECT_TRUE(m_state.RedoHistory.Empty());
    Redo(layers);
    EXPECT_EQ(9, layers.Step());
    Undo(layers);
    EXPECT_EQ(4, layers.Step());
}

TEST_F(EditStateTest, DepthLoweredOrBelowOne) {
    g_EditConfig.UndoDepth = 5;
    Layers layers;
    for (int step = 1; step <= 5; ++step) Edit(layers, step);
    g_EditConfig.UndoDepth = 3;
    Edit(layers, 6);  // one dropped, one added
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5}), UndoSteps());

    for (int depth : {0, -7, 1}) {
        g_EditConfig.UndoDepth = depth;
        m_state.ClearHistory();
        Edit(layers, 7);
        Edit(layers, 8);
        EXPECT_EQ((std::vector<int>{7}), UndoSteps()) << depth;
    }
}

TEST_F(EditStateTest, ShortMemoryEmptiesBothHistories) {
    Layers layers;
    layers.events.resize(2);
    layers.events[1].Pages.resize(3);
    layers.enemies.resize(1);
    layers.enemies[0].MoveAI.resize(2);
    // 4 per cell, 56 per enemy, 24 per rule, 80 per event, 24 per page.
    const unsigned size = 4 * 480 + 56 + 2 * 24 + 2 * 80 + 4 * 24;
    EXPECT_EQ(size, cStageEditState::StepSize(layers.chips, layers.enemies, layers.events));

    Edit(layers, 1);
    Edit(layers, 2);
    Undo(layers);
    ASSERT_EQ(1u, m_state.RedoHistory.Size());
    ScopedFreeMemory low(cStageEditState::StepSize(layers.chips, layers.enemies, layers.events));
    EXPECT_EQ(0, m_state.PushHistory(m_state.UndoHistory, layers.chips, layers.enemies, layers.events));
    EXPECT_TRUE(m_state.UndoHistory.Empty());
    EXPECT_TRUE(m_state.RedoHistory.Empty());
}

TEST_F(EditStateTest, UndoWhosePushFailsLeavesTheLayers) {
    Layers layers;
    Edit(layers, 1);
    Edit(layers, 2);
    ScopedFreeMemory low(10);
    Undo(layers);
    EXPECT_EQ(2, layers.Step());
    EXPECT_EQ(2u, layers.events.size());
    EXPECT_TRUE(m_state.UndoHistory.Empty());
    Redo(layers);
    EXPECT_EQ(2, layers.Step());
}

TEST_F(EditStateTest, ResetChoosesTheEventLayersStart) {
    m_state.Layer = LAYER_EVENT;
    m_state.StageOpen = 1;
    m_state.SelW = 4;
    m_state.PickX = 3;
    m_state.Clipboard.Name = "残る";
    Layers layers;
    Edit(layers, 1);
    g_Stage.Events.clear();
    m_state.Reset();
    EXPECT_EQ(LAYER_CHIP, m_state.Layer);
    EXPECT_EQ(0, m_state.StageOpen);
    EXPECT_EQ(1, m_state.SelW);
    EXPECT_EQ(-1, m_state.PickX);
    EXPECT_EQ(-1, m_state.LayerSaved[LAYER_ENEMY].PaletteNo);
    EXPECT_EQ(0, m_state.LayerSaved[LAYER_ENEMY].SelW);
    EXPECT_EQ(-1, m_state.LayerSaved[LAYER_EVENT].PaletteNo);
    EXPECT_EQ(0, m_state.LayerSaved[LAYER_EVENT].SelH);
    EXPECT_EQ("残る", m_state.Clipboard.Name);
    EXPECT_EQ(1u, m_state.UndoHistory.Size());

    g_Stage.Events.resize(1);
    m_state.Reset();
    EXPECT_EQ(0, m_state.LayerSaved[LAYER_EVENT].PaletteNo);
    EXPECT_EQ(1, m_state.LayerSaved[LAYER_EVENT].SelW);

    // A fresh state: two work events of one default page each.
    cStageEditState fresh;
    EXPECT_EQ(1u, fresh.WorkEvent.Pages.size());
    EXPECT_EQ(1u, fresh.Clipboard.Pages.size());
    EXPECT_EQ(1, fresh.LayerSaved[LAYER_CHIP].SelW);

    m_state.Tool = TOOL_FILL;
    m_state.SaveLayerTool(LAYER_CHIP);
    m_state.LoadLayerTool(LAYER_EVENT);
    EXPECT_EQ(0, m_state.Tool);
    m_state.LoadLayerTool(LAYER_CHIP);
    EXPECT_EQ(TOOL_FILL, m_state.Tool);
}

// ---- World map -------------------------------------------------------------------

class WorldEditTest : public SizedRecordsTest {
protected:
    void Edit(int step) {
        m_state.PushUndo(m_state.UndoHistory, m_cells, m_events);
        m_state.RedoHistory.Clear();
        m_cells[0] = step;
        m_events.resize(static_cast<size_t>(step));
    }
    void Undo() { m_state.Undo(m_cells, m_events); }
    void Redo() { m_state.Redo(m_cells, m_events); }

    ScopedFreeMemory m_memory{1u << 30};
    cWorldEditState m_state;
    VECTOR_CLASS<int> m_cells = VECTOR_CLASS<int>(480, 0);
    VECTOR_CLASS<cWorldEvent> m_events;
};

TEST_F(WorldEditTest, HistoryHoldsThreeSnapshots) {
    for (int step = 1; step <= 4; ++step) Edit(step);
    Undo();
    Undo();
    Undo();
    EXPECT_EQ(1, m_cells[0]);
    EXPECT_EQ(1u, m_events.size());
    Undo();  // the first edit's snapshot was dropped
    EXPECT_EQ(1, m_cells[0]);
    Redo();
    Redo();
    EXPECT_EQ(3, m_cells[0]);
    Undo();  // works again after a redo
    EXPECT_EQ(2, m_cells[0]);
    Edit(7);
    EXPECT_TRUE(m_state.RedoHistory.Empty());
}

TEST_F(WorldEditTest, ShortMemoryClearsInsteadOfStoring) {
    m_events.resize(2);
    m_events[0].Pages.resize(2);
    EXPECT_EQ(4u * 480 + 2 * 64 + 3 * 24, cWorldEditState::SnapshotSize(m_cells, m_events));
    Edit(1);
    Edit(2);
    ScopedFreeMemory low(100);
    Undo();
    EXPECT_EQ(2, m_cells[0]);
    EXPECT_TRUE(m_state.UndoHistory.Empty());
    EXPECT_TRUE(m_state.RedoHistory.Empty());
    EXPECT_EQ(0, m_state.PushUndo(m_state.UndoHistory, m_cells, m_events));
}

TEST_F(WorldEditTest, LayersKeepTheirOwnSelection) {
    g_WorldMap.EventTemplates.resize(2);
    g_WorldMap.EventTemplates[0].Name = "村";
    m_state.Brush[0][0] = 5;
    m_state.LayerSaved[WLAYER_EVENT].Tool = 2;
    m_state.LayerSaved[WLAYER_EVENT].Selecting = 1;
    m_state.Reset();
    EXPECT_EQ(5, m_state.Brush[0][0]);  // the brush keeps its chips
    // Only the event layer's choice is set; its tool and selecting flag stay.
    EXPECT_EQ(2, m_state.LayerSaved[WLAYER_EVENT].Tool);
    EXPECT_EQ(1, m_state.LayerSaved[WLAYER_EVENT].Selecting);
    m_state.LayerSaved[WLAYER_EVENT].Tool = 0;
    m_state.LayerSaved[WLAYER_EVENT].Selecting = 0;
    EXPECT_EQ("村", m_state.PlaceEvent.Name);
    m_state.SelIndex = 4;
    m_state.BrushW = 3;
    m_state.BrushH = 2;
    m_state.SetTool(0);
    EXPECT_EQ(1, m_state.SwitchLayer(WLAYER_EVENT));
    EXPECT_EQ(0, m_state.SelIndex);
    EXPECT_EQ(1, m_state.BrushW);
    EXPECT_EQ(0, m_state.SwitchLayer(2));
    EXPECT_EQ(WLAYER_EVENT, m_state.Layer);
    EXPECT_EQ(1, m_state.SwitchLayer(WLAYER_CHIP));
    EXPECT_EQ(4, m_state.SelIndex);
    EXPECT_EQ(3, m_state.BrushW);
    EXPECT_EQ(2, m_state.BrushH);

    g_WorldMap.EventTemplates.clear();
    Edit(1);
    m_state.Reset();
    EXPECT_TRUE(m_state.UndoHistory.Empty());
    EXPECT_EQ(-1, m_state.AnchorX);
    m_state.SwitchLayer(WLAYER_EVENT);
    EXPECT_EQ(-1, m_state.SelIndex);
    EXPECT_EQ(-1, m_state.SelRow);
    EXPECT_EQ(0, m_state.BrushW);
    EXPECT_EQ(0, m_state.BrushH);
}

}  // namespace
