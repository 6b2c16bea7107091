// The stage editor: graying without a stage, layers, scrolling, the clear and
// undo commands, the event pop-up commands, the windows it opens and the
// painted map view.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "app/stage_edit_state.h"
#include "app/surface_view.h"
#include "database/sheet/prop_database.h"
#include "editing/map_cursor.h"
#include "media/image_table.h"
#include "model/chara.h"
#include "model/class.h"
#include "model/land.h"
#include "model/stage.h"
#include "resources/stage_editor_ids.h"
#include "tests/app/editor_test.h"
#include "ui/hook.h"
#include "ui/wnd_list.h"
#include "worldmap/dlg_worldmap.h"

namespace {

bool MenuGrayed(HWND wnd, UINT id) { return GetMenuState(GetMenu(wnd), id, MF_BYCOMMAND) & MF_GRAYED; }
bool MenuChecked(HWND wnd, UINT id) { return GetMenuState(GetMenu(wnd), id, MF_BYCOMMAND) & MF_CHECKED; }
bool ButtonEnabled(DLG_MAIN* dlg, UINT id) { return SendMessageA(dlg->m_hToolBar, TB_ISBUTTONENABLED, id, 0) != 0; }
bool ButtonChecked(DLG_MAIN* dlg, UINT id) { return SendMessageA(dlg->m_hToolBar, TB_ISBUTTONCHECKED, id, 0) != 0; }

// The pixel of the map-chip sheet that cell pixel (x, y) of land `land` shows.
unsigned ChipPixel(int land, int x, int y) {
    const int g = g_LandList[land].ChipGraphic;
    return SurfacePixel(g_ImageTable[IMG_MAPCHIP], g % 8 * 32 + x, g / 8 * 32 + y);
}

void Paint() { g_lpStageWnd->OnPaint(); }

}  // namespace

using StageEditor = EditorTest;

