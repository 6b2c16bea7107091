// The class, ally and enemy pages in the sheet: the computed stat columns
// against the data model's growth tables, the enable rules, the previews
// over a missing or narrow sheet, and every page and dialog after an Apply
// that removed a skill list.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "database/skills/dlg_dbskill.h"
#include "database/skills/dlg_dbskilllist.h"
#include "database/skills/prop_dbskill.h"
#include "database/units/dlg_battleai.h"
#include "database/units/dlg_dbclass.h"
#include "database/units/dlg_dbenemy.h"
#include "database/units/dlg_dbfriend.h"
#include "database/units/dlg_learnskill.h"
#include "database/units/dlg_orgslot.h"
#include "database/units/dlg_sense.h"
#include "media/image_table.h"
#include "model/class.h"
#include "model/number_rules.h"
#include "model/system.h"
#include "tests/database/units/unit_test_support.h"
#include "tests/support/updown.h"

namespace {

const int kGame[STAT_COUNT] = {1097, 1098, 1099, 1100, 1101, 1102, 1103, 1104, 1105};
const int kReference[STAT_COUNT] = {1106, 1107, 1108, 1109, 11110, 11111, 1112, 1113, 1118};

// A pixel of a picture as the screen shows it.
COLORREF Pixel(HWND picture, int x, int y) {
    HDC dc = GetDC(picture);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(picture, dc);
    return colour;
}

std::string Shown(int value) {
    char text[16];
    std::snprintf(text, sizeof(text), "%3d", value);
    return text;
}

// Stat k of `record` at `level` below its limit, read off the growth table
// the data model builds for it: the class-applied start value and the
// hundredths of every level-up, from a remainder of 50.
template <class T>
int FromTables(T record, int k, int level, int fromClass) {
    if (fromClass) record.InitStats[k] = record.FinalStats[k] = 0;
    T source(record);
    source.ApplyClass(0);
    T grown(record);
    grown.LearnSkills(0, 0, 1, 0, source);
    int hundredths = 50;
    for (int p = 1; p < level; ++p) hundredths += grown.FixedGrowth[k].At(p);
    return std::min(source.EffInitStats[k] + hundredths / 100, StatMax(k));
}

}  // namespace

TEST_F(UnitsTest, GameAndReferenceValuesFollowTheClassGrowthTables) {
    g_System.EnemyStatRate[0] = 150;
    g_System.EnemyStatRate[2] = 200;
    cEnemy& thief = g_EnemyList[2];  // a fighter of level 3 with an attack of its own
    thief.InitStats[2] = 40;
    thief.FinalStats[2] = 400;
    g_EnemyList[1].Class = 9;  // past the classes
    Open();

    Show<DLG_DBFRIEND>(TAB_FRIEND);
    SelectRecord(TAB_FRIEND, 0);  // a fighter of level 12, every stat from the class
    const cFriend& allen = g_FriendList[1];
    for (int k = 0; k < STAT_COUNT; ++k) {
        EXPECT_EQ(Shown(FromTables(allen, k, 12, 0)), Text(TAB_FRIEND, kGame[k])) << k;
        EXPECT_EQ(Text(TAB_FRIEND, kGame[k]), Text(TAB_FRIEND, kReference[k])) << "no stat of its own: " << k;
    }
    Type(TAB_FRIEND, 1116, "30");
    EXPECT_EQ("30", StepUpDown(Item(TAB_FRIEND, 1064), "31", UPDOWN_KEY_DOWN)) << "the level's own step";
    EXPECT_EQ(Shown(g_ClassList[1].FinalStats[0]), Text(TAB_FRIEND, kGame[0])) << "the limit gives the final value";
    EXPECT_EQ(12, allen.Level) << "computed on copies";

    Show<DLG_DBENEMY>(TAB_ENEMY);
    SelectRecord(TAB_ENEMY, 1);
    EXPECT_EQ(Shown(PercentOf(FromTables(thief, 0, 3, 0), 150)), Text(TAB_ENEMY, kGame[0]));
    EXPECT_EQ(Shown(FromTables(thief, 2, 3, 0)), Text(TAB_ENEMY, kGame[2])) << "its own stat is not scaled";
    EXPECT_EQ(Shown(PercentOf(FromTables(thief, 2, 3, 1), 200)), Text(TAB_ENEMY, kReference[2]))
        << "the class's stat, scaled";
    EXPECT_EQ(Shown(FromTables(thief, 4, 3, 0)), Text(TAB_ENEMY, kGame[4]));
    const std::string shown = Text(TAB_ENEMY, kGame[0]);
    SelectRecord(TAB_ENEMY, 0);  // its class is none of the list
    EXPECT_EQ(shown, Text(TAB_ENEMY, kGame[0])) << "nothing computed: the column keeps its text";
}

