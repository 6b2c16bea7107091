// The ten system pages: every table control on its dialog, lists of the
// record shorter or longer than the tables, the enable rules, the up-downs'
// steps, the reference action counts, the element dialog and the font sample.
#include "database/sheet/dlg_dbsystem.h"
#include "database/sheet/dlg_dbsystem_4.h"
#include "database/sheet/dlg_elem.h"
#include "model/system.h"
#include "tests/database/sheet/sheet_test_support.h"
#include "tests/support/updown.h"

namespace {

const int kSys1 = PROP_DATABASE::TAB_SYSTEM1;
int SystemTab(int page) { return kSys1 + page - 1; }

}  // namespace

// Lists shorter than a page's table leave its controls unbound (disabled,
// writing nowhere); longer ones keep their extra entries.
TEST_F(SheetTest, EveryPageStandsOverShortAndLongListsOfTheRecord) {
    cSystem& s = g_System;
    s.Texts.resize(10);
    s.TitleMenu.resize(1);
    s.ParamInfo.resize(3);
    s.IniKeys.resize(2);
    s.SoundEffects.resize(4);
    s.SystemBgm.resize(2);
    s.SystemBgmLoop.resize(1);
    s.ForecastItems.resize(1);
    s.MapTestMenu.resize(9, cCmd("余り"));
    s.FormationMenu.resize(20, cCmd("余り"));
    Open();
    for (int page = 1; page <= 10; ++page) {
        DLG_DBPAGE* dlg = Show<DLG_DBPAGE>(SystemTab(page));
        ASSERT_NE(nullptr, dlg->m_hWnd) << page;
        const cSystemPage& table = SystemPageTable(page - 1);
        EXPECT_EQ(table.dialog, dlg->m_wResId);
        for (int i = 0; i < table.count; ++i) {
            const cSysCtrl& row = table.ctrls[i];
            EXPECT_NE(nullptr, GetDlgItem(dlg->m_hWnd, row.id)) << page << ": " << row.id;
            if (row.spin) {
                EXPECT_NE(nullptr, GetDlgItem(dlg->m_hWnd, row.spin)) << page << ": " << row.id;
            }
        }
    }
    EXPECT_TRUE(ScopedMainWindow::Actions().empty()) << "nothing read past a list, no control looked up in vain";
    EXPECT_FALSE(Enabled(SystemTab(5), 1508)) << "text 13 is past the short list";
    EXPECT_FALSE(Enabled(SystemTab(9), 1642)) << "the fifth key is missing";
    EXPECT_TRUE(Enabled(SystemTab(5), 1490));
    Type(SystemTab(5), 1508, "個");
    Apply();
    EXPECT_EQ(SYSTEM_TEXT_COUNT, static_cast<int>(s.Texts.size())) << "the save pads the lists";
    EXPECT_EQ(20u, s.FormationMenu.size()) << "a longer list keeps its entries";
    EXPECT_NE("個", s.Texts[13]) << "an unbound edit wrote nowhere";
    // Shown again after the Apply, the page binds what the record now holds.
    Show<DLG_DBPAGE>(SystemTab(4));
    Show<DLG_DBPAGE>(SystemTab(5));
    EXPECT_TRUE(Enabled(SystemTab(5), 1508));
    EXPECT_EQ(s.Texts[13], Text(SystemTab(5), 1508));
    Type(SystemTab(5), 1508, "個");
    Apply();
    EXPECT_EQ("個", s.Texts[13]);
    EXPECT_TRUE(ScopedMainWindow::Actions().empty());
}

TEST_F(SheetTest, CheckBoxesEnableTheControlsTheyGovern) {
    const struct {
        int page, check, target, checked, enabled;
    } cases[] = {
        {1, 1038, 1419, 0, 0}, {1, 1038, 1419, 1, 1}, {1, 1039, 1170, 0, 0},
        {1, 1039, 1172, 1, 1}, {5, 1426, 1427, 0, 0}, {5, 1426, 1428, 0, 1},  // the limit stays
        {5, 1470, 1497, 0, 0}, {5, 1470, 1471, 0, 0}, {5, 1470, 1490, 0, 1},
        {5, 1482, 1474, 1, 0}, {5, 1482, 1474, 0, 1}, {5, 1484, 1485, 0, 0},
        {6, 1432, 1478, 0, 0}, {6, 1432, 1496, 0, 1}, {6, 1453, 1513, 0, 1},  // config names stay
        {7, 1472, 1534, 0, 0}, {7, 1472, 1537, 0, 1}, {8, 1485, 1486, 0, 0},
        {8, 1485, 1497, 0, 1}, {9, 1479, 1480, 0, 0}, {9, 1505, 1506, 0, 0},
    };
    Open();
    for (const auto& c : cases) {
        const int tab = SystemTab(c.page);
        Show<DLG_DBPAGE>(tab);
        SetCheck(tab, 1470, 1);  // page 5's forecast rows need it; harmless elsewhere
        SetCheck(tab, c.check, c.checked);
        EXPECT_EQ(c.enabled, Enabled(tab, c.target)) << c.page << ": " << c.check << " -> " << c.target;
    }
}

