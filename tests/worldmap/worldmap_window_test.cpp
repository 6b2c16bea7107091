// The world-map window driven as a user would: strokes of the pen, the
// rectangle, undo and redo, the event pop-up, the settings, saving and the
// close question, and what the view paints.
#include <windows.h>
#include <commctrl.h>

#include "base/editor_settings.h"
#include "base/file.h"
#include "base/paths.h"
#include "media/image_table.h"
#include "resources/stage_editor_ids.h"
#include "resources/worldmap_ids.h"
#include "tests/support/updown.h"
#include "tests/worldmap/worldmap_test_support.h"
#include "worldmap/dlg_worldchip.h"
#include "worldmap/dlg_worldevent.h"
#include "worldmap/world_tools.h"

namespace {

bool ButtonEnabled(DLG_WORLDMAP* w, UINT id) { return SendMessageA(w->m_hToolBar, TB_ISBUTTONENABLED, id, 0) != 0; }
bool PopupGrayed(DLG_WORLDMAP* w, UINT id) { return GetMenuState(w->Popup(), id, MF_BYCOMMAND) & MF_GRAYED; }

int FailWrites(int step) { return step == FILE_FAULT_WRITE; }

// Saves fail while it lives.
struct FullDisk {
    FullDisk() { m_old = SetFileFaultHook(FailWrites); }
    ~FullDisk() { SetFileFaultHook(m_old); }
    FileFaultHook m_old;
};

void SetEditText(HWND dlg, int id, const char* text) { SetDlgItemTextA(dlg, id, text); }

cWorldEvent NamedEvent(const char* name) {
    cWorldEvent e;
    e.Name = name;
    return e;
}

}  // namespace

TEST_F(WorldMapTest, UndoKeepsThreeStrokesAndANewStrokeEmptiesRedo) {
    ASSERT_GE(g_WorldMap.Chips.size(), 2u);
    World()->m_lpChipPalette->ChooseAt(40, 5);  // chip 1
    EXPECT_EQ(1, g_WorldEditState.Brush[0][0]);
    EXPECT_FALSE(ButtonEnabled(World(), CM_WM_UNDO));
    std::vector<VECTOR_CLASS<int>> states = {g_WorldMap.Cells};
    for (int i = 0; i < 4; ++i) {
        Stroke(WM_LBUTTONDOWN, {{2 + i, 2}, {2 + i, 3}});
        EXPECT_EQ(1, g_WorldMap.ChipAt(2 + i, 3)) << "the stroke painted as it moved";
        states.push_back(g_WorldMap.Cells);
    }
    EXPECT_EQ(1, g_bWorldMapChanged);
    for (int i = 0; i < 3; ++i) WorldCommand(i == 0 ? CM_WM_UNDO_KEY : CM_WM_UNDO);
    EXPECT_TRUE(states[1] == g_WorldMap.Cells) << "three undos reach the state after the first stroke";
    EXPECT_FALSE(ButtonEnabled(World(), CM_WM_UNDO));
    WorldCommand(CM_WM_UNDO);
    EXPECT_TRUE(states[1] == g_WorldMap.Cells) << "a fourth undo does nothing";
    WorldCommand(CM_WM_REDO);
    EXPECT_TRUE(states[2] == g_WorldMap.Cells);
    EXPECT_TRUE(ButtonEnabled(World(), CM_WM_REDO));
    Stroke(WM_LBUTTONDOWN, {{9, 9}});
    EXPECT_FALSE(ButtonEnabled(World(), CM_WM_REDO)) << "a new edit empties redo";
    WorldCommand(CM_WM_UNDO);
    EXPECT_TRUE(states[2] == g_WorldMap.Cells) << "an undo after a redo works again";
}

