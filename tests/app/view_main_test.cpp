// The main frame's messages: quitting, activation, the end of a test play and
// the rebuild of the stage editor.
#include "app/dlg_chip.h"
#include "app/stage_edit_state.h"
#include "base/editor_settings.h"
#include "base/platform.h"
#include "editing/map_cursor.h"
#include "model/land.h"
#include "tests/app/editor_test.h"

using MainFrame = EditorTest;

TEST_F(MainFrame, QuitIsAskedAndNoKeepsEverything) {
    Boxes().Queue(IDNO);
    SendMessageA(g_hWndMain, WM_CLOSE, 0, 0);
    ASSERT_EQ(1u, Boxes().Count());
    EXPECT_EQ("終了しますか？\n", Boxes().Calls()[0].text);
    EXPECT_EQ("終了確認", Boxes().Calls()[0].caption);
    EXPECT_EQ(static_cast<unsigned>(MB_YESNO), Boxes().Calls()[0].type) << "no icon";
    EXPECT_TRUE(IsWindow(g_hWndMain));

    // Esc asks the same question; Yes ends the program.
    Boxes().Queue(IDYES);
    SendMessageA(g_hWndMain, WM_KEYDOWN, VK_ESCAPE, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, g_hWndMain, WM_CLOSE, WM_CLOSE, PM_REMOVE)) << "Esc posts WM_CLOSE";
    DispatchMessageA(&msg);
    EXPECT_EQ(2u, Boxes().Count());
    EXPECT_FALSE(IsWindow(g_hWndMain));
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the message loop ends";
}