TEST_F(StageEditor, CommandsThatNeedAStageAreGrayWithoutOne) {
    const UINT stageItems[] = {CM_CLOSE_STAGE,    CM_SAVE_ALL,  CM_SAVE_AS,   CM_CLEAR_CHIPS,
                               CM_STAGE_SETTINGS, CM_GROUP_POS, CM_LAYER_CHIP};
    const UINT alwaysItems[] = {CM_NEW_STAGE, CM_OPEN_STAGE,  CM_DEFAULT_STAGE, CM_DATABASE,
                                CM_WORLDMAP,  CM_START_EVENT, CM_TESTPLAY};
    for (UINT id : stageItems) EXPECT_FALSE(MenuGrayed(StageWnd(), id)) << id;
    EXPECT_TRUE(ButtonEnabled(Stage(), CM_SAVE_ALL));
    EXPECT_TRUE(ButtonChecked(Stage(), CM_LAYER_CHIP_BUTTON));
    EXPECT_FALSE(ButtonEnabled(Stage(), CM_UNDO)) << "nothing to undo yet";

    Command(CM_CLOSE_STAGE);
    EXPECT_EQ(0u, Boxes().Count()) << "closing asks nothing";
    PumpMessages();  // the main frame rebuilds the stage editor
    EXPECT_EQ(0, g_StageEditState.StageOpen);
    for (UINT id : stageItems) EXPECT_TRUE(MenuGrayed(StageWnd(), id)) << id;
    for (UINT id : alwaysItems) EXPECT_FALSE(MenuGrayed(StageWnd(), id)) << id;
    for (UINT id : {CM_SAVE_ALL, CM_UNDO, CM_LAYER_CHIP_BUTTON, CM_LAYER_EVENT_BUTTON})
        EXPECT_FALSE(ButtonEnabled(Stage(), id)) << id;
    for (UINT id : {CM_NEW_STAGE, CM_OPEN_STAGE, CM_TESTPLAY_BUTTON}) EXPECT_TRUE(ButtonEnabled(Stage(), id)) << id;

    // Stage commands do nothing now.
    const size_t chips = g_Stage.Chips.size();
    Command(CM_CLEAR_CHIPS);
    EXPECT_EQ(0u, Boxes().Count());
    EXPECT_EQ(chips, g_Stage.Chips.size());
    EXPECT_EQ(0x000000u, ViewPixel(40, 40)) << "no stage: a black view";
    char text[128] = {};
    GetWindowTextA(StageWnd(), text, sizeof(text));
    EXPECT_STREQ("Orrindale", text) << "no path: the product title alone";
    SendMessageA(Stage()->m_hStatusBar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ("DLG_MAIN", text) << "no cell to show";
}

TEST_F(StageEditor, SpaceCyclesTheLayers) {
    const UINT items[] = {CM_LAYER_CHIP, CM_LAYER_ENEMY, CM_LAYER_EVENT};
    const UINT buttons[] = {CM_LAYER_CHIP_BUTTON, CM_LAYER_ENEMY_BUTTON, CM_LAYER_EVENT_BUTTON};
    for (int expected : {1, 2, 0, 1}) {
        SendMessageA(StageWnd(), WM_KEYDOWN, VK_SPACE, 0);
        EXPECT_EQ(expected, g_StageEditState.Layer);
        for (int layer = 0; layer < 3; ++layer) {
            EXPECT_EQ(layer == expected, MenuChecked(StageWnd(), items[layer])) << layer;
            EXPECT_EQ(layer == expected, ButtonChecked(Stage(), buttons[layer])) << layer;
        }
    }
    Command(CM_LAYER_EVENT_BUTTON);
    EXPECT_EQ(2, g_StageEditState.Layer);
}

TEST_F(StageEditor, WheelScrollsSidewaysAndWithCtrlDown) {
    g_Stage.Resize(60, 50);
    SendMessageA(StageWnd(), WM_SIZE, 0, 0);
    struct Turn {
        int notches;
        WORD keys;
        int x, y;  // scroll position afterwards
    };
    const Turn turns[] = {
        {-1, 0, 1, 0},           // towards the user: right
        {-2, 0, 2, 0},           // two notches towards the user still one step
        {1, 0, 1, 0},            // away: left
        {-1, MK_CONTROL, 1, 1},  // with Ctrl: down
        {10, MK_CONTROL, 1, 2},  // ten notches count as one towards the user
        {1, MK_CONTROL, 1, 1},
    };
    for (const Turn& t : turns) {
        SendMessageA(StageWnd(), WM_MOUSEWHEEL, MAKEWPARAM(t.keys, static_cast<WORD>(t.notches * WHEEL_DELTA)), 0);
        EXPECT_EQ(t.x, Stage()->View().ScrollX()) << t.notches << " " << t.keys;
        EXPECT_EQ(t.y, Stage()->View().ScrollY()) << t.notches << " " << t.keys;
    }
}

TEST_F(StageEditor, ClearingIsAskedAndUndone) {
    const VECTOR_CLASS<int> chips = g_Stage.Chips;
    const size_t enemies = g_Stage.PutEnemies.size(), events = g_Stage.Events.size();
    ASSERT_GT(enemies, 0u);
    ASSERT_GT(events, 0u);
    Boxes().Queue(IDNO);
    Command(CM_CLEAR_CHIPS);
    ASSERT_EQ(1u, Boxes().Count());
    EXPECT_EQ("全てのマップチップをクリアしますか？", Boxes().Calls()[0].text);
    EXPECT_EQ("データクリアの確認", Boxes().Calls()[0].caption);
    EXPECT_EQ(static_cast<unsigned>(MB_YESNO), Boxes().Calls()[0].type) << "no icon";
    EXPECT_TRUE(chips == g_Stage.Chips);

    Command(CM_CLEAR_CHIPS);  // answered Yes
    for (int chip : g_Stage.Chips) ASSERT_EQ(0, chip);
    EXPECT_EQ(1, g_StageEditState.StageChanged);
    EXPECT_TRUE(ButtonEnabled(Stage(), CM_UNDO));
    EXPECT_FALSE(MenuGrayed(StageWnd(), CM_UNDO));
    Command(CM_CLEAR_ENEMIES);
    Command(CM_CLEAR_EVENTS);
    EXPECT_TRUE(g_Stage.PutEnemies.empty());
    EXPECT_TRUE(g_Stage.Events.empty());

    Command(CM_UNDO_KEY);
    Command(CM_UNDO);
    EXPECT_EQ(enemies, g_Stage.PutEnemies.size());
    EXPECT_EQ(events, g_Stage.Events.size());
    Command(CM_UNDO);
    EXPECT_TRUE(chips == g_Stage.Chips);
    EXPECT_TRUE(ButtonEnabled(Stage(), CM_REDO));
    Command(CM_REDO_KEY);
    for (int chip : g_Stage.Chips) ASSERT_EQ(0, chip);
}

TEST_F(StageEditor, PopupCommandsCutPasteAndDeleteEvents) {
    cStageEditState& st = g_StageEditState;
    ASSERT_FALSE(g_Stage.Events.empty());
    const int x = g_Stage.Events[0].X, y = g_Stage.Events[0].Y;
    const std::string name = g_Stage.Events[0].Name;
    const size_t count = g_Stage.Events.size();
    // The free cell the event moves to.
    int tx = 0, ty = 0;
    while (g_Stage.HasEventAt(tx, ty)) ++tx;
    g_MapCursor.m_pCur->nX = x;
    g_MapCursor.m_pCur->nY = y;
    st.CurrentEvent = g_Stage.FindAt(x, y);
    Command(CM_EVENT_CUT);
    EXPECT_EQ(nullptr, g_Stage.FindAt(x, y));
    EXPECT_EQ(count - 1, g_Stage.Events.size());
    EXPECT_EQ(1, st.ClipboardFull);

    g_MapCursor.m_pCur->nX = tx;
    g_MapCursor.m_pCur->nY = ty;
    Command(CM_EVENT_PASTE);
    ASSERT_NE(nullptr, g_Stage.FindAt(tx, ty));
    EXPECT_EQ(name, g_Stage.FindAt(tx, ty)->Name);
    Command(CM_EVENT_PASTE);
    EXPECT_EQ(count, g_Stage.Events.size()) << "a paste replaces what stands on the cell";

    st.CurrentEvent = g_Stage.FindAt(tx, ty);
    Command(CM_EVENT_DELETE);
    EXPECT_EQ(nullptr, g_Stage.FindAt(tx, ty));
    Command(CM_UNDO);
    EXPECT_NE(nullptr, g_Stage.FindAt(tx, ty));
}

TEST_F(StageEditor, DatabaseAndWorldMapHideTheStageEditorWhileOpen) {
    Command(CM_DATABASE);
    ASSERT_NE(nullptr, Stage()->Database());
    HWND sheet = Stage()->Database()->m_hWnd;
    ASSERT_TRUE(IsWindow(sheet));
    char title[64] = {};
    GetWindowTextA(sheet, title, sizeof(title));
    EXPECT_STREQ("データベースの設定", title);
    EXPECT_FALSE(IsWindowVisible(StageWnd()));
    SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    PostMessageA(StageWnd(), WM_NULL, 0, 0);
    PumpMessages();
    EXPECT_EQ(nullptr, Stage()->Database()) << "the main loop deletes the closed sheet";
    EXPECT_TRUE(IsWindowVisible(StageWnd()));
    EXPECT_TRUE(IsWindowEnabled(StageWnd()));

    Command(CM_WORLDMAP);
    ASSERT_NE(nullptr, Stage()->WorldMap());
    EXPECT_EQ(EDITOR_MODE_WORLDMAP, g_nEditorMode);
    EXPECT_TRUE(IsWindowVisible(Stage()->WorldMap()->m_hWnd));
    EXPECT_FALSE(IsWindowVisible(StageWnd()));
    SendMessageA(Stage()->WorldMap()->m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(EDITOR_MODE_STAGE, g_nEditorMode);
    EXPECT_TRUE(IsWindowVisible(StageWnd()));
}

namespace {

// A stage of the test's own: land 0 everywhere but land 1 at (0, 0); enemy 1
// (class 1, graphic 1) at (5, 2); an event of graphic 0 at (2, 13); the start
// group on (2, 11) and (3, 11).
void MakeTestStage() {
    ASSERT_GE(g_LandList.size(), 2u);
    ASSERT_GE(g_EnemyList.size(), 2u);
    ASSERT_GE(g_ClassList.size(), 2u);
    g_LandList[0].ChipGraphic = 16;
    g_LandList[1].ChipGraphic = 49;
    g_EnemyList[1].Class = 1;
    g_ClassList[1].Graphic = 1;
    g_Stage.Resize(20, 15);
    g_Stage.ClearChips();
    g_Stage.SetChip(0, 0, 1);
    cPutEnemy enemy;
    enemy.Enemy = 1;
    enemy.X = 5;
    enemy.Y = 2;
    g_Stage.PutEnemies.assign(1, enemy);
    g_Stage.Events.clear();
    cEvent event;
    event.Pages[0].Graphic = 0;
    g_Stage.PlaceAt(event, 2, 13);
    g_Stage.Groups.resize(2);
    g_Stage.Groups[1].Cells.clear();
    g_Stage.Groups[1].Cells.push_back({2, 11});
    g_Stage.Groups[1].Cells.push_back({3, 11});
    g_Stage.StartGroup = 1;
    SendMessageA(g_lpStageWnd->m_hWnd, WM_SIZE, 0, 0);
}

}  // namespace

TEST_F(StageEditor, MapShowsChipsEnemiesEventsAndTheStartGroup) {
    MakeTestStage();
    g_MapCursor.m_pCur->nX = 3;
    g_MapCursor.m_pCur->nY = 4;
    Paint();
    EXPECT_EQ(ChipPixel(0, 16, 20), ViewPixel(4 * 32 + 16, 20));
    EXPECT_EQ(ChipPixel(1, 16, 20), ViewPixel(16, 20));
    EXPECT_NE(ChipPixel(0, 16, 20), ChipPixel(1, 16, 20));
    EXPECT_EQ(0xFFFFFFu, ViewPixel(32, 20)) << "the grid";
    // The enemy covers its chip with the right half of its map graphic.
    EXPECT_EQ(SurfacePixel(g_ImageTable[IMG_MAPCHARA], 32 + 16, 32 + 20), ViewPixel(5 * 32 + 16, 2 * 32 + 20));
    // The event of graphic 0: only its yellow frame.
    EXPECT_EQ(0xFFFF00u, ViewPixel(2 * 32 + 15, 13 * 32 + 1));
    EXPECT_EQ(ChipPixel(0, 23, 9), ViewPixel(2 * 32 + 23, 13 * 32 + 9));
    // The start group's marker frames its cells.
    EXPECT_EQ(SurfacePixel(g_ImageTable[IMG_ACCESSORY], 2, 64 + 16), ViewPixel(2 * 32 + 2, 11 * 32 + 16));
    EXPECT_NE(ChipPixel(0, 2, 16), ViewPixel(3 * 32 + 2, 11 * 32 + 16));
    EXPECT_EQ(ChipPixel(0, 2, 16), ViewPixel(4 * 32 + 2, 11 * 32 + 16)) << "not in the group";
    // The cursor frame, and its cell in the status bar.
    EXPECT_EQ(0x8000FFu, ViewPixel(3 * 32 + 1, 4 * 32 + 12));
    char status[64] = {};
    SendMessageA(Stage()->m_hStatusBar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(status));
    EXPECT_STREQ("座標 (3,4)", status);
}

// What the window shows: only the changed part of the view is copied to it,
// and all of it again once the window has lost it.
TEST_F(StageEditor, TheWindowShowsTheViewAfterPartCopiesAndWhenUncovered) {
    MakeTestStage();
    Paint();
    HWND view = Stage()->View().Window();
    HDC dc = GetDC(view);
    auto shown = [&](int x, int y) {
        const COLORREF c = GetPixel(dc, x, y);
        return static_cast<unsigned>(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c));
    };
    g_Stage.SetChip(2, 2, 1);
    Paint();
    EXPECT_EQ(ViewPixel(2 * 32 + 16, 2 * 32 + 20), shown(2 * 32 + 16, 2 * 32 + 20)) << "the changed cell";
    RECT all;
    GetClientRect(view, &all);
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));  // what a window over it left
    InvalidateRect(view, nullptr, FALSE);
    UpdateWindow(view);
    for (const POINT p : {POINT{16, 20}, POINT{5 * 32 + 16, 2 * 32 + 20}, POINT{all.right - 5, all.bottom - 5}})
        EXPECT_EQ(ViewPixel(p.x, p.y), shown(p.x, p.y)) << p.x << "," << p.y;
    ReleaseDC(view, dc);
}

