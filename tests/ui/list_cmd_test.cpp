// The list control's record commands on real list boxes: cut, copy, paste,
// new, insert, clear, delete and the data count, with the working copy, the
// bound record, the selection and the limits checked after each.
#include <gtest/gtest.h>

#include "tests/ui/test_dialogs.h"
#include "ui/wnd_list.h"

namespace {

void RunDialog(CTRL_TEST_DLG& dlg, std::function<void(CTRL_TEST_DLG&)> script) {
    dlg.m_Script = [script](CTRL_TEST_DLG& d) {
        script(d);
        d.End(0);
    };
    dlg.DoModal(0);
}

// The numbers of the working records, as a compact text ("0 1 2").
std::string Numbers(const VECTOR_CLASS<cTestRec>& records) {
    std::string text;
    for (const cTestRec& r : records) text += (text.empty() ? "" : " ") + std::to_string(r.n);
    return text;
}

void Pick(CTRL_TEST_DLG& d, int row) {
    SendDlgItemMessageA(d.m_hWnd, IDC_LIST, LB_SETCURSEL, row, 0);
    d.Notify(IDC_LIST, LBN_SELCHANGE);
}

// Selects exactly `rows` of the multiple-selection list, the caret on `caret`.
void PickMulti(CTRL_TEST_DLG& d, std::vector<int> rows, int caret) {
    HWND list = d.m_Multi.m_hWnd;
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    for (int row : rows) SendMessageA(list, LB_SETSEL, TRUE, row);
    SendMessageA(list, LB_SETCARETINDEX, caret, 0);
    d.Notify(IDC_MULTI, LBN_SELCHANGE);
}

int RowCount(CTRL_TEST_DLG& d, WORD id) { return static_cast<int>(SendDlgItemMessageA(d.m_hWnd, id, LB_GETCOUNT, 0, 0)); }

}  // namespace

TEST(ListCommands, DeleteInASingleSelectionList) {
    WND_LIST_CLASS reg;
    CTRL_TEST_DLG dlg(&reg);
    dlg.m_Source = MakeRecords(3);
    RunDialog(dlg, [](CTRL_TEST_DLG& d) {
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

TEST(ListCommands, NeverBelowTheMinimum) {
    WND_LIST_CLASS reg;
    CTRL_TEST_DLG dlg(&reg);
    dlg.m_Source = MakeRecords(3);
    dlg.m_ListDesc.firstShown = 1;
    dlg.m_ListDesc.minCount = 1;
    RunDialog(dlg, [](CTRL_TEST_DLG& d) {
        Pick(d, 0);
        EXPECT_EQ(1, d.m_List.DeleteRecords(-1, 0));
        EXPECT_EQ("0 2", Numbers(d.m_Work));
        Pick(d, 0);
        EXPECT_EQ(0, d.m_List.DeleteRecords(-1, 0)) << "one shown record stays";
        EXPECT_EQ(0, d.m_List.Cut());
        EXPECT_EQ("0 2", Numbers(d.m_Work));
        EXPECT_EQ(2, d.m_Bound.n);
    });
}

TEST(ListCommands, MultipleSelectionDelete) {
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
        CTRL_TEST_DLG dlg(&reg);
        dlg.m_MultiSource = MakeRecords(c.records);
        dlg.m_MultiDesc.appendRow = c.appendRow;
        RunDialog(dlg, [&](CTRL_TEST_DLG& d) {
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

TEST(ListCommands, MultipleSelectionStopsAtTheMinimum) {
    WND_LIST_CLASS reg;
    CTRL_TEST_DLG dlg(&reg);
    dlg.m_MultiSource = MakeRecords(3);
    RunDialog(dlg, [](CTRL_TEST_DLG& d) {
        PickMulti(d, {0, 1, 2}, 2);
        EXPECT_EQ(1, d.m_Multi.DeleteRecords(-1, 0));
        EXPECT_EQ("2", Numbers(d.m_MultiWork)) << "the minimum of 1 keeps the last";
        PickMulti(d, {0}, 0);
        EXPECT_EQ(0, d.m_Multi.DeleteRecords(-1, 0));
        EXPECT_EQ("2", Numbers(d.m_MultiWork));
    });
}

TEST(ListCommands, CopyAndCutKeepRowOrder) {
    WND_LIST_CLASS reg;
    CTRL_TEST_DLG dlg(&reg);
    dlg.m_MultiSource = MakeRecords(5);
    RunDialog(dlg, [](CTRL_TEST_DLG& d) {
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

TEST(ListCommands, CopyAndCutWithNothingSelected) {
    WND_LIST_CLASS reg;
    CTRL_TEST_DLG dlg(&reg);
    dlg.m_MultiSource = MakeRecords(3);
    dlg.m_Source = MakeRecords(2);
    RunDialog(dlg, [](CTRL_TEST_DLG& d) {
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

TEST(ListCommands, PasteInsertAndNewKeepToTheMaximum) {
    WND_LIST_CLASS reg;
    CTRL_TEST_DLG dlg(&reg);
    dlg.m_Source = MakeRecords(4);
    dlg.m_ListDesc.maxCount = 5;
    RunDialog(dlg, [](CTRL_TEST_DLG& d) {
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

TEST(ListCommands, InsertGoesBeforeTheSelection) {
    WND_LIST_CLASS reg;
    CTRL_TEST_DLG dlg(&reg);
    dlg.m_Source = MakeRecords(3);
    dlg.m_ListDesc.noSelection = 1;
    RunDialog(dlg, [](CTRL_TEST_DLG& d) {
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

TEST(ListCommands, InsertInAMultipleSelectionListSelectsTheNewRecordAlone) {
    WND_LIST_CLASS reg;
    CTRL_TEST_DLG dlg(&reg);
    dlg.m_MultiSource = MakeRecords(4);
    RunDialog(dlg, [](CTRL_TEST_DLG& d) {
        PickMulti(d, {1, 3}, 1);
        EXPECT_EQ(1, d.m_Multi.InsertRecord());
        EXPECT_EQ("0 0 1 2 3", Numbers(d.m_MultiWork));
        // Deleting now must take the new record, not a record that moved down.
        EXPECT_EQ(1, d.m_Multi.DeleteRecords(-1, 0));
        EXPECT_EQ("0 1 2 3", Numbers(d.m_MultiWork));
    });
}

TEST(ListCommands, ClearResetsTheSelectedRecords) {
    WND_LIST_CLASS reg;
    CTRL_TEST_DLG dlg(&reg);
    dlg.m_Source = MakeRecords(3);
    dlg.m_MultiSource = MakeRecords(4);
    RunDialog(dlg, [](CTRL_TEST_DLG& d) {
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

TEST(ListCommands, ResizeKeepsOrMovesTheSelection) {
    WND_LIST_CLASS reg;
    CTRL_TEST_DLG dlg(&reg);
    dlg.m_Source = MakeRecords(4);
    dlg.m_ListDesc.minCount = 1;
    dlg.m_ListDesc.maxCount = 6;
    RunDialog(dlg, [](CTRL_TEST_DLG& d) {
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

TEST(ListCommands, CommandIdsActOnlyWithTheFocus) {
    WND_LIST_CLASS reg;
    CTRL_TEST_DLG dlg(&reg);
    dlg.m_Source = MakeRecords(3);
    RunDialog(dlg, [](CTRL_TEST_DLG& d) {
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
