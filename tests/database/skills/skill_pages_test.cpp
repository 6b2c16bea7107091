// The skill pages in the database sheet: the skill-list page with its
// category and slot dialogs, the skill sheet opened on a list, its CSV
// commands, and the compatibility-type page with its influence dialog.
#include <algorithm>
#include <cstring>

#include "base/file.h"
#include "database/skills/dlg_categ.h"
#include "database/skills/dlg_dbskill.h"
#include "database/skills/dlg_dbskilllist.h"
#include "database/skills/dlg_dbskilltype.h"
#include "database/skills/dlg_infl.h"
#include "database/skills/dlg_slot.h"
#include "database/skills/prop_dbskill.h"
#include "database/skills/skill_csv.h"
#include "database/skills/skill_rules.h"
#include "database/units/dlg_orgslot.h"
#include "model/media_database.h"
#include "tests/database/sheet/sheet_test_support.h"
#include "tests/support/updown.h"
#include "ui/common_dialogs.h"

namespace {

const int kLists = PROP_DATABASE::TAB_SKILL_LIST;
const int kTypes = PROP_DATABASE::TAB_SKILL_TYPE;

std::string g_strExplorer;
BOOL WINAPI RecordExplorer(SHELLEXECUTEINFOA* info) {
    g_strExplorer = info->lpParameters ? info->lpParameters : "";
    return TRUE;
}

void Command(HWND dlg, int id, int code) {
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
}

std::string ItemText(HWND dlg, int id) {
    char text[256] = {};
    GetWindowTextA(GetDlgItem(dlg, id), text, sizeof(text));
    return text;
}

std::string Row(HWND dlg, int id, int row) {
    char text[256] = {};
    SendDlgItemMessageA(dlg, id, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
    return text;
}

class SkillPagesTest : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        SetShellExecuteProc(RecordExplorer);
        g_strExplorer.clear();
        BuildSkillCsvColumns();
        // One list of three skills in two categories, with one limited slot.
        cSkillList list;
        list.strName = "剣技";
        list.vCateg.resize(2);
        list.vCateg[0].strName = "剣";
        list.vCateg[1].strName = "魔";
        list.vSkill.resize(4);
        list.vSkill[1].strName = "斬る";
        list.vSkill[2].strName = "突く";
        list.vSkill[2].nCateg = 1;
        list.vSkill[3].strName = "払う";
        list.nSlotType = 0;
        g_SkillLists.assign(1, list);
    }
    void TearDown() override {
        SetShellExecuteProc(nullptr);
        SheetTest::TearDown();
        // The project's empty csv folder, as the CSV commands found it.
        FolderDelete(nullptr, "csv");
        FolderCreate("csv");
    }

    DLG_DBSKILLLIST* ListPage() { return static_cast<DLG_DBSKILLLIST*>(m_pSheet->Page(kLists)); }
    void SkillSheetButton(int button) {
        SendMessageA(ListPage()->m_pSkillSheet->m_hWnd, PSM_PRESSBUTTON, button, 0);
        Pump();
    }
    static std::string TrimBlanks(std::string text) {
        while (text.size() >= 2 && text.compare(text.size() - 2, 2, "　") == 0) text.resize(text.size() - 2);
        return text;
    }
    static std::string MessageTexts(const ScopedBoxes& boxes) {
        std::string all;
        for (const std::string& t : boxes.Texts()) all += t + "|";
        return all;
    }
};

}  // namespace

