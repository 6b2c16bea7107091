// The record-aware controls on the toolkit's test dialog: the sound previews
// of media records and the skill combo fillers.
#include <gtest/gtest.h>

#include "editing/preview_combos.h"
#include "editing/skill_combos.h"
#include "model/media_database.h"
#include "model/skill.h"
#include "tests/support/seams.h"
#include "tests/ui/test_dialogs.h"
#include "ui/wnd_list.h"

namespace {

std::vector<std::string> g_Played;
int g_nPlayResult = 1;

int FakeWave(HWND, const char* file) {
    g_Played.push_back(file);
    return g_nPlayResult;
}
int FakeBgm(const char* file, int volume) {
    g_Played.push_back(std::string(file) + "@" + std::to_string(volume));
    return g_nPlayResult;
}

TEST(SoundPreview, PlaysTheRecordTheComboShows) {
    ScopedBoxes boxes;
    cDatabase saved;
    saved.CopyFrom(g_Database);
    g_Database.Sounds.assign(3, cEdSound());
    g_Database.Sounds[2].strPath = "wave\\決定.wav";
    g_Database.Bgms.assign(2, cEdBgm());
    g_Database.Bgms[1].strPath = "bgm\\Field.ogg";
    g_Database.Bgms[1].nVolume = 80;
    SetSoundPreviewProcs(FakeWave, FakeBgm);
    g_Played.clear();

    WND_LIST_CLASS reg;
    TEST_DLG dlg(&reg);
    dlg.m_SoundRows = {"なし", "一", "決定"};
    dlg.m_BgmRows = {"なし", "フィールド"};
    dlg.m_Rec.sound = 0;
    dlg.m_Rec.bgm = 1;
    RunTestDialog(dlg, [](TEST_DLG& d) {
        EXPECT_EQ(0, PlaySelectedSound(d.m_Combos, IDC_SOUND)) << "row 0 is no sound";
        EXPECT_TRUE(g_Played.empty());
        SendDlgItemMessageA(d.m_hWnd, IDC_SOUND, CB_SETCURSEL, 2, 0);
        EXPECT_EQ(1, PlaySelectedSound(d.m_Combos, IDC_SOUND));
        EXPECT_EQ(1, PlaySelectedBgm(d.m_Combos, IDC_BGM));
        g_nPlayResult = 0;
        EXPECT_EQ(0, PlaySelectedSound(d.m_Combos, IDC_SOUND));
        g_nPlayResult = 1;
    });
    EXPECT_EQ((std::vector<std::string>{"wave\\決定.wav", "bgm\\Field.ogg@80", "wave\\決定.wav"}), g_Played);
    EXPECT_EQ(std::vector<std::string>{"読み込み失敗！"}, boxes.Texts());
    SetSoundPreviewProcs(nullptr, nullptr);
    g_Database.CopyFrom(saved);
}

struct SkillListsScope {
    SkillListsScope() {
        m_Saved = g_SkillLists;
        g_SkillLists.clear();
        const struct {
            const char* name;
            int skills;
        } lists[] = {{"剣技", 4}, {"魔法", 2}, {"空", 1}};
        for (const auto& l : lists) {
            cSkillList list;
            list.strName = l.name;
            list.vCateg.assign(1, cCateg());
            list.vCateg[0].strName = "A";
            list.vSkill.assign(static_cast<size_t>(l.skills), cSkill());
            for (int i = 0; i < l.skills; ++i) list.vSkill[i].strName = std::string(l.name) + std::to_string(i);
            g_SkillLists.push_back(list);
        }
    }
    ~SkillListsScope() { g_SkillLists = m_Saved; }
    VECTOR_CLASS<cSkillList> m_Saved;
};

TEST(ComboFill, SkillCombosFollowTheChosenList) {
    SkillListsScope lists;
    WND_LIST_CLASS reg;
    TEST_DLG dlg(&reg);
    // Before the dialog is initialised: the rows of list 0, no control touched.
    VECTOR_CLASS<std::string> skills;
    FillRecordCombo(skills, &dlg, dlg.m_Combos, IDC_SKILLLIST, IDC_SKILL);
    EXPECT_EQ((VECTOR_CLASS<std::string>{"001 A-剣技1", "002 A-剣技2", "003 A-剣技3"}), skills);

    FillRecordComboEx(dlg.m_ListRows, dlg.m_SkillRows, 0, &dlg, dlg.m_Combos, IDC_SKILL);
    EXPECT_EQ((VECTOR_CLASS<std::string>{"01 剣技", "02 魔法", "03 空"}), dlg.m_ListRows);
    EXPECT_EQ(skills, dlg.m_SkillRows);
    dlg.m_Rec.list = 0;
    dlg.m_Rec.skill = 2;
    RunTestDialog(
        dlg,
        [](TEST_DLG& d) {
            EXPECT_EQ(1, d.ComboRow(IDC_SKILL));
            // List 1 has two skills: skill 2 is past its end, the first row is chosen.
            SendDlgItemMessageA(d.m_hWnd, IDC_SKILLLIST, CB_SETCURSEL, 1, 0);
            FillRecordCombo(d.m_SkillRows, &d, d.m_Combos, IDC_SKILLLIST, IDC_SKILL);
            EXPECT_EQ(VECTOR_CLASS<std::string>{"001 A-魔法1"}, d.m_SkillRows);
            EXPECT_EQ(1, SendDlgItemMessageA(d.m_hWnd, IDC_SKILL, CB_GETCOUNT, 0, 0));
            EXPECT_EQ(0, d.ComboRow(IDC_SKILL));
            // The two-list form builds the rows; the caller fills the combos.
            CTRL_COMBO_CLASS<int>* skill = d.FindCtrl(d.m_Combos, IDC_SKILL);
            ASSERT_NE(nullptr, skill);
            SendDlgItemMessageA(d.m_hWnd, IDC_SKILL, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
            FillRecordComboEx(d.m_ListRows, d.m_SkillRows, 0, &d, d.m_Combos, IDC_SKILL);
            EXPECT_EQ(3u, d.m_SkillRows.size());
            EXPECT_EQ(1, SendDlgItemMessageA(d.m_hWnd, IDC_SKILL, CB_GETCOUNT, 0, 0)) << "combo untouched";
            skill->SetStrings(d.m_SkillRows, nullptr);
            EXPECT_EQ(3, SendDlgItemMessageA(d.m_hWnd, IDC_SKILL, CB_GETCOUNT, 0, 0));
            SendDlgItemMessageA(d.m_hWnd, IDC_SKILL, CB_SETCURSEL, 2, 0);
            FillRecordComboEx(d.m_ListRows, d.m_SkillRows, 0, &d, d.m_Combos, IDC_SKILL);
            EXPECT_EQ(2, d.ComboRow(IDC_SKILL)) << "a skill of the list stays chosen";
            // Skill 3 is past list 1's end: the first row, before the caller refills.
            SendDlgItemMessageA(d.m_hWnd, IDC_SKILLLIST, CB_SETCURSEL, 1, 0);
            FillRecordComboEx(d.m_ListRows, d.m_SkillRows, 1, &d, d.m_Combos, IDC_SKILL);
            EXPECT_EQ(0, d.ComboRow(IDC_SKILL));
            skill->SetStrings(d.m_SkillRows, nullptr);
            EXPECT_EQ(1, SendDlgItemMessageA(d.m_hWnd, IDC_SKILL, CB_GETCOUNT, 0, 0));
            EXPECT_EQ(0, d.ComboRow(IDC_SKILL));
        },
        1);
    EXPECT_EQ(1, dlg.m_Rec.list);
    EXPECT_EQ(1, dlg.m_Rec.skill) << "offset 1 stores the skill index";

    // A skill the combo shows no row for (past every list, or skill 0) takes
    // the first skill of the list chosen; a list of skill 0 alone has none to give.
    const struct { int skill, list, row, stored; } cases[] = {{5, 1, 0, 1}, {0, 1, 0, 1}, {5, 2, -1, 5}, {0, 2, -1, 0}};
    for (const auto& c : cases) {
        TEST_DLG from(&reg);
        FillRecordComboEx(from.m_ListRows, from.m_SkillRows, 0, &from, from.m_Combos, IDC_SKILL);
        from.m_Rec.list = 0;
        from.m_Rec.skill = c.skill;
        RunTestDialog(
            from,
            [&c](TEST_DLG& d) {
                EXPECT_EQ(-1, d.ComboRow(IDC_SKILL)) << c.skill;
                SendDlgItemMessageA(d.m_hWnd, IDC_SKILLLIST, CB_SETCURSEL, c.list, 0);
                FillRecordCombo(d.m_SkillRows, &d, d.m_Combos, IDC_SKILLLIST, IDC_SKILL);
                EXPECT_EQ(c.row, d.ComboRow(IDC_SKILL)) << c.skill << " -> list " << c.list;
            },
            1);
        EXPECT_EQ(c.list, from.m_Rec.list);
        EXPECT_EQ(c.stored, from.m_Rec.skill) << c.skill << " -> list " << c.list;
    }
}

}  // namespace