TEST_F(UnitsTest, CheckBoxesEnableWhatTheyGovern) {
    const struct {
        int tab, check, target, enabledWhenChecked;
    } cases[] = {
        {TAB_FRIEND, 12076, 1120, 1}, {TAB_FRIEND, 1072, 1119, 0}, {TAB_ENEMY, 12076, 1122, 1},
        {TAB_ENEMY, 1072, 1120, 0},   {TAB_ENEMY, 1073, 1119, 1},  {TAB_CLASS, 1073, 1517, 0},
        {TAB_CLASS, 1073, 1518, 0},
    };
    Open();
    for (const auto& c : cases) {
        Show<DLG_DBPAGE>(c.tab);
        for (int checked : {1, 0}) {
            SetCheck(c.tab, c.check, checked);
            EXPECT_EQ(checked == c.enabledWhenChecked, Enabled(c.tab, c.target)) << c.check << " -> " << c.target;
        }
    }
}

TEST_F(UnitsTest, PreviewsDrawNothingWithoutACellToDraw) {
    SymbolSheet.Create(8, 64, 24, 0);  // narrower than one symbol
    Open();
    DLG_DBENEMY* enemy = Show<DLG_DBENEMY>(TAB_ENEMY);
    EXPECT_EQ(0, SendMessageA(Item(TAB_ENEMY, 1071), CB_GETCOUNT, 0, 0));
    enemy->OnPaint();
    EXPECT_EQ(RGB(0, 0, 0), Pixel(Item(TAB_ENEMY, 1069), 16, 16)) << "black: no cell, no division by zero";

    // The class graphic as typed: graphic 0 leaves the dark red ground alone.
    DLG_DBCLASS* classes = Show<DLG_DBCLASS>(TAB_CLASS);
    Type(TAB_CLASS, 1071, "0");
    classes->OnPaint();
    EXPECT_EQ(RGB(66, 0, 0), Pixel(Item(TAB_CLASS, 1070), 24, 24));
    EXPECT_TRUE(ScopedMainWindow::Actions().empty());
    SymbolSheet.Release();
}

// The skill-list page's commit removes a list from under the unit pages'
// working copies; Apply then saves the units repaired, and the page showing
// reads them back at once.
TEST_F(UnitsTest, AfterASkillListIsRemovedAndAppliedEveryUnitPageAndDialogOpens) {
    Open();
    DLG_DBENEMY* enemy = Show<DLG_DBENEMY>(TAB_ENEMY);
    SelectRecord(TAB_ENEMY, 1);
    g_SkillLists.pop_back();  // "特技": the thief's quick rule and one of Allen's skills
    SelectRows(TAB_ENEMY, 1111, {1});
    EXPECT_EQ("クイック ？-？ (優先1-20)", Rows(TAB_ENEMY, 1111)[1]);
    WhenDialog<DLG_BATTLEAI>([](DLG_BATTLEAI* d) {
        EXPECT_EQ(-1, SendDlgItemMessageA(d->m_hWnd, DLG_BATTLEAI::IDC_LIST, CB_GETCURSEL, 0, 0));
        Send(d, IDC_DLG_OK);
    });
    Click(TAB_ENEMY, 1110);
    EXPECT_EQ(2, enemy->m_Record.BattleAI[1].SkillList) << "a combo without a row keeps the value";
    Apply();
    EXPECT_EQ(0, g_EnemyList[2].BattleAI[1].SkillList) << "saved repaired";
    EXPECT_EQ(std::string::npos, Rows(TAB_ENEMY, 1111)[1].find("？")) << "shown again from the database";

    // Shown again, each page reads the database as the Apply saved it.
    Show<DLG_DBFRIEND>(TAB_FRIEND);
    SelectRecord(TAB_FRIEND, 0);
    EXPECT_EQ(4u, Rows(TAB_FRIEND, 1074).size()) << "three skills and the end row";
    SelectRows(TAB_FRIEND, 1074, {2});
    WhenDialog<DLG_LEARNSKILL>([](DLG_LEARNSKILL* d) { Send(d, IDC_DLG_OK); });
    Click(TAB_FRIEND, 1077);
    Show<DLG_DBCLASS>(TAB_CLASS);
    EXPECT_EQ(3u, Rows(TAB_CLASS, 1076).size());
    SelectRows(TAB_CLASS, 1076, {1});
    WhenDialog<DLG_SENSE>([](DLG_SENSE* d) { Send(d, IDC_DLG_CANCEL); });
    Click(TAB_CLASS, 1542);
    WhenDialog<DLG_ORGSLOT>([](DLG_ORGSLOT* d) { Send(d, IDC_DLG_CANCEL); });
    Click(TAB_CLASS, 1543);
    for (int tab : {TAB_CLASS, TAB_FRIEND, TAB_ENEMY}) {
        for (int id : {1076, 1094, 1074, 1111}) {
            if (!Item(tab, id)) continue;
            for (const std::string& row : Rows(tab, id)) EXPECT_EQ(std::string::npos, row.find("？")) << row;
        }
    }
    EXPECT_TRUE(ScopedMainWindow::Actions().empty()) << "nothing read past a list";
}