TEST_F(WorldMapTest, BeyondANarrowMapNothingIsPaintedPickedOrPlaced) {
    g_WorldMap.Resize(5, 15);
    SendMessageA(WorldWnd(), WM_SIZE, 0, 0);
    const VECTOR_CLASS<int> cells = g_WorldMap.Cells;
    World()->m_lpChipPalette->ChooseAt(40, 5);
    Stroke(WM_LBUTTONDOWN, {{8, 2}, {9, 2}});
    EXPECT_TRUE(cells == g_WorldMap.Cells);
    EXPECT_FALSE(ButtonEnabled(World(), CM_WM_UNDO)) << "no snapshot either";

    // A right drag from inside the map to beyond it: the brush holds nothing there.
    Stroke(WM_RBUTTONDOWN, {{3, 1}, {7, 2}});
    EXPECT_EQ(0, World()->IsRightClicked()) << "the pick's release is no right click once the layer changes";
    EXPECT_EQ(5, g_WorldEditState.BrushW);
    EXPECT_EQ(2, g_WorldEditState.BrushH);
    EXPECT_EQ(-1, g_WorldEditState.SelIndex);
    EXPECT_EQ(g_WorldMap.ChipAt(4, 2), g_WorldEditState.Brush[1][1]);
    EXPECT_EQ(CHIP_NONE, g_WorldEditState.Brush[0][2]);
    Stroke(WM_LBUTTONDOWN, {{0, 5}});
    EXPECT_EQ(g_WorldMap.ChipAt(3, 1), g_WorldMap.ChipAt(0, 5));
    EXPECT_EQ(cells[(5 << g_WorldMap.Shift) + 2], g_WorldMap.ChipAt(2, 5)) << "no stale chip painted";

    // The pop-up beyond the map offers neither a new event nor a paste.
    WorldCommand(CM_WM_LAYER_EVENT);
    g_WorldEditState.ClipboardFull = 1;
    const size_t events = g_WorldMap.Events.size();
    World()->PreparePopup(8, 2);
    for (UINT id : {CM_WM_EVENT_NEW, CM_WM_EVENT_PASTE, CM_WM_EVENT_EDIT, CM_WM_EVENT_DELETE})
        EXPECT_TRUE(PopupGrayed(World(), id)) << id;
    WorldCommand(CM_WM_EVENT_PASTE);
    EXPECT_EQ(events, g_WorldMap.Events.size());
    World()->PreparePopup(2, 2);
    EXPECT_FALSE(PopupGrayed(World(), CM_WM_EVENT_NEW));
    EXPECT_FALSE(PopupGrayed(World(), CM_WM_EVENT_PASTE));
}

TEST_F(WorldMapTest, PopUpCommandsActOnTheRightClickedCell) {
    WorldCommand(CM_WM_LAYER_EVENT);
    ASSERT_NE(nullptr, World()->m_lpEventPalette);
    g_EditConfig.AutoNumber = 0;
    g_WorldMap.Events.clear();
    cWorldEvent a = NamedEvent("a");
    g_WorldMap.PlaceAt(a, 1, 1);
    PopupCommand(1, 1, CM_WM_EVENT_COPY);
    EXPECT_EQ(1, g_WorldEditState.ClipboardFull);
    ASSERT_EQ(1u, World()->m_lpEventPalette->m_List.m_Clipboard.size()) << "handed to the palette";
    PopupCommand(4, 1, CM_WM_EVENT_PASTE);
    ASSERT_NE(nullptr, g_WorldMap.FindAt(4, 1));
    EXPECT_EQ("a", g_WorldMap.FindAt(4, 1)->Name);
    PopupCommand(1, 1, CM_WM_EVENT_CUT);
    EXPECT_EQ(nullptr, g_WorldMap.FindAt(1, 1));
    PopupCommand(4, 1, CM_WM_EVENT_DELETE);
    EXPECT_TRUE(g_WorldMap.Events.empty());
    WorldCommand(CM_WM_UNDO);
    WorldCommand(CM_WM_UNDO);
    EXPECT_EQ(2u, g_WorldMap.Events.size()) << "cut and delete undone";
    // Placing on an occupied cell replaces what stood there.
    PopupCommand(4, 1, CM_WM_EVENT_PASTE);
    EXPECT_EQ(2u, g_WorldMap.Events.size());
    // A right click of the mouse opens the menu; its last item deletes there.
    EXPECT_TRUE(RightClick(4, 1, {VK_UP, VK_RETURN})) << "the menu opened";
    EXPECT_EQ(nullptr, g_WorldMap.FindAt(4, 1));
    EXPECT_EQ(1u, g_WorldMap.Events.size());
}

