// The list control on real list boxes: rows and numbering, the append row,
// binding through the working copy, selection kept across refills, the
// right-click hit test and the shortcut keys.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/ui/test_dialogs.h"
#include "ui/wnd_list.h"

namespace {

std::vector<std::string> Rows(HWND list) {
    std::vector<std::string> rows;
    int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        rows.push_back(text);
    }
    return rows;
}

void RunDialog(CTRL_TEST_DLG& dlg, std::function<void(CTRL_TEST_DLG&)> script) {
    dlg.m_Script = [script](CTRL_TEST_DLG& d) {
        script(d);
        d.End(0);
    };
    dlg.DoModal(0);
}

void Click(CTRL_TEST_DLG& d, WORD id, int row) {
    SendDlgItemMessageA(d.m_hWnd, id, LB_SETCURSEL, row, 0);
    d.Notify(id, LBN_SELCHANGE);
}

}  // namespace

TEST(ListControl, EmptyWorkingCopyWithAnAppendRow) {
    WND_LIST_CLASS reg;
    CTRL_TEST_DLG dlg(&reg);
    dlg.m_Bound = {7, "編集中"};
    RunDialog(dlg, [&](CTRL_TEST_DLG& d) {
        EXPECT_EQ(std::vector<std::string>{std::string(64, '-')}, Rows(d.m_List.m_hWnd));
        EXPECT_EQ(0, d.m_List.GetRecordCount());
        Click(d, IDC_LIST, 0);
        EXPECT_EQ(-1, d.m_List.GetDataPos());
        EXPECT_TRUE(d.m_List.IsAppendRow(0));
        EXPECT_EQ(0, d.m_Bound.n) << "the default record";
        EXPECT_EQ("", d.m_Bound.name);
    });
}

TEST(ListControl, RowNumbersHaveTheDigitsOfTheCount) {
    for (int count : {9, 12, 100}) {
        WND_LIST_CLASS reg;
        CTRL_TEST_DLG dlg(&reg);
        dlg.m_Source = MakeRecords(count);
        std::vector<std::string> rows;
        RunDialog(dlg, [&](CTRL_TEST_DLG& d) { rows = Rows(d.m_List.m_hWnd); });
        ASSERT_EQ(static_cast<size_t>(count + 1), rows.size());
        const char* first = count == 9 ? "1 レコード0" : count == 12 ? "01 レコード0" : "001 レコード0";
        EXPECT_EQ(first, rows[0]);
        EXPECT_EQ(std::to_string(count) + " レコード" + std::to_string(count - 1), rows[count - 1]);
        EXPECT_EQ(std::string(64, '-'), rows[count]);
    }
}

TEST(ListControl, FirstShownRecord) {
    WND_LIST_CLASS reg;
    CTRL_TEST_DLG dlg(&reg);
    dlg.m_Source = MakeRecords(4);
    dlg.m_ListDesc.firstShown = 1;
    RunDialog(dlg, [&](CTRL_TEST_DLG& d) {
        std::vector<std::string> rows = Rows(d.m_List.m_hWnd);
        ASSERT_EQ(4u, rows.size());
        EXPECT_EQ("1 レコード1", rows[0]);
        Click(d, IDC_LIST, 0);
        EXPECT_EQ(1, d.m_List.GetDataPos());
        EXPECT_EQ(1, d.m_Bound.n);
        EXPECT_TRUE(d.m_List.IsAppendRow(3));
    });
}

TEST(ListControl, SelectionLoadsTheBoundRecordAndEditsGoBack) {
    WND_LIST_CLASS reg;
    CTRL_TEST_DLG dlg(&reg);
    dlg.m_Source = MakeRecords(5);
    dlg.m_Script = [&](CTRL_TEST_DLG& d) {
        EXPECT_EQ(0, d.m_Bound.n) << "row 0 is loaded at set-up";
        Click(d, IDC_LIST, 3);
        EXPECT_EQ(3, d.m_List.GetCurSel());
        EXPECT_EQ(3, d.m_Bound.n);
        d.m_Bound.name = "改名";
        EXPECT_EQ(1, d.m_List.StoreCurrentRecord());
        EXPECT_EQ("4 改名", Rows(d.m_List.m_hWnd)[3]);
        EXPECT_EQ("レコード3", d.m_Source[3].name) << "the source waits for the store";
        Click(d, IDC_LIST, 5);
        EXPECT_EQ(0, d.m_List.StoreCurrentRecord()) << "the append row takes no record";
        d.Notify(IDC_OK, BN_CLICKED);
    };
    EXPECT_EQ(1, dlg.DoModal(0));
    EXPECT_EQ("改名", dlg.m_Source[3].name);
}

