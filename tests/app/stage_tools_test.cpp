// The stage editor's tools as plain functions: the fill and its depth limit,
// the rectangle, the pen at the map's edges, the pick-up and the undo steps
// of strokes. Maps are rows of chip digits; '9' names no land.
#include "app/stage_tools.h"

#include <string>
#include <vector>

#include "base/editor_settings.h"
#include "tests/model/records.h"

namespace {

using Rows = std::vector<std::string>;

class StageToolsTest : public RecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        g_LandList.resize(5);
        m_state.Layer = LAYER_CHIP;
    }
    void Draw(const Rows& rows) {
        m_stage.Resize(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
        m_stage.ClearChips();
        for (size_t y = 0; y < rows.size(); ++y)
            for (size_t x = 0; x < rows[y].size(); ++x) m_stage.SetChip(int(x), int(y), rows[y][x] - '0');
    }
    Rows Map() const {
        Rows rows(static_cast<size_t>(m_stage.Height));
        for (int y = 0; y < m_stage.Height; ++y)
            for (int x = 0; x < m_stage.Width; ++x) rows[y] += static_cast<char>('0' + m_stage.ChipAt(x, y));
        return rows;
    }
    void Select(const Rows& rows) {
        m_state.SelH = static_cast<int>(rows.size());
        m_state.SelW = static_cast<int>(rows[0].size());
        for (size_t r = 0; r < rows.size(); ++r)
            for (size_t c = 0; c < rows[r].size(); ++c)
                m_state.ChipSel[r * cStageEditState::SEL_SIZE + c] = rows[r][c] - '0';
    }
    // A stroke of the tool; an empty selection keeps the one there is.
    void Stroke(int tool, const Rows& selection, int x0, int y0, int x1, int y1) {
        if (!selection.empty()) Select(selection);
        m_state.SetToolShape(tool);
        ToolPress(m_stage, m_state, x0, y0);
        ToolDrag(m_stage, m_state, x1, y1);
        ToolRelease(m_stage, m_state, x1, y1);
    }

    ScopedFreeMemory m_memory{1u << 30};
    cStage m_stage;
    cStageEditState m_state;
};

}  // namespace

TEST_F(StageToolsTest, FillLaysTheSelectionFromTheClickedCell) {
    const struct {
        Rows map, selection;
        int x, y;
        Rows expected;
    } cases[] = {
        // Columns and rows wrap to the left of and above the clicked cell.
        {{"000000", "000000", "000000", "000000"}, {"23", "41"}, 3, 2, {"323232", "141414", "323232", "141414"}},
        {{"000000", "004400", "000000"}, {"123"}, 1, 1, {"312312", "314412", "312312"}},
        // Only the clicked chip's region; the same chip changes nothing.
        {{"0040", "4440", "0000"}, {"2"}, 3, 0, {"0042", "4442", "2222"}},
        {{"1100", "0100"}, {"1"}, 1, 0, {"1100", "0100"}},
    };
    for (const auto& c : cases) {
        Draw(c.map);
        Stroke(TOOL_FILL, c.selection, c.x, c.y, c.x, c.y);
        EXPECT_EQ(c.expected, Map()) << c.selection[0];
    }
}

TEST_F(StageToolsTest, WholeMapFillAndTheDepthLimit) {
    Draw(Rows(64, std::string(64, '0')));
    Select({"2"});
    EXPECT_EQ(64 * 64, FloodFill(m_stage, m_state, 10, 20));
    EXPECT_EQ(Rows(64, std::string(64, '2')), Map());

    // A region the fill walks deeper than its limit keeps cells it never
    // reached (no stage is this large; the limit is the fill's own).
    m_stage.Width = m_stage.Height = 100;
    m_stage.Shift = 7;
    m_stage.Chips.assign(128 * 100, 0);
    EXPECT_LT(FloodFill(m_stage, m_state, 99, 0), 100 * 100);
    EXPECT_EQ(2, m_stage.ChipAt(0, 49));
    EXPECT_EQ(0, m_stage.ChipAt(99, 99));
}