// The smallest rectangle that changed since the last copy, taken once.
TEST(SurfaceView, ChangedAreaIsTheRectangleOfTheChangedPixels) {
    cDib dib;
    ASSERT_TRUE(dib.Create(64, 32, 24, 0));
    dib.Fill(RGB(0, 0, 0));
    std::vector<BYTE> shown;
    RECT area = {};
    auto is = [&area](LONG l, LONG t, LONG r, LONG b) {
        return std::vector<LONG>{l, t, r, b} == std::vector<LONG>{area.left, area.top, area.right, area.bottom};
    };
    ASSERT_TRUE(TakeChangedArea(dib, &shown, &area)) << "nothing shown yet";
    EXPECT_TRUE(is(0, 0, 64, 32));
    EXPECT_FALSE(TakeChangedArea(dib, &shown, &area)) << "nothing changed";
    SetPixel(dib.m_hDC, 10, 5, RGB(1, 2, 3));
    SetPixel(dib.m_hDC, 40, 20, RGB(0, 0, 9));
    GdiFlush();
    ASSERT_TRUE(TakeChangedArea(dib, &shown, &area));
    EXPECT_TRUE(is(10, 5, 41, 21));
    EXPECT_FALSE(TakeChangedArea(dib, &shown, &area)) << "taken";
    SetPixel(dib.m_hDC, 63, 31, RGB(7, 7, 7));
    GdiFlush();
    ASSERT_TRUE(TakeChangedArea(dib, &shown, &area));
    EXPECT_TRUE(is(63, 31, 64, 32)) << "the last pixel";
    shown.clear();
    ASSERT_TRUE(TakeChangedArea(dib, &shown, &area));
    EXPECT_TRUE(is(0, 0, 64, 32)) << "lost: all of it";
}