namespace {

// Keys as a user types them into an edit whose text is selected whole ("\b": BackSpace).
void TypeOver(HWND edit, const char* text) {
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    for (const char* p = text; *p; ++p) SendMessageA(edit, WM_CHAR, static_cast<BYTE>(*p), 1);
}

// A click of the mouse on `target`, with real input.
void ClickOn(HWND target) {
    HWND top = GetAncestor(target, GA_ROOT);
    if (!IsWindowVisible(top)) ShowWindow(top, SW_SHOWNA);
    SetForegroundWindow(top);
    PointAt(target, 0);
    SendUpDownClick();
}

}  // namespace

// A number typed beside the 色相, 彩度 and 明度 trackbars moves the trackbar,
// clamped to its range; an emptied edit or a lone "-" becomes 0 once the
// edit is left, by Tab or by a click elsewhere, or when the sheet's Apply or
// OK comes with the focus still in it (Return presses OK, the default
// button). What the edit and the trackbar then show is what Apply and OK
// store, and Apply shows again.
TEST_F(UnitsTest, ANumberTypedBesideAColourTrackbarMovesItAndIsStored) {
    Open();
    DLG_DBCLASS* page = Show<DLG_DBCLASS>(TAB_CLASS);
    SelectRecord(TAB_CLASS, 0);
    const int index = page->m_List.GetDataPos();
    ASSERT_GE(index, 1);
    // Left by Tab, or by a click on the name, the graphic's number or the
    // scale (two clicks on one place would make a double click); or not left
    // (STAY): the sheet's Apply comes with the focus in the edit.
    const int TAB = 0, NAME = IDC_DBLIST_NAME, GRAPHIC = 1071, SCALE = 1072, STAY = -1;
    const struct {
        int edit, bar;
        short cClass::*field;
        const char *typed, *shown;
        int position, leave;
    } rounds[6][3] = {
        {{1514, 1552, &cClass::Hue, "120", "120", 120, TAB},
         {1515, 1553, &cClass::Saturation, "-50", "-50", -50, TAB},
         {1516, 1554, &cClass::Brightness, "30", "30", 30, TAB}},
        {{1514, 1552, &cClass::Hue, "400", "359", 359, TAB},
         {1515, 1553, &cClass::Saturation, "999", "255", 255, TAB},
         {1516, 1554, &cClass::Brightness, "-999", "-255", -255, TAB}},
        {{1514, 1552, &cClass::Hue, "\b", "0", 0, TAB},
         {1515, 1553, &cClass::Saturation, "-", "0", 0, NAME},
         {1516, 1554, &cClass::Brightness, "\b", "0", 0, GRAPHIC}},
        {{1514, 1552, &cClass::Hue, "200", "200", 200, NAME},
         {1515, 1553, &cClass::Saturation, "-100", "-100", -100, GRAPHIC},
         {1516, 1554, &cClass::Brightness, "100", "100", 100, TAB}},
        {{1514, 1552, &cClass::Hue, "77", "77", 77, TAB},
         {1516, 1554, &cClass::Brightness, "-", "0", 0, SCALE},
         {1515, 1553, &cClass::Saturation, "\b", "0", 0, STAY}},
        {{1514, 1552, &cClass::Hue, "-", "0", 0, NAME},
         {1515, 1553, &cClass::Saturation, "\b", "0", 0, GRAPHIC},
         {1516, 1554, &cClass::Brightness, "\b", "0", 0, TAB}},
    };
    auto position = [this](int bar) { return SendMessageA(Item(TAB_CLASS, bar), TBM_GETPOS, 0, 0); };
    for (const auto& round : rounds) {
        for (const auto& c : round) {
            HWND edit = Item(TAB_CLASS, c.edit);
            TypeOver(edit, c.typed);
            if (c.leave == STAY) continue;
            if (c.leave == TAB)
                SetFocus(GetNextDlgTabItem(page->m_hWnd, edit, FALSE));
            else
                ClickOn(Item(TAB_CLASS, c.leave));
            EXPECT_EQ(c.shown, Text(TAB_CLASS, c.edit)) << c.typed << " left";
            EXPECT_EQ(c.position, position(c.bar)) << c.typed << " left";
        }
        Apply();
        for (const auto& c : round) {
            EXPECT_EQ(c.position, g_ClassList[index].*c.field) << c.typed;
            EXPECT_EQ(c.shown, Text(TAB_CLASS, c.edit)) << c.typed << " after Apply";
            EXPECT_EQ(c.position, position(c.bar)) << c.typed << " after Apply";
        }
    }
    // Another tab chosen with the focus in the edit: the page lets the sheet go.
    TypeOver(Item(TAB_CLASS, 1514), "33");
    TypeOver(Item(TAB_CLASS, 1514), "\b");
    DLG_DBPAGE* friends = Show<DLG_DBPAGE>(TAB_FRIEND);
    EXPECT_EQ(friends->m_hWnd, reinterpret_cast<HWND>(SendMessageA(m_pSheet->m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0)));
    Show<DLG_DBCLASS>(TAB_CLASS);
    EXPECT_EQ("0", Text(TAB_CLASS, 1514));
    EXPECT_EQ(0, position(1552));

    // Emptied, then the sheet's OK: a click leaves the edit first, Return
    // leaves it nowhere; OK stores the same either way. Likewise beside no
    // trackbar (移動力).
    const struct { int edit, byReturn; } closings[] = {{1514, 0}, {1514, 1}, {1033, 1}, {1033, 0}};
    for (const auto& c : closings) {
        if (!m_pSheet) {
            Open();
            Show<DLG_DBCLASS>(TAB_CLASS);
            SelectRecord(TAB_CLASS, 0);
        }
        HWND edit = Item(TAB_CLASS, c.edit);
        TypeOver(edit, "5");
        TypeOver(edit, "\b");
        if (c.byReturn) {
            SetForegroundWindow(GetAncestor(edit, GA_ROOT));
            SetFocus(edit);
            TypeKeys({VK_RETURN});
        } else {
            ClickOn(GetDlgItem(m_pSheet->m_hWnd, IDOK));
        }
        Pump();
        ASSERT_EQ(nullptr, m_pSheet) << c.edit << " closed, by Return " << c.byReturn;
        EXPECT_EQ(0, c.edit == 1514 ? g_ClassList[index].Hue : g_ClassList[index].Move)
            << c.edit << " by Return " << c.byReturn;
    }
}

