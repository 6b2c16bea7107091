// The list-page frame on the land and party-variable pages: limits with a
// first shown record, the bound record and the end row, sub-list edits and
// the common-variable names.
#include "database/sheet/dlg_db_ptval.h"
#include "database/sheet/dlg_dbland.h"
#include "database/sheet/dlg_dbsystem_4.h"
#include "media/image_table.h"
#include "model/gvalinfo.h"
#include "model/media_database.h"
#include "tests/database/sheet/sheet_test_support.h"
#include "ui/dlg_input.h"
#include "ui/dlg_selectgraphic.h"

namespace {

const int kLand = PROP_DATABASE::TAB_LAND;
const int kPtVal = PROP_DATABASE::TAB_PARTY_VAL;
enum { KEY_CUT = 40030, KEY_COPY = 40031, KEY_PASTE = 40032, KEY_NEW = 40082 };

}  // namespace

// Party variables show records from 1: record 0 is in the file but never a row.
TEST_F(SheetTest, CutAtTheMinimumCountsOnlyTheShownRecords) {
    g_Database.PtVals.resize(2);
    Open();
    DLG_DB_PTVAL* page = Show<DLG_DB_PTVAL>(kPtVal);
    ASSERT_EQ(2u, page->m_Work.size());
    ListKey(kPtVal, 1387, KEY_CUT);
    EXPECT_EQ(2u, page->m_Work.size()) << "at the minimum: copied, not deleted";
    ListKey(kPtVal, 1387, KEY_PASTE);
    EXPECT_EQ(3u, page->m_Work.size()) << "what the refused cut copied can be pasted";
    AnswerInput("5");
    Click(kPtVal, 11071);
    EXPECT_EQ(6u, page->m_Work.size()) << "five shown, record 0 kept";
    EXPECT_EQ(2u, g_Database.PtVals.size()) << "nothing reaches the database before Apply";
}

// Elements (system page 4) show entries from 1 and list at most 99.
TEST_F(SheetTest, APasteThatWouldPassTheMaximumIsRefused) {
    const int tab = PROP_DATABASE::TAB_SYSTEM4;
    g_System.Elements.resize(99);  // 98 listed
    Open();
    DLG_DBSYSTEM_4* page = Show<DLG_DBSYSTEM_4>(tab);
    SelectRows(tab, 1074, {0, 1});
    ListKey(tab, 1074, KEY_COPY);
    ListKey(tab, 1074, KEY_PASTE);
    EXPECT_EQ(99u, page->m_Elems.size()) << "two more would pass 99";
    SelectRows(tab, 1074, {3});
    ListKey(tab, 1074, KEY_COPY);
    ListKey(tab, 1074, KEY_PASTE);
    EXPECT_EQ(100u, page->m_Elems.size()) << "one more reaches 99";
    ListKey(tab, 1074, KEY_PASTE);
    Click(tab, 1067);
    EXPECT_EQ(100u, page->m_Elems.size()) << "full: paste and new refused";
}

TEST_F(SheetTest, TheEndRowShowsDefaultsAndEditsReachTheSelectedRecord) {
    Open();
    DLG_DBLAND* page = Show<DLG_DBLAND>(kLand);
    const int lands = static_cast<int>(page->m_Work.size());
    SelectRows(kLand, 1129, {1});
    EXPECT_EQ(g_LandList[1].Name, Text(kLand, 1044));
    Type(kLand, 1085, "5");
    EXPECT_EQ(5, page->m_Work[1].MoveCost);

    SelectRows(kLand, 1129, {lands});  // the end row
    EXPECT_EQ("", Text(kLand, 1044));
    EXPECT_EQ("1", Text(kLand, 1085));
    Type(kLand, 1044, "無名");
    for (const cLand& land : page->m_Work) EXPECT_NE("無名", land.Name);
    EXPECT_EQ(static_cast<size_t>(lands), page->m_Work.size());

    // An element's rate, edited from its own list, belongs to the selected land.
    SelectRows(kLand, 1129, {1});
    SelectRows(kLand, 1074, {0});
    AnswerInput("150");
    Click(kLand, 1077);
    EXPECT_EQ(150, page->m_Work[1].ElemRate[1]);
    EXPECT_NE(150, page->m_Work[0].ElemRate[1]);
}