TEST_F(StageEditor, StaleRecordsDrawNothing) {
    MakeTestStage();
    // A chip naming no land; an enemy of id 0, one that is gone, one whose class is gone.
    g_Stage.SetChip(4, 0, 99);
    cPutEnemy enemy = g_Stage.PutEnemies[0];
    for (int id : {0, 77, 1}) {
        enemy.Enemy = id;
        enemy.Y = 5;
        g_Stage.PutEnemies.push_back(enemy);
        ++enemy.X;
    }
    g_ClassList[1].Graphic = 1;
    g_EnemyList[1].Class = 55;
    Paint();
    EXPECT_EQ(0x000000u, ViewPixel(4 * 32 + 16, 20));
    for (int x = 5; x <= 7; ++x) EXPECT_EQ(ChipPixel(0, 16, 20), ViewPixel(x * 32 + 16, 5 * 32 + 20)) << x;
    EXPECT_EQ(ChipPixel(0, 16, 20), ViewPixel(5 * 32 + 16, 2 * 32 + 20));
}

TEST_F(StageEditor, SmallMapLeavesBlackWithTheGridOverTheView) {
    g_Stage.Resize(5, 4);
    SendMessageA(StageWnd(), WM_SIZE, 0, 0);
    Paint();
    EXPECT_EQ(0x000000u, ViewPixel(6 * 32 + 16, 16));
    EXPECT_EQ(0x000000u, ViewPixel(16, 5 * 32 + 16));
    EXPECT_EQ(0xFFFFFFu, ViewPixel(6 * 32, 16));
    EXPECT_EQ(0xFFFFFFu, ViewPixel(16, 6 * 32));
}