TEST_F(SkillPagesTest, TheSkillListPage) {
    Open();
    DLG_DBSKILLLIST* page = Show<DLG_DBSKILLLIST>(kLists);
    HWND wnd = page->m_hWnd;
    EXPECT_EQ("1 剣技", Row(wnd, 1383, 0));
    EXPECT_EQ("1 無制限", Row(wnd, 1074, 0));

    // Options switch the controls that depend on them.
    SetCheck(kLists, 1389, 0);
    EXPECT_FALSE(Enabled(kLists, 1416));
    EXPECT_EQ(0, page->m_Work[0].bReserve);
    Choose(kLists, 1388, 2);
    EXPECT_FALSE(Enabled(kLists, 1074));
    EXPECT_FALSE(Enabled(kLists, 1077));
    Choose(kLists, 1388, 0);
    EXPECT_TRUE(Enabled(kLists, 1074));
    SetCheck(kLists, 1396, 0);
    EXPECT_FALSE(Enabled(kLists, 1404));

    // A renamed list shows at once; "ｸﾘｱ" gives a new list with every menu and scene.
    Type(kLists, 1044, "魔術");
    EXPECT_EQ("1 魔術", Row(wnd, 1383, 0));
    Type(kLists, 1404, "習う");
    EXPECT_EQ("習う", page->m_Work[0].vCmd[0].Label);
    Click(kLists, 1067);
    EXPECT_TRUE(page->m_Work[0].Compare(cSkillList()));
    EXPECT_EQ("覚える", Text(kLists, 1404));
    Type(kLists, 1415, "やめる");
    EXPECT_EQ("やめる", page->m_Work[0].vForgetMenu[1].Label) << "the entries bound before the clear still bind";

    // At most 16 lists.
    for (int i = 0; i < 20; ++i) Click(kLists, 1066);
    EXPECT_EQ(16u, page->m_Work.size());
    AnswerInput("30");
    Click(kLists, 11071);
    EXPECT_EQ(16u, page->m_Work.size()) << "the count box offers 1 to 16";
    AnswerInput("2");
    Click(kLists, 11071);
    EXPECT_EQ(2u, page->m_Work.size());
    EXPECT_EQ(1u, g_SkillLists.size()) << "nothing reaches the database before Apply";
    Apply();
    ASSERT_EQ(2u, g_SkillLists.size());
    EXPECT_EQ(1, g_SkillLists[1].nNo);
}

TEST_F(SkillPagesTest, TheCategoryAndSlotDialogs) {
    g_SkillLists[0].vSlot[0].bAllCateg = 0;
    g_SkillLists[0].vSlot[0].vAcqCond.resize(1);
    g_SkillLists[0].vSlot[0].vAcqCond[0].nCateg = 7;  // a category the list no longer has
    Open();
    DLG_DBSKILLLIST* page = Show<DLG_DBSKILLLIST>(kLists);
    HWND wnd = page->m_hWnd;
    EXPECT_EQ("1 剣 ", Row(wnd, 1074, 0)) << "shown as the first category";

    // A new category, named in its dialog; Cancel changes nothing.
    Click(kLists, 6066);
    EXPECT_EQ(3u, page->m_Work[0].vCateg.size());
    SelectRows(kLists, 1073, {2});
    WhenOpen([] {
        DLG_CATEG* d = OpenBox<DLG_CATEG>();
        if (!d) return false;
        EXPECT_EQ("1.0", ItemText(d->m_hWnd, 1649));
        EXPECT_EQ("1.1", StepUpDown(GetDlgItem(d->m_hWnd, 1650), nullptr, UPDOWN_CLICK_UP));
        EXPECT_EQ("1.2", StepUpDown(GetDlgItem(d->m_hWnd, 1650), nullptr, UPDOWN_KEY_UP)) << "the pointer rests";
        SetDlgItemTextA(d->m_hWnd, 1044, "弓");
        SetDlgItemTextA(d->m_hWnd, 1649, "0");
        Command(d->m_hWnd, 1006, BN_CLICKED);
        return true;
    });
    Click(kLists, 1076);
    EXPECT_EQ("弓", page->m_Work[0].vCateg[2].strName);
    EXPECT_EQ(0.0, page->m_Work[0].vCateg[2].dRate);
    EXPECT_EQ("3 弓", Row(wnd, 1073, 2));
    WhenOpen([] {
        DLG_CATEG* d = OpenBox<DLG_CATEG>();
        if (!d) return false;
        SetDlgItemTextA(d->m_hWnd, 1044, "槍");
        Command(d->m_hWnd, 1007, BN_CLICKED);
        return true;
    });
    Click(kLists, 1076);
    EXPECT_EQ("弓", page->m_Work[0].vCateg[2].strName);

    // The slot dialog starts at the first category and inserts the chosen one above the selection.
    SelectRows(kLists, 1074, {0});
    std::string startCategory;
    WhenOpen([&startCategory] {
        DLG_SLOT* d = OpenBox<DLG_SLOT>();
        if (!d) return false;
        HWND box = d->m_hWnd;
        startCategory = ItemText(box, 1395);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(box, 1068))) << "every symbol shown: no single one is chosen";
        SendDlgItemMessageA(box, 1392, LB_SETSEL, TRUE, 0);
        Command(box, 1392, LBN_SELCHANGE);
        Command(box, 1393, BN_CLICKED);
        SendDlgItemMessageA(box, 1395, CB_SETCURSEL, 2, 0);
        Command(box, 1395, CBN_SELCHANGE);
        Command(box, 1393, BN_CLICKED);
        EXPECT_EQ("1 弓", Row(box, 1392, 0));
        EXPECT_EQ("2 剣", Row(box, 1392, 1));
        Command(box, 1006, BN_CLICKED);
        return true;
    });
    Click(kLists, 1077);
    EXPECT_EQ("01 剣", startCategory);
    const VECTOR_CLASS<cAcqCond>& conds = page->m_Work[0].vSlot[0].vAcqCond;
    ASSERT_EQ(3u, conds.size());
    EXPECT_EQ(2, conds[0].nCateg);
    EXPECT_EQ(0, conds[1].nCateg);
    EXPECT_EQ("1 弓 剣 剣 ", Row(wnd, 1074, 0));
    WhenOpen([] {
        DLG_SLOT* d = OpenBox<DLG_SLOT>();
        if (!d) return false;
        Command(d->m_hWnd, 1393, BN_CLICKED);
        Command(d->m_hWnd, 1007, BN_CLICKED);
        return true;
    });
    Click(kLists, 1077);
    EXPECT_EQ(3u, page->m_Work[0].vSlot[0].vAcqCond.size()) << "Cancel keeps the conditions";

    // A class's own slot opens the same dialog, on the categories of the database's list.
    ASSERT_NE(nullptr, g_pfnEditOrgSlot);
    cSlot own;
    own.bAllCateg = 0;
    WhenOpen([] {
        DLG_SLOT* d = OpenBox<DLG_SLOT>();
        if (!d) return false;
        EXPECT_EQ(2, SendDlgItemMessageA(d->m_hWnd, 1395, CB_GETCOUNT, 0, 0)) << "the list as applied";
        Command(d->m_hWnd, 1393, BN_CLICKED);
        Command(d->m_hWnd, 1006, BN_CLICKED);
        return true;
    });
    EXPECT_EQ(1, g_pfnEditOrgSlot(page, &m_Reg, &page->m_Slots, &own, 0));
    EXPECT_EQ(1u, own.vAcqCond.size());
    EXPECT_EQ(0, g_pfnEditOrgSlot(page, &m_Reg, &page->m_Slots, &own, 5)) << "no such skill list";
}

