// Numeric edits on a real dialog: typing, clamping, full-width input,
// up-down steps, leaving the item and storing.
#include <gtest/gtest.h>

#include "tests/support/updown.h"
#include "tests/ui/dialog_fixture.h"
#include "tests/ui/test_dialogs.h"
#include "ui/wnd_list.h"

namespace {

void SpinClick(TEST_DLG& d, WORD spinId, int delta) {
    NMUPDOWN ud = {};
    ud.hdr.hwndFrom = GetDlgItem(d.m_hWnd, spinId);
    ud.hdr.idFrom = spinId;
    ud.hdr.code = UDN_DELTAPOS;
    ud.iDelta = delta;
    SendMessageA(d.m_hWnd, WM_NOTIFY, spinId, reinterpret_cast<LPARAM>(&ud));
}

// Types into an emptied edit of a fresh dialog (then leaves it) and reads what it shows.
std::string TypeInto(WORD id, const char* typed, int leave) {
    WND_LIST_CLASS reg;
    TEST_DLG dlg(&reg);
    std::string shown;
    RunTestDialog(dlg, [&](TEST_DLG& d) {
        SetDlgItemTextA(d.m_hWnd, id, "");
        d.Type(id, typed);
        if (leave) d.Notify(id, EN_KILLFOCUS);
        shown = d.Text(id);
    });
    return shown;
}

std::string g_ImeResult;
std::string FakeImeResult(HWND) { return g_ImeResult; }

}  // namespace

using NumericEdit = DialogTest;

TEST_F(NumericEdit, ShowsClampedValuesWithoutWritingThem) {
    dlg.m_Rec.level = 500;
    dlg.m_Rec.byte = 200;
    dlg.m_Rec.rate = 1.0;
    std::string shown[4];
    RunTestDialog(dlg, [&](TEST_DLG& d) {
        shown[0] = d.Text(IDC_INT_EDIT);
        shown[1] = d.Text(IDC_BYTE_EDIT);
        shown[2] = d.Text(IDC_SHORT_EDIT);
        shown[3] = d.Text(IDC_REAL_EDIT);
    });
    EXPECT_EQ("100", shown[0]);
    EXPECT_EQ("200", shown[1]);
    EXPECT_EQ("1", shown[2]) << "0 is below the minimum 1";
    EXPECT_EQ("1.00", shown[3]) << "two decimals for the step 0.05";
    EXPECT_EQ(500, dlg.m_Rec.level);
}

// What is typed and shown is the number rules' (typing, cleaning, the int
// ranges); here what only the edit does: a double held to its range while
// typing, and an empty item taking its minimum when left.
TEST_F(NumericEdit, DoubleRangeAndLeavingTheItem) {
    EXPECT_EQ("10.00", TypeInto(IDC_REAL_EDIT, "12", 0));
    EXPECT_EQ("1", TypeInto(IDC_SHORT_EDIT, "", 1));
    EXPECT_EQ("1.50", TypeInto(IDC_REAL_EDIT, "1.5", 1));
}

TEST_F(NumericEdit, ClampKeepsTheCaret) {
    DWORD start = 99, end = 99;
    std::string shown;
    RunTestDialog(dlg, [&](TEST_DLG& d) {
        SetDlgItemTextA(d.m_hWnd, IDC_BYTE_EDIT, "30");
        SendDlgItemMessageA(d.m_hWnd, IDC_BYTE_EDIT, EM_SETSEL, 2, 2);
        d.Type(IDC_BYTE_EDIT, "0");
        shown = d.Text(IDC_BYTE_EDIT);
        SendDlgItemMessageA(d.m_hWnd, IDC_BYTE_EDIT, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                            reinterpret_cast<LPARAM>(&end));
    });
    EXPECT_EQ("255", shown);
    EXPECT_EQ(3u, start);
    EXPECT_EQ(3u, end);
}

