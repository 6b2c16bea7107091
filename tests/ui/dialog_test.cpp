// The dialog base on real dialogs: modal and modeless runs, the registry,
// control routing and binding, key-down routing, own scroll bars, pictures.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "base/platform.h"
#include "media/dib.h"
#include "tests/support/left_behind.h"
#include "tests/support/seams.h"
#include "tests/ui/dialog_fixture.h"
#include "tests/ui/test_dialogs.h"
#include "tests/ui/ui_driver.h"
#include "ui/wnd_list.h"

using Dialog = DialogTest;

TEST_F(Dialog, ModalRunHidesAndDisablesTheRegistryAndRestoresOnClose) {
    SMALL_TEST_DLG palette(&reg);
    palette.Create(0, 1);
    PumpMessages(&reg);
    ASSERT_TRUE(palette.IsWindowOpen());
    ASSERT_EQ(1u, reg.m_Wnds.size());
    for (int flags : {DLG_HIDE_OTHERS | DLG_DISABLE_OTHERS, 0}) {
        TEST_DLG dlg(&reg);
        int seenVisible = -1, seenEnabled = -1, nested = -1;
        dlg.m_Script = [&](TEST_DLG& d) {
            seenVisible = IsWindowVisible(palette.m_hWnd) ? 1 : 0;
            seenEnabled = IsWindowEnabled(palette.m_hWnd) ? 1 : 0;
            nested = d.DoModal(0);  // already open: nothing happens
            PostMessageA(d.m_hWnd, WM_CLOSE, 0, 0);
        };
        EXPECT_EQ(0, dlg.DoModal(flags));
        EXPECT_EQ(0, nested);
        EXPECT_EQ(flags & DLG_HIDE_OTHERS ? 0 : 1, seenVisible) << flags;
        EXPECT_EQ(flags & DLG_DISABLE_OTHERS ? 0 : 1, seenEnabled) << flags;
        EXPECT_TRUE(IsWindowVisible(palette.m_hWnd)) << flags;
        EXPECT_TRUE(IsWindowEnabled(palette.m_hWnd)) << flags;
        EXPECT_EQ(nullptr, dlg.m_hWnd);
        EXPECT_EQ(1u, reg.m_Wnds.size()) << "a modal dialog never registers";
    }
    palette.End(0);
    PumpMessages(&reg);
}

TEST_F(Dialog, ModelessReopensOnceRegisteredAndLeavesInItsDestructor) {
    ScopedBoxes boxes;
    {
        SMALL_TEST_DLG palette(&reg);
        palette.Create(0, 0);
        HWND first = palette.m_hWnd;
        palette.Create(0, 0);  // already open: nothing
        EXPECT_EQ(first, palette.m_hWnd);
        EXPECT_EQ(1, palette.m_nInits);
        palette.End(0);
        PumpMessages(&reg);
        EXPECT_FALSE(palette.IsWindowOpen());
        palette.Create(0, 0);
        EXPECT_EQ(2, palette.m_nInits);
        EXPECT_EQ(1u, reg.m_Wnds.size());
        // The control list was emptied by End and filled again.
        EXPECT_EQ(1u, palette.m_CtrlList.size());
        EXPECT_EQ(3, static_cast<int>(SendDlgItemMessageA(palette.m_hWnd, IDC_SMALL_LIST, LB_GETCOUNT, 0, 0)));
        palette.End(0);
    }
    EXPECT_TRUE(reg.m_Wnds.empty());
    EXPECT_EQ(0u, boxes.Count());
    EXPECT_EQ(0, reg.RemoveWnd(reinterpret_cast<WND_CLASS*>(&reg)));
}