// A list read without categories: the slot dialog has none to choose, and
// "挿入" gives no condition rather than one naming no category.
TEST_F(SkillPagesTest, ASlotOfAListWithoutCategoriesTakesNoCondition) {
    g_SkillLists[0].vCateg.clear();
    g_SkillLists[0].vSlot[0].bAllCateg = 0;
    Open();
    DLG_DBSKILLLIST* page = Show<DLG_DBSKILLLIST>(kLists);
    ASSERT_TRUE(page->m_Work[0].vCateg.empty());
    SelectRows(kLists, 1074, {0});
    int categories = -1, conditions = -1;
    WhenOpen([&] {
        DLG_SLOT* d = OpenBox<DLG_SLOT>();
        if (!d) return false;
        categories = static_cast<int>(SendDlgItemMessageA(d->m_hWnd, 1395, CB_GETCOUNT, 0, 0));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d->m_hWnd, 1393)));
        Command(d->m_hWnd, 1393, BN_CLICKED);
        conditions = static_cast<int>(d->m_Conds.size());
        Command(d->m_hWnd, 1006, BN_CLICKED);
        return true;
    });
    Click(kLists, 1077);
    EXPECT_EQ(0, categories);
    EXPECT_EQ(0, conditions);
    EXPECT_TRUE(page->m_Work[0].vSlot[0].vAcqCond.empty());
}