TEST_F(WorldMapTest, SettingsCancelLeavesTheMapAndOkResizesIt) {
    cWorldEvent inside = NamedEvent("inside"), outside = NamedEvent("outside");
    g_WorldMap.PlaceAt(inside, 16, 4);
    g_WorldMap.PlaceAt(outside, 17, 4);
    g_WorldMap.SetChip(16, 4, 2);
    Stroke(WM_LBUTTONDOWN, {{0, 0}});
    ASSERT_TRUE(ButtonEnabled(World(), CM_WM_UNDO));
    const int width = g_WorldMap.Width, startX = g_WorldMap.StartX, back = g_WorldMap.BackNo;
    QueueDialogStep([](HWND dlg) {
        SetEditText(dlg, IDC_WMSET_WIDTH, "17");
        SetEditText(dlg, IDC_WMSET_START_X, "30");
        CheckDlgButton(dlg, IDC_WMSET_USE_IMAGE, BST_CHECKED);
        SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_WMSET_USE_IMAGE, BN_CLICKED), 0);
        Click(dlg, IDC_WORLD_CANCEL);
    });
    WorldCommand(CM_WM_SETTINGS);
    EXPECT_EQ(width, g_WorldMap.Width);
    EXPECT_EQ(startX, g_WorldMap.StartX);
    EXPECT_EQ(back, g_WorldMap.BackNo);
    EXPECT_EQ(0, g_WorldMap.UseBackImage) << "Cancel changes nothing";
    EXPECT_TRUE(IsWindowVisible(WorldWnd()));

    QueueDialogStep([](HWND dlg) {
        SetEditText(dlg, IDC_WMSET_WIDTH, "17");
        SetEditText(dlg, IDC_WMSET_HEIGHT, "5");
        SetEditText(dlg, IDC_WMSET_START_X, "199");
        SetEditText(dlg, IDC_WMSET_START_Y, "149");
        // The up-downs step the edit's own number; an empty edit counts as its minimum.
        EXPECT_EQ("2", StepUpDown(GetDlgItem(dlg, IDC_WMSET_HEIGHT_SPIN), "", UPDOWN_CLICK_UP));
        EXPECT_EQ("5", StepUpDown(GetDlgItem(dlg, IDC_WMSET_HEIGHT_SPIN), "6", UPDOWN_KEY_DOWN));
        EXPECT_EQ("17", StepUpDown(GetDlgItem(dlg, IDC_WMSET_WIDTH_SPIN), "16", UPDOWN_CLICK_UP));
        EXPECT_EQ("17", StepUpDown(GetDlgItem(dlg, IDC_WMSET_WIDTH_SPIN), "16", UPDOWN_KEY_UP));
        Click(dlg, IDC_WORLD_OK);
    });
    WorldCommand(CM_WM_SETTINGS);
    EXPECT_EQ(17, g_WorldMap.Width);
    EXPECT_EQ(5, g_WorldMap.Height);
    EXPECT_EQ(32, g_WorldMap.Pitch);
    EXPECT_EQ(32u * 5, g_WorldMap.Cells.size());
    EXPECT_EQ(2, g_WorldMap.ChipAt(16, 4)) << "the chips inside stay";
    EXPECT_EQ(16, g_WorldMap.StartX);
    EXPECT_EQ(4, g_WorldMap.StartY);
    EXPECT_NE(nullptr, g_WorldMap.FindAt(16, 4));
    EXPECT_EQ(nullptr, g_WorldMap.FindAt(17, 4)) << "events outside removed";
    for (const cWorldEvent& e : g_WorldMap.Events) EXPECT_LT(e.Y, 5);
    EXPECT_FALSE(ButtonEnabled(World(), CM_WM_UNDO)) << "the history went with the old size";
    EXPECT_EQ(1, g_bWorldMapChanged);
}