TEST_F(NumericEdit, PastedTextIsCleanedOnTheNextChange) {
    RunTestDialog(
        dlg,
        [&](TEST_DLG& d) {
            SetDlgItemTextA(d.m_hWnd, IDC_INT_EDIT, "a1b2");  // as Ctrl+V leaves it
            EXPECT_EQ("12", d.Text(IDC_INT_EDIT));
        },
        1);
    EXPECT_EQ(12, dlg.m_Rec.level);
}

TEST_F(NumericEdit, FullWidthDigitsFromTheInputMethod) {
    IME_RESULT_READER old = SetImeResultReader(FakeImeResult);
    std::string shown, swallowed;
    RunTestDialog(
        dlg,
        [&](TEST_DLG& d) {
            SetDlgItemTextA(d.m_hWnd, IDC_INT_EDIT, "");
            g_ImeResult = "\x82\x50\x82\x51";  // "１２"
            SendDlgItemMessageA(d.m_hWnd, IDC_INT_EDIT, WM_IME_COMPOSITION, 0, GCS_RESULTSTR);
            shown = d.Text(IDC_INT_EDIT);
            g_ImeResult = "\x82\xA0";  // a kana: nothing reaches the edit
            SendDlgItemMessageA(d.m_hWnd, IDC_INT_EDIT, WM_IME_COMPOSITION, 0, GCS_RESULTSTR);
            swallowed = d.Text(IDC_INT_EDIT);
        },
        1);
    SetImeResultReader(old);
    EXPECT_EQ("12", shown);
    EXPECT_EQ("12", swallowed);
    EXPECT_EQ(12, dlg.m_Rec.level);
}

TEST_F(NumericEdit, UpDownSteps) {
    dlg.m_Rec.level = 99;
    dlg.m_Rec.sh = 995;
    dlg.m_Rec.rate = 1.0;
    std::string real, byte, shrt, integer;
    RunTestDialog(
        dlg,
        [&](TEST_DLG& d) {
            SpinClick(d, IDC_REAL_SPIN, 1);
            real = d.Text(IDC_REAL_EDIT);
            SpinClick(d, IDC_BYTE_SPIN, -1);  // at 0 it stays at 0
            byte = d.Text(IDC_BYTE_EDIT);
            SpinClick(d, IDC_SHORT_SPIN, 1);  // step 10 from 995: clamped to 999
            shrt = d.Text(IDC_SHORT_EDIT);
            SpinClick(d, IDC_INT_SPIN, 3);
            integer = d.Text(IDC_INT_EDIT);
        },
        1);
    EXPECT_EQ("1.05", real);
    EXPECT_EQ("0", byte);
    EXPECT_EQ("999", shrt);
    EXPECT_EQ("100", integer);
    EXPECT_DOUBLE_EQ(1.05, dlg.m_Rec.rate);
    EXPECT_EQ(999, dlg.m_Rec.sh);
    EXPECT_EQ(100, dlg.m_Rec.level);
}