TEST_F(StageToolsTest, NothingIsWrittenOutsideTheMapOrWithoutALand) {
    const Rows blank = {"00000", "00000", "00000"};
    const struct {
        int tool;
        Rows selection;
        int x0, y0, x1, y1;
        Rows expected;
        size_t steps;
    } cases[] = {
        {TOOL_PEN, {"123", "123"}, 4, 2, 4, 2, {"00000", "00000", "00001"}, 1},
        {TOOL_PEN, {std::string(64, '2')}, 0, 1, 0, 1, {"00000", "22222", "00000"}, 1},
        {TOOL_PEN, {"192"}, 1, 0, 1, 0, {"01020", "00000", "00000"}, 1},
        {TOOL_PEN, {"91"}, 0, 0, 0, 0, blank, 0},  // no first chip: no stroke
        {TOOL_LINE, {"19"}, 0, 0, 4, 0, {"10101", "00000", "00000"}, 1},
        {TOOL_PEN, {"1"}, 5, 0, 5, 0, blank, 0},
        {TOOL_FILL, {"1"}, 0, -1, 0, -1, blank, 0},
    };
    for (const auto& c : cases) {
        Draw(blank);
        m_state.ClearHistory();
        Stroke(c.tool, c.selection, c.x0, c.y0, c.x1, c.y1);
        EXPECT_EQ(c.expected, Map()) << c.tool << " " << c.selection[0];
        EXPECT_EQ(c.steps, m_state.UndoHistory.Size()) << c.tool << " " << c.selection[0];
        for (int y = 0; y < m_stage.Height; ++y)
            for (int x = m_stage.Width; x < m_stage.Stride; ++x)
                EXPECT_EQ(0, m_stage.Chips[(y << m_stage.Shift) + x]) << "beyond the width";
    }
    int cells = 0;
    WalkLine(0, 0, 300, 0, [&](int, int, int) { ++cells; });
    EXPECT_EQ(LINE_CELL_LIMIT, cells);
}

TEST_F(StageToolsTest, RectangleBackwardsAndPickUp) {
    Draw({"1234", "4321", "0000", "0000"});
    // A right drag up and left takes 3 x 2 cells; the pen paints them as a block.
    PickUpStart(m_state, 2, 1);
    EXPECT_EQ(SHAPE_PICKUP, m_state.Shape);
    PickUpEnd(m_stage, m_state, 0, 0);
    EXPECT_EQ(TOOL_PEN, m_state.Shape);
    Stroke(TOOL_PEN, {}, 1, 2, 1, 2);
    EXPECT_EQ((Rows{"1234", "4321", "0123", "0432"}), Map());
    // A rectangle dragged up and left is tiled from its top-left cell.
    Stroke(TOOL_RECT, {"1", "4"}, 3, 3, 2, 0);
    EXPECT_EQ((Rows{"1211", "4344", "0111", "0444"}), Map());

    // The enemy layer takes each cell's first placed enemy.
    for (int x : {2, 0, 2}) {
        m_stage.PutEnemies.push_back(cPutEnemy());
        m_stage.PutEnemies.back().X = x;
        m_stage.PutEnemies.back().Y = 1;
    }
    m_state.Layer = LAYER_ENEMY;
    PickUpStart(m_state, 0, 1);
    EXPECT_EQ(-1, PickUpEnd(m_stage, m_state, 2, 1));
    EXPECT_EQ((std::vector<int>{1, -1, 0}), std::vector<int>(m_state.EnemySel, m_state.EnemySel + 3));
    EXPECT_EQ(-1, EnemyToEdit(m_stage, m_state, 2, 1)) << "a right double click needs 1 x 1";
    PickUpStart(m_state, 2, 1);
    EXPECT_EQ(0, PickUpEnd(m_stage, m_state, 2, 1));
    EXPECT_EQ(0, EnemyToEdit(m_stage, m_state, 2, 1));
}

