// The list control on real list boxes: rows and numbering, the append row,
// binding through the working copy, selection kept across refills, the
// right-click hit test, the shortcut keys, and the record commands (cut,
// copy, paste, new, insert, clear, delete, the data count, moving) with the working
// copy, the bound record, the selection and the limits checked after each.
#include <gtest/gtest.h>

#include <algorithm>

#include "resources/toolkit_ids.h"
#include "tests/support/seams.h"
#include "tests/ui/dialog_fixture.h"
#include "tests/ui/test_dialogs.h"
#include "tests/ui/ui_driver.h"
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

void Pick(TEST_DLG& d, int row, WORD id = IDC_LIST) {
    SendDlgItemMessageA(d.m_hWnd, id, LB_SETCURSEL, row, 0);
    d.Notify(id, LBN_SELCHANGE);
}

// Selects exactly `rows` of the multiple-selection list, the caret on `caret`.
void PickMulti(TEST_DLG& d, std::vector<int> rows, int caret) {
    HWND list = d.m_Multi.m_hWnd;
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    for (int row : rows) SendMessageA(list, LB_SETSEL, TRUE, row);
    SendMessageA(list, LB_SETCARETINDEX, caret, 0);
    d.Notify(IDC_MULTI, LBN_SELCHANGE);
}

// The numbers of the working records, as a compact text ("0 1 2").
std::string Numbers(const VECTOR_CLASS<cTestRec>& records) {
    std::string text;
    for (const cTestRec& r : records) text += (text.empty() ? "" : " ") + std::to_string(r.n);
    return text;
}

int RowCount(TEST_DLG& d, WORD id) { return static_cast<int>(SendDlgItemMessageA(d.m_hWnd, id, LB_GETCOUNT, 0, 0)); }

}  // namespace

using ListCommands = DialogTest;
using ListControl = DialogTest;

TEST_F(ListControl, EmptyWorkingCopyWithAnAppendRow) {
    dlg.m_Bound = {7, "編集中"};
    RunTestDialog(dlg, [&](TEST_DLG& d) {
        EXPECT_EQ(std::vector<std::string>{std::string(64, '-')}, Rows(d.m_List.m_hWnd));
        EXPECT_EQ(0, d.m_List.GetRecordCount());
        Pick(d, 0);
        EXPECT_EQ(-1, d.m_List.GetDataPos());
        EXPECT_TRUE(d.m_List.IsAppendRow(0));
        EXPECT_EQ(0, d.m_Bound.n) << "the default record";
        EXPECT_EQ("", d.m_Bound.name);
    });
}

TEST_F(ListControl, FirstShownRecord) {
    dlg.m_Source = MakeRecords(4);
    dlg.m_ListDesc.firstShown = 1;
    RunTestDialog(dlg, [&](TEST_DLG& d) {
        std::vector<std::string> rows = Rows(d.m_List.m_hWnd);
        ASSERT_EQ(4u, rows.size());
        EXPECT_EQ("1 レコード1", rows[0]);
        Pick(d, 0);
        EXPECT_EQ(1, d.m_List.GetDataPos());
        EXPECT_EQ(1, d.m_Bound.n);
        EXPECT_TRUE(d.m_List.IsAppendRow(3));
    });
}

TEST_F(ListControl, SelectionLoadsTheBoundRecordAndEditsGoBack) {
    dlg.m_Source = MakeRecords(5);
    dlg.m_Script = [&](TEST_DLG& d) {
        EXPECT_EQ(0, d.m_Bound.n) << "row 0 is loaded at set-up";
        Pick(d, 3);
        EXPECT_EQ(3, d.m_List.GetCurSel());
        EXPECT_EQ(3, d.m_Bound.n);
        d.m_Bound.name = "改名";
        EXPECT_EQ(1, d.m_List.StoreCurrentRecord());
        EXPECT_EQ("4 改名", Rows(d.m_List.m_hWnd)[3]);
        EXPECT_EQ("レコード3", d.m_Source[3].name) << "the source waits for the store";
        Pick(d, 5);
        EXPECT_EQ(0, d.m_List.StoreCurrentRecord()) << "the append row takes no record";
        d.Notify(IDC_OK, BN_CLICKED);
    };
    EXPECT_EQ(1, dlg.DoModal(0));
    EXPECT_EQ("改名", dlg.m_Source[3].name);
}

