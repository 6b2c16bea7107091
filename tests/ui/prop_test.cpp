// A modeless property sheet over two dialog pages: how it runs, which page
// shows, Apply and OK reaching the pages, and its end through the main
// loop's filter once the user has closed it.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/seams.h"
#include "tests/ui/test_dialogs.h"
#include "tests/ui/ui_driver.h"
#include "ui/wnd_list.h"

namespace {

void PressSheetButton(HWND sheet, int id) {
    SendMessageA(sheet, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(sheet, id)));
}

// One more message for the filter to look at, as the main loop always has.
void PumpOnce(WND_LIST_CLASS* reg) {
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
    PumpMessages(reg);
}

bool IsRegistered(WND_LIST_CLASS& reg, WND_CLASS* wnd) {
    return std::find(reg.m_Wnds.begin(), reg.m_Wnds.end(), wnd) != reg.m_Wnds.end();
}

}  // namespace

TEST(PropertySheet, RunsModelessOverItsPages) {
    ScopedBoxes boxes;
    WND_LIST_CLASS reg;
    TEST_PAGE1 page1(&reg);
    TEST_PAGE2 page2(&reg);
    page1.m_Rec.name = "勇者";
    PROP_CLASS* sheet = new TEST_SHEET(nullptr, &reg, &page1, &page2);
    ASSERT_EQ(1, sheet->Run());
    reg.AddSheet(sheet, &sheet);
    PumpMessages(&reg);

    HWND wnd = sheet->m_hWnd;
    ASSERT_TRUE(IsWindow(wnd));
    EXPECT_FALSE(GetWindowLongA(wnd, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) << "no help button";
    EXPECT_EQ(0, sheet->GetCurPage());
    EXPECT_EQ(wnd, page1.m_hOwner);
    EXPECT_EQ(sheet, page1.m_pSheet);
    EXPECT_EQ(1, page1.m_bModeless);
    EXPECT_TRUE(IsRegistered(reg, &page1)) << "sheet pages join the registry";
    EXPECT_EQ(1, page1.m_nInits);
    EXPECT_EQ(0, page2.m_nInits) << "a page's window is made when its tab first shows";
    char text[64] = {};
    GetDlgItemTextA(page1.m_hWnd, IDC_PAGE_NAME, text, sizeof(text));
    EXPECT_STREQ("勇者", text);

    SendMessageA(wnd, PSM_SETCURSEL, 1, 0);
    PumpMessages(&reg);
    EXPECT_EQ(1, sheet->GetCurPage());
    EXPECT_EQ(1, page2.m_nInits);

    // Apply reaches every page that has a window; the sheet stays.
    SetDlgItemTextA(page1.m_hWnd, IDC_PAGE_NAME, "魔法使い");
    PressSheetButton(wnd, 0x3021);  // Apply
    PumpOnce(&reg);
    EXPECT_EQ(1, page1.m_nApplies);
    EXPECT_EQ(1, page2.m_nApplies);
    EXPECT_EQ("魔法使い", page1.m_Rec.name);
    ASSERT_NE(nullptr, sheet);

    // OK applies once more, closes the sheet, and the filter deletes it.
    PressSheetButton(wnd, IDOK);
    EXPECT_EQ(2, page1.m_nApplies);
    EXPECT_EQ(0, SendMessageA(wnd, PSM_GETCURRENTPAGEHWND, 0, 0)) << "what the filter looks for";
    PumpOnce(&reg);
    EXPECT_EQ(nullptr, sheet) << "deleted, the owner's pointer emptied";
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_TRUE(reg.m_Sheets.empty());
    EXPECT_EQ(0u, boxes.Count());
}

// Cancel takes the same way; each closing costs Wine two seconds without a
// window manager, so only the close box is tried.
TEST(PropertySheet, TheCloseBoxAppliesNothing) {
    ScopedBoxes boxes;
    WND_LIST_CLASS reg;
    TEST_PAGE1 page1(&reg);
    TEST_PAGE2 page2(&reg);
    PROP_CLASS* sheet = new TEST_SHEET(nullptr, &reg, &page1, &page2);
    ASSERT_EQ(1, sheet->Run());
    reg.AddSheet(sheet, &sheet);
    PumpMessages(&reg);
    HWND wnd = sheet->m_hWnd;
    SendMessageA(wnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpOnce(&reg);
    EXPECT_EQ(nullptr, sheet);
    EXPECT_EQ(0, page1.m_nApplies);
    EXPECT_FALSE(IsWindow(wnd));
}