TEST_F(StageEditor, CommandsShowTheirResultAtOnce) {
    MakeTestStage();
    Paint();
    ASSERT_EQ(ChipPixel(1, 16, 20), ViewPixel(16, 20));
    Command(CM_CLEAR_CHIPS);  // answered Yes; no paint of the test's own follows
    EXPECT_EQ(ChipPixel(0, 16, 20), ViewPixel(16, 20));
    Command(CM_UNDO_KEY);
    EXPECT_EQ(ChipPixel(1, 16, 20), ViewPixel(16, 20));
}

namespace {

struct AskedBox {
    int stageEnabled = -1;
    std::string text, caption;
    unsigned type = 0;
} g_Asked;

int AnswerNo(HWND, const char* text, const char* caption, unsigned type) {
    g_Asked.stageEnabled = IsWindowEnabled(g_lpStageWnd->m_hWnd) ? 1 : 0;
    g_Asked.text = text;
    g_Asked.caption = caption;
    g_Asked.type = type;
    return IDNO;
}

}  // namespace

TEST_F(StageEditor, QuestionsAreAskedWithTheWindowsDisabled) {
    const struct {
        WORD command;
        const char* text;
        const char* caption;
    } questions[] = {
        {CM_NEW_STAGE, "現在のステージは破棄されます。\n新規作成しますか？\n", "新規作成の確認"},
        {CM_CLEAR_ENEMIES, "全ての敵をクリアしますか？", "データクリアの確認"},
        {CM_CLEAR_EVENTS, "全てのイベントをクリアしますか？", "データクリアの確認"},
    };
    const size_t enemies = g_Stage.PutEnemies.size(), events = g_Stage.Events.size();
    for (const auto& q : questions) {
        g_Asked = AskedBox();
        MessageBoxSink old = SetMessageBoxSink(AnswerNo);
        Command(q.command);
        SetMessageBoxSink(old);
        EXPECT_EQ(q.text, g_Asked.text);
        EXPECT_EQ(q.caption, g_Asked.caption);
        EXPECT_EQ(static_cast<unsigned>(MB_YESNO), g_Asked.type) << q.command << ": no icon";
        EXPECT_EQ(0, g_Asked.stageEnabled) << q.command;
        EXPECT_TRUE(IsWindowEnabled(StageWnd())) << q.command << ": enabled again afterwards";
    }
    EXPECT_EQ(1, g_StageEditState.StageOpen) << "No keeps everything";
    EXPECT_EQ(enemies, g_Stage.PutEnemies.size());
    EXPECT_EQ(events, g_Stage.Events.size());
}

