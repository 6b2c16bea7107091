// String edits, combos and the slider on a real dialog: limits while typing,
// the value mapping of combos and the slider's commands.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "tests/ui/dialog_fixture.h"
#include "tests/ui/test_dialogs.h"
#include "tests/ui/ui_driver.h"
#include "ui/text_rules.h"
#include "ui/wnd.h"
#include "ui/wnd_list.h"

namespace {

SHORT WINAPI BackspaceHeld(int key) { return key == VK_BACK ? static_cast<SHORT>(0x8000) : 0; }

const std::string kKan = "\x8A\xBF";

}  // namespace

using Combo = DialogTest;
using Slider = DialogTest;
using StringEdit = DialogTest;

TEST_F(StringEdit, MultiLineShowsLineBreaksAndStoresLineFeeds) {
    dlg.m_Rec.text = "ab\nabcdefg";
    RunTestDialog(
        dlg,
        [](TEST_DLG& d) {
            EXPECT_EQ("ab\r\nabcdefg", d.Text(IDC_TEXT));
            d.Select(IDC_TEXT, 11, 11);
            d.Replace(IDC_TEXT, "hi");
            EXPECT_EQ("ab\r\nabcdefgh\r\ni", d.Text(IDC_TEXT)) << "the line of 8 continues below";
            EXPECT_EQ(15, d.Caret(IDC_TEXT)) << "the caret stays after the typed character";
            d.Replace(IDC_TEXT, "\r\nj");
            EXPECT_EQ("ab\r\nabcdefgh\r\ni", d.Text(IDC_TEXT)) << "a fourth line is refused";
        },
        1);
    EXPECT_EQ("ab\nabcdefgh\ni", dlg.m_Rec.text);
}

TEST_F(StringEdit, LineEndsReachTheRecordAsTheEditHoldsThemUnlessAsked) {
    const struct {
        int option;
        const char *record, *shown, *stored;
    } cases[] = {
        {0, "ab\r\ncd", "ab\r\ncd", "ab\r\ncdX"},
        {CTRL_EDITSTR_CLASS::LINE_FEEDS, "ab\ncd", "ab\r\ncd", "ab\ncdX"},
    };
    for (const auto& c : cases) {
        WND_LIST_CLASS reg;
        TEST_DLG dlg(&reg);
        dlg.m_Strs[1].m_Desc.option[0] = c.option;
        dlg.m_Rec.text = c.record;
        std::string shown;
        RunTestDialog(
            dlg,
            [&](TEST_DLG& d) {
                shown = d.Text(IDC_TEXT);
                d.Select(IDC_TEXT, 6, 6);
                d.Replace(IDC_TEXT, "X");
            },
            1);
        EXPECT_EQ(c.shown, shown) << c.option;
        EXPECT_EQ(c.stored, dlg.m_Rec.text) << c.option;
    }
}

TEST_F(StringEdit, BackspaceJoiningTooLongALineIsRefused) {
    dlg.m_Rec.text = "abcd\nefgh";
    KEY_READER old = SetAsyncKeyReader(BackspaceHeld);
    RunTestDialog(dlg, [](TEST_DLG& d) {
        d.Select(IDC_TEXT, 4, 6);
        d.Replace(IDC_TEXT, "");
        EXPECT_EQ("abcd\r\nefgh", d.Text(IDC_TEXT));
    });
    SetAsyncKeyReader(old);
}

TEST_F(StringEdit, ARefreshShowsTheNewRecordWhole) {
    dlg.m_Rec.text = "前の記録";
    RunTestDialog(dlg, [](TEST_DLG& d) {
        d.m_Rec.text = "1\n2\n3\n4\n5";
        d.RefreshCtrls(-1);
        EXPECT_EQ("1\r\n2\r\n3\r\n4\r\n5", d.Text(IDC_TEXT)) << "never the text shown before";
        d.StoreCtrls();
        EXPECT_EQ("1\n2\n3\n4\n5", d.m_Rec.text);
    });
}