TEST_F(SkillPagesTest, TheSkillSheetEditsTheListsWorkingRecord) {
    Open();
    Show<DLG_DBSKILLLIST>(kLists);
    EXPECT_EQ(nullptr, m_pSheet->SkillSheet());
    DLG_DBSKILL* skills = OpenSkills();
    ASSERT_NE(nullptr, skills);
    HWND wnd = skills->m_hWnd;
    PROP_DBSKILL* sheet = m_pSheet->SkillSheet();
    ASSERT_NE(nullptr, sheet);
    EXPECT_TRUE(sheet->IsOpen());
    EXPECT_TRUE(GetWindowLongA(m_pSheet->m_hWnd, GWL_STYLE) & WS_DISABLED) << "the database sheet waits";
    EXPECT_FALSE(IsWindowEnabled(ListPage()->m_hWnd));
    EXPECT_EQ("1 剣-斬る", Row(wnd, 1074, 0)) << "skill 0 is never shown";
    EXPECT_EQ("2 魔-突く", Row(wnd, 1074, 1));

    Command(wnd, 1074, LBN_SELCHANGE);
    SetDlgItemTextA(wnd, 1044, "斬り払い");
    EXPECT_EQ("1 剣-斬り払い", Row(wnd, 1074, 0));
    // The kind's rules: armour uses no resource, targets its wearer and has no effect of its own.
    SendDlgItemMessageA(wnd, 1051, BM_SETCHECK, BST_CHECKED, 0);
    Command(wnd, 1051, BN_CLICKED);
    SendDlgItemMessageA(wnd, 1083, CB_SETCURSEL, 9, 0);
    Command(wnd, 1083, CBN_SELCHANGE);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(wnd, 1092)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(wnd, 1511)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(wnd, 1162)));
    EXPECT_EQ(9, skills->m_Work[1].nKind);
    EXPECT_EQ(0, skills->m_Work[1].nTarget) << "the derived target is stored with the change";
    EXPECT_EQ(0, skills->m_Work[1].bSameEffect);
    // Up-downs step by their edit's own step, within its range (the sort
    // number's once the box enables it).
    SendDlgItemMessageA(wnd, IDC_SKILL_SORT, BM_SETCHECK, BST_CHECKED, 0);
    Command(wnd, IDC_SKILL_SORT, BN_CLICKED);
    const struct {
        int spin;
        const char* from;
        UPDOWN_WAY way;
        int times;
        const char* shown;
    } steps[] = {{1145, "1.5", UPDOWN_CLICK_UP, 1, "1.6"},
                 {1145, "1.6", UPDOWN_KEY_UP, 1, "1.7"},
                 {1166, "999.98", UPDOWN_KEY_UP, 3, "999.99"},
                 {1163, "5", UPDOWN_KEY_DOWN, 1, "4"}};
    for (const auto& s : steps)
        EXPECT_EQ(s.shown, StepUpDown(GetDlgItem(wnd, s.spin), s.from, s.way, s.times)) << s.from << " on " << s.spin;

    SendMessageA(sheet->m_hWnd, PSM_APPLY, 0, 0);
    Pump();
    EXPECT_EQ("斬り払い", ListPage()->m_Work[0].vSkill[1].strName) << "Apply hands the skills to the skill-list page";
    EXPECT_DOUBLE_EQ(1.7, ListPage()->m_Work[0].vSkill[1].dLearnRateSense);
    EXPECT_DOUBLE_EQ(999.99, ListPage()->m_Work[0].vSkill[1].dSortNo);
    EXPECT_EQ(4, ListPage()->m_Work[0].vSkill[1].nElemValue);
    EXPECT_EQ("斬る", g_SkillLists[0].vSkill[1].strName) << "and only the database sheet's Apply saves them";
    SetDlgItemTextA(wnd, 1044, "消える名");
    SkillSheetButton(PSBTN_CANCEL);
    EXPECT_EQ(nullptr, ListPage()->m_pSkillSheet) << "closed and deleted";
    EXPECT_EQ(nullptr, m_pSheet->SkillSheet()) << "the idle routine steps no closed sheet";
    EXPECT_EQ("斬り払い", ListPage()->m_Work[0].vSkill[1].strName) << "Cancel keeps what Apply committed";
    EXPECT_FALSE(GetWindowLongA(m_pSheet->m_hWnd, GWL_STYLE) & WS_DISABLED);
    EXPECT_TRUE(IsWindowEnabled(ListPage()->m_hWnd));
}