TEST_F(StageEditor, ToolBarAndKeys) {
    // Button order, image (standard set first, then the two bitmap files),
    // style and tooltip.
    const struct {
        int command, image, style;
        const char* tip;
    } buttons[] = {
        {CM_NEW_STAGE, STD_FILENEW, TBSTYLE_BUTTON, "新規作成"},
        {CM_OPEN_STAGE, STD_FILEOPEN, TBSTYLE_BUTTON, "開く"},
        {CM_SAVE_ALL, STD_FILESAVE, TBSTYLE_BUTTON, "上書き保存"},
        {0, 0, TBSTYLE_SEP, nullptr},
        {CM_UNDO, STD_UNDO, TBSTYLE_BUTTON, "元に戻す"},
        {CM_REDO, STD_REDOW, TBSTYLE_BUTTON, "やり直し"},
        {0, 0, TBSTYLE_SEP, nullptr},
        {CM_LAYER_CHIP_BUTTON, 15, TBSTYLE_CHECKGROUP, "マップチップパレット"},
        {CM_LAYER_ENEMY_BUTTON, 16, TBSTYLE_CHECKGROUP, "敵パレット"},
        {CM_LAYER_EVENT_BUTTON, 17, TBSTYLE_CHECKGROUP, "イベントパレット"},
        {0, 0, TBSTYLE_SEP, nullptr},
        {CM_TESTPLAY_BUTTON, 18, TBSTYLE_BUTTON, "テストプレイ"},
    };
    const int count = sizeof(buttons) / sizeof(buttons[0]);
    HWND bar = Stage()->m_hToolBar;
    ASSERT_EQ(count, SendMessageA(bar, TB_BUTTONCOUNT, 0, 0));
    // One tooltip window serves the bar: a second would take the bar's mouse from the first.
    ASSERT_NE(nullptr, Stage()->m_hToolTip);
    EXPECT_EQ(9, SendMessageA(Stage()->m_hToolTip, TTM_GETTOOLCOUNT, 0, 0));
    // A pop-up, which the system leaves to the program: showing and hiding it stalls nothing.
    const LONG tipStyle = GetWindowLongA(Stage()->m_hToolTip, GWL_STYLE);
    EXPECT_TRUE(tipStyle & WS_POPUP);
    EXPECT_NE(WS_CAPTION, tipStyle & WS_CAPTION) << "no caption, which would make it an overlapped window";
    for (int i = 0; i < count; ++i) {
        TBBUTTON b = {};
        SendMessageA(bar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&b));
        EXPECT_EQ(buttons[i].command, b.idCommand) << i;
        EXPECT_EQ(buttons[i].style, b.fsStyle) << i;
        if (!buttons[i].command) continue;
        EXPECT_EQ(buttons[i].image, b.iBitmap) << i;
        // The tip under the middle of the button.
        RECT r = {};
        SendMessageA(bar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
        char text[80] = {};
        TTHITTESTINFOA hit = {};
        hit.hwnd = bar;
        hit.pt = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        hit.ti.cbSize = sizeof(hit.ti);
        hit.ti.lpszText = text;
        ASSERT_TRUE(SendMessageA(Stage()->m_hToolTip, TTM_HITTESTA, 0, reinterpret_cast<LPARAM>(&hit))) << i;
        EXPECT_STREQ(buttons[i].tip, text) << i;
    }
    const ACCEL keys[] = {
        {FVIRTKEY | FCONTROL, 'O', CM_OPEN_STAGE_KEY}, {FVIRTKEY | FCONTROL, 'S', CM_SAVE_ALL_KEY},
        {FVIRTKEY | FCONTROL, 'T', CM_TESTPLAY_KEY},   {FVIRTKEY | FCONTROL, 'Z', CM_UNDO_KEY},
        {FVIRTKEY | FCONTROL, 'Y', CM_REDO_KEY},       {FVIRTKEY | FCONTROL, 'C', CM_KEY_COPY},
        {FVIRTKEY | FCONTROL, 'V', CM_KEY_PASTE},      {FVIRTKEY | FCONTROL, 'X', CM_KEY_CUT},
        {FVIRTKEY | FCONTROL, 'N', CM_KEY_NEW},        {FVIRTKEY | FCONTROL, 'I', CM_KEY_INSERT},
        {FVIRTKEY, VK_DELETE, CM_KEY_DELETE},
    };
    HACCEL table = LoadAcceleratorsA(g_hInstance, MAKEINTRESOURCEA(IDR_ACCEL_STAGE));
    ACCEL stored[16] = {};
    const int n = CopyAcceleratorTableA(table, stored, 16);
    ASSERT_EQ(static_cast<int>(sizeof(keys) / sizeof(keys[0])), n);
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(keys[i].fVirt, stored[i].fVirt & ~0x80) << i;
        EXPECT_EQ(keys[i].key, stored[i].key) << i;
        EXPECT_EQ(keys[i].cmd, stored[i].cmd) << i;
    }
}

