#include "tests/worldmap/worldmap_test_support.h"

#include <deque>

#include "app/app.h"
#include "base/editor_settings.h"
#include "base/paths.h"
#include "resources/stage_editor_ids.h"
#include "tests/ui/ui_driver.h"
#include "worldmap/world_tools.h"

namespace {

std::deque<std::function<void(HWND)>> g_Steps;
HHOOK g_hHook = nullptr;
int g_bLeft = 0, g_bRight = 0;

LRESULT CALLBACK AfterInit(int code, WPARAM wParam, LPARAM lParam) {
    const CWPRETSTRUCT* msg = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && msg->message == WM_INITDIALOG && !g_Steps.empty()) {
        std::function<void(HWND)> step = std::move(g_Steps.front());
        g_Steps.pop_front();
        step(msg->hwnd);
    }
    return CallNextHookEx(g_hHook, code, wParam, lParam);
}

// A right click's pop-up: the keys are typed once it waits for input, and
// the loop ends with it (or after three seconds without it).
std::vector<WORD> g_MenuKeys;
DWORD g_dwMenuShownAt = 0;

LRESULT CALLBACK OnMenu(int code, WPARAM wParam, LPARAM lParam) {
    const CWPRETSTRUCT* msg = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && msg->message == WM_ENTERIDLE && msg->wParam == MSGF_MENU && !g_dwMenuShownAt) {
        g_dwMenuShownAt = GetTickCount();
        SetCursorPos(0, 0);  // off the menu, whose row under the pointer would be chosen
        for (WORD key : g_MenuKeys) TypeKeys({key});
    }
    if (code == HC_ACTION && msg->message == WM_EXITMENULOOP) PostQuitMessage(0);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK EndLoop(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }

void FakeButtons(int* left, int* right) {
    *left = g_bLeft;
    *right = g_bRight;
}

}  // namespace

void QueueDialogStep(std::function<void(HWND)> step) {
    g_Steps.push_back(std::move(step));
    if (!g_hHook) g_hHook = SetWindowsHookExA(WH_CALLWNDPROCRET, AfterInit, nullptr, GetCurrentThreadId());
}

size_t PendingDialogSteps() { return g_Steps.size(); }
void ClearDialogSteps() { g_Steps.clear(); }

void Click(HWND dlg, int id) {
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
}

ScopedBoxes* WorldMapTest::s_pBoxes = nullptr;

namespace {

std::string g_MapFile;  // the project's WorldMap.dat as the sample wrote it

}  // namespace

void WorldMapTest::SetUpTestSuite() {
    ResetProject();
    s_pBoxes = new ScopedBoxes(IDYES);
    StartEditor();
    g_MapFile = ReadFileBytes(g_PathTable.WorldMap);
}

void WorldMapTest::TearDownTestSuite() {
    StopEditor();
    delete s_pBoxes;
    s_pBoxes = nullptr;
}

void WorldMapTest::Reopen() {
    if (World() && World()->IsWindowOpen()) return;
    Command(CM_WORLDMAP);
    PumpMessages();
}

void WorldMapTest::SetUp() {
    ASSERT_NE(nullptr, g_lpStageWnd);
    WriteFileBytes(g_PathTable.WorldMap, g_MapFile);
    ASSERT_TRUE(g_WorldMap.LoadFile(g_PathTable.WorldMap));
    g_EditConfig.EditIfPlaced = g_EditConfig.EditBeforePlace = g_EditConfig.AutoNumber = 1;
    Reopen();
    ASSERT_TRUE(World() && World()->IsWindowOpen());
    World()->SetLayer(WLAYER_CHIP);
    g_WorldEditState.Reset();
    g_WorldEditState.Brush[0][0] = 0;
    World()->UpdateUndoState();
    SendMessageA(WorldWnd(), WM_SIZE, 0, 0);
    g_bWorldMapChanged = 0;
    Boxes().Reset();
}

void WorldMapTest::TearDown() {
    EXPECT_EQ(0u, PendingDialogSteps()) << "a dialog the test answers never opened";
    ClearDialogSteps();
}

void WorldMapTest::Stroke(UINT down, std::initializer_list<POINT> cells) {
    BUTTON_READER old = SetButtonReader(FakeButtons);
    SetForegroundWindow(WorldWnd());
    SetActiveWindow(WorldWnd());
    int& held = down == WM_LBUTTONDOWN ? g_bLeft : g_bRight;
    const UINT up = down == WM_LBUTTONDOWN ? WM_LBUTTONUP : WM_RBUTTONUP;
    auto send = [&](UINT msg, POINT cell) {
        const POINT client = CellPoint(cell.x, cell.y);
        POINT screen = client;
        ClientToScreen(WorldWnd(), &screen);
        SetCursorPos(screen.x, screen.y);
        const WPARAM keys = (g_bLeft ? MK_LBUTTON : 0) | (g_bRight ? MK_RBUTTON : 0);
        SendMessageA(WorldWnd(), msg, keys, MAKELPARAM(client.x, client.y));
    };
    held = 1;
    const POINT* last = nullptr;
    for (const POINT& cell : cells) {
        send(last ? WM_MOUSEMOVE : down, cell);
        last = &cell;
    }
    held = 0;
    if (last) send(up, *last);
    SetButtonReader(old);
}

void WorldMapTest::PopupCommand(int x, int y, WORD id) {
    World()->PreparePopup(x, y);
    WorldCommand(id);
}

POINT WorldMapTest::CellPoint(int x, int y) const {
    return {World()->m_nDrawX + (x - World()->OriginX()) * DLG_WORLDMAP::CELL + 16,
            World()->m_nDrawY + (y - World()->OriginY()) * DLG_WORLDMAP::CELL + 16};
}

bool WorldMapTest::RightClick(int x, int y, const std::vector<WORD>& keys) {
    SetForegroundWindow(WorldWnd());
    SetActiveWindow(WorldWnd());
    POINT at = CellPoint(x, y);
    ClientToScreen(WorldWnd(), &at);
    SetCursorPos(at.x, at.y);
    PumpMessages();
    g_MenuKeys = keys;
    g_dwMenuShownAt = 0;
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROCRET, OnMenu, nullptr, GetCurrentThreadId());
    const UINT_PTR timer = SetTimer(nullptr, 0, 3000, EndLoop);
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    const DWORD start = GetTickCount();
    SendInput(2, click, sizeof(INPUT));
    g_bAppActive = 1;
    int code = 0;
    RunMessageLoop(&code);
    g_bAppActive = 0;
    KillTimer(nullptr, timer);
    UnhookWindowsHookEx(hook);
    // Nothing but the timer wakes the loop: a menu that waited for more input opens late.
    return g_dwMenuShownAt && g_dwMenuShownAt - start < 1500;
}