// The skill sheet counts as open (the idle routine steps it, and runs at a
// steady rate for it) only while its window and its page's stand, not
// between a window's end and the sheet's deletion.
TEST_F(SkillPagesTest, TheSkillSheetIsOpenOnlyWhileItsWindowsStand) {
    Open();
    Show<DLG_DBSKILLLIST>(kLists);
    for (const bool pageOnly : {true, false}) {
        DLG_DBSKILL* skills = OpenSkills();
        ASSERT_NE(nullptr, skills);
        PROP_DBSKILL* sheet = m_pSheet->SkillSheet();
        EXPECT_TRUE(sheet->IsOpen());
        DestroyWindow(pageOnly ? skills->m_hWnd : sheet->m_hWnd);
        EXPECT_FALSE(sheet->IsOpen()) << (pageOnly ? "the page's window is gone" : "the sheet's window is gone");
        sheet->OnIdle(1);
        if (pageOnly) DestroyWindow(sheet->m_hWnd);
        Pump();
        EXPECT_EQ(nullptr, m_pSheet->SkillSheet()) << "deleted once its window is gone";
    }
}

TEST_F(SkillPagesTest, CsvExportAndImportFromTheSkillSheet) {
    Open();
    Show<DLG_DBSKILLLIST>(kLists);
    Click(kLists, 1066);  // a second list, never applied: its file is still Skill02
    DLG_DBSKILL* skills = OpenSkills();
    ASSERT_NE(nullptr, skills);
    const char* path = "csv\\Skill02.csv";

    // Without the folder the write fails, and no success is claimed.
    ASSERT_TRUE(FolderDelete(nullptr, "csv"));
    m_pBoxes->Queue(IDYES);
    m_pBoxes->Queue(IDYES);
    Command(skills->m_hWnd, 11079, BN_CLICKED);
    EXPECT_EQ("「csv\\Skill02.csv」の保存に失敗しました。\nExcelなどで使用中の可能性があります。",
              m_pBoxes->Texts().back());
    EXPECT_FALSE(FileExists(path));

    ASSERT_TRUE(FolderCreate("csv"));
    m_pBoxes->Reset();
    m_pBoxes->Queue(IDYES);
    m_pBoxes->Queue(IDYES);
    Command(skills->m_hWnd, 11079, BN_CLICKED);
    ASSERT_EQ(3u, m_pBoxes->Count()) << MessageTexts(*m_pBoxes);
    EXPECT_EQ(
        0u, m_pBoxes->Calls()[1].text.find("データをCSV形式のファイル「csv\\Skill02.csv」（相対パス）に保存します。"));
    EXPECT_EQ("保存完了！", TrimBlanks(m_pBoxes->Calls()[2].text)) << "widened by blanks alone";
    EXPECT_EQ(path, m_pBoxes->Calls()[2].caption);
    char folder[MAX_PATH] = {};
    ASSERT_TRUE(GetCurrentFolder(folder, sizeof(folder)));
    EXPECT_EQ(std::string("/select,\"") + folder + "\\csv\\Skill02.csv\"", g_strExplorer);
    const std::string written = FileBytes(path);
    EXPECT_NE(std::string::npos, written.find("\r\nスキル02\r\n"));

    // A second export never overwrites.
    m_pBoxes->Reset();
    m_pBoxes->Queue(IDYES);
    m_pBoxes->Queue(IDYES);
    Command(skills->m_hWnd, 11079, BN_CLICKED);
    EXPECT_EQ(0u, m_pBoxes->Texts().back().find("保存に失敗しました。\n「csv\\Skill02.csv」は既に存在します。"));
    EXPECT_EQ(written, FileBytes(path));

    // Read back with a new name; a refused file changes nothing.
    std::string edited = written;
    edited.replace(edited.rfind("\r\n1,,") + 2, 3, "1,新技,");
    ASSERT_TRUE(WriteFileBytes(path, edited));
    m_pBoxes->Reset();
    m_pBoxes->Queue(IDYES);
    m_pBoxes->Queue(IDYES);
    Command(skills->m_hWnd, 11080, BN_CLICKED);
    EXPECT_EQ("新技", skills->m_Work[1].strName) << MessageTexts(*m_pBoxes);
    EXPECT_EQ(0u, m_pBoxes->Texts().back().find("読み込み完了！"));
    EXPECT_EQ("1 -新技", Row(skills->m_hWnd, 1074, 0));

    ASSERT_TRUE(WriteFileBytes(path, written + "\r\n"));
    const VECTOR_CLASS<cSkill> before = skills->m_Work;
    m_pBoxes->Reset();
    m_pBoxes->Queue(IDYES);
    m_pBoxes->Queue(IDYES);
    Command(skills->m_hWnd, 11080, BN_CLICKED);
    EXPECT_EQ(kCsvBadNumberText, m_pBoxes->Texts().back());
    EXPECT_EQ("新技", skills->m_Work[1].strName);
    EXPECT_EQ(before.size(), skills->m_Work.size());

    m_pBoxes->Reset();
    m_pBoxes->Queue(IDNO);
    Command(skills->m_hWnd, 11080, BN_CLICKED);
    ASSERT_EQ(2u, m_pBoxes->Count());
    EXPECT_EQ("中止しました。", m_pBoxes->Calls()[1].text);
    EXPECT_EQ("CSVファイルの読込", m_pBoxes->Calls()[1].caption);
    SkillSheetButton(PSBTN_CANCEL);
}