// An up-down steps its edit by the edit's own step, whole or decimal, within its range.
TEST_F(SheetTest, UpDownsStepByTheEditsOwnStep) {
    const int tab = SystemTab(1);
    Open();
    Show<DLG_DBPAGE>(tab);
    EXPECT_EQ("1.501", StepUpDown(Item(tab, 1163), "1.500", UPDOWN_CLICK_UP));
    // With the pointer left on the arrow, each key is one step too.
    EXPECT_EQ("1.502", StepUpDown(Item(tab, 1163), nullptr, UPDOWN_KEY_UP));
    EXPECT_EQ("99.9", StepUpDown(Item(tab, 1343), "99.8", UPDOWN_KEY_UP, 2));
    EXPECT_EQ("-10", StepUpDown(Item(tab, 1165), "-9", UPDOWN_CLICK_DOWN, 2));
    EXPECT_EQ("-9", StepUpDown(Item(tab, 1165), nullptr, UPDOWN_KEY_UP));
    Apply();
    EXPECT_DOUBLE_EQ(1.502, g_System.RandomSenseScoutRate);
    EXPECT_DOUBLE_EQ(99.9, g_System.StatRate[0]);
    EXPECT_EQ(-9, g_System.GrowthTimingMin);
}

TEST_F(SheetTest, ReferenceActionCountsFollowWhatIsTyped) {
    const int tab = SystemTab(3);
    const struct {
        const char *time, *initA, *initB, *rateA, *rateB;
        int wait;
        const char *countA, *countB;
    } cases[] = {
        {"27", "0", "500", "100", "100", 0, "2.7", "3.2"},
        {"27", "0", "500", "100", "100", 1, "2.7", "2.1"},
        {"27", "600", "500", "100", "100", 1, "3.3", "2.7"},
        {"27", "0", "500", "0", "0", 0, "0.0", "0.0"},    // no shares: nothing to divide
        {"27", "0", "500", "0", "100", 1, "0.0", "0.0"},  // the attacker never acts
    };
    Open();
    Show<DLG_DBSYSTEM_3>(tab);
    Choose(tab, 1383, 0);
    for (const auto& c : cases) {
        Type(tab, 1161, c.time);
        Type(tab, 1271, c.initA);
        Type(tab, 1273, c.initB);
        Type(tab, 1156, c.rateA);
        Type(tab, 1158, c.rateB);
        SetCheck(tab, 1037, c.wait);
        EXPECT_EQ(c.countA, Text(tab, 1163)) << c.rateA << " " << c.wait;
        EXPECT_EQ(c.countB, Text(tab, 1164)) << c.rateA << " " << c.wait;
    }
    // The simple mode shows its own counts and trades its edits for the time mode's.
    Type(tab, 1275, "3");
    Type(tab, 1299, "2");
    Choose(tab, 1383, 1);
    EXPECT_EQ("3.0", Text(tab, 1163));
    EXPECT_EQ("2.0", Text(tab, 1164));
    EXPECT_FALSE(Enabled(tab, 1161));
    EXPECT_TRUE(Enabled(tab, 1303));
    Apply();
    EXPECT_EQ(3.0, g_System.ReferenceActionCount[0]);
}