// Worked as the user works them, the up-down's arrows and the edit's Up and
// Down keys step by the edit's own step within its range, whatever the
// up-down's own style and position: it never writes its integer. A key that
// meets a press of the arrow is one step more, nothing moves after the
// release and the dialog takes the next click.
TEST_F(NumericEdit, ArrowsAndKeysStepTheEditsOwnValue) {
    dlg.m_Rec.level = 5;
    dlg.m_Rec.sh = 995;
    dlg.m_Rec.rate = 9.85;
    const struct {
        WORD spin;
        UPDOWN_WAY way;
        int times;
        const char* shown;
    } kSteps[] = {
        {IDC_REAL_SPIN, UPDOWN_CLICK_UP, 1, "9.90"},       {IDC_REAL_SPIN, UPDOWN_KEY_UP, 3, "10.00"},
        {IDC_REAL_SPIN, UPDOWN_CLICK_DOWN, 1, "9.95"},     {IDC_REAL_SPIN, UPDOWN_KEY_DOWN, 1, "9.90"},
        {IDC_SHORT_SPIN, UPDOWN_KEY_UP, 1, "999"},         {IDC_SHORT_SPIN, UPDOWN_CLICK_DOWN, 2, "979"},
        {IDC_INT_SPIN, UPDOWN_KEY_DOWN, 1, "4"},           {IDC_INT_SPIN, UPDOWN_CLICK_UP, 3, "7"},
        {IDC_INT_SPIN, UPDOWN_KEY_PRESS_UP, 1, "9"},       {IDC_REAL_SPIN, UPDOWN_HOLD_KEY_DOWN, 1, "9.80"},
        {IDC_SHORT_SPIN, UPDOWN_KEY_PRESS_DOWN, 1, "959"}, {IDC_INT_SPIN, UPDOWN_HOLD_KEY_UP, 1, "11"},
    };
    int closed = 0;
    RunTestDialog(dlg, [&](TEST_DLG& d) {
        for (const auto& s : kSteps)
            EXPECT_EQ(s.shown, StepUpDown(GetDlgItem(d.m_hWnd, s.spin), nullptr, s.way, s.times))
                << "up-down " << s.spin << ", way " << s.way;
        EXPECT_EQ("11", UpDownShowsAfter(GetDlgItem(d.m_hWnd, IDC_INT_SPIN), 1000)) << "still after the release";
        closed = ClickCloses(GetDlgItem(d.m_hWnd, IDC_OK));
    });
    EXPECT_TRUE(closed) << "the up-down gave the mouse back";
    EXPECT_DOUBLE_EQ(9.8, dlg.m_Rec.rate);
    EXPECT_EQ(959, dlg.m_Rec.sh);
    EXPECT_EQ(11, dlg.m_Rec.level);
}

TEST_F(NumericEdit, StoringDuringARefreshReadsNothingBack) {
    dlg.m_Rec.level = 5;
    int during = -1;
    dlg.m_Script = [&](TEST_DLG& d) {
        SetDlgItemTextA(d.m_hWnd, IDC_INT_EDIT, "77");
        d.m_bRefreshing = 1;
        d.StoreCtrls();
        d.m_bRefreshing = 0;
        during = d.m_Rec.level;
        d.Notify(IDC_CANCEL, BN_CLICKED);
    };
    EXPECT_EQ(0, dlg.DoModal(0));
    EXPECT_EQ(5, during);
    EXPECT_EQ(5, dlg.m_Rec.level) << "Cancel stores nothing";
}

TEST_F(NumericEdit, ShowValueAndRange) {
    RunTestDialog(
        dlg,
        [&](TEST_DLG& d) {
            auto* edit = d.FindCtrl(d.m_Ints, IDC_INT_EDIT);
            edit->m_Spin.SetRange(0, 10);
            edit->ShowValue(50);
            EXPECT_EQ("10", d.Text(IDC_INT_EDIT));
            int lo = 0, hi = 0;
            SendDlgItemMessageA(d.m_hWnd, IDC_INT_SPIN, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lo),
                                reinterpret_cast<LPARAM>(&hi));
            EXPECT_EQ(0, lo);
            EXPECT_EQ(10, hi);
            EXPECT_FALSE(GetWindowLongA(GetDlgItem(d.m_hWnd, IDC_INT_SPIN), GWL_STYLE) & UDS_SETBUDDYINT);
        },
        1);
    EXPECT_EQ(10, dlg.m_Rec.level);
    EXPECT_EQ(EDITVAL_INT, CTRL_EDITVAL_CLASS<int>::TypeName());
    EXPECT_EQ(255, CTRL_EDITVAL_CLASS<unsigned char>::TypeMax(EDITVAL_UCHAR));
    EXPECT_EQ(255, CTRL_EDITVAL_CLASS<unsigned char>::TypeMax(EDITVAL_INT)) << "all bits set";
    EXPECT_EQ(-1, CTRL_EDITVAL_CLASS<int>::TypeMax(EDITVAL_UINT));
    EXPECT_EQ(-32768, CTRL_EDITVAL_CLASS<short>::TypeMin(EDITVAL_SHORT));
}