TEST(ListControl, SelectionIsKeptAcrossRefills) {
    WND_LIST_CLASS reg;
    CTRL_TEST_DLG dlg(&reg);
    dlg.m_Source = MakeRecords(30);
    dlg.m_MultiSource = MakeRecords(6);
    RunDialog(dlg, [&](CTRL_TEST_DLG& d) {
        Click(d, IDC_LIST, 20);
        SendDlgItemMessageA(d.m_hWnd, IDC_LIST, LB_SETTOPINDEX, 15, 0);
        d.Notify(IDC_LIST, LBN_SELCHANGE);
        // Multiple selection: rows 1 and 4, caret on 4.
        HWND multi = d.m_Multi.m_hWnd;
        SendMessageA(multi, LB_SETSEL, FALSE, -1);
        SendMessageA(multi, LB_SETSEL, TRUE, 1);
        SendMessageA(multi, LB_SETSEL, TRUE, 4);
        SendMessageA(multi, LB_SETCARETINDEX, 4, 0);
        d.Notify(IDC_MULTI, LBN_SELCHANGE);
        EXPECT_EQ(4, d.m_MultiBound.n);
        d.RefreshCtrls(-1);
        d.RedrawList();
        EXPECT_EQ(20, d.m_List.GetCurSel());
        EXPECT_EQ(15, static_cast<int>(SendDlgItemMessageA(d.m_hWnd, IDC_LIST, LB_GETTOPINDEX, 0, 0)));
        EXPECT_EQ(20, d.m_Bound.n);
        EXPECT_EQ(1, SendMessageA(multi, LB_GETSEL, 1, 0));
        EXPECT_EQ(1, SendMessageA(multi, LB_GETSEL, 4, 0));
        EXPECT_EQ(0, SendMessageA(multi, LB_GETSEL, 2, 0));
        EXPECT_EQ(4, d.m_Multi.GetCurSel());
        EXPECT_EQ(4, d.m_Multi.GetDataPos());
    });
}

TEST(ListControl, ReloadWithTheAppendRowSelectedMovesToTheLastRecord) {
    WND_LIST_CLASS reg;
    CTRL_TEST_DLG dlg(&reg);
    dlg.m_Source = MakeRecords(3);
    RunDialog(dlg, [&](CTRL_TEST_DLG& d) {
        Click(d, IDC_LIST, 3);
        EXPECT_EQ(-1, d.m_List.GetDataPos());
        d.m_Source.push_back({9, "追加"});
        d.RefreshCtrls(-1);
        d.RedrawList();
        EXPECT_EQ(3, d.m_List.GetCurSel());
        EXPECT_EQ(9, d.m_Bound.n);
        // A source that shrank below the selection does the same.
        d.m_Source.resize(2);
        d.RefreshCtrls(-1);
        d.RedrawList();
        EXPECT_EQ(1, d.m_List.GetCurSel());
        EXPECT_EQ(1, d.m_Bound.n);
    });
}

TEST(ListControl, NoSelectionIsForcedWithoutMinimumOrAppendRow) {
    WND_LIST_CLASS reg;
    CTRL_TEST_DLG dlg(&reg);
    dlg.m_Source = MakeRecords(3);
    dlg.m_ListDesc.appendRow = 0;
    dlg.m_ListDesc.minCount = 0;
    RunDialog(dlg, [&](CTRL_TEST_DLG& d) {
        EXPECT_EQ(1, d.m_List.m_bNoSelection);
        d.m_List.SetCurSel(-1, 0);
        d.m_List.RedrawList();
        EXPECT_EQ(-1, d.m_List.GetCurSel());
        EXPECT_EQ(0, d.m_Multi.m_bNoSelection) << "a minimum of 1 keeps a selection";
    });
}

TEST(ListControl, StoreIsLockedWhileTheDialogRefreshes) {
    WND_LIST_CLASS reg;
    CTRL_TEST_DLG dlg(&reg);
    dlg.m_Source = MakeRecords(2);
    RunDialog(dlg, [&](CTRL_TEST_DLG& d) {
        d.m_Work[0].name = "作業中";
        d.m_bRefreshing = 1;
        d.m_List.CtrlToValue();
        d.m_bRefreshing = 0;
        EXPECT_EQ("レコード0", d.m_Source[0].name);
        d.m_List.CtrlToValue();
        EXPECT_EQ("作業中", d.m_Source[0].name);
    });
}