TEST_F(WorldMapTest, AFailedSaveKeepsTheWindowAndTheChangedFlag) {
    World()->m_lpChipPalette->ChooseAt(64, 5);
    Stroke(WM_LBUTTONDOWN, {{1, 1}});
    const std::string before = ReadFileBytes(g_PathTable.WorldMap);
    {
        FullDisk full;
        WorldCommand(CM_WM_SAVE_CLOSE);
    }
    ASSERT_EQ(1u, Boxes().Count());
    EXPECT_EQ(std::string(g_PathTable.WorldMap) + " の保存に失敗しました！", Boxes().Calls()[0].text);
    EXPECT_EQ(1, g_bWorldMapChanged);
    EXPECT_TRUE(IsWindow(WorldWnd())) << "the window stays open";
    EXPECT_EQ(before, ReadFileBytes(g_PathTable.WorldMap));
    WorldCommand(CM_WM_SAVE_KEY);
    EXPECT_EQ(0, g_bWorldMapChanged);
    EXPECT_NE(before, ReadFileBytes(g_PathTable.WorldMap));
}

TEST_F(WorldMapTest, CloseQuestionSavesRestoresOrKeepsTheWindow) {
    const struct {
        int answer;
        bool fullDisk, brokenFile;
        bool closed, saved, restored;
    } cases[] = {
        {IDCANCEL, false, false, false, false, false},
        {IDYES, true, false, false, false, false},  // the save failed: an error box, still open
        {IDNO, false, true, false, false, false},   // the file cannot be read back: the edits stay
        {IDNO, false, false, true, false, true},
        {IDYES, false, false, true, true, false},
    };
    const std::string file = ReadFileBytes(g_PathTable.WorldMap);
    for (const auto& c : cases) {
        WriteFileBytes(g_PathTable.WorldMap, file);
        ASSERT_TRUE(g_WorldMap.LoadFile(g_PathTable.WorldMap));
        Reopen();
        ASSERT_TRUE(World() && IsWindow(WorldWnd()));
        const VECTOR_CLASS<int> original = g_WorldMap.Cells;
        World()->m_lpChipPalette->ChooseAt(64, 5);
        Stroke(WM_LBUTTONDOWN, {{3, 3}});
        ASSERT_FALSE(original == g_WorldMap.Cells);
        const VECTOR_CLASS<int> edited = g_WorldMap.Cells;
        if (c.brokenFile) WriteFileBytes(g_PathTable.WorldMap, "\x0e\x01");
        Boxes().Reset();
        Boxes().Queue(c.answer);
        {
            std::unique_ptr<FullDisk> full(c.fullDisk ? new FullDisk : nullptr);
            SendMessageA(WorldWnd(), WM_CLOSE, 0, 0);
        }
        ASSERT_GE(Boxes().Count(), 1u);
        EXPECT_EQ("ワールドマップが変更された可能性があります。\n保存しますか？", Boxes().Calls()[0].text);
        EXPECT_EQ("保存確認", Boxes().Calls()[0].caption);
        EXPECT_EQ(c.fullDisk || c.brokenFile ? 2u : 1u, Boxes().Count()) << c.answer;
        EXPECT_EQ(c.closed, !World() || !IsWindow(World()->m_hWnd)) << c.answer;
        EXPECT_TRUE((c.restored ? original : edited) == g_WorldMap.Cells) << c.answer;
        if (c.saved) {
            cWorldMap saved;
            ASSERT_TRUE(saved.LoadFile(g_PathTable.WorldMap));
            EXPECT_TRUE(edited == saved.Cells);
        }
        EXPECT_EQ(c.closed ? EDITOR_MODE_STAGE : EDITOR_MODE_WORLDMAP, g_nEditorMode);
    }
}

