// The window base, the registry's filter, the mouse reader and the keyboard
// hook procedure (the names of the messages are the trace's).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "base/editor_settings.h"
#include "base/report.h"
#include "resources/toolkit_ids.h"
#include "tests/support/seams.h"
#include "tests/ui/test_dialogs.h"
#include "tests/ui/ui_driver.h"
#include "ui/prop.h"
#include "ui/wnd_list.h"

namespace {

// A plain top-level window whose procedure is a VIEW_CLASS object's.
class TEST_VIEW : public VIEW_CLASS {
public:
    void OnCreate(WPARAM, LPARAM) override { ++m_nCreates; }
    int OnCommand(WPARAM wParam, LPARAM) override {
        m_Commands.push_back(LOWORD(wParam));
        if (LOWORD(wParam) == 1) m_nInner = static_cast<int>(SendMessageA(m_hWnd, WM_COMMAND, 2, 0));
        return 1;
    }
    int m_nCreates = 0;
    int m_nInner = -1;
    std::vector<WORD> m_Commands;
};

TEST_VIEW* g_pView = nullptr;

LRESULT CALLBACK ViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (g_pView && g_pView->WndProc(hwnd, msg, wParam, lParam) && msg != WM_CREATE && msg != WM_DESTROY &&
        msg != WM_SIZE && msg != WM_MOVE && msg != WM_GETMINMAXINFO)
        return 0;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND MakeView(TEST_VIEW* view, DWORD style) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ViewProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TestView";
        RegisterClassA(&wc);
        registered = true;
    }
    g_pView = view;
    return CreateWindowExA(0, "TestView", "ビュー", style, 10, 10, 300, 200, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

SHORT g_nLeft = 0, g_nRight = 0;
void FakeButtons(int* left, int* right) {
    *left = g_nLeft < 0;
    *right = g_nRight < 0;
}

}  // namespace

TEST(Window, ViewCreationHookAndCommandGuard) {
    TEST_VIEW view;
    HWND wnd = MakeView(&view, WS_OVERLAPPEDWINDOW);
    ASSERT_NE(nullptr, wnd);
    EXPECT_EQ(1, view.m_nCreates);
    EXPECT_EQ(wnd, view.m_hWnd);
    SendMessageA(wnd, WM_COMMAND, 1, 0);
    EXPECT_EQ(0, view.m_nInner) << "a command sent from inside a command is dropped";
    EXPECT_EQ(std::vector<WORD>{1}, view.m_Commands);
    SendMessageA(wnd, WM_COMMAND, 3, 0);
    EXPECT_EQ((std::vector<WORD>{1, 3}), view.m_Commands) << "the guard is cleared afterwards";
    DestroyWindow(wnd);
    EXPECT_EQ(nullptr, view.m_hWnd);
    g_pView = nullptr;
}