TEST_F(StageToolsTest, EveryStrokeIsOneUndoStep) {
    Draw({"0000", "0000"});
    std::vector<Rows> before;
    const struct {
        int tool;
        const char* chip;
        int x0, y0, x1, y1;
    } strokes[] = {{TOOL_PEN, "1", 0, 0, 3, 0},
                   {TOOL_LINE, "1", 0, 1, 3, 1},
                   {TOOL_RECT, "1", 1, 0, 2, 0},
                   {TOOL_FILL, "2", 0, 0, 0, 0}};
    for (const auto& s : strokes) {
        before.push_back(Map());
        Stroke(s.tool, {s.chip}, s.x0, s.y0, s.x1, s.y1);
    }
    EXPECT_EQ((Rows{"2222", "2222"}), Map());
    for (int i = 3; i >= 1; --i) {  // an undo depth of 3
        m_state.Undo(m_stage.Chips, m_stage.PutEnemies, m_stage.Events);
        EXPECT_EQ(before[static_cast<size_t>(i)], Map()) << i;
    }
    EXPECT_EQ((Rows{"1001", "0000"}), Map()) << "the pen paints where the mouse is";
    m_state.Redo(m_stage.Chips, m_stage.PutEnemies, m_stage.Events);
    Stroke(TOOL_PEN, {"3"}, 0, 0, 0, 0);
    EXPECT_TRUE(m_state.RedoHistory.Empty()) << "a new stroke ends the redo history";
}

// Enemies on a 6 x 4 map: "A" (index 0) at (1,1), "B" (index 1) at (3,2).
TEST_F(StageToolsTest, TheEnemyPenTakesTheCellsAndPutsTheSelection) {
    const struct {
        const char* what;
        std::vector<int> selection;  // one row of enemy indices, -1 none
        int x, y;
        cCellPos wantA, wantB;
    } cases[] = {
        {"onto the other enemy", {0}, 3, 2, {3, 2}, {-1, -1}},
        {"onto its own cell", {0}, 1, 1, {1, 1}, {3, 2}},
        {"an empty selection cell clears its cell", {0, -1}, 2, 2, {2, 2}, {-1, -1}},
        {"a row stops at the right edge", {1, 0}, 5, 0, {1, 1}, {5, 0}},
        {"a stale index only clears", {7}, 3, 2, {1, 1}, {-1, -1}},
    };
    for (const auto& c : cases) {
        Draw({"000000", "000000", "000000", "000000"});
        m_stage.PutEnemies.assign(2, cPutEnemy());
        m_stage.PutEnemies[0].X = m_stage.PutEnemies[0].Y = 1;
        m_stage.PutEnemies[1].X = 3;
        m_stage.PutEnemies[1].Y = 2;
        m_state.Layer = LAYER_ENEMY;
        m_state.SelW = static_cast<int>(c.selection.size());
        m_state.SelH = 1;
        for (size_t i = 0; i < c.selection.size(); ++i) m_state.EnemySel[i] = c.selection[i];
        m_state.ClearHistory();
        EXPECT_EQ(1, ToolPress(m_stage, m_state, c.x, c.y)) << c.what;
        ToolRelease(m_stage, m_state, c.x, c.y);
        const cPutEnemy& a = m_stage.PutEnemies[0];
        const cPutEnemy& b = m_stage.PutEnemies[1];
        EXPECT_EQ(c.wantA, (cCellPos{a.X, a.Y})) << c.what;
        EXPECT_EQ(c.wantB, (cCellPos{b.X, b.Y})) << c.what;
        EXPECT_EQ(1u, m_state.UndoHistory.Size()) << c.what;
    }
    // A drag moves the enemy along; the stroke stays one undo step.
    m_state.EnemySel[0] = 0;
    m_state.SelW = 1;
    m_state.ClearHistory();
    ToolPress(m_stage, m_state, 0, 0);
    ToolDrag(m_stage, m_state, 4, 3);
    EXPECT_EQ((cCellPos{4, 3}), (cCellPos{m_stage.PutEnemies[0].X, m_stage.PutEnemies[0].Y}));
    EXPECT_EQ(1u, m_state.UndoHistory.Size());
}