TEST_F(Dialog, KeyDownReachesTheControlsOfModalDialogsOnly) {
    std::vector<WPARAM> modal;
    dlg.m_Work = MakeRecords(3);
    dlg.m_Source = MakeRecords(3);
    RunTestDialog(dlg, [&](TEST_DLG& d) {
        d.m_Commands.clear();
        SendMessageA(d.m_hWnd, WM_KEYDOWN, VK_DELETE, 0);
        SendMessageA(d.m_hWnd, WM_KEYDOWN, 'X', 0);  // without Ctrl: nothing
        SendMessageA(d.m_hWnd, WM_HOOKKEY, VK_DELETE, 0);
        modal = d.m_Commands;
    });
    // Every list of the dialog gets the key: the test list with its own ids, the other with the
    // defaults.
    EXPECT_EQ((std::vector<WPARAM>{CMD_CLEAR, CMD_DELETE, 40083, 40034, CMD_CLEAR, CMD_DELETE, 40083, 40034}), modal);

    SMALL_TEST_DLG palette(&reg);
    palette.Create(0, 0);
    palette.m_Commands.clear();
    SendMessageA(palette.m_hWnd, WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_TRUE(palette.m_Commands.empty());
    palette.End(0);
    PumpMessages(&reg);
}

TEST_F(Dialog, CommandRoutingAndChangedIds) {
    dlg.m_Source = MakeRecords(2);
    struct {
        WORD id, code, changed;
    } cases[] = {
        {IDC_BUTTON, BN_CLICKED, IDC_BUTTON},
        {IDC_BUTTON, BN_SETFOCUS, 0},
        {IDC_INT_EDIT, EN_UPDATE, IDC_INT_EDIT},
        {IDC_INT_EDIT, EN_CHANGE, 0},
        {IDC_INT_EDIT, EN_KILLFOCUS, 0},
        {IDC_CHECK_INT, BN_CLICKED, IDC_CHECK_INT},
        {IDC_CHECK_INT, BN_KILLFOCUS, IDC_CHECK_INT},
        {IDC_LIST, LBN_SELCHANGE, 0},
        {IDC_LABEL, 0, 0},
        {4321, BN_CLICKED, 0},
        {IDC_KIND, CBN_SELCHANGE, IDC_KIND},
        {IDC_KIND, CBN_DROPDOWN, 0},
        {IDC_HUE, 0, IDC_HUE},
        {IDC_HUE, 123, IDC_HUE},
    };
    std::vector<WORD> got;
    RunTestDialog(dlg, [&](TEST_DLG& d) {
        for (const auto& c : cases) got.push_back(d.GetChangedCtrlId(MAKEWPARAM(c.id, c.code)));
    });
    ASSERT_EQ(sizeof(cases) / sizeof(cases[0]), got.size());
    for (size_t i = 0; i < got.size(); ++i) EXPECT_EQ(cases[i].changed, got[i]) << cases[i].id << "/" << cases[i].code;
}

TEST_F(Dialog, CheckBoxesAndStoring) {
    dlg.m_Rec.check = 2;
    dlg.m_Rec.flag = 1;
    dlg.m_Rec.level = 7;
    int refreshed = -1;
    dlg.m_Script = [&](TEST_DLG& d) {
        EXPECT_EQ(BST_INDETERMINATE, d.m_Checks[0].GetCheck());
        EXPECT_EQ(BST_CHECKED, d.m_Flags[0].GetCheck());
        // A value read back while the dialog refreshes keeps the bound value.
        SendDlgItemMessageA(d.m_hWnd, IDC_CHECK_BYTE, BM_SETCHECK, BST_UNCHECKED, 0);
        d.m_bRefreshing = 1;
        d.m_Flags[0].CtrlToValue();
        d.m_bRefreshing = 0;
        refreshed = d.m_Rec.flag;
        SetDlgItemTextA(d.m_hWnd, IDC_INT_EDIT, "55");
        d.Notify(IDC_OK, BN_CLICKED);
    };
    EXPECT_EQ(1, dlg.DoModal(0));
    EXPECT_EQ(1, refreshed);
    EXPECT_EQ(2, dlg.m_Rec.check) << "an indeterminate box stores 2";
    EXPECT_EQ(0, dlg.m_Rec.flag);
    EXPECT_EQ(55, dlg.m_Rec.level);
}

TEST_F(Dialog, FindCtrlAndEnableCtrl) {
    ScopedBoxes boxes;
    ScopedMainWindow mainWindow;
    RunTestDialog(dlg, [&](TEST_DLG& d) {
        EXPECT_EQ(&d.m_Ints[0], d.FindCtrl(d.m_Ints, IDC_INT_EDIT));
        d.EnableCtrl(d.m_Ints, IDC_INT_EDIT, 0);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d.m_hWnd, IDC_INT_EDIT)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d.m_hWnd, IDC_INT_SPIN))) << "the up-down item follows";
        EXPECT_TRUE(ScopedMainWindow::Actions().empty());
        EXPECT_EQ(nullptr, d.FindCtrl(d.m_Checks, 999));
        d.EnableCtrl(d.m_Buttons, 998, 0);
    });
    // A missing id is a programming error: the main window goes (twice here).
    EXPECT_EQ((std::vector<int>{MAINWND_DESTROY, MAINWND_DESTROY}), ScopedMainWindow::Actions());
    EXPECT_EQ(0u, boxes.Count()) << "the second log is off";
}