// A class's normal attack whose skill the Apply took from its list (the list
// was cut) shows no skill when the page is shown again, and an edit of the
// class keeps the skill as it came: the refresh moves it to no other skill.
// Another list chosen then gives it that list's first skill, as it does a
// class whose skill is 0.
TEST_F(UnitsTest, AnAttackSkillTheListNoLongerHoldsIsKeptThroughApply) {
    const int IDC_CLASS_ATTACK_LIST = 1517, IDC_CLASS_ATTACK_SKILL = 1518;
    g_ClassList[1].AttackSkill = 6;  // "薙ぎ払い", the last of list 0's six skills
    g_ClassList[2].AttackSkill = 0;
    Open();
    DLG_DBCLASS* page = Show<DLG_DBCLASS>(TAB_CLASS);
    SelectRecord(TAB_CLASS, 0);
    const int index = page->m_List.GetDataPos();
    ASSERT_EQ(1, index);
    EXPECT_EQ(5, SendMessageA(Item(TAB_CLASS, IDC_CLASS_ATTACK_SKILL), CB_GETCURSEL, 0, 0));
    g_SkillLists[0].vSkill.resize(4);  // three skills left; the skill-list page was never shown
    Apply();
    Show<DLG_DBFRIEND>(TAB_FRIEND);
    Show<DLG_DBCLASS>(TAB_CLASS);  // refreshed over the cut list
    EXPECT_EQ(3, SendMessageA(Item(TAB_CLASS, IDC_CLASS_ATTACK_SKILL), CB_GETCOUNT, 0, 0));
    EXPECT_EQ(CB_ERR, SendMessageA(Item(TAB_CLASS, IDC_CLASS_ATTACK_SKILL), CB_GETCURSEL, 0, 0));
    EXPECT_EQ("", Text(TAB_CLASS, IDC_CLASS_ATTACK_SKILL));
    Type(TAB_CLASS, IDC_DBLIST_NAME, "剣士");
    Apply();
    EXPECT_EQ("剣士", g_ClassList[index].Name);
    EXPECT_EQ(6, g_ClassList[index].AttackSkill) << "stored as it came";

    const struct {
        int row, list;
        const char* shown;
    } chosen[] = {{0, 2, "001 補助-挑発"}, {1, 0, "001 剣-斬撃"}};
    for (const auto& c : chosen) {
        SelectRecord(TAB_CLASS, c.row);
        const int record = page->m_List.GetDataPos();
        EXPECT_EQ(CB_ERR, SendMessageA(Item(TAB_CLASS, IDC_CLASS_ATTACK_SKILL), CB_GETCURSEL, 0, 0)) << record;
        Choose(TAB_CLASS, IDC_CLASS_ATTACK_LIST, c.list);
        EXPECT_EQ(c.shown, Text(TAB_CLASS, IDC_CLASS_ATTACK_SKILL));
        Apply();
        EXPECT_EQ(c.list, g_ClassList[record].AttackSkillList) << record;
        EXPECT_EQ(1, g_ClassList[record].AttackSkill) << record;
        EXPECT_EQ(c.shown, Text(TAB_CLASS, IDC_CLASS_ATTACK_SKILL)) << "after Apply";
    }
}