TEST_F(MainFrame, TestPlayEndsOnlyWithCopyDataZero) {
    bTestPlay = 1;
    COPYDATASTRUCT data = {7, 0, nullptr};
    SendMessageA(g_hWndMain, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    EXPECT_EQ(1, bTestPlay) << "another numeric field is ignored";
    data.dwData = 0;
    SendMessageA(g_hWndMain, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    EXPECT_EQ(0, bTestPlay);
}

TEST_F(MainFrame, ActivationHidesOnlyAMinimisedEditor) {
    const LPARAM other = 1234;  // the thread of the other application
    SendMessageA(g_hWndMain, WM_ACTIVATEAPP, FALSE, other);
    EXPECT_EQ(0, g_bAppActive);
    EXPECT_TRUE(IsWindowVisible(StageWnd())) << "not minimised: nothing hides";

    g_bFocusRequest = 0;
    SendMessageA(g_hWndMain, WM_ACTIVATEAPP, TRUE, other);
    EXPECT_EQ(1, g_bAppActive);
    EXPECT_EQ(1, g_bFocusRequest);

    Stage()->SetMinimized(1);
    SendMessageA(g_hWndMain, WM_ACTIVATEAPP, FALSE, other);
    EXPECT_FALSE(IsWindowVisible(StageWnd()));
    EXPECT_TRUE(IsIconic(g_hWndMain));
    SendMessageA(g_hWndMain, WM_ACTIVATEAPP, TRUE, other);
    EXPECT_TRUE(IsWindowVisible(StageWnd()));
    EXPECT_EQ(0, Stage()->IsMinimized());

    // A position change only marks the application active.
    g_bAppActive = 0;
    SendMessageA(g_hWndMain, WM_WINDOWPOSCHANGING, 0, 0);
    EXPECT_EQ(1, g_bAppActive);
}

TEST_F(MainFrame, RebuildKeepsTheStageAndStartsInTheChipLayer) {
    HWND before = StageWnd();
    g_StageEditState.Layer = 2;
    g_MapCursor.m_pCur->nX = 5;
    SendMessageA(g_hWndMain, WM_VIEW_MAIN_RELOAD, RELOAD_STAGE_EDITOR, 0);
    ASSERT_NE(nullptr, g_lpStageWnd);
    EXPECT_FALSE(IsWindow(before)) << "the old stage editor is gone";
    EXPECT_TRUE(IsWindow(StageWnd()));
    EXPECT_EQ(1, g_StageEditState.StageOpen);
    EXPECT_EQ("data\\stg\\Sample.stg2", g_StageEditState.StagePath);
    EXPECT_EQ(0, g_StageEditState.Layer);
    EXPECT_EQ(0, g_MapCursor.m_pCur->nX);
    EXPECT_EQ(g_lpStageWnd, g_ViewMain.m_lpStageWnd);
}

namespace {
SIZE WindowSize(HWND wnd) {
    RECT r = {};
    GetWindowRect(wnd, &r);
    return {r.right - r.left, r.bottom - r.top};
}
}  // namespace

// The stage editor and the map-chip palette keep their window sizes (frame,
// menu and bars included) in their window records, and open at those sizes.
TEST_F(MainFrame, TheStageEditorAndItsPaletteReopenAtTheirWindowSizes) {
    ASSERT_NE(nullptr, Stage()->ChipPalette());
    const SIZE stage = WindowSize(StageWnd()), chips = WindowSize(Stage()->ChipPalette()->m_hWnd);
    SetWindowPos(StageWnd(), nullptr, 0, 0, stage.cx - 100, stage.cy - 60, SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(Stage()->ChipPalette()->m_hWnd, nullptr, 0, 0, chips.cx, chips.cy + 20, SWP_NOMOVE | SWP_NOZORDER);
    g_LandList.resize(64);  // rows enough for the taller palette
    const SIZE wantStage = WindowSize(StageWnd()), wantChips = WindowSize(Stage()->ChipPalette()->m_hWnd);
    SendMessageA(g_hWndMain, WM_VIEW_MAIN_RELOAD, RELOAD_STAGE_EDITOR, 0);
    ASSERT_NE(nullptr, g_lpStageWnd);
    const cWndPosInfo& main = g_EditConfig.MainWnd;
    const cWndPosInfo& chip = g_EditConfig.ChipWnd;
    EXPECT_EQ(wantStage.cx, main.Width);
    EXPECT_EQ(wantStage.cy, main.Height);
    EXPECT_EQ(wantChips.cx, chip.Width);
    EXPECT_EQ(wantChips.cy, chip.Height);
    ASSERT_NE(nullptr, Stage()->ChipPalette());
    const SIZE stageAgain = WindowSize(StageWnd()), chipsAgain = WindowSize(Stage()->ChipPalette()->m_hWnd);
    EXPECT_EQ(wantStage.cx, stageAgain.cx);
    EXPECT_EQ(wantStage.cy, stageAgain.cy);
    EXPECT_EQ(wantChips.cx, chipsAgain.cx);
    EXPECT_EQ(wantChips.cy, chipsAgain.cy);
}

TEST_F(MainFrame, OtherRebuildKindsAreIgnored) {
    DLG_MAIN* before = Stage();
    SendMessageA(g_hWndMain, WM_VIEW_MAIN_RELOAD, 2, 0);
    EXPECT_EQ(before, g_lpStageWnd) << "the stage editor is not deleted";
    EXPECT_TRUE(IsWindow(StageWnd()));
}

TEST_F(MainFrame, MinimiseBoxHidesTheEditorUntilRestored) {
    SendMessageA(StageWnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(1, Stage()->IsMinimized());
    EXPECT_FALSE(IsWindowVisible(StageWnd()));
    EXPECT_TRUE(IsIconic(g_hWndMain)) << "the task-bar entry stands for the editor";
    g_bFocusRequest = 0;
    SendMessageA(g_hWndMain, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(IsWindowVisible(StageWnd()));
    EXPECT_FALSE(IsIconic(g_hWndMain));
    EXPECT_EQ(0, Stage()->IsMinimized());
    EXPECT_EQ(1, g_bFocusRequest) << "the idle step gives the editor the focus";
}
