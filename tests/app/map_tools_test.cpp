// The tools through the mouse, as the user draws: the previews against what a
// release applies, and the map-chip palette beside the stage editor.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "app/dlg_chip.h"
#include "app/stage_edit_state.h"
#include "base/editor_settings.h"
#include "model/land.h"
#include "model/stage.h"
#include "resources/stage_editor_ids.h"
#include "tests/app/editor_test.h"

namespace {

class MapTools : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        SetActiveWindow(StageWnd());
        PumpMessages();
        ASSERT_EQ(StageWnd(), GetActiveWindow());
        g_Stage.Resize(16, 12);
        g_Stage.ClearChips();
        // The previews lie over the enemies and events, the chips under them.
        g_Stage.PutEnemies.clear();
        g_Stage.Events.clear();
        SendMessageA(StageWnd(), WM_SIZE, 0, 0);
    }
    // A mouse message at the middle of a cell of the map view or of the palette.
    void Mouse(UINT msg, int x, int y, WPARAM keys = 0) { MouseAt(Stage(), msg, x, y, keys); }
    void ChipMouse(UINT msg, int column, int row) { MouseAt(Chips(), msg, column, row, MK_LBUTTON); }
    void MouseAt(WND_CLASS* wnd, UINT msg, int x, int y, WPARAM keys) {
        SendMessageA(wnd->m_hWnd, msg, keys, MAKELPARAM(x * 32 + 16 + wnd->m_nDrawX, y * 32 + 16 + wnd->m_nDrawY));
    }
    void Click(int x, int y) {
        Mouse(WM_LBUTTONDOWN, x, y, MK_LBUTTON);
        Mouse(WM_LBUTTONUP, x, y);
    }
    // The middle pixel of every cell of the map as the view shows it.
    std::vector<unsigned> Cells() {
        Stage()->OnPaint();
        std::vector<unsigned> cells;
        for (int y = 0; y < g_Stage.Height; ++y)
            for (int x = 0; x < g_Stage.Width; ++x) cells.push_back(ViewPixel(x * 32 + 16, y * 32 + 16));
        return cells;
    }
    DLG_CHIP* Chips() { return Stage()->ChipPalette(); }
};

}  // namespace

TEST_F(MapTools, TheLineAndTheRectangleApplyWhatTheyPreviewed) {
    g_Stage.SetChip(2, 1, 1);
    g_Stage.SetChip(3, 1, 2);
    Mouse(WM_RBUTTONDOWN, 2, 1, MK_RBUTTON);  // the two chips become the selection
    Mouse(WM_RBUTTONUP, 3, 1);
    ASSERT_EQ(2, g_StageEditState.SelW);
    EXPECT_EQ(0, Stage()->IsCurrentPage()) << "the pick's release is no right click once the layer changes";
    const struct {
        WORD tool;
        int x0, y0, x1, y1;
    } strokes[] = {{CM_TOOL_LINE, 1, 9, 14, 3}, {CM_TOOL_RECT, 12, 10, 6, 5}};
    for (const auto& s : strokes) {
        SendMessageA(Chips()->m_hWnd, WM_COMMAND, s.tool, 0);
        const std::vector<unsigned> before = Cells();
        Mouse(WM_LBUTTONDOWN, s.x0, s.y0, MK_LBUTTON);
        Mouse(WM_MOUSEMOVE, s.x1, s.y1, MK_LBUTTON);
        const std::vector<unsigned> preview = Cells();
        EXPECT_NE(before, preview) << s.tool;
        EXPECT_EQ(0, g_Stage.ChipAt(s.x1, s.y1)) << s.tool << ": nothing applied while the button is held";
        Mouse(WM_LBUTTONUP, s.x1, s.y1);
        EXPECT_EQ(preview, Cells()) << s.tool;
    }
}

TEST_F(MapTools, ChipPaletteChoosesChipsAndTool) {
    ASSERT_NE(nullptr, Chips());
    g_LandList.resize(9);
    g_LandList[8].Name = "九番";
    Chips()->UpdateLayout();
    RECT view;
    GetClientRect(Chips()->View().Window(), &view);
    EXPECT_EQ(64, view.bottom) << "nine chips are two rows";

    ChipMouse(WM_LBUTTONDOWN, 0, 1);
    char status[64] = {};
    SendMessageA(Chips()->m_hStatusBar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(status));
    EXPECT_STREQ("9 : 九番", status);
    ChipMouse(WM_LBUTTONDOWN, 1, 1);  // past the last chip: the pen paints nothing
    Click(4, 4);
    EXPECT_EQ(0, g_Stage.ChipAt(4, 4));
    EXPECT_FALSE(SendMessageA(Stage()->m_hToolBar, TB_ISBUTTONENABLED, CM_UNDO, 0)) << "nor records a step";

    // A drag over the chips keeps the pressed chip alone; blocks come from the map.
    ChipMouse(WM_LBUTTONDOWN, 2, 0);
    ChipMouse(WM_MOUSEMOVE, 1, 1);
    ChipMouse(WM_LBUTTONUP, 1, 1);
    EXPECT_EQ(2, g_StageEditState.PaletteNo) << "the pressed chip";
    EXPECT_EQ(1, g_StageEditState.SelW);
    EXPECT_EQ(1, g_StageEditState.SelH);
    Click(3, 3);
    EXPECT_EQ((std::vector<int>{2, 0, 0, 0}), (std::vector<int>{g_Stage.ChipAt(3, 3), g_Stage.ChipAt(4, 3),
                                                                g_Stage.ChipAt(3, 4), g_Stage.ChipAt(4, 4)}));

    SendMessageA(Chips()->m_hWnd, WM_COMMAND, CM_TOOL_FILL, 0);
    EXPECT_EQ(TOOL_FILL, g_StageEditState.Tool);
    // The close box does nothing; Space moves on to the next layer, which
    // takes the palette away; back in the chip layer it opens where it was.
    SendMessageA(Chips()->m_hWnd, WM_CLOSE, 0, 0);
    ASSERT_NE(nullptr, Chips());
    RECT place, again;
    GetWindowRect(Chips()->m_hWnd, &place);
    SendMessageA(Chips()->m_hWnd, WM_KEYDOWN, VK_SPACE, 0);
    PumpMessages();
    EXPECT_EQ(LAYER_ENEMY, g_StageEditState.Layer);
    EXPECT_EQ(nullptr, Chips());
    Command(CM_LAYER_CHIP);
    ASSERT_NE(nullptr, Chips());
    EXPECT_TRUE(SendMessageA(Chips()->m_hToolBar, TB_ISBUTTONCHECKED, CM_TOOL_FILL, 0)) << "the layer's tool";
    GetWindowRect(Chips()->m_hWnd, &again);
    EXPECT_EQ(place.left, again.left);
    EXPECT_EQ(place.top, again.top);
}