// A stored text beyond the limits (another tool's, an older version's) is
// shown whole and kept byte for byte until the user edits it; typing keeps
// to the limits, so an edit may shorten the text but never lengthen it, and
// once it is within the limits it keeps to them. Line by line: a long stored
// line lets no other line, nor one typed below it, past the limit.
TEST_F(StringEdit, AStoredTextBeyondItsLimitsIsShownWholeAndKeptUntilEdited) {
    std::string kan9;
    for (int i = 0; i < 9; ++i) kan9 += kKan;
    const std::string s20 = "abcdefghijklmnopqrst";    // the name takes 16 bytes
    const std::string lines = "abcdefghijk\n1\n2\n3";  // the text takes 3 lines of 8 characters
    const std::string shownLines = "abcdefghijk\r\n1\r\n2\r\n3";
    const struct {
        WORD id;
        std::string stored;
        int from, to;  // the selection typed over; -1: nothing typed
        std::string typed, typedAtEnd, shown, result;
        std::string keys = "";  // then pressed on the keyboard one by one ("\r": Return)
    } cases[] = {
        {IDC_NAME, s20, -1, -1, "", "", s20, s20},
        {IDC_NAME, s20, 100, 100, "X", "", s20, s20},
        {IDC_NAME, kan9, 100, 100, kKan, "", kan9, kan9},
        {IDC_NAME, s20, 0, 100, "short", "yyyyyyyyyyyyyyyyyyyy", "shortyyyyyyyyyyy", "shortyyyyyyyyyyy"},
        {IDC_NAME, s20, 0, 1, "", "", s20.substr(1), s20.substr(1)},
        {IDC_TEXT, lines, -1, -1, "", "", shownLines, lines},
        {IDC_TEXT, lines, 11, 11, "X", "", shownLines, lines},  // a wrap would make a fifth line
        {IDC_TEXT, lines, 0, 1, "", "", shownLines.substr(1), lines.substr(1)},
        {IDC_TEXT, "a\r\nb", -1, -1, "", "", "a\r\nb", "a\r\nb"},  // not "a\nb": untouched is byte for byte
        {IDC_TEXT, "abcdefghijk\n1", 14, 14, "", "", "abcdefghijk\r\n1xxxxxxx\r\nxxx", "abcdefghijk\n1xxxxxxx\nxxx",
         "XXXXXXXXXX"},
        {IDC_TEXT, "abcdefghijk", 11, 11, "", "", "abcdefghijk\r\nxxxxxxxx\r\nxx", "abcdefghijk\nxxxxxxxx\nxx",
         "\rXXXXXXXXXX"},
    };
    for (const auto& c : cases) {
        WND_LIST_CLASS reg;
        TEST_DLG dlg(&reg);
        std::string& field = c.id == IDC_NAME ? dlg.m_Rec.name : dlg.m_Rec.text;
        field = c.stored;
        std::string opened, shown;
        RunTestDialog(
            dlg,
            [&](TEST_DLG& d) {
                opened = d.Text(c.id);
                if (!c.keys.empty()) {
                    // Keys go to the edit with the focus in the window in front.
                    ShowWindow(d.m_hWnd, SW_SHOW);
                    SetForegroundWindow(d.m_hWnd);
                    SetFocus(GetDlgItem(d.m_hWnd, c.id));
                }
                if (c.from >= 0) {
                    d.Select(c.id, c.from, c.to);
                    d.Replace(c.id, c.typed.c_str());
                }
                for (char key : c.keys) TypeKeys({static_cast<WORD>(key)});
                PumpMessages(&reg);
                if (!c.typedAtEnd.empty()) {
                    d.Select(c.id, 100, 100);
                    d.Replace(c.id, c.typedAtEnd.c_str());
                }
                shown = d.Text(c.id);
            },
            1);
        EXPECT_EQ(c.id == IDC_NAME ? c.stored : ToEditText(c.stored), opened) << c.stored;
        EXPECT_EQ(c.shown, shown) << c.stored << " " << c.typed;
        EXPECT_EQ(c.result, field) << c.stored << " " << c.typed;
    }
}