TEST_F(StageToolsTest, TheEventPenPlacesEditsOrAsksAsTheOptionsSay) {
    g_EventPlt.assign(2, cEvent());
    g_EventPlt[1].Name = "宝箱";
    const struct {
        int ifPlaced, beforePlace, occupied, answer;
        const char* wantEdits;  // the dialogs the pen opened: "placed", "new"
        const char* wantAt;     // the event on (2,1) afterwards
        size_t wantSteps;
    } cases[] = {
        {0, 0, 0, 1, "", "宝箱", 1},       {0, 0, 1, 1, "", "宝箱", 1},  // placed over the other
        {1, 0, 1, 1, "placed", "看板", 0}, {1, 0, 0, 1, "", "宝箱", 1},
        {0, 1, 0, 0, "new", "", 0},  // cancelled: nothing placed, no step
        {1, 1, 1, 0, "placed", "看板", 0},
    };
    for (const auto& c : cases) {
        Draw({"0000", "0000"});
        m_stage.Events.clear();
        if (c.occupied) {
            cEvent sign;
            sign.Name = "看板";
            m_stage.PlaceAt(sign, 2, 1);
        }
        g_EditConfig.StageEditIfPlaced = c.ifPlaced;
        g_EditConfig.StageEditBeforePlace = c.beforePlace;
        m_state.Layer = LAYER_EVENT;
        m_state.PaletteNo = 1;
        m_state.ClearHistory();
        std::string edits;
        ToolPress(m_stage, m_state, 2, 1, [&](cEvent& event, int existing) {
            edits += existing ? "placed" : "new";
            EXPECT_EQ(existing ? "看板" : "宝箱", event.Name);
            return c.answer;
        });
        ToolRelease(m_stage, m_state, 2, 1);
        const cEvent* at = m_stage.FindAt(2, 1);
        EXPECT_EQ(c.wantEdits, edits) << c.ifPlaced << c.beforePlace << c.occupied;
        EXPECT_EQ(c.wantAt, at ? at->Name : "") << c.ifPlaced << c.beforePlace << c.occupied;
        EXPECT_EQ(c.wantSteps, m_state.UndoHistory.Size()) << c.ifPlaced << c.beforePlace << c.occupied;
    }
    // A direct stroke places along its way, over a placed event only without "配置済みなら編集".
    for (int ifPlaced : {0, 1}) {
        m_stage.Events.clear();
        cEvent sign;
        sign.Name = "看板";
        m_stage.PlaceAt(sign, 1, 0);
        g_EditConfig.StageEditIfPlaced = ifPlaced;
        g_EditConfig.StageEditBeforePlace = 0;
        ToolPress(m_stage, m_state, 0, 0);
        ToolDrag(m_stage, m_state, 0, 0);
        ToolDrag(m_stage, m_state, 1, 0);
        ToolDrag(m_stage, m_state, 2, 0);
        EXPECT_EQ(3u, m_stage.Events.size()) << ifPlaced;
        EXPECT_EQ(ifPlaced ? "看板" : "宝箱", m_stage.FindAt(1, 0)->Name);
    }
    m_state.PaletteNo = 2;  // past the palette: nothing to place
    m_stage.Events.clear();
    EXPECT_EQ(0, ToolPress(m_stage, m_state, 0, 0));
    EXPECT_TRUE(m_stage.Events.empty());
    g_EventPlt.clear();
}