// The normal attack's skill combo offers the skills of the shown class's own
// list, however another class comes to be shown, and stores the skill the
// picked row names. Three lists of 6, 4 and 2 skills; class 3's skill lies
// past its list's end: no row, kept.
TEST_F(UnitsTest, TheAttackSkillComboOffersTheShownClassesOwnList) {
    const int IDC_CLASS_ATTACK_LIST = 1517, IDC_CLASS_ATTACK_SKILL = 1518;
    const int lists[4][2] = {{0, 0}, {1, 3}, {0, 5}, {2, 4}};  // per class: list, skill
    for (int c = 1; c <= 3; ++c) {
        g_ClassList[c].AttackSkillList = lists[c][0];
        g_ClassList[c].AttackSkill = lists[c][1];
    }
    Open();
    DLG_DBCLASS* page = Show<DLG_DBCLASS>(TAB_CLASS);
    enum { OPENED, CLICK, CUT, PASTE, NEW, CLEAR, COUNT, APPLY, REACTIVATE, PICK, CUT_LIST };
    const struct {
        int way, row, list;
        const char* shown;  // "": no row
    } steps[] = {
        {OPENED, 0, 1, "003 回復-ヒール"},
        {CLICK, 1, 0, "005 剣-回転斬り"},
        {CLICK, 2, 2, ""},
        {CLICK, 0, 1, "003 回復-ヒール"},
        {PICK, 3, 1, "004 炎-フレア"},
        {CLICK, 2, 2, ""},
        {APPLY, 0, 2, ""},
        {CLICK, 0, 1, "004 炎-フレア"},
        {CUT, 0, 0, "005 剣-回転斬り"},
        {PASTE, 0, 1, "004 炎-フレア"},
        {CLICK, 2, 2, ""},
        {NEW, 0, 0, "001 剣-斬撃"},
        {CLICK, 0, 1, "004 炎-フレア"},
        {REACTIVATE, 0, 1, "004 炎-フレア"},
        {CLICK, 2, 2, ""},
        {CLEAR, 0, 0, "001 剣-斬撃"},
        {CLICK, 0, 1, "004 炎-フレア"},
        {PICK, 1, 1, "002 氷-ブリザド"},
        {CLICK, 1, 0, "005 剣-回転斬り"},
        {COUNT, 1, 1, "002 氷-ブリザド"},
        {CUT_LIST, 0, 1, "002 氷-ブリザド"},
    };
    HWND skills = Item(TAB_CLASS, IDC_CLASS_ATTACK_SKILL);
    for (const auto& s : steps) {
        switch (s.way) {
        case CLICK: SelectRecord(TAB_CLASS, s.row); break;
        case CUT: ListKey(TAB_CLASS, 1029, 40030); break;
        case PASTE: ListKey(TAB_CLASS, 1029, 40032); break;
        case NEW: Click(TAB_CLASS, IDC_DBLIST_NEW); break;
        case CLEAR: Click(TAB_CLASS, IDC_DBLIST_CLEAR); break;
        case COUNT:
            AnswerInput("1");
            Click(TAB_CLASS, IDC_DBLIST_COUNT);
            break;
        case APPLY:
            Apply();
            EXPECT_EQ(4, g_ClassList[1].AttackSkill) << "the skill the picked row names";
            EXPECT_EQ(4, g_ClassList[3].AttackSkill) << "kept past its list's end";
            break;
        case REACTIVATE:
            Show<DLG_DBFRIEND>(TAB_FRIEND);
            Show<DLG_DBCLASS>(TAB_CLASS);
            break;
        case PICK: Choose(TAB_CLASS, IDC_CLASS_ATTACK_SKILL, s.row); break;
        case CUT_LIST: {
            // The shown class's list cut to three skills in the skill sheet,
            // then Apply on the class page: its rows follow at once.
            auto* lists = Show<DLG_DBSKILLLIST>(PROP_DATABASE::TAB_SKILL_LIST);
            SelectRows(PROP_DATABASE::TAB_SKILL_LIST, lists->m_List.m_wId, {s.list});
            DLG_DBSKILL* sheet = OpenSkills();
            ASSERT_NE(nullptr, sheet);
            AnswerInput("3");
            Send(sheet, IDC_DBLIST_COUNT);
            SendMessageA(m_pSheet->SkillSheet()->m_hWnd, PSM_PRESSBUTTON, PSBTN_OK, 0);
            Pump();
            Show<DLG_DBCLASS>(TAB_CLASS);
            Apply();
            break;
        }
        }
        const int way = static_cast<int>(&s - steps);
        const int count = static_cast<int>(g_SkillLists[s.list].vSkill.size()) - 1;
        EXPECT_EQ(s.list, SendMessageA(Item(TAB_CLASS, IDC_CLASS_ATTACK_LIST), CB_GETCURSEL, 0, 0)) << way;
        EXPECT_EQ(count, SendMessageA(skills, CB_GETCOUNT, 0, 0)) << way;
        EXPECT_EQ(s.shown, Text(TAB_CLASS, IDC_CLASS_ATTACK_SKILL)) << way;
        char last[128] = {};
        SendMessageA(skills, CB_GETLBTEXT, count - 1, reinterpret_cast<LPARAM>(last));
        EXPECT_NE(nullptr, std::strstr(last, g_SkillLists[s.list].vSkill[count].strName.c_str())) << way;
        EXPECT_EQ(s.list, page->m_Record.AttackSkillList) << way;
    }
    Apply();
    ASSERT_EQ(2u, g_ClassList.size());
    EXPECT_EQ(1, g_ClassList[1].AttackSkillList);
    EXPECT_EQ(2, g_ClassList[1].AttackSkill) << "the skill the picked row names";
    EXPECT_EQ("002 氷-ブリザド", Text(TAB_CLASS, IDC_CLASS_ATTACK_SKILL)) << "after Apply";
}