// The window and its chip palette keep their window sizes (frame, menu and
// bars included) in their window records, and open at those sizes again.
TEST_F(WorldMapTest, TheWindowAndItsPaletteReopenAtTheirWindowSizes) {
    auto size = [](HWND wnd) {
        RECT r = {};
        GetWindowRect(wnd, &r);
        return SIZE{r.right - r.left, r.bottom - r.top};
    };
    g_WorldMap.Chips.resize(64);  // rows enough for a taller palette
    HWND palette = World()->m_lpChipPalette->m_hWnd;
    const SIZE map = size(WorldWnd()), chips = size(palette);
    SetWindowPos(WorldWnd(), nullptr, 0, 0, map.cx - 90, map.cy - 70, SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(palette, nullptr, 0, 0, chips.cx, chips.cy - 64, SWP_NOMOVE | SWP_NOZORDER);
    const SIZE wantMap = size(WorldWnd()), wantChips = size(palette);
    g_bWorldMapChanged = 0;
    SendMessageA(WorldWnd(), WM_CLOSE, 0, 0);
    ASSERT_FALSE(World() && IsWindow(World()->m_hWnd));
    EXPECT_EQ(wantMap.cx, g_EditConfig.WorldMapWnd.Width);
    EXPECT_EQ(wantMap.cy, g_EditConfig.WorldMapWnd.Height);
    EXPECT_EQ(wantChips.cx, g_EditConfig.WorldChipWnd.Width);
    EXPECT_EQ(wantChips.cy, g_EditConfig.WorldChipWnd.Height);
    Reopen();
    ASSERT_TRUE(World() && World()->m_lpChipPalette);
    const SIZE mapAgain = size(WorldWnd()), chipsAgain = size(World()->m_lpChipPalette->m_hWnd);
    EXPECT_EQ(wantMap.cx, mapAgain.cx);
    EXPECT_EQ(wantMap.cy, mapAgain.cy);
    EXPECT_EQ(wantChips.cx, chipsAgain.cx);
    EXPECT_EQ(wantChips.cy, chipsAgain.cy);
}

// Closing the window saves its place; a save that fails is not kept quiet.
TEST_F(WorldMapTest, AFailedSettingsSaveOnClosingIsReported) {
    const std::string blocker = std::string(g_PathTable.EditConfig) + ".tmp";
    ASSERT_TRUE(FolderCreate(blocker.c_str()));
    const std::string before = ReadFileBytes("Report_Editor.txt");
    g_bWorldMapChanged = 0;
    SendMessageA(WorldWnd(), WM_CLOSE, 0, 0);
    FolderDelete(nullptr, blocker.c_str());
    const std::string added = ReadFileBytes("Report_Editor.txt").substr(before.size());
    EXPECT_NE(std::string::npos, added.find("e_data\\EditConfig.dat の保存に失敗しました！")) << added;
    EXPECT_EQ(0u, Boxes().Count()) << "the log took it";
    Reopen();
}

TEST_F(WorldMapTest, MissingChipsAndGraphicsDrawNothing) {
    g_WorldMap.UseBackImage = 0;
    g_WorldMap.Events.clear();
    cWorldEvent e = NamedEvent("far");
    e.Pages[0].Graphic = 1000;  // no such row in the world-event image
    g_WorldMap.PlaceAt(e, 2, 1);
    g_WorldMap.Chips.clear();  // every cell names a chip that is gone
    World()->OnPaint();
    const cDib& view = World()->View().Surface();
    EXPECT_EQ(0x000000u, SurfacePixel(view, 40, 40)) << "no chip drawn";
    EXPECT_EQ(0x000000u, SurfacePixel(view, 2 * 32 + 20, 32 + 8)) << "no event graphic drawn";
    EXPECT_EQ(0xFFFF00u, SurfacePixel(view, 2 * 32 + 15, 32 + 8)) << "its frame is";
    World()->m_lpChipPalette->OnPaint();
    EXPECT_EQ(0x000000u, SurfacePixel(World()->m_lpChipPalette->View().Surface(), 16, 16));
}

// A press and its release that wait in the queue behind a slow message (a
// tooltip hiding, a palette appearing) are still one stroke of the pen when
// they are handled: the buttons are read as the queue saw them.
TEST_F(WorldMapTest, AClickHandledLateStillPaints) {
    World()->m_lpChipPalette->ChooseAt(40, 5);  // chip 1
    ASSERT_NE(1, g_WorldMap.ChipAt(3, 2));
    SetForegroundWindow(WorldWnd());
    SetActiveWindow(WorldWnd());
    PumpMessages();
    POINT at = {World()->m_nDrawX + 3 * DLG_WORLDMAP::CELL + 16, World()->m_nDrawY + 2 * DLG_WORLDMAP::CELL + 16};
    ClientToScreen(WorldWnd(), &at);
    SetCursorPos(at.x, at.y);
    PumpMessages();
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ASSERT_EQ(2u, SendInput(2, click, sizeof(INPUT)));
    PumpMessages();  // both come now, the button long up
    EXPECT_EQ(1, g_WorldMap.ChipAt(3, 2)) << "the click was taken";
}