TEST(DrawDialog, OwnScrollBarsAndNavigationKeys) {
    WND_LIST_CLASS reg;
    DRAW_TEST_DLG dlg(&reg);
    DLG_CLASS::SetScrollBarIds(IDC_HSCROLL, IDC_VSCROLL);
    int hpos = -1, vpos = -1, thumb = -1, rclick = -1, moved = 0, still = 0, mouse = 0;
    RECT hs = {}, client = {};
    dlg.m_Script = [&](DRAW_TEST_DLG& d) {
        GetClientRect(d.m_hWnd, &client);
        GetWindowRect(d.m_HScroll.m_hWnd, &hs);
        MapWindowPoints(nullptr, d.m_hWnd, reinterpret_cast<POINT*>(&hs), 2);
        SendMessageA(d.m_hWnd, WM_KEYDOWN, VK_RIGHT, 0);
        SendMessageA(d.m_hWnd, WM_KEYDOWN, VK_NEXT, 0);
        MSG msg;
        while (PeekMessageA(&msg, d.m_hWnd, WM_HSCROLL, WM_VSCROLL, PM_REMOVE)) DispatchMessageA(&msg);
        hpos = d.m_HScroll.GetPos();
        vpos = d.m_VScroll.GetPos();
        // A scroll that moves the own bar paints once more than one that does not.
        LPARAM bar = reinterpret_cast<LPARAM>(d.m_HScroll.m_hWnd);
        int before = d.m_nPaints;
        SendMessageA(d.m_hWnd, WM_HSCROLL, SB_LINEDOWN, bar);
        moved = d.m_nPaints - before;
        before = d.m_nPaints;
        SendMessageA(d.m_hWnd, WM_HSCROLL, SB_THUMBPOSITION, bar);
        still = d.m_nPaints - before;
        before = d.m_nPaints;
        SendMessageA(d.m_hWnd, WM_MOUSEMOVE, 0, 0);
        mouse = d.m_nPaints - before;
        thumb = d.m_HScroll.OnScroll(SB_THUMBPOSITION, d.m_HScroll.m_hWnd);
        rclick = static_cast<int>(SendMessageA(d.m_HScroll.m_hWnd, WM_RBUTTONUP, 0, 0));
        d.End(0);
    };
    dlg.DoModal(0);
    EXPECT_EQ(1, hpos);
    EXPECT_EQ(5, vpos) << "Page Down moves a page";
    EXPECT_EQ(0, thumb);
    EXPECT_EQ(0, rclick);
    // The bars sit at the bottom and right edges of the client area.
    EXPECT_EQ(client.bottom, hs.bottom);
    EXPECT_EQ(0, hs.left);
    EXPECT_EQ(client.right - GetSystemMetrics(SM_CXVSCROLL), hs.right);
    EXPECT_EQ((std::vector<WPARAM>{MAKEWPARAM(SB_LINEDOWN, WM_HSCROLL), MAKEWPARAM(SB_PAGEDOWN, WM_VSCROLL),
                                   MAKEWPARAM(SB_LINEDOWN, WM_HSCROLL), MAKEWPARAM(SB_THUMBPOSITION, WM_HSCROLL)}),
              dlg.m_Scrolls);
    EXPECT_EQ(still + 1, moved) << "a moved own bar repaints";
    EXPECT_EQ(1, mouse) << "the modal procedure paints after every message";
}

TEST_F(Dialog, LeftKeyWithoutOwnScrollBarsStillReachesTheControls) {
    UINT seen = 0;
    LPARAM bar = 1;
    RunTestDialog(dlg, [&](TEST_DLG& d) {
        SendMessageA(d.m_hWnd, WM_KEYDOWN, VK_LEFT, 0);
        MSG msg;
        if (PeekMessageA(&msg, d.m_hWnd, WM_HSCROLL, WM_HSCROLL, PM_REMOVE)) {
            seen = msg.message;
            bar = msg.lParam;
        }
    });
    EXPECT_EQ(static_cast<UINT>(WM_HSCROLL), seen);
    EXPECT_EQ(0, bar);
}