TEST_F(StageEditor, KeysScrollOnceAlongTheirOwnBar) {
    g_Stage.Resize(60, 50);
    SendMessageA(StageWnd(), WM_SIZE, 0, 0);
    SetFocus(StageWnd());
    PumpMessages();
    HWND focus = GetFocus();
    EXPECT_EQ(Stage()->View().Window(), focus) << "the map view holds the focus, never a scroll bar";
    const struct {
        WORD key;
        int x, y;  // scroll position after the key
    } keys[] = {{VK_RIGHT, 1, 0}, {VK_DOWN, 1, 1}, {VK_NEXT, 1, 16}, {VK_END, 21, 16}, {VK_LEFT, 20, 16}};
    for (const auto& k : keys) {
        // The keyboard hook's copy for the dialog, and the key itself for the focus window.
        PostMessageA(StageWnd(), WM_HOOKKEY, k.key, 0);
        PostMessageA(focus, WM_KEYDOWN, k.key, 0);
        PumpMessages();
        EXPECT_EQ(k.x, Stage()->View().ScrollX()) << k.key;
        EXPECT_EQ(k.y, Stage()->View().ScrollY()) << k.key;
    }
}

namespace {

// What the menu loop showed when the timer came, inside it.
struct MenuSeen {
    HMENU popup = nullptr;  // the pop-up menu opened
    int boxes = -1;         // questions asked by then
} g_MenuSeen;
HHOOK g_hMenuWatch = nullptr;
ScopedBoxes* g_pBoxes = nullptr;

LRESULT CALLBACK WatchMenus(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* m = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && m->message == WM_INITMENUPOPUP) g_MenuSeen.popup = reinterpret_cast<HMENU>(m->wParam);
    return CallNextHookEx(g_hMenuWatch, code, wParam, lParam);
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    g_MenuSeen.boxes = static_cast<int>(g_pBoxes->Count());
    EndMenu();
}

}  // namespace