TEST(ListControl, RightClickAsksTheListBoxForTheRow) {
    WND_LIST_CLASS reg;
    CTRL_TEST_DLG dlg(&reg);
    dlg.m_Source = MakeRecords(3);
    RunDialog(dlg, [&](CTRL_TEST_DLG& d) {
        SetForegroundWindow(d.m_hWnd);
        SetActiveWindow(d.m_hWnd);
        HWND list = d.m_List.m_hWnd;
        // A taller font than the 12-pixel rows that were once assumed.
        HFONT big = CreateFontA(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, "MS UI Gothic");
        SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(big), TRUE);
        SendMessageA(list, LB_SETITEMHEIGHT, 0, 24);
        RECT item;
        SendMessageA(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
        POINT pt = {item.left + 5, (item.top + item.bottom) / 2};
        ClientToScreen(list, &pt);
        d.m_Commands.clear();
        EXPECT_EQ(1, d.m_List.SelectAtPoint(pt));
        EXPECT_EQ(2, d.m_List.GetCurSel());
        EXPECT_EQ(2, d.m_Bound.n);
        EXPECT_EQ(1, std::count(d.m_Commands.begin(), d.m_Commands.end(), MAKEWPARAM(IDC_LIST, LBN_SELCHANGE)));
        EXPECT_EQ(list, GetFocus());
        // Below the last row (the append row is row 3) nothing is selected.
        RECT rc;
        GetClientRect(list, &rc);
        POINT below = {5, rc.bottom - 2};
        ClientToScreen(list, &below);
        EXPECT_EQ(0, d.m_List.SelectAtPoint(below));
        EXPECT_EQ(2, d.m_List.GetCurSel());
        // Outside the list box.
        RECT wr;
        GetWindowRect(list, &wr);
        EXPECT_EQ(0, d.m_List.SelectAtPoint({wr.left - 3, wr.top + 5}));
        SendMessageA(list, WM_SETFONT, 0, FALSE);
        DeleteObject(big);
    });
}

TEST(ListControl, RightClickWhileAnotherWindowIsActiveSelectsNothing) {
    WND_LIST_CLASS reg;
    SMALL_TEST_DLG palette(&reg);
    CTRL_TEST_DLG dlg(&reg);
    dlg.m_Source = MakeRecords(3);
    RunDialog(dlg, [&](CTRL_TEST_DLG& d) {
        palette.Create(0, 1);
        SetActiveWindow(palette.m_hWnd);
        RECT item;
        SendMessageA(d.m_List.m_hWnd, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
        POINT pt = {item.left + 5, item.top + 2};
        ClientToScreen(d.m_List.m_hWnd, &pt);
        EXPECT_EQ(0, d.m_List.SelectAtPoint(pt));
        EXPECT_EQ(0, d.m_List.GetCurSel());
        // The main loop's filter translates the palette's keys while it is active.
        palette.AddAccelerator(palette.m_hWnd, IDR_ACCEL);
        MSG key = {palette.m_hWnd, WM_KEYDOWN, VK_F5, 0, 0, {0, 0}};
        palette.m_Commands.clear();
        EXPECT_EQ(1, DispatchAppMessage(&key, &reg));
        PumpMessages(&reg);
        EXPECT_EQ(std::vector<WPARAM>{MAKEWPARAM(CMD_ACCEL, 1)}, palette.m_Commands);
        SetActiveWindow(d.m_hWnd);
        DispatchAppMessage(&key, &reg);
        PumpMessages(&reg);
        EXPECT_EQ(1, std::count(palette.m_Commands.begin(), palette.m_Commands.end(), MAKEWPARAM(CMD_ACCEL, 1)))
            << "not while another window is active";
        palette.End(0);
    });
}

TEST(ListControl, ShortcutKeysSendTheCommandIds) {
    WND_LIST_CLASS reg;
    CTRL_TEST_DLG dlg(&reg);
    dlg.m_Source = MakeRecords(2);
    std::vector<WPARAM> got;
    RunDialog(dlg, [&](CTRL_TEST_DLG& d) {
        d.m_Commands.clear();
        d.m_Multi.OnKeyDown('I', 0, 1);  // the default ids send both new and insert
        d.m_List.OnKeyDown('I', 0, 1);
        d.m_List.OnKeyDown('C', 0, 1);
        d.m_List.OnKeyDown('V', 0, 0);  // no Ctrl: nothing
        d.m_List.SetCommandIds(CMD_CUT, CMD_COPY, CMD_PASTE, 0, CMD_INSERT, 0, CMD_DELETE);
        d.m_List.OnKeyDown('I', 0, 1);
        d.m_List.OnKeyDown(VK_DELETE, 0, 1);
        got = d.m_Commands;
    });
    EXPECT_EQ((std::vector<WPARAM>{40082, 40069, CMD_NEW, CMD_INSERT, CMD_COPY, CMD_INSERT, CMD_DELETE}), got);
}

TEST(ListControl, ALinkedListIsNotBound) {
    ScopedSeams seams;
    WND_LIST_CLASS reg;
    CTRL_TEST_DLG dlg(&reg);
    dlg.m_Source = MakeRecords(2);
    dlg.m_ListDesc.container = LIST_KIND_LIST;
    RunDialog(dlg, [&](CTRL_TEST_DLG& d) {
        EXPECT_EQ(0, d.m_List.GetCount());
        d.m_List.CtrlToValue();
    });
    EXPECT_EQ(2u, dlg.m_Source.size());
    EXPECT_TRUE(dlg.m_Work.empty());
}