TEST_F(SheetTest, ElementsAndTheFontSampleOfPageFour) {
    const int tab = SystemTab(4);
    Open();
    DLG_DBSYSTEM_4* page = Show<DLG_DBSYSTEM_4>(tab);
    SelectRows(tab, 1074, {0});
    WhenOpen([] {
        DLG_ELEM* box = OpenBox<DLG_ELEM>();
        if (!box) return false;
        SetDlgItemTextA(box->m_hWnd, DLG_ELEM::IDC_ELEM_NAME, "炎");
        SendMessageA(box->m_hWnd, WM_COMMAND, IDC_DLG_OK, 0);
        return true;
    });
    Click(tab, 1077);
    EXPECT_EQ("炎", page->m_Elems[1].Name);
    EXPECT_NE("炎", g_System.Elements[1].Name) << "the working copy only";
    Click(tab, 1067);
    EXPECT_EQ(g_System.Elements.size() + 1, page->m_Elems.size());

    // The sample follows the font row at once, and the face it drew with
    // before is deleted; a row the table lacks draws the first face.
    const cDib* sample = page->m_Sample.Surface();
    ASSERT_NE(nullptr, sample);
    const HFONT before = sample->m_hFont;
    ASSERT_NE(nullptr, before);
    Choose(tab, 1596, FONT_MS_PGOTHIC);
    EXPECT_NE(before, sample->m_hFont);
    EXPECT_EQ(0u, GetObjectType(before)) << "no font left behind";
    EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(sample->m_hFont));
    int white = 0;
    GdiFlush();
    for (int y = 0; y < sample->m_nHeight; ++y)
        for (int x = 0; x < sample->m_nWidth; ++x) white += sample->Row(y)[x * 4] == 0xFF;
    EXPECT_GT(white, 0);
    EXPECT_STREQ("ＭＳ Ｐゴシック", FontSampleFace(FONT_MS_PGOTHIC));
    EXPECT_STREQ("System", FontSampleFace(FONT_NAME_COUNT));
    EXPECT_STREQ("System", FontSampleFace(-1));

    Apply();
    EXPECT_EQ("炎", g_System.Elements[1].Name);
    EXPECT_EQ(page->m_Elems.size(), g_System.Elements.size());
    EXPECT_EQ(FONT_MS_PGOTHIC, g_System.FontIndex);
}

// A combo value without a row ("no party variable" 0 or one past the party
// variables, "no background" 0) shows no row after every Apply and refresh
// and is stored as it came; a value with a row keeps it. (A BGM, and a
// background past the database, the save itself sets back to a value with
// a row: cSystem::UpdateDerived.)
TEST_F(SheetTest, ACombosValueWithoutARowSurvivesEveryApply) {
    struct Combo {
        int page;
        const cSysCtrl* row;
        int value;
    };
    std::vector<Combo> combos;
    for (int page = 1; page <= 10; ++page) {
        const cSystemPage& table = SystemPageTable(page - 1);
        for (int i = 0; i < table.count; ++i) {
            const cSysCtrl& row = table.ctrls[i];
            if (row.kind != SYS_PARTY_VAR && row.kind != SYS_BACK) continue;
            // No row: 0 below the offset of "row + 1", or a number past the rows.
            const int value = row.kind == SYS_PARTY_VAR && combos.size() % 2 ? 900 : 0;
            combos.push_back({page, &row, value});
        }
    }
    ASSERT_EQ(7u, combos.size()) << "the party variables of pages 1 to 3 and the formation's background";
    auto field = [](const Combo& c) { return static_cast<int*>(c.row->field(g_System)); };
    for (const Combo& c : combos) {
        ASSERT_NE(nullptr, field(c)) << c.row->id;
        *field(c) = c.value;
    }
    // One of them with a row: the party variable 1 of page 2's 1418.
    g_System.MoneyPartyVal = 1;
    Open();
    for (int page = 1; page <= 10; ++page) Show<DLG_DBPAGE>(SystemTab(page));
    for (int apply = 1; apply <= 3; ++apply) {
        Apply();
        for (int page = 1; page <= 10; ++page) Show<DLG_DBPAGE>(SystemTab(page));  // each refreshed
        for (const Combo& c : combos) {
            const int tab = SystemTab(c.page);
            if (c.page == 2 && c.row->id == 1418) {
                EXPECT_EQ(0, SendMessageA(Item(tab, 1418), CB_GETCURSEL, 0, 0)) << apply;
                EXPECT_EQ(1, g_System.MoneyPartyVal) << apply;
                continue;
            }
            EXPECT_EQ(CB_ERR, SendMessageA(Item(tab, c.row->id), CB_GETCURSEL, 0, 0))
                << "page " << c.page << ": " << c.row->id << " after Apply " << apply;
            EXPECT_EQ("", Text(tab, c.row->id)) << "page " << c.page << ": " << c.row->id;
            EXPECT_EQ(c.value, *field(c)) << "page " << c.page << ": " << c.row->id << " after Apply " << apply;
        }
    }
}