TEST_F(ListControl, SelectionIsKeptAcrossRefills) {
    dlg.m_Source = MakeRecords(30);
    dlg.m_MultiSource = MakeRecords(6);
    RunTestDialog(dlg, [&](TEST_DLG& d) {
        Pick(d, 20);
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

TEST_F(ListControl, ReloadWithTheAppendRowSelectedMovesToTheLastRecord) {
    dlg.m_Source = MakeRecords(3);
    RunTestDialog(dlg, [&](TEST_DLG& d) {
        Pick(d, 3);
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

TEST_F(ListControl, NoSelectionIsForcedWithoutMinimumOrAppendRow) {
    dlg.m_Source = MakeRecords(3);
    dlg.m_ListDesc.appendRow = 0;
    dlg.m_ListDesc.minCount = 0;
    RunTestDialog(dlg, [&](TEST_DLG& d) {
        EXPECT_EQ(1, d.m_List.m_bNoSelection);
        d.m_List.SetCurSel(-1, 0);
        d.m_List.RedrawList();
        EXPECT_EQ(-1, d.m_List.GetCurSel());
        EXPECT_EQ(0, d.m_Multi.m_bNoSelection) << "a minimum of 1 keeps a selection";
    });
}

TEST_F(ListControl, StoreIsLockedWhileTheDialogRefreshes) {
    dlg.m_Source = MakeRecords(2);
    RunTestDialog(dlg, [&](TEST_DLG& d) {
        d.m_Work[0].name = "作業中";
        d.m_bRefreshing = 1;
        d.m_List.CtrlToValue();
        d.m_bRefreshing = 0;
        EXPECT_EQ("レコード0", d.m_Source[0].name);
        d.m_List.CtrlToValue();
        EXPECT_EQ("作業中", d.m_Source[0].name);
    });
}

TEST_F(ListControl, RightClickAsksTheListBoxForTheRow) {
    dlg.m_Source = MakeRecords(3);
    RunTestDialog(dlg, [&](TEST_DLG& d) {
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

namespace {
int g_nMenusSeen = 0;
// Closes a pop-up menu that the list opened, counting it.
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
    HWND menu = FindWindowA("#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) return;
    ++g_nMenusSeen;
    KillTimer(nullptr, id);
    EndMenu();
}
}  // namespace

// WM_CONTEXTMENU of the dialog: a right click on a row selects it and opens
// the list's menu there; from the keyboard the menu opens for the current
// row; a disabled list, or another window's message, opens nothing.
TEST_F(ListControl, ContextMenuSelectsTheRowAndOpensTheListsMenu) {
    dlg.m_Source = MakeRecords(3);
    RunTestDialog(dlg, [&](TEST_DLG& d) {
        SetForegroundWindow(d.m_hWnd);
        SetActiveWindow(d.m_hWnd);
        d.m_List.SetContextMenu(IDR_MENU_LIST, CM_LIST_MENU_CUT, CM_LIST_MENU_COPY, CM_LIST_MENU_PASTE, 0,
                                CM_LIST_MENU_INSERT, 0, CM_LIST_MENU_DELETE);
        HWND list = d.m_List.m_hWnd;
        RECT item;
        SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
        POINT pt = {item.left + 5, (item.top + item.bottom) / 2};
        ClientToScreen(list, &pt);
        g_nMenusSeen = 0;
        SetTimer(nullptr, 0, 5, CloseMenu);
        EXPECT_EQ(1, d.m_List.TrackContextMenu(d.m_hWnd, list, MAKELPARAM(pt.x, pt.y)));
        EXPECT_EQ(1, d.m_List.GetCurSel());
        EXPECT_EQ(1, d.m_Bound.n);
        SetTimer(nullptr, 0, 5, CloseMenu);
        EXPECT_EQ(1, d.m_List.TrackContextMenu(d.m_hWnd, list, -1));  // Shift+F10
        EXPECT_EQ(1, d.m_List.GetCurSel());
        EXPECT_EQ(2, g_nMenusSeen);
        EXPECT_EQ(0, d.m_List.TrackContextMenu(d.m_hWnd, d.m_Multi.m_hWnd, -1)) << "another list's";
        EnableWindow(list, FALSE);
        EXPECT_EQ(0, d.m_List.TrackContextMenu(d.m_hWnd, list, -1)) << "disabled: nothing opens";
        EnableWindow(list, TRUE);
        EXPECT_EQ(2, g_nMenusSeen);
    });
}

TEST_F(ListControl, RightClickWhileAnotherWindowIsActiveSelectsNothing) {
    SMALL_TEST_DLG palette(&reg);
    dlg.m_Source = MakeRecords(3);
    RunTestDialog(dlg, [&](TEST_DLG& d) {
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

TEST_F(ListControl, ShortcutKeysSendTheCommandIds) {
    dlg.m_Source = MakeRecords(2);
    std::vector<WPARAM> got;
    RunTestDialog(dlg, [&](TEST_DLG& d) {
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

TEST_F(ListControl, ALinkedListIsNotBound) {
    ScopedBoxes boxes;
    dlg.m_Source = MakeRecords(2);
    dlg.m_ListDesc.container = LIST_KIND_LIST;
    RunTestDialog(dlg, [&](TEST_DLG& d) {
        EXPECT_EQ(0, d.m_List.GetCount());
        d.m_List.CtrlToValue();
    });
    EXPECT_EQ(2u, dlg.m_Source.size());
    EXPECT_TRUE(dlg.m_Work.empty());
}

TEST_F(ListCommands, DeleteInASingleSelectionList) {
    dlg.m_Source = MakeRecords(3);
    RunTestDialog(dlg, [](TEST_DLG& d) {
        Pick(d, 2);
        EXPECT_EQ(1, d.m_List.DeleteRecords(-1, 0));
        EXPECT_EQ("0 1", Numbers(d.m_Work));
        EXPECT_EQ(1, d.m_List.GetCurSel()) << "the record before the deleted last one";
        EXPECT_EQ(1, d.m_Bound.n);
        Pick(d, 0);
        d.m_List.DeleteRecords(-1, 0);
        EXPECT_EQ("1", Numbers(d.m_Work));
        EXPECT_EQ(1, d.m_Bound.n) << "the record that moved up";
        d.m_List.DeleteRecords(-1, 0);
        EXPECT_EQ("", Numbers(d.m_Work));
        EXPECT_EQ(0, d.m_Bound.n) << "no record left: the bound record is reset";
        EXPECT_EQ("", d.m_Bound.name);
        EXPECT_EQ(1, RowCount(d, IDC_LIST)) << "the append row alone";
        EXPECT_EQ(LIST_CMD_DELETE, d.m_List.m_nLastCommand);
        // The append row deletes nothing and is no refusal.
        Pick(d, 0);
        EXPECT_EQ(1, d.m_List.DeleteRecords(-1, 0));
    });
}

TEST_F(ListCommands, NeverBelowTheMinimum) {
    dlg.m_Source = MakeRecords(3);
    dlg.m_ListDesc.firstShown = 1;
    dlg.m_ListDesc.minCount = 1;
    dlg.m_MultiSource = MakeRecords(3);
    RunTestDialog(dlg, [](TEST_DLG& d) {
        Pick(d, 0);
        EXPECT_EQ(1, d.m_List.DeleteRecords(-1, 0));
        EXPECT_EQ("0 2", Numbers(d.m_Work));
        Pick(d, 0);
        EXPECT_EQ(0, d.m_List.DeleteRecords(-1, 0)) << "one shown record stays";
        EXPECT_EQ(0, d.m_List.Cut());
        EXPECT_EQ("0 2", Numbers(d.m_Work));
        EXPECT_EQ(2, d.m_Bound.n);
        PickMulti(d, {0, 1, 2}, 2);
        EXPECT_EQ(1, d.m_Multi.DeleteRecords(-1, 0));
        EXPECT_EQ("2", Numbers(d.m_MultiWork)) << "the minimum of 1 keeps the last";
        PickMulti(d, {0}, 0);
        EXPECT_EQ(0, d.m_Multi.DeleteRecords(-1, 0));
    });
}

TEST_F(ListCommands, MultipleSelectionDelete) {
    const struct {
        int appendRow;
        int records;
        std::vector<int> rows;
        int caret;
        const char* left;
        int caretAfter;
        int bound;
    } cases[] = {
        // Rows 1 and 3 go; the caret lands on what followed row 3.
        {0, 6, {1, 3}, 3, "0 2 4 5", 2, 4},
        // Nothing followed: the last record, or the append row (bound reset).
        {0, 4, {1, 3}, 3, "0 2", 1, 2},
        {1, 4, {1, 3}, 3, "0 2", 2, 0},
    };
    for (const auto& c : cases) {
        WND_LIST_CLASS reg;
        TEST_DLG dlg(&reg);
        dlg.m_MultiSource = MakeRecords(c.records);
        dlg.m_MultiDesc.appendRow = c.appendRow;
        RunTestDialog(dlg, [&](TEST_DLG& d) {
            PickMulti(d, c.rows, c.caret);
            d.m_MultiBound = {99, "x"};
            EXPECT_EQ(1, d.m_Multi.DeleteRecords(-1, 0));
            EXPECT_EQ(c.left, Numbers(d.m_MultiWork));
            EXPECT_EQ(c.caretAfter, d.m_Multi.m_nCurRow);
            EXPECT_EQ(c.bound, d.m_MultiBound.n);
            EXPECT_EQ(1, d.m_Multi.m_SelFlags.CountNonZero()) << "only the caret row stays selected";
        });
    }
}

TEST_F(ListCommands, CopyAndCutKeepRowOrder) {
    dlg.m_MultiSource = MakeRecords(5);
    RunTestDialog(dlg, [](TEST_DLG& d) {
        PickMulti(d, {3, 1}, 3);
        EXPECT_EQ(1, d.m_Multi.Cut());
        EXPECT_EQ(LIST_CMD_CUT, d.m_Multi.m_nLastCommand);
        EXPECT_EQ("1 3", Numbers(d.m_Multi.m_Clipboard));
        EXPECT_EQ("0 2 4", Numbers(d.m_MultiWork));
        PickMulti(d, {0}, 0);
        EXPECT_EQ(1, d.m_Multi.Paste());
        EXPECT_EQ("1 3 0 2 4", Numbers(d.m_MultiWork));
        EXPECT_EQ(1, d.m_MultiBound.n) << "the first pasted record";
        EXPECT_EQ("1 3", Numbers(d.m_Multi.m_Clipboard)) << "paste leaves the clipboard";
        EXPECT_EQ(1, d.m_Multi.m_SelFlags.CountNonZero());
        // The owner's own vector.
        VECTOR_CLASS<cTestRec> mine = MakeRecords(1);
        PickMulti(d, {4, 2}, 2);
        EXPECT_EQ(1, d.m_Multi.Copy(mine));
        EXPECT_EQ("0 4", Numbers(mine));
    });
}

TEST_F(ListCommands, CopyAndCutWithNothingSelected) {
    dlg.m_MultiSource = MakeRecords(3);
    dlg.m_Source = MakeRecords(2);
    RunTestDialog(dlg, [](TEST_DLG& d) {
        d.m_Multi.m_Clipboard = MakeRecords(2);
        d.m_Multi.m_SelFlags.Fill(0);
        EXPECT_EQ(0, d.m_Multi.Cut());
        EXPECT_TRUE(d.m_Multi.m_Clipboard.empty());
        EXPECT_EQ("0 1 2", Numbers(d.m_MultiWork));
        VECTOR_CLASS<cTestRec> mine = MakeRecords(1);
        EXPECT_EQ(0, d.m_Multi.Copy(mine));
        EXPECT_TRUE(mine.empty());
        // A single list refuses to copy the append row and keeps its clipboard.
        d.m_List.m_Clipboard = MakeRecords(1);
        Pick(d, 2);
        EXPECT_EQ(0, d.m_List.Copy());
        EXPECT_EQ("0", Numbers(d.m_List.m_Clipboard));
    });
}

TEST_F(ListCommands, PasteInsertAndNewKeepToTheMaximum) {
    dlg.m_Source = MakeRecords(4);
    dlg.m_ListDesc.maxCount = 5;
    RunTestDialog(dlg, [](TEST_DLG& d) {
        d.m_List.m_Clipboard = MakeRecords(3);
        Pick(d, 4);
        EXPECT_EQ(0, d.m_List.Paste()) << "three records would pass the maximum";
        EXPECT_EQ("0 1 2 3", Numbers(d.m_Work));
        d.m_List.m_Clipboard.resize(1);
        EXPECT_EQ(1, d.m_List.Paste());
        EXPECT_EQ("0 1 2 3 0", Numbers(d.m_Work)) << "on the append row a paste appends";
        EXPECT_EQ(4, d.m_List.GetCurSel());
        EXPECT_EQ(0, d.m_List.Paste());
        d.m_List.m_Clipboard.clear();
        EXPECT_EQ(0, d.m_List.Paste()) << "a full list refuses even an empty paste";
        EXPECT_EQ(0, d.m_List.NewRecord());
        EXPECT_EQ(0, d.m_List.InsertRecord());
        EXPECT_EQ(5u, d.m_Work.size());
        EXPECT_EQ(LIST_CMD_INSERT, d.m_List.m_nLastCommand) << "a refusal still leaves its code";
        Pick(d, 1);
        EXPECT_EQ(1, d.m_List.DeleteRecords(-1, 0));
        EXPECT_EQ(1, d.m_List.Paste()) << "below the maximum an empty paste does nothing";
        EXPECT_EQ("0 2 3 0", Numbers(d.m_Work));
        d.m_Bound = {77, "x"};
        EXPECT_EQ(1, d.m_List.NewRecord());
        EXPECT_EQ("0 2 3 0 0", Numbers(d.m_Work));
        EXPECT_EQ(4, d.m_List.GetCurSel());
        EXPECT_EQ(0, d.m_Bound.n) << "the new record is loaded";
    });
}

TEST_F(ListCommands, InsertGoesBeforeTheSelection) {
    dlg.m_Source = MakeRecords(3);
    dlg.m_ListDesc.noSelection = 1;
    RunTestDialog(dlg, [](TEST_DLG& d) {
        Pick(d, 1);
        d.m_Bound = {77, "x"};
        EXPECT_EQ(1, d.m_List.InsertRecord());
        EXPECT_EQ("0 0 1 2", Numbers(d.m_Work));
        EXPECT_EQ(1, d.m_List.GetCurSel());
        EXPECT_EQ(0, d.m_Bound.n);
        SendMessageA(d.m_List.m_hWnd, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        d.m_Work[0].n = 5;
        EXPECT_EQ(1, d.m_List.InsertRecord());
        EXPECT_EQ("0 5 0 1 2", Numbers(d.m_Work)) << "no selection inserts at row 0";
    });
}

TEST_F(ListCommands, InsertInAMultipleSelectionListSelectsTheNewRecordAlone) {
    dlg.m_MultiSource = MakeRecords(4);
    RunTestDialog(dlg, [](TEST_DLG& d) {
        PickMulti(d, {1, 3}, 1);
        EXPECT_EQ(1, d.m_Multi.InsertRecord());
        EXPECT_EQ("0 0 1 2 3", Numbers(d.m_MultiWork));
        // Deleting now must take the new record, not a record that moved down.
        EXPECT_EQ(1, d.m_Multi.DeleteRecords(-1, 0));
        EXPECT_EQ("0 1 2 3", Numbers(d.m_MultiWork));
    });
}

TEST_F(ListCommands, ClearResetsTheSelectedRecords) {
    dlg.m_Source = MakeRecords(3);
    dlg.m_MultiSource = MakeRecords(4);
    RunTestDialog(dlg, [](TEST_DLG& d) {
        Pick(d, 1);
        EXPECT_EQ(1, d.m_List.ClearRecords());
        EXPECT_EQ("0 0 2", Numbers(d.m_Work));
        EXPECT_EQ("", d.m_Work[1].name);
        EXPECT_EQ(0, d.m_Bound.n);
        Pick(d, 3);
        EXPECT_EQ(1, d.m_List.ClearRecords()) << "the append row: nothing changes";
        EXPECT_EQ("0 0 2", Numbers(d.m_Work));
        EXPECT_EQ(4, RowCount(d, IDC_LIST));
        PickMulti(d, {0, 2, 3}, 2);
        EXPECT_EQ(1, d.m_Multi.ClearRecords());
        EXPECT_EQ("0 1 0 0", Numbers(d.m_MultiWork));
        EXPECT_EQ("レコード1", d.m_MultiWork[1].name);
    });
}

TEST_F(ListCommands, ResizeKeepsOrMovesTheSelection) {
    dlg.m_Source = MakeRecords(4);
    dlg.m_ListDesc.minCount = 1;
    dlg.m_ListDesc.maxCount = 6;
    RunTestDialog(dlg, [](TEST_DLG& d) {
        Pick(d, 2);
        EXPECT_EQ(1, d.m_List.Resize(4));
        EXPECT_EQ("0 1 2 3", Numbers(d.m_Work));
        EXPECT_EQ(2, d.m_List.GetCurSel());
        EXPECT_EQ(0, d.m_List.Resize(7));
        EXPECT_EQ(0, d.m_List.Resize(0));
        EXPECT_EQ(1, d.m_List.Resize(6));
        EXPECT_EQ("0 1 2 3 0 0", Numbers(d.m_Work));
        EXPECT_EQ(2, d.m_List.GetCurSel());
        EXPECT_EQ(1, d.m_List.Resize(2));
        EXPECT_EQ("0 1", Numbers(d.m_Work));
        EXPECT_EQ(0, d.m_List.GetCurSel()) << "the selected record went: row 0";
        EXPECT_EQ(0, d.m_Bound.n);
        EXPECT_EQ(3, RowCount(d, IDC_LIST));
    });
}

// The up and down buttons of the arrange dialogs: the moved record stays
// selected and bound, so that repeated clicks carry it along.
TEST_F(ListCommands, MoveCurrentCarriesTheRecordAlong) {
    dlg.m_Source = MakeRecords(3);
    RunTestDialog(dlg, [](TEST_DLG& d) {
        const struct {
            int pick, delta, done;
            const char* numbers;
            int row;
        } cases[] = {
            {1, 1, 1, "0 2 1", 2},   {-1, 1, 0, "0 2 1", 2}, {-1, -2, 1, "1 2 0", 0},
            {-1, -1, 0, "1 2 0", 0}, {-1, 1, 1, "2 1 0", 1}, {3, -1, 0, "2 1 0", 3},
        };
        for (const auto& c : cases) {
            if (c.pick >= 0) Pick(d, c.pick);
            EXPECT_EQ(c.done, d.m_List.MoveCurrent(c.delta)) << c.numbers;
            EXPECT_EQ(c.numbers, Numbers(d.m_Work));
            EXPECT_EQ(c.row, d.m_List.GetCurSel()) << c.numbers;
            if (c.row < 3) {
                EXPECT_EQ(1, d.m_Bound.n) << c.numbers << ": the moved record stays bound";
            }
        }
    });
}

// The long fill runs with drawing off; the rows, the selection and the
// drawing must all be back when it ends, and a refill of a held row count
// must still write every changed row.
TEST_F(ListCommands, ACountOf999FillsEveryRowAndDrawsAgain) {
    dlg.m_Source = MakeRecords(4);
    dlg.m_ListDesc.minCount = 1;
    dlg.m_ListDesc.maxCount = 999;
    RunTestDialog(dlg, [](TEST_DLG& d) {
        HWND list = d.m_List.m_hWnd;
        Pick(d, 2);
        ASSERT_EQ(1, d.m_List.Resize(999));
        std::vector<std::string> rows = Rows(list);
        ASSERT_EQ(1000u, rows.size()) << "999 records and the append row";
        EXPECT_NE(std::string::npos, rows[2].find("レコード2"));
        EXPECT_EQ("999 ", rows[998]) << "the last record, numbered from 1";
        EXPECT_EQ(std::string(64, '-'), rows[999]);
        EXPECT_EQ(2, d.m_List.GetCurSel());
        EXPECT_EQ(2, d.m_Bound.n);
        EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_VISIBLE) << "drawing is on again";

        d.m_Work[997].name = "改名";
        d.m_List.FillList();
        EXPECT_NE(std::string::npos, Rows(list)[997].find("改名"));
        EXPECT_EQ(2, d.m_List.GetCurSel());

        Pick(d, 990);
        EXPECT_EQ(990, d.m_List.GetCurSel());
        ASSERT_EQ(1, d.m_List.Resize(3));
        EXPECT_EQ(4, RowCount(d, IDC_LIST));
        EXPECT_EQ(0, d.m_List.GetCurSel()) << "the selected record went: row 0";
        EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_VISIBLE);
    });
}

TEST_F(ListCommands, CommandIdsActOnlyWithTheFocus) {
    dlg.m_Source = MakeRecords(3);
    RunTestDialog(dlg, [](TEST_DLG& d) {
        SetForegroundWindow(d.m_hWnd);
        Pick(d, 1);
        SetFocus(GetDlgItem(d.m_hWnd, IDC_OK));
        EXPECT_EQ(0, d.m_List.OnListCommand(CMD_DELETE));
        EXPECT_EQ("0 1 2", Numbers(d.m_Work));
        SetFocus(d.m_List.m_hWnd);
        EXPECT_EQ(0, d.m_List.OnListCommand(0));
        EXPECT_EQ(0, d.m_List.OnListCommand(40029)) << "a menu id is not a key id";
        EXPECT_EQ(1, d.m_List.OnListCommand(CMD_COPY));
        EXPECT_EQ("1", Numbers(d.m_List.m_Clipboard));
        EXPECT_EQ(1, d.m_List.OnListMenuCommand(40029));
        EXPECT_EQ("0 2", Numbers(d.m_Work));
        EXPECT_EQ(1, d.m_List.OnListMenuCommand(40025));
        EXPECT_EQ("0 1 2", Numbers(d.m_Work)) << "pasted back before the selection";
        d.m_List.SetMenuCommandIds(0, 0, 0, 0, 0, 0, 0);
        EXPECT_EQ(0, d.m_List.OnListMenuCommand(40029));
    });
}