namespace {

int g_nNoMemoryStep = -1;
int NoMemory(int step) { return step == g_nNoMemoryStep; }

// What an import could change in a skill.
std::string CsvCells(const cSkill& skill) {
    std::string cells;
    for (const cCsvColumn& c : SkillCsvColumns) cells += FormatCsvCell(c, c.Field(const_cast<cSkill&>(skill))) + ",";
    return cells;
}

}  // namespace

// Every row of an accepted file is stored, whatever row the list had
// selected before: here none was clicked since "ﾃﾞｰﾀ数" grew the list.
TEST_F(SkillPagesTest, AnImportAfterTheDataCountStoresEveryRow) {
    Open();
    DLG_DBSKILL* skills = OpenSkills();
    ASSERT_NE(nullptr, skills);
    HWND wnd = skills->m_hWnd;
    ASSERT_TRUE(FolderCreate("csv"));
    const char* path = "csv\\Skill01.csv";
    // Five skills, every field the import takes distinct from row to row.
    VECTOR_CLASS<cSkill> file(6);
    for (int k = 1; k <= 5; ++k) {
        file[k].nNo = k;
        file[k].strName = "技" + std::to_string(k);
        file[k].strHelp = "説明" + std::to_string(k);
        file[k].nPrice = 100 * k;
        file[k].nSp = k;
    }
    CsvTable table;
    ASSERT_TRUE(BuildSkillCsvTable(&table, file, SkillCsvColumns, SkillCsvDataKind(0)));
    ASSERT_TRUE(WriteCsvFile(path, table));

    AnswerInput("5");
    Command(wnd, IDC_DBLIST_COUNT, BN_CLICKED);
    ASSERT_EQ(6u, skills->m_Work.size()) << "five skills after skill 0";
    m_pBoxes->Reset();
    m_pBoxes->Queue(IDYES);
    m_pBoxes->Queue(IDYES);
    Command(wnd, 11080, BN_CLICKED);
    EXPECT_EQ(0u, m_pBoxes->Texts().back().find("読み込み完了！")) << MessageTexts(*m_pBoxes);
    ASSERT_EQ(6u, skills->m_Work.size());
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(CsvCells(file[k]), CsvCells(skills->m_Work[k])) << "skill " << k;
        const std::string row = Row(wnd, 1074, k - 1), name = "-技" + std::to_string(k);
        EXPECT_EQ(std::to_string(k) + " ", row.substr(0, 2)) << row;
        EXPECT_EQ(name, row.substr(row.size() - std::min(row.size(), name.size()))) << row;
    }
    EXPECT_EQ(5, SendDlgItemMessageA(wnd, 1074, LB_GETCARETINDEX, 0, 0)) << "the end row is current";
    EXPECT_EQ(1, SendDlgItemMessageA(wnd, 1074, LB_GETSELCOUNT, 0, 0));
    EXPECT_GT(SendDlgItemMessageA(wnd, 1074, LB_GETSEL, 5, 0), 0);

    // Apply hands them on as imported.
    SkillSheetButton(PSBTN_OK);
    ASSERT_EQ(6u, ListPage()->m_Work[0].vSkill.size());
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(CsvCells(file[k]), CsvCells(ListPage()->m_Work[0].vSkill[k])) << "skill " << k;
    FileDelete(path);
}