TEST(Window, MessageTraceLines) {
    char folder[MAX_PATH] = {}, path[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    GetTempFileNameA(folder, "trc", 0, path);
    EcLogOpen(1, path);
    g_bEcLogStarted = 0;
    TEST_VIEW view;
    HWND wnd = MakeView(&view, WS_OVERLAPPEDWINDOW);
    view.m_strName = "ビュー";
    view.m_bTrace = 1;
    SendMessageA(wnd, WM_MOUSEMOVE, MAKEWPARAM(1, 2), MAKELPARAM(0xFFFF, 3));
    SendMessageA(wnd, WM_USER + 5, 7, -2);
    char text[16];
    SendMessageA(wnd, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
    view.m_bTrace = 0;
    EcLogOpen(0, "");
    g_pView = nullptr;
    DestroyWindow(wnd);
    std::ifstream file(path, std::ios::binary);
    std::stringstream lines;
    lines << file.rdbuf();
    file.close();
    DeleteFileA(path);
    const std::string log = lines.str();
    EXPECT_NE(std::string::npos, log.find("ビュー | msg:WM_MOUSEFIRST | wp:131073(2,1) | lp:262143(3,65535)\r\n"))
        << log;
    EXPECT_NE(std::string::npos, log.find("ビュー | msg:1029 | wp:7(0,7) | lp:-2(65535,65534)\r\n")) << log;
    EXPECT_EQ(std::string::npos, log.find("WM_GETTEXT")) << "never traced";
}

TEST(Window, PlacementAgainstAReferenceAndRememberedPositions) {
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    TEST_VIEW ref;
    HWND refWnd = MakeView(&ref, WS_POPUP);
    SetWindowPos(refWnd, nullptr, work.right - 40, -30, 100, 50, SWP_NOZORDER);
    TEST_VIEW placed;
    HWND wnd = MakeView(&placed, WS_POPUP);
    placed.m_phPlaceRef = &ref.m_hWnd;
    placed.PlaceWindow();
    RECT rc;
    GetWindowRect(wnd, &rc);
    EXPECT_EQ(work.right, rc.right) << "pushed back against the right edge";
    EXPECT_EQ(0, rc.top) << "a negative y becomes 0";

    placed.m_phPlaceRef = nullptr;
    SetWindowPos(wnd, nullptr, 33, 44, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    placed.m_nRememberX = WND_NO_POSITION;
    placed.m_nRememberY = 5;
    placed.PlaceWindow();
    GetWindowRect(wnd, &rc);
    EXPECT_EQ(33, rc.left) << "no remembered position: left where it is";
    placed.m_nRememberX = -20;
    placed.m_nRememberY = work.bottom;
    placed.PlaceWindow();
    GetWindowRect(wnd, &rc);
    EXPECT_EQ(0, rc.left);
    EXPECT_EQ(work.bottom, rc.bottom);
    EXPECT_EQ(0, placed.m_nRememberX) << "the clamped position is kept";
    g_pView = nullptr;
    DestroyWindow(wnd);
    DestroyWindow(refWnd);
}

TEST(Window, StartAtAStoredPlaceOrBesideAnotherWindow) {
    TEST_VIEW beside;
    HWND besideWnd = MakeView(&beside, WS_POPUP);
    SetWindowPos(besideWnd, nullptr, 100, 60, 200, 50, SWP_NOZORDER);
    cWndPosInfo stored, none;
    stored.Set(7, 9, 300, 200);
    const struct {
        const cWndPosInfo* place;
        const WND_CLASS* ref;
        int fromRight, x, y;
    } cases[] = {
        {&stored, &beside, 1, 7, 9},              // the stored place wins
        {&none, &beside, 1, 300 + 8, 60 + 10},    // beside the right edge
        {nullptr, &beside, 0, 100 + 8, 60 + 10},  // over the left edge
        {&none, nullptr, 1, -5, -6},              // nowhere given: unchanged
    };
    for (const auto& c : cases) {
        TEST_VIEW placed;
        placed.m_nRememberX = -5;
        placed.m_nRememberY = -6;
        placed.StartAt(c.place, c.ref, c.fromRight, 8, 10);
        EXPECT_EQ(c.x, placed.m_nRememberX) << c.fromRight;
        EXPECT_EQ(c.y, placed.m_nRememberY) << c.fromRight;
    }
    g_pView = nullptr;
    DestroyWindow(besideWnd);
}

TEST(Window, MouseButtonEdgesAndTheRightClickGate) {
    BUTTON_READER old = SetButtonReader(FakeButtons);
    MOUSE_STATE a, b;
    g_nLeft = static_cast<SHORT>(0x8000);
    ReadMouseButtons(&a, MOUSE_ALL);
    ReadMouseButtons(&b, MOUSE_ALL);
    EXPECT_EQ(1, a.lPressed);
    EXPECT_EQ(0, b.lPressed) << "one press is reported once however many windows poll";
    g_nLeft = 0;
    ReadMouseButtons(&a, MOUSE_ALL);
    EXPECT_EQ(1, a.lReleased);
    EXPECT_EQ(0, a.lHeld);

    TEST_VIEW view;
    HWND wnd = MakeView(&view, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    view.SetWindowParam(300, 200, 0, 0, 0, 0, WS_OVERLAPPEDWINDOW, 0, 0, 0, 0, 0);
    SetActiveWindow(wnd);
    auto poll = [&](SHORT left, SHORT right) {
        g_nLeft = left;
        g_nRight = right;
        view.UpdateMouseState(1, MOUSE_ALL);
        return view.IsCurrentPage();
    };
    const SHORT down = static_cast<SHORT>(0x8000);
    EXPECT_EQ(0, poll(0, 0)) << "not initialised yet: the gate stays unarmed";
    EXPECT_EQ(0, poll(0, down));
    EXPECT_EQ(0, poll(0, 0)) << "a release before the window was ready";
    view.m_bCreated = 1;
    EXPECT_EQ(0, poll(0, 0)) << "arms the gate";
    EXPECT_EQ(0, poll(0, down));
    EXPECT_EQ(1, poll(0, 0)) << "a right release";
    EXPECT_EQ(0, poll(0, 0)) << "once per release";
    EXPECT_EQ(0, poll(0, 0));
    EXPECT_EQ(0, poll(down, down));
    EXPECT_EQ(0, poll(down, 0)) << "never while the left button is held";
    EXPECT_EQ(0, poll(0, down));
    g_nRight = 0;
    view.UpdateMouseState(1, MOUSE_ALL);  // the cursor's message, before the button's own
    EXPECT_EQ(1, poll(0, 0)) << "a release that an earlier update saw";
    EXPECT_EQ(0, poll(0, 0));
    g_pView = nullptr;
    DestroyWindow(wnd);

    // A dialog object outlives its window: a release it saw while last open,
    // never asked for, is no click once it opens again.
    WND_LIST_CLASS reg;
    SMALL_TEST_DLG palette(&reg);
    for (int open = 0; open < 2; ++open) {
        palette.Create(0, 1);
        PumpMessages(&reg);
        SetActiveWindow(palette.m_hWnd);
        g_nRight = open ? 0 : down;
        palette.UpdateMouseState(1, MOUSE_ALL);
        g_nRight = 0;
        palette.UpdateMouseState(1, MOUSE_ALL);
        if (open) {
            EXPECT_EQ(0, palette.IsCurrentPage()) << "a release before the window opened";
        }
        palette.End(0);
        PumpMessages(&reg);
    }
    SetButtonReader(old);
    g_nLeft = g_nRight = 0;
}

TEST(Registry, AFinishedSheetIsClosedAndDeleted) {
    WND_LIST_CLASS reg;
    ScopedBoxes boxes;
    PROP_CLASS* sheet = new PROP_CLASS(1, nullptr, &reg);
    sheet->m_pSelf = sheet;
    // Not a real sheet: it reports no current page, as a sheet closed by its buttons.
    sheet->m_hWnd = CreateWindowExA(0, "STATIC", "シート", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
    HWND sheetWnd = sheet->m_hWnd;
    reg.AddSheet(sheet, &sheet);
    MSG msg = {};
    EXPECT_EQ(1, DispatchAppMessage(&msg, &reg));
    EXPECT_EQ(nullptr, sheet) << "the owner's pointer is emptied";
    EXPECT_FALSE(IsWindow(sheetWnd));
    EXPECT_TRUE(reg.m_Sheets.empty());
    EXPECT_EQ(0u, boxes.Count());
    EXPECT_EQ(0, DispatchAppMessage(&msg, &reg));

    PROP_CLASS* stray = new PROP_CLASS(1, nullptr, &reg);
    delete stray;  // never registered
    EXPECT_EQ(std::vector<std::string>{"ウインドウの破棄に失敗！"}, boxes.Texts());
}

TEST(Hook, KeysReachTheActiveDialog) {
    WND_LIST_CLASS reg;
    TEST_DLG dlg(&reg);
    std::vector<UINT> posted;
    LRESULT escInFrame = -1;
    int installed = 0;
    dlg.m_Script = [&](TEST_DLG& d) {
        installed = cHook::IsInstalled();
        SetActiveWindow(d.m_hWnd);
        MSG msg;
        while (PeekMessageA(&msg, d.m_hWnd, WM_KEYFIRST, WM_HOOKKEY, PM_REMOVE)) {
        }
        cHook::HookProc(HC_ACTION, VK_LEFT, 1);
        cHook::HookProc(HC_ACTION, 'A', 1);
        cHook::HookProc(HC_ACTION, VK_TAB, 1);
        cHook::HookProc(HC_ACTION, VK_ESCAPE, 1);
        cHook::HookProc(HC_ACTION, VK_CONTROL, 1);
        cHook::HookProc(HC_ACTION, VK_CONTROL, static_cast<LPARAM>(0xC0000001u));
        while (PeekMessageA(&msg, d.m_hWnd, WM_KEYFIRST, WM_HOOKKEY, PM_REMOVE))
            posted.push_back(msg.message == WM_HOOKKEY ? WM_HOOKKEY : msg.message);
        EXPECT_EQ(0, cHook::IsCtrlHeld());
        // A window without a hook object (the main frame) loses Escape.
        TEST_VIEW frame;
        HWND wnd = MakeView(&frame, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        SetActiveWindow(wnd);
        escInFrame = cHook::HookProc(HC_ACTION, VK_ESCAPE, 1);
        g_pView = nullptr;
        DestroyWindow(wnd);
        d.End(0);
    };
    int before = cHook::IsInstalled();
    dlg.DoModal(0);
    EXPECT_EQ(1, installed);
    EXPECT_EQ(before, cHook::IsInstalled()) << "a modal run that installed the hook removes it";
    EXPECT_EQ((std::vector<UINT>{WM_HOOKKEY, WM_KEYDOWN, WM_KEYDOWN, WM_KEYDOWN, WM_KEYUP}), posted);
    EXPECT_EQ(1, escInFrame);
}

namespace {

// Drives a modal test dialog from a timer: `opened` runs once the dialog is
// the active window, `typed` when an open pop-up menu or combo list is on
// the screen (the keys go there); some ticks after it has gone, what was
// seen is noted and Escape typed, which must end the dialog. The dialog's
// result.
struct cKeyRun {
    int menuOrListSeen = 0;
    int openAfterwards = 0;  // the dialog stood after the menu or the list had gone
    int kindRow = -1;        // the row combo IDC_KIND showed then
    int result = -1;
};

cKeyRun RunKeys(TEST_DLG& dlg, std::function<void(TEST_DLG&)> open, const std::vector<WORD>& keys) {
    cKeyRun run;
    int phase = -1, ticks = 0;
    WhenShown([&] {
        ++ticks;
        if (phase == -1) {
            // Posted: the menu's loop must not run inside this step.
            dlg.m_Script = open;
            PostMessageA(dlg.m_hWnd, WM_APP, 0, 0);
            phase = 0;
            return false;
        }
        if (phase == 0) {
            if (ticks > 100) {
                EndMenu();
                dlg.End(-3);
                return true;
            }
            if (!IsMenuOrListShown()) return false;
            run.menuOrListSeen = 1;
            for (WORD key : keys) TypeKeys({key});
            phase = 1;
            ticks = 0;
        } else if (phase == 1) {
            if (IsMenuOrListShown() || ticks < 10) return false;
            run.openAfterwards = dlg.IsWindowOpen();
            run.kindRow = dlg.ComboRow(IDC_KIND);
            TypeKeys({VK_ESCAPE});
            phase = 2;
            ticks = 0;
        } else if (ticks > 50) {
            dlg.End(-2);  // Escape did not reach it
            return true;
        }
        return false;
    });
    run.result = dlg.DoModal(0);
    WhenShown(nullptr);
    return run;
}

}  // namespace

// While a list's pop-up menu is open its keys are the menu's: Return carries
// out the highlighted item, Escape closes the menu, Delete deletes no row;
// the dialog stays open and takes Escape again afterwards.
TEST(Hook, KeysInAListsMenuAreTheMenus) {
    const struct {
        const char* what;
        std::vector<WORD> keys;
        WORD command;  // the menu command carried out, or 0
    } cases[] = {
        {"Return", {VK_HOME, VK_DOWN, VK_RETURN}, CM_LIST_MENU_COPY},
        {"Escape", {VK_HOME, VK_ESCAPE}, 0},
        {"Delete", {VK_HOME, VK_DELETE, VK_ESCAPE}, 0},
    };
    for (const auto& c : cases) {
        WND_LIST_CLASS reg;
        TEST_DLG dlg(&reg);
        dlg.m_Source = MakeRecords(3);
        const cKeyRun run = RunKeys(
            dlg,
            [](TEST_DLG& d) {
                d.m_List.SetContextMenu(IDR_MENU_LIST, CM_LIST_MENU_CUT, CM_LIST_MENU_COPY, CM_LIST_MENU_PASTE, 0,
                                        CM_LIST_MENU_INSERT, 0, CM_LIST_MENU_DELETE);
                d.m_Commands.clear();
                SetCursorPos(0, 0);  // off the menu, whose item under the pointer would be highlighted
                d.m_List.TrackContextMenu(d.m_hWnd, d.m_List.m_hWnd, -1);
            },
            c.keys);
        EXPECT_EQ(1, run.menuOrListSeen) << c.what;
        EXPECT_EQ(1, run.openAfterwards) << c.what;
        EXPECT_EQ(0, run.result) << c.what << ": Escape cancels the dialog afterwards";
        std::vector<WPARAM> want;
        if (c.command) want.push_back(c.command);
        std::vector<WPARAM> got;
        for (WPARAM w : dlg.m_Commands)
            if (LOWORD(w) >= CM_LIST_MENU_COPY) got.push_back(w);  // the menu's and the keys' commands
        EXPECT_EQ(want, got) << c.what;
        EXPECT_EQ(3u, dlg.m_Work.size()) << c.what;
    }
}

// Escape and Return in a dropped-down combo list close the list (Return
// choosing the row); the dialog stays open.
TEST(Hook, KeysInADroppedComboListAreTheLists) {
    const struct {
        const char* what;
        std::vector<WORD> keys;
        int row;
    } cases[] = {
        {"Escape", {VK_ESCAPE}, 0},
        {"Return", {VK_DOWN, VK_RETURN}, 1},
    };
    for (const auto& c : cases) {
        WND_LIST_CLASS reg;
        TEST_DLG dlg(&reg);
        const cKeyRun run = RunKeys(
            dlg, [](TEST_DLG& d) { DropFirstRow(GetDlgItem(d.m_hWnd, IDC_KIND)); }, c.keys);
        EXPECT_EQ(1, run.menuOrListSeen) << c.what;
        EXPECT_EQ(1, run.openAfterwards) << c.what;
        EXPECT_EQ(0, run.result) << c.what;
        EXPECT_EQ(c.row, run.kindRow) << c.what;
    }
}