TEST(DrawDialog, PictureSurfaceAndCopies) {
    WND_LIST_CLASS reg;
    DRAW_TEST_DLG dlg(&reg);
    int width = 0, height = 0, cw = 0, ch = 0, copyOwns = 1;
    dlg.m_Script = [&](DRAW_TEST_DLG& d) {
        RECT rc;
        GetClientRect(d.m_Picture.m_hWnd, &rc);
        cw = rc.right;
        ch = rc.bottom;
        ASSERT_NE(nullptr, d.m_Picture.Surface());
        width = d.m_Picture.Surface()->m_nWidth;
        height = d.m_Picture.Surface()->m_nHeight;
        CTRL_PICTURE_CLASS copy(d.m_Picture);
        copyOwns = copy.Surface() != nullptr || copy.m_hWndDC != nullptr;
        d.m_Picture.Surface()->Fill(RGB(255, 0, 0));
        d.m_Picture.Present();
        // A sized descriptor resizes the item and keeps its place.
        POINT before = d.m_Picture.m_ParentPos;
        d.m_Picture.Attach(&d, {IDC_PICTURE, 64, 32, -1, -1});
        GetClientRect(d.m_Picture.m_hWnd, &rc);
        EXPECT_EQ(before.x, d.m_Picture.m_ParentPos.x);
        EXPECT_EQ(before.y, d.m_Picture.m_ParentPos.y);
        EXPECT_EQ(64, d.m_Picture.Surface()->m_nWidth);
        d.End(0);
    };
    dlg.DoModal(0);
    EXPECT_EQ(cw, width);
    EXPECT_EQ(ch, height);
    EXPECT_EQ(0, copyOwns);
}

TEST_F(Dialog, HitTestIncludesEveryEdge) {
    RunTestDialog(dlg, [&](TEST_DLG& d) {
        RECT rc;
        GetWindowRect(d.m_Buttons[0].m_hWnd, &rc);
        EXPECT_EQ(1, d.m_Buttons[0].HitTest({rc.right, rc.bottom}));
        EXPECT_EQ(1, d.m_Buttons[0].HitTest({rc.left, rc.top}));
        EXPECT_EQ(0, d.m_Buttons[0].HitTest({rc.right + 1, rc.top}));
    });
}

// Return, Shift+Return and Ctrl+Return typed into a multi-line edit break
// its line and leave the dialog open; Return in a one-line edit presses OK.
TEST_F(Dialog, ReturnBreaksTheLinesOfAMultiLineEditAndPressesOkElsewhere) {
    // Each step a key or a chord typed once the one before has been
    // handled, or 0: what the edit shows is taken and its text selected.
    const std::vector<std::vector<WORD>> steps = {
        {'A'}, {VK_RETURN}, {VK_SHIFT, VK_RETURN}, {0}, {VK_CONTROL, VK_RETURN}, {'B'}, {0},
    };
    size_t next = 0;
    std::vector<std::string> shown;
    int closedByOk = 1;
    WhenShown([&] {
        HWND d = dlg.m_hWnd;
        if (next == 0) SetFocus(GetDlgItem(d, IDC_TEXT));
        if (next < steps.size()) {
            if (steps[next][0]) {
                TypeKeys(steps[next]);
            } else {
                shown.push_back(dlg.Text(IDC_TEXT));
                SendDlgItemMessageA(d, IDC_TEXT, EM_SETSEL, 0, -1);
            }
        } else if (next == steps.size()) {
            SetFocus(GetDlgItem(d, IDC_NAME));
            TypeKeys({VK_RETURN});
        } else {
            closedByOk = 0;  // Return in the name left the dialog open
            PostMessageA(d, WM_CLOSE, 0, 0);
            return true;
        }
        ++next;
        return false;
    });
    dlg.m_Rec.text.clear();
    EXPECT_EQ(1, dlg.DoModal(0)) << "Return in a one-line edit presses OK";
    WhenShown(nullptr);  // OK closed the dialog before the step's last call
    EXPECT_EQ(1, closedByOk);
    EXPECT_EQ((std::vector<std::string>{"a\r\n\r\n", "\r\nb"}), shown);
}

namespace {

void CALLBACK CloseLater(HWND wnd, UINT, UINT_PTR timer, DWORD) {
    KillTimer(wnd, timer);
    PostMessageA(wnd, WM_CLOSE, 0, 0);
}

}  // namespace

// A step still waiting when its test ends fails the test and goes: a dialog
// opened later, and shown for a while, meets no step.
TEST_F(Dialog, AStepLeftWaitingFailsItsTestAndRunsNoMore) {
    for (bool shown : {false, true}) {
        int runs = 0;
        const auto step = [&runs] { return ++runs < 0; };
        shown ? WhenShown(step) : WhenOpen(step);
        EXPECT_NONFATAL_FAILURE(RunTestEndChecks(), "still waiting when the test ended");
        dlg.m_Script = [](TEST_DLG& d) { SetTimer(d.m_hWnd, 1, 100, CloseLater); };
        EXPECT_EQ(0, dlg.DoModal(0));
        EXPECT_EQ(0, runs) << shown;
    }
}