TEST_F(Combo, OffsetAndValueTable) {
    dlg.m_Rec.kind = 1;
    dlg.m_Rec.step = 5;
    RunTestDialog(dlg, [](TEST_DLG& d) {
        CTRL_COMBO_CLASS<int>* kind = d.FindCtrl(d.m_Combos, IDC_KIND);
        CTRL_COMBO_CLASS<int>* step = d.FindCtrl(d.m_Combos, IDC_STEP);
        EXPECT_EQ(4, SendDlgItemMessageA(d.m_hWnd, IDC_KIND, CB_GETCOUNT, 0, 0)) << "up to the empty word";
        EXPECT_EQ(0, d.ComboRow(IDC_KIND)) << "offset 1: value 1 is row 0";
        EXPECT_EQ(1, d.ComboRow(IDC_STEP)) << "5 is the table's second value";

        d.m_Rec.kind = 0;
        d.m_Rec.step = 4;
        d.UpdateCtrls();
        EXPECT_EQ(-1, d.ComboRow(IDC_KIND));
        EXPECT_EQ(-1, d.ComboRow(IDC_STEP)) << "a value not in the table selects nothing";
        EXPECT_EQ(0, kind->GetValue()) << "no selection reads offset - 1";
        d.StoreCtrls();
        EXPECT_EQ(0, d.m_Rec.kind);
        EXPECT_EQ(4, d.m_Rec.step) << "no row: the field keeps its value";

        kind->ClampSelection();
        EXPECT_EQ(0, d.ComboRow(IDC_KIND)) << "asked for, the nearest row";
        SendDlgItemMessageA(d.m_hWnd, IDC_KIND, CB_SETCURSEL, 3, 0);
        static const char* const kTwo[] = {"剣", "槍", ""};
        kind->SetStrings(kTwo, nullptr);
        EXPECT_EQ(-1, d.ComboRow(IDC_KIND)) << "a value past the new rows selects none";
        SendDlgItemMessageA(d.m_hWnd, IDC_KIND, CB_SETCURSEL, 1, 0);
        kind->SetStrings(g_TestKinds, nullptr);
        EXPECT_EQ(1, d.ComboRow(IDC_KIND)) << "the value shown is kept";

        SendDlgItemMessageA(d.m_hWnd, IDC_STEP, CB_SETCURSEL, 2, 0);
        d.Notify(IDC_STEP, CBN_SELCHANGE);
        EXPECT_EQ(9, step->GetValue());
        EXPECT_EQ(IDC_STEP, d.m_Changed.back());
        d.StoreCtrls();
        EXPECT_EQ(9, d.m_Rec.step);

        // A new table selects its first row.
        VECTOR_CLASS<int> table{7, 8};
        step->SetStrings(VECTOR_CLASS<std::string>{"七", "八"}, &table);
        EXPECT_EQ(0, d.ComboRow(IDC_STEP));
        EXPECT_EQ(7, step->GetValue());
    });
}

// A value a damaged file brings, however far from the offset, has no row:
// its distance from the offset is counted wide, not wrapped onto a row.
TEST_F(Combo, AValueFarFromTheOffsetHasNoRow) {
    const struct {
        int offset, value, row;
    } cases[] = {
        {1, INT_MIN, -1}, {1, INT_MAX, INT_MAX - 1}, {-1, INT_MAX, -1},
        {-1, -1, 0},      {-6, INT_MAX - 5, -1},     {-5, INT_MAX - 5, INT_MAX},
    };
    CTRL_COMBO_CLASS<int> combo;
    for (const auto& c : cases) {
        combo.m_Offset = c.offset;
        EXPECT_EQ(c.row, combo.ValueToIndex(c.value)) << c.value << " at offset " << c.offset;
    }
    // Shown on a dialog, it leaves no row selected, not the one shown before.
    RunTestDialog(dlg, [](TEST_DLG& d) {
        CTRL_COMBO_CLASS<int>* kind = d.FindCtrl(d.m_Combos, IDC_KIND);
        kind->m_Offset = -1;
        for (int value : {1, INT_MAX, 1, INT_MIN}) {
            d.m_Rec.kind = value;
            d.UpdateCtrls();
            EXPECT_EQ(value == 1 ? 2 : -1, d.ComboRow(IDC_KIND)) << value;
        }
    });
}