// A file too large for any skill list, or one the editor has no memory
// for, is refused with a box; the skills and the editor stay as they were.
TEST_F(SkillPagesTest, AnImportTooLargeOrWithoutMemoryLeavesTheEditorGoing) {
    Open();
    DLG_DBSKILL* skills = OpenSkills();
    ASSERT_NE(nullptr, skills);
    const char* path = "csv\\Skill01.csv";
    ASSERT_TRUE(FolderCreate("csv"));
    ASSERT_TRUE(MakeSparseFile(path, 256ull << 20));
    const VECTOR_CLASS<cSkill> before = skills->m_Work;
    const struct {
        const char* what;
        int fault;  // the step that finds no memory, -1 none
        const char* message;
    } cases[] = {
        {"256 MB", -1,
         "「csv\\Skill01.csv」の読み込みに失敗しました。\nファイルが大きすぎます。読み込めるCSVファイルは4MBまでです。"},
        {"no memory", FILE_FAULT_MEMORY, "メモリが不足しています！"},
        {"no memory for its rows", FILE_FAULT_PARSE, "メモリが不足しています！"},
    };
    for (const auto& c : cases) {
        if (c.fault >= 0) {
            ASSERT_TRUE(WriteFileBytes(path, "データタイプ\r\nスキル01\r\nNo.\r\n1\r\n2\r\n3\r\n"));
        }
        g_nNoMemoryStep = c.fault;
        const FileFaultHook old = SetFileFaultHook(c.fault >= 0 ? NoMemory : nullptr);
        m_pBoxes->Reset();
        m_pBoxes->Queue(IDYES);
        m_pBoxes->Queue(IDYES);
        Command(skills->m_hWnd, 11080, BN_CLICKED);
        SetFileFaultHook(old);
        ASSERT_EQ(3u, m_pBoxes->Count()) << c.what << ": " << MessageTexts(*m_pBoxes);
        EXPECT_EQ(c.message, m_pBoxes->Calls()[2].text) << c.what;
        EXPECT_EQ("エラー", m_pBoxes->Calls()[2].caption) << c.what;
        EXPECT_EQ(before.size(), skills->m_Work.size()) << c.what;
        for (size_t k = 0; k < before.size() && k < skills->m_Work.size(); ++k)
            EXPECT_EQ(CsvCells(before[k]), CsvCells(skills->m_Work[k])) << c.what << " " << k;
        EXPECT_TRUE(ScopedMainWindow::Actions().empty()) << c.what << ": the editor is not closed";
        EXPECT_TRUE(ListPage()->m_pSkillSheet && ListPage()->m_pSkillSheet->IsOpen()) << c.what;
    }
    FileDelete(path);
    SkillSheetButton(PSBTN_CANCEL);
}

namespace {

// The real box after an export, measured once laid out.
int g_nCaptionRoom = 0;
int ShowSavedBox(HWND owner, const char* text, const char* caption, unsigned type) {
    if (std::strncmp(text, "保存完了！", std::strlen("保存完了！")) != 0) return IDYES;
    const std::string title = caption;
    WhenOpen([title] {
        HWND box = FindWindowA("#32770", title.c_str());
        if (!box) return false;
        NONCLIENTMETRICSA metrics = {};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        HDC dc = GetDC(box);
        HFONT font = CreateFontIndirectA(&metrics.lfCaptionFont);
        HGDIOBJ old = SelectObject(dc, font);
        SIZE size = {};
        wchar_t wide[MAX_PATH];
        const int length = MultiByteToWideChar(CP_ACP, 0, title.c_str(), -1, wide, MAX_PATH) - 1;
        GetTextExtentPoint32W(dc, wide, length, &size);
        SelectObject(dc, old);
        DeleteObject(font);
        ReleaseDC(box, dc);
        RECT rc;
        GetWindowRect(box, &rc);
        // The caption's text, the close button and the frame on both sides;
        // the text wants a few pixels of its own either side.
        g_nCaptionRoom = rc.right - rc.left - size.cx - metrics.iCaptionWidth - 2 * GetSystemMetrics(SM_CXFIXEDFRAME);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return true;
    });
    return MessageBoxA(owner, text, caption, type);
}

}  // namespace