TEST_F(StageEditor, AltAndALetterOpenThatMenu) {
    SetActiveWindow(StageWnd());
    SetFocus(Stage()->View().Window());
    PumpMessages();
    ASSERT_EQ(StageWnd(), GetActiveWindow());
    g_MenuSeen = MenuSeen();
    g_pBoxes = &Boxes();
    g_hMenuWatch = SetWindowsHookExA(WH_CALLWNDPROC, WatchMenus, nullptr, GetCurrentThreadId());
    // Alt+F as the keyboard delivers it: the keyboard hook sees the key, then
    // the letter reaches the focus window as WM_SYSCHAR. The menu loop runs
    // until the timer closes the menu.
    const LPARAM altF = 0x20210001;
    cHook::HookProc(HC_ACTION, 'F', altF);
    PostMessageA(GetFocus(), WM_SYSCHAR, 'f', altF);
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, CloseMenu);
    PumpMessages();
    KillTimer(nullptr, timer);
    UnhookWindowsHookEx(g_hMenuWatch);
    EXPECT_EQ(GetSubMenu(GetMenu(StageWnd()), 0), g_MenuSeen.popup) << "the file menu opens";
    EXPECT_EQ(0, g_MenuSeen.boxes) << "and runs none of its items";
    EXPECT_EQ(0u, Boxes().Count());
}

TEST_F(StageEditor, LargestSizeShowsTheWholeView) {
    MINMAXINFO mm = {};
    SendMessageA(StageWnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mm));
    RECT start;
    GetWindowRect(StageWnd(), &start);
    // The system's sizing loop stops the mouse one pixel inside the largest
    // track size; a drag far out on the left is held at the same size.
    RECT dragged = {start.left, start.top, start.left + mm.ptMaxTrackSize.x - 1, start.top + mm.ptMaxTrackSize.y - 1};
    RECT wide = {start.left - 500, start.top - 500, start.right, start.bottom};
    SendMessageA(StageWnd(), WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&dragged));
    SendMessageA(StageWnd(), WM_SIZING, WMSZ_TOPLEFT, reinterpret_cast<LPARAM>(&wide));
    EXPECT_EQ(start.right, wide.right) << "the edge not dragged stays";
    EXPECT_EQ(dragged.right - dragged.left, wide.right - wide.left);
    EXPECT_EQ(dragged.bottom - dragged.top, wide.bottom - wide.top);
    SetWindowPos(StageWnd(), nullptr, 0, 0, dragged.right - dragged.left, dragged.bottom - dragged.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    RECT view;
    GetClientRect(Stage()->View().Window(), &view);
    EXPECT_EQ(640, view.right);
    EXPECT_EQ(480, view.bottom);
}