TEST_F(Combo, RefillKeepsTheValueShown) {
    dlg.m_SkillRows = {"001 A-一", "002 A-二", "003 A-三"};
    dlg.m_Rec.skill = 3;
    RunTestDialog(dlg, [](TEST_DLG& d) {
        CTRL_COMBO_CLASS<int>* skill = d.FindCtrl(d.m_Combos, IDC_SKILL);
        EXPECT_EQ(2, d.ComboRow(IDC_SKILL));
        skill->SetStrings(VECTOR_CLASS<std::string>{"001 B-甲", "002 B-乙", "003 B-丙", "004 B-丁"}, nullptr);
        EXPECT_EQ(2, d.ComboRow(IDC_SKILL));
        skill->SetStrings(VECTOR_CLASS<std::string>{"001 C-壱", "002 C-弐"}, nullptr);
        EXPECT_EQ(-1, d.ComboRow(IDC_SKILL)) << "past the new rows: none";
    });
}

TEST_F(Slider, MovingTheTrackbarShowsThePositionAndTellsTheDialog) {
    dlg.m_Rec.hue = 90;
    RunTestDialog(
        dlg,
        [](TEST_DLG& d) {
            HWND bar = GetDlgItem(d.m_hWnd, IDC_HUE);
            EXPECT_EQ(90, SendMessageA(bar, TBM_GETPOS, 0, 0));
            EXPECT_EQ("90", d.Text(IDC_HUE_EDIT));
            d.m_Changed.clear();
            SendMessageA(bar, TBM_SETPOS, TRUE, 200);
            SendMessageA(d.m_hWnd, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 200), reinterpret_cast<LPARAM>(bar));
            EXPECT_EQ("200", d.Text(IDC_HUE_EDIT));
            ASSERT_FALSE(d.m_Changed.empty());
            EXPECT_EQ(IDC_HUE, d.m_Changed.back()) << "a slider's command is a change";
            // A number put into the edit moves the trackbar.
            SetDlgItemTextA(d.m_hWnd, IDC_HUE_EDIT, "30");
            EXPECT_EQ(30, SendMessageA(bar, TBM_GETPOS, 0, 0));
            // Emptied, it stays; the edit left shows 0 and moves it: that leave is a change.
            SetFocus(GetDlgItem(d.m_hWnd, IDC_HUE_EDIT));
            d.Select(IDC_HUE_EDIT, 0, -1);
            d.Type(IDC_HUE_EDIT, "\b");
            EXPECT_EQ(30, SendMessageA(bar, TBM_GETPOS, 0, 0));
            CTRL_SLIDER_CLASS<short>& slider = d.m_Sliders[0];
            for (int moves : {1, 0}) {
                slider.m_bEdited = 0;
                SetFocus(GetDlgItem(d.m_hWnd, IDC_NAME));
                EXPECT_EQ("0", d.Text(IDC_HUE_EDIT));
                EXPECT_EQ(0, SendMessageA(bar, TBM_GETPOS, 0, 0));
                EXPECT_EQ(moves, slider.m_bEdited) << "left when the leave moved it";
                SetFocus(GetDlgItem(d.m_hWnd, IDC_HUE_EDIT));
            }
            d.m_Rec.hue = 45;
            d.m_Changed.clear();
            d.UpdateCtrls();
            EXPECT_EQ("45", d.Text(IDC_HUE_EDIT));
            EXPECT_NE(d.m_Changed.end(), std::find(d.m_Changed.begin(), d.m_Changed.end(), IDC_HUE))
                << "refreshing tells the dialog too";
            SendMessageA(bar, TBM_SETPOS, TRUE, 300);
        },
        1);
    EXPECT_EQ(300, dlg.m_Rec.hue);
}

TEST_F(Slider, WithoutABuddyEditItShowsItsPositionOnTheTrackbarAlone) {
    dlg.m_Rec.hue = 90;
    dlg.m_Sliders[0].m_Desc.editId = 0;
    RunTestDialog(
        dlg,
        [](TEST_DLG& d) {
            EXPECT_EQ(nullptr, d.m_Sliders[0].m_Edit.m_hWnd);
            EXPECT_EQ("", d.Text(IDC_HUE_EDIT));
            EXPECT_EQ(90, SendDlgItemMessageA(d.m_hWnd, IDC_HUE, TBM_GETPOS, 0, 0));
            SendDlgItemMessageA(d.m_hWnd, IDC_HUE, TBM_SETPOS, TRUE, 100);
        },
        1);
    EXPECT_EQ(100, dlg.m_Rec.hue);
}