// The chip clicked in "一覧" is the land's graphic: shown in the edit and stored.
TEST_F(SheetTest, AChipPickedFromTheSheetIsShownAndStored) {
    cDib& sheet = g_ImageTable[IMG_PICK_CHIP];
    if (!sheet.m_hDC) sheet.Create(g_GraphicSheets[SHEET_CHIP].width, g_GraphicSheets[SHEET_CHIP].height, 24, 0);
    Open();
    DLG_DBLAND* page = Show<DLG_DBLAND>(kLand);
    SelectRows(kLand, 1129, {1});
    WhenOpen([] {
        DLG_SELECTGRAPHIC* box = OpenBox<DLG_SELECTGRAPHIC>();
        if (!box) return false;
        POINT pt = {300, 70};  // chip 145
        ClientToScreen(box->m_hWnd, &pt);
        SetCursorPos(pt.x, pt.y);
        SendMessageA(box->m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(300, 70));
        SendMessageA(box->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 70));
        return true;
    });
    Click(kLand, 1510);
    WhenOpen(nullptr);
    EXPECT_EQ("145", Text(kLand, 1511));
    EXPECT_EQ(145, page->m_Work[1].ChipGraphic);
}

TEST_F(SheetTest, ACommonVariableIsRenamedAtOnceAndStaysRenamedAfterCancel) {
    Open();
    Show<DLG_DB_PTVAL>(kPtVal);
    Choose(kPtVal, 1309, 11);
    AnswerInput("隊長の数");
    Click(kPtVal, 1250);
    EXPECT_EQ("隊長の数", g_GValInfo[12].Name);
    char row[64] = {};
    SendMessageA(Item(kPtVal, 1309), CB_GETLBTEXT, 11, reinterpret_cast<LPARAM>(row));
    EXPECT_STREQ("012 隊長の数", row);
    SendMessageA(m_pSheet->m_hWnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    Pump();
    EXPECT_EQ(nullptr, m_pSheet);
    EXPECT_EQ("隊長の数", g_GValInfo[12].Name);

    // With no variable chosen the rename asks nothing.
    g_Database.PtVals.resize(2);
    g_Database.PtVals[1].CommonVar = 0;
    Open();
    Show<DLG_DB_PTVAL>(kPtVal);
    int asked = 0;
    WhenOpen([&asked] {
        DLG_INPUT_STR* box = OpenBox<DLG_INPUT_STR>();
        if (box) ++asked, box->End(0);
        return box != nullptr;
    });
    Click(kPtVal, 1250);
    WhenOpen(nullptr);
    EXPECT_EQ(0, asked);
}

// A new party variable, and the end row, start from the record's defaults:
// common variable 1 and the bounds 0 to 999999.
TEST_F(SheetTest, NewRecordsStartFromTheRecordDefaults) {
    g_Database.PtVals.resize(1);  // record 0 alone: no row but the end row
    Open();
    DLG_DB_PTVAL* page = Show<DLG_DB_PTVAL>(kPtVal);
    EXPECT_EQ("999999", Text(kPtVal, 1423)) << "the end row shows the defaults";
    Click(kPtVal, 1066);
    ASSERT_EQ(2u, page->m_Work.size());
    EXPECT_EQ(1, page->m_Work[1].CommonVar);
    EXPECT_EQ(0, page->m_Work[1].Min);
    EXPECT_EQ(999999, page->m_Work[1].Max);
    EXPECT_EQ("001 " + g_GValInfo[1].Name, Text(kPtVal, 1309));
    ListKey(kPtVal, 1387, KEY_NEW);
    ASSERT_EQ(3u, page->m_Work.size());
    EXPECT_EQ(999999, page->m_Work[2].Max);
}