TEST_F(SkillPagesTest, TheSavedBoxShowsItsWholeCaption) {
    Open();
    DLG_DBSKILL* skills = OpenSkills();
    ASSERT_NE(nullptr, skills);
    ASSERT_TRUE(FolderCreate("csv"));
    FileDelete("csv\\Skill01.csv");
    g_nCaptionRoom = -1000;
    const MessageBoxSink old = SetMessageBoxSink(ShowSavedBox);
    Command(skills->m_hWnd, 11079, BN_CLICKED);
    SetMessageBoxSink(old);
    EXPECT_TRUE(FileExists("csv\\Skill01.csv"));
    EXPECT_GE(g_nCaptionRoom, 8) << "\"csv\\Skill01.csv\" is cut or touches the close button";
    FileDelete("csv\\Skill01.csv");
    SkillSheetButton(PSBTN_CANCEL);
}

TEST_F(SkillPagesTest, TheCompatibilityTypePage) {
    g_Database.CompatiTypes.resize(1);
    Open();
    EXPECT_EQ(2u, g_Database.CompatiTypes.size()) << "a database with one type gets two";
    SendMessageA(m_pSheet->m_hWnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    Pump();

    g_Database.CompatiTypes.resize(3);
    g_Database.CompatiTypes[1].strName = "炎";
    g_Database.CompatiTypes[2].strName = "氷";
    g_Database.CompatiTypes[1].vInfl.resize(1);
    g_Database.CompatiTypes[1].vInfl[0].nTarget = 9;  // a type that no longer exists
    g_Database.CompatiTypes[1].vInfl[0].nValue = 5;
    Open();
    DLG_DBSKILLTYPE* page = Show<DLG_DBSKILLTYPE>(kTypes);
    HWND wnd = page->m_hWnd;
    EXPECT_EQ("1 炎", Row(wnd, 1640, 0)) << "type 0 is never shown";
    EXPECT_EQ("（存在しないタイプ 9） に対して 命中率 ＝ 5", Row(wnd, 1638, 0));
    SelectRows(kTypes, 1638, {0});
    WhenOpen([] {
        DLG_INFL* d = OpenBox<DLG_INFL>();
        if (!d) return false;
        // The combo has no row for it and keeps it while none is chosen.
        EXPECT_EQ(CB_ERR, SendDlgItemMessageA(d->m_hWnd, 1309, CB_GETCURSEL, 0, 0));
        EXPECT_EQ("", ItemText(d->m_hWnd, 1309)) << "no type is offered in its place";
        Command(d->m_hWnd, 1006, BN_CLICKED);
        return true;
    });
    Click(kTypes, 1636);
    EXPECT_EQ(9, page->m_Work[1].vInfl[0].nTarget) << "OK keeps the target it could not show";

    // "挿入" through the dialog; Cancel takes the new influence out again.
    WhenOpen([] {
        DLG_INFL* d = OpenBox<DLG_INFL>();
        if (!d) return false;
        HWND box = d->m_hWnd;
        EXPECT_EQ(2, SendDlgItemMessageA(box, 1309, CB_GETCOUNT, 0, 0)) << "types 1 and 2";
        SendDlgItemMessageA(box, 1309, CB_SETCURSEL, 1, 0);
        SendDlgItemMessageA(box, 1310, CB_SETCURSEL, 2, 0);
        SendDlgItemMessageA(box, 1308, CB_SETCURSEL, 3, 0);
        SetDlgItemTextA(box, 11083, "150");
        Command(box, 1006, BN_CLICKED);
        return true;
    });
    Click(kTypes, 1635);
    ASSERT_EQ(2u, page->m_Work[1].vInfl.size());
    EXPECT_EQ("氷 に対して ダメージ × 150", Row(wnd, 1638, 0));
    WhenOpen([] {
        DLG_INFL* d = OpenBox<DLG_INFL>();
        if (!d) return false;
        Command(d->m_hWnd, 1007, BN_CLICKED);
        return true;
    });
    Click(kTypes, 1635);
    EXPECT_EQ(2u, page->m_Work[1].vInfl.size());
    // Renamed here, shown by name only once applied.
    SelectRows(kTypes, 1640, {1});
    Type(kTypes, 1044, "氷結");
    SelectRows(kTypes, 1640, {0});
    EXPECT_EQ("氷 に対して ダメージ × 150", Row(wnd, 1638, 0));
    Apply();
    EXPECT_EQ("氷結", g_Database.CompatiTypes[2].strName);
}
