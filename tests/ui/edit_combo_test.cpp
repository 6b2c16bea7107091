// String edits, combos and the slider on a real dialog: limits while typing,
// the value mapping of combos, the slider's commands, the sound previews and
// the skill combo fillers.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/media_database.h"
#include "model/skill.h"
#include "tests/ui/test_ui.h"
#include "tests/ui/ui2_dialogs.h"
#include "editing/preview_combos.h"
#include "editing/skill_combos.h"
#include "ui/wnd.h"
#include "ui/wnd_list.h"

namespace {

void RunScript(EDIT_TEST_DLG& dlg, std::function<void(EDIT_TEST_DLG&)> script, int ok = 0) {
    dlg.m_Script = [script, ok](EDIT_TEST_DLG& d) {
        script(d);
        if (ok)
            d.Notify(IDC_UI2_OK);
        else
            d.End(0);
    };
    dlg.DoModal(0);
}

SHORT WINAPI BackspaceHeld(int key) { return key == VK_BACK ? static_cast<SHORT>(0x8000) : 0; }

const std::string kKan = "\x8A\xBF";

}  // namespace

TEST(StringEdit, SingleLineKeepsItsLineLength) {
    WND_LIST_CLASS reg;
    EDIT_TEST_DLG dlg(&reg);
    dlg.m_Rec.name = "0123456789abcde";
    RunScript(
        dlg,
        [](EDIT_TEST_DLG& d) {
            d.Select(IDC_UI2_NAME, 15, 15);
            d.Replace(IDC_UI2_NAME, "f");
            EXPECT_EQ("0123456789abcdef", d.Text(IDC_UI2_NAME));
            d.Replace(IDC_UI2_NAME, "X");
            EXPECT_EQ("0123456789abcdef", d.Text(IDC_UI2_NAME)) << "the 17th byte is cut";
            // A double-byte character never loses its trail byte.
            d.Select(IDC_UI2_NAME, 15, 16);
            d.Replace(IDC_UI2_NAME, kKan.c_str());
            EXPECT_EQ("0123456789abcde", d.Text(IDC_UI2_NAME));
        },
        1);
    EXPECT_EQ("0123456789abcde", dlg.m_Rec.name) << "stored on OK";
}

TEST(StringEdit, MultiLineShowsLineBreaksAndStoresLineFeeds) {
    WND_LIST_CLASS reg;
    EDIT_TEST_DLG dlg(&reg);
    dlg.m_Rec.text = "ab\nabcdefg";
    RunScript(
        dlg,
        [](EDIT_TEST_DLG& d) {
            EXPECT_EQ("ab\r\nabcdefg", d.Text(IDC_UI2_TEXT));
            d.Select(IDC_UI2_TEXT, 11, 11);
            d.Replace(IDC_UI2_TEXT, "hi");
            EXPECT_EQ("ab\r\nabcdefgh\r\ni", d.Text(IDC_UI2_TEXT)) << "the line of 8 continues below";
            EXPECT_EQ(15, d.Sel(IDC_UI2_TEXT)) << "the caret stays after the typed character";
            d.Replace(IDC_UI2_TEXT, "\r\nj");
            EXPECT_EQ("ab\r\nabcdefgh\r\ni", d.Text(IDC_UI2_TEXT)) << "a fourth line is refused";
        },
        1);
    EXPECT_EQ("ab\nabcdefgh\ni", dlg.m_Rec.text);
}

TEST(StringEdit, LineEndsReachTheRecordAsTheEditHoldsThemUnlessAsked) {
    const struct {
        int option;
        const char *record, *shown, *stored;
    } cases[] = {
        {0, "ab\r\ncd", "ab\r\ncd", "ab\r\ncdX"},
        {CTRL_EDITSTR_CLASS::LINE_FEEDS, "ab\ncd", "ab\r\ncd", "ab\ncdX"},
        {CTRL_EDITSTR_CLASS::LINE_FEEDS, "ab\r\ncd", "ab\r\ncd", "ab\ncdX"},
    };
    for (const auto& c : cases) {
        WND_LIST_CLASS reg;
        EDIT_TEST_DLG dlg(&reg);
        dlg.m_Strs[1].m_Desc.option[0] = c.option;
        dlg.m_Rec.text = c.record;
        std::string shown;
        RunScript(
            dlg,
            [&](EDIT_TEST_DLG& d) {
                shown = d.Text(IDC_UI2_TEXT);
                d.Select(IDC_UI2_TEXT, 6, 6);
                d.Replace(IDC_UI2_TEXT, "X");
            },
            1);
        EXPECT_EQ(c.shown, shown) << c.option;
        EXPECT_EQ(c.stored, dlg.m_Rec.text) << c.option;
    }
}

TEST(StringEdit, TheCaretFollowsDoubleByteText) {
    WND_LIST_CLASS reg;
    EDIT_TEST_DLG dlg(&reg);
    std::string seven;
    for (int i = 0; i < 7; ++i) seven += kKan;
    dlg.m_Rec.text = seven;
    RunScript(
        dlg,
        [&](EDIT_TEST_DLG& d) {
            SendDlgItemMessageA(d.m_hWnd, IDC_UI2_TEXT, EM_SETSEL, 0, -1);
            SendDlgItemMessageA(d.m_hWnd, IDC_UI2_TEXT, EM_SETSEL, static_cast<WPARAM>(-1), -1);
            d.Replace(IDC_UI2_TEXT, (kKan + kKan).c_str());
            EXPECT_EQ(seven + kKan + "\r\n" + kKan, d.Text(IDC_UI2_TEXT));
            d.Replace(IDC_UI2_TEXT, "a");
            EXPECT_EQ(seven + kKan + "\r\n" + kKan + "a", d.Text(IDC_UI2_TEXT)) << "typing goes on at the caret";
        },
        1);
    EXPECT_EQ(seven + kKan + "\n" + kKan + "a", dlg.m_Rec.text);
}

TEST(StringEdit, BackspaceJoiningTooLongALineIsRefused) {
    WND_LIST_CLASS reg;
    EDIT_TEST_DLG dlg(&reg);
    dlg.m_Rec.text = "abcd\nefgh";
    ASYNC_KEY_READER old = SetAsyncKeyReader(BackspaceHeld);
    RunScript(dlg, [](EDIT_TEST_DLG& d) {
        d.Select(IDC_UI2_TEXT, 4, 6);
        d.Replace(IDC_UI2_TEXT, "");
        EXPECT_EQ("abcd\r\nefgh", d.Text(IDC_UI2_TEXT));
    });
    SetAsyncKeyReader(old);
}

TEST(StringEdit, ARefreshShowsTheNewRecordCutToTheLimits) {
    WND_LIST_CLASS reg;
    EDIT_TEST_DLG dlg(&reg);
    dlg.m_Rec.text = "前の記録";
    RunScript(dlg, [](EDIT_TEST_DLG& d) {
        d.m_Rec.text = "1\n2\n3\n4\n5";
        d.RefreshCtrls(-1);
        EXPECT_EQ("1\r\n2\r\n3", d.Text(IDC_UI2_TEXT)) << "never the text shown before";
        d.StoreCtrls();
        EXPECT_EQ("1\n2\n3", d.m_Rec.text);
    });
}

TEST(Combo, OffsetAndValueTable) {
    WND_LIST_CLASS reg;
    EDIT_TEST_DLG dlg(&reg);
    dlg.m_Rec.kind = 1;
    dlg.m_Rec.step = 5;
    RunScript(dlg, [](EDIT_TEST_DLG& d) {
        CTRL_COMBO_CLASS<int>* kind = d.FindCtrl(d.m_Combos, IDC_UI2_KIND);
        CTRL_COMBO_CLASS<int>* step = d.FindCtrl(d.m_Combos, IDC_UI2_STEP);
        EXPECT_EQ(4, SendDlgItemMessageA(d.m_hWnd, IDC_UI2_KIND, CB_GETCOUNT, 0, 0)) << "up to the empty word";
        EXPECT_EQ(0, d.ComboRow(IDC_UI2_KIND)) << "offset 1: value 1 is row 0";
        EXPECT_EQ(1, d.ComboRow(IDC_UI2_STEP)) << "5 is the table's second value";

        d.m_Rec.kind = 0;
        d.m_Rec.step = 4;
        d.UpdateCtrls();
        EXPECT_EQ(-1, d.ComboRow(IDC_UI2_KIND));
        EXPECT_EQ(-1, d.ComboRow(IDC_UI2_STEP)) << "a value not in the table selects nothing";
        EXPECT_EQ(0, kind->GetValue()) << "no selection reads offset - 1";
        d.StoreCtrls();
        EXPECT_EQ(0, d.m_Rec.kind);
        EXPECT_EQ(-1, d.m_Rec.step);

        kind->ClampSelection();
        EXPECT_EQ(0, d.ComboRow(IDC_UI2_KIND));
        SendDlgItemMessageA(d.m_hWnd, IDC_UI2_KIND, CB_SETCURSEL, 3, 0);
        static const char* const kTwo[] = {"剣", "槍", ""};
        kind->SetStrings(kTwo, nullptr);
        EXPECT_EQ(0, d.ComboRow(IDC_UI2_KIND)) << "a value past the new rows selects none, then row 0";
        SendDlgItemMessageA(d.m_hWnd, IDC_UI2_KIND, CB_SETCURSEL, 1, 0);
        kind->SetStrings(g_TestKinds, nullptr);
        EXPECT_EQ(1, d.ComboRow(IDC_UI2_KIND)) << "the value shown is kept";

        SendDlgItemMessageA(d.m_hWnd, IDC_UI2_STEP, CB_SETCURSEL, 2, 0);
        d.Notify(IDC_UI2_STEP, CBN_SELCHANGE);
        EXPECT_EQ(9, step->GetValue());
        EXPECT_EQ(IDC_UI2_STEP, d.m_Changed.back());
        d.StoreCtrls();
        EXPECT_EQ(9, d.m_Rec.step);

        // A new table selects its first row.
        VECTOR_CLASS<int> table{7, 8};
        step->SetStrings(VECTOR_CLASS<std::string>{"七", "八"}, &table);
        EXPECT_EQ(0, d.ComboRow(IDC_UI2_STEP));
        EXPECT_EQ(7, step->GetValue());
    });
}

TEST(Combo, RefillKeepsTheValueShown) {
    WND_LIST_CLASS reg;
    EDIT_TEST_DLG dlg(&reg);
    dlg.m_SkillRows = {"001 A-一", "002 A-二", "003 A-三"};
    dlg.m_Rec.skill = 3;
    RunScript(dlg, [](EDIT_TEST_DLG& d) {
        CTRL_COMBO_CLASS<int>* skill = d.FindCtrl(d.m_Combos, IDC_UI2_SKILL);
        EXPECT_EQ(2, d.ComboRow(IDC_UI2_SKILL));
        skill->SetStrings(VECTOR_CLASS<std::string>{"001 B-甲", "002 B-乙", "003 B-丙", "004 B-丁"}, nullptr);
        EXPECT_EQ(2, d.ComboRow(IDC_UI2_SKILL));
        skill->SetStrings(VECTOR_CLASS<std::string>{"001 C-壱", "002 C-弐"}, nullptr);
        EXPECT_EQ(0, d.ComboRow(IDC_UI2_SKILL)) << "past the new rows: none, so row 0";
    });
}

TEST(Slider, MovingTheTrackbarShowsThePositionAndTellsTheDialog) {
    WND_LIST_CLASS reg;
    EDIT_TEST_DLG dlg(&reg);
    dlg.m_Rec.hue = 90;
    RunScript(
        dlg,
        [](EDIT_TEST_DLG& d) {
            HWND bar = GetDlgItem(d.m_hWnd, IDC_UI2_HUE);
            EXPECT_EQ(90, SendMessageA(bar, TBM_GETPOS, 0, 0));
            EXPECT_EQ("90", d.Text(IDC_UI2_HUE_EDIT));
            d.m_Changed.clear();
            SendMessageA(bar, TBM_SETPOS, TRUE, 200);
            SendMessageA(d.m_hWnd, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 200), reinterpret_cast<LPARAM>(bar));
            EXPECT_EQ("200", d.Text(IDC_UI2_HUE_EDIT));
            ASSERT_FALSE(d.m_Changed.empty());
            EXPECT_EQ(IDC_UI2_HUE, d.m_Changed.back()) << "a slider's command is a change";
            // The edit only shows: typing there does not move the trackbar.
            SetDlgItemTextA(d.m_hWnd, IDC_UI2_HUE_EDIT, "30");
            EXPECT_EQ(200, SendMessageA(bar, TBM_GETPOS, 0, 0));
            d.m_Rec.hue = 45;
            d.m_Changed.clear();
            d.UpdateCtrls();
            EXPECT_EQ("45", d.Text(IDC_UI2_HUE_EDIT));
            EXPECT_NE(d.m_Changed.end(), std::find(d.m_Changed.begin(), d.m_Changed.end(), IDC_UI2_HUE))
                << "refreshing tells the dialog too";
            SendMessageA(bar, TBM_SETPOS, TRUE, 300);
        },
        1);
    EXPECT_EQ(300, dlg.m_Rec.hue);
}

TEST(Slider, WithoutABuddyEditItShowsItsPositionOnTheTrackbarAlone) {
    WND_LIST_CLASS reg;
    EDIT_TEST_DLG dlg(&reg);
    dlg.m_Rec.hue = 90;
    dlg.m_Sliders[0].m_Desc.editId = 0;
    RunScript(
        dlg,
        [](EDIT_TEST_DLG& d) {
            EXPECT_EQ(nullptr, d.m_Sliders[0].m_Edit.m_hWnd);
            EXPECT_EQ("", d.Text(IDC_UI2_HUE_EDIT));
            EXPECT_EQ(90, SendDlgItemMessageA(d.m_hWnd, IDC_UI2_HUE, TBM_GETPOS, 0, 0));
            SendDlgItemMessageA(d.m_hWnd, IDC_UI2_HUE, TBM_SETPOS, TRUE, 100);
        },
        1);
    EXPECT_EQ(100, dlg.m_Rec.hue);
}

// ---- Sound previews -------------------------------------------------------------------------

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
    ScopedSeams seams;
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
    EDIT_TEST_DLG dlg(&reg);
    dlg.m_SoundRows = {"なし", "一", "決定"};
    dlg.m_BgmRows = {"なし", "フィールド"};
    dlg.m_Rec.sound = 0;
    dlg.m_Rec.bgm = 1;
    RunScript(dlg, [](EDIT_TEST_DLG& d) {
        EXPECT_EQ(0, PlaySelectedSound(d.m_Combos, IDC_UI2_SOUND)) << "row 0 is no sound";
        EXPECT_TRUE(g_Played.empty());
        SendDlgItemMessageA(d.m_hWnd, IDC_UI2_SOUND, CB_SETCURSEL, 2, 0);
        EXPECT_EQ(1, PlaySelectedSound(d.m_Combos, IDC_UI2_SOUND));
        EXPECT_EQ(1, PlaySelectedBgm(d.m_Combos, IDC_UI2_BGM));
        g_nPlayResult = 0;
        EXPECT_EQ(0, PlaySelectedSound(d.m_Combos, IDC_UI2_SOUND));
        g_nPlayResult = 1;
    });
    EXPECT_EQ((std::vector<std::string>{"wave\\決定.wav", "bgm\\Field.ogg@80", "wave\\決定.wav"}), g_Played);
    EXPECT_EQ(std::vector<std::string>{"読み込み失敗！"}, ScopedSeams::s_Boxes);
    SetSoundPreviewProcs(nullptr, nullptr);
    g_Database.CopyFrom(saved);
}

// ---- Skill combo fillers -------------------------------------------------------------------

struct SkillListsScope {
    SkillListsScope() {
        m_Saved = g_SkillLists;
        g_SkillLists.clear();
        const struct {
            const char* name;
            int skills;
        } lists[] = {{"剣技", 4}, {"魔法", 2}};
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
    EDIT_TEST_DLG dlg(&reg);
    // Before the dialog is initialised: the rows of list 0, no control touched.
    VECTOR_CLASS<std::string> skills;
    FillRecordCombo(skills, &dlg, dlg.m_Combos, IDC_UI2_SKILLLIST, IDC_UI2_SKILL);
    EXPECT_EQ((VECTOR_CLASS<std::string>{"001 A-剣技1", "002 A-剣技2", "003 A-剣技3"}), skills);

    FillRecordComboEx(dlg.m_ListRows, dlg.m_SkillRows, 0, &dlg, dlg.m_Combos, IDC_UI2_SKILL);
    EXPECT_EQ((VECTOR_CLASS<std::string>{"01 剣技", "02 魔法"}), dlg.m_ListRows);
    EXPECT_EQ(skills, dlg.m_SkillRows);
    dlg.m_Rec.list = 0;
    dlg.m_Rec.skill = 2;
    RunScript(
        dlg,
        [](EDIT_TEST_DLG& d) {
            EXPECT_EQ(1, d.ComboRow(IDC_UI2_SKILL));
            // List 1 has two skills: skill 2 is past its end, the first row is chosen.
            SendDlgItemMessageA(d.m_hWnd, IDC_UI2_SKILLLIST, CB_SETCURSEL, 1, 0);
            FillRecordCombo(d.m_SkillRows, &d, d.m_Combos, IDC_UI2_SKILLLIST, IDC_UI2_SKILL);
            EXPECT_EQ(VECTOR_CLASS<std::string>{"001 A-魔法1"}, d.m_SkillRows);
            EXPECT_EQ(1, SendDlgItemMessageA(d.m_hWnd, IDC_UI2_SKILL, CB_GETCOUNT, 0, 0));
            EXPECT_EQ(0, d.ComboRow(IDC_UI2_SKILL));
            // The two-list form builds the rows; the caller fills the combos.
            CTRL_COMBO_CLASS<int>* skill = d.FindCtrl(d.m_Combos, IDC_UI2_SKILL);
            ASSERT_NE(nullptr, skill);
            SendDlgItemMessageA(d.m_hWnd, IDC_UI2_SKILL, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
            FillRecordComboEx(d.m_ListRows, d.m_SkillRows, 0, &d, d.m_Combos, IDC_UI2_SKILL);
            EXPECT_EQ(3u, d.m_SkillRows.size());
            EXPECT_EQ(1, SendDlgItemMessageA(d.m_hWnd, IDC_UI2_SKILL, CB_GETCOUNT, 0, 0)) << "combo untouched";
            skill->SetStrings(d.m_SkillRows, nullptr);
            EXPECT_EQ(3, SendDlgItemMessageA(d.m_hWnd, IDC_UI2_SKILL, CB_GETCOUNT, 0, 0));
            SendDlgItemMessageA(d.m_hWnd, IDC_UI2_SKILL, CB_SETCURSEL, 2, 0);
            FillRecordComboEx(d.m_ListRows, d.m_SkillRows, 0, &d, d.m_Combos, IDC_UI2_SKILL);
            EXPECT_EQ(2, d.ComboRow(IDC_UI2_SKILL)) << "a skill of the list stays chosen";
            // Skill 3 is past list 1's end: the first row, before the caller refills.
            SendDlgItemMessageA(d.m_hWnd, IDC_UI2_SKILLLIST, CB_SETCURSEL, 1, 0);
            FillRecordComboEx(d.m_ListRows, d.m_SkillRows, 1, &d, d.m_Combos, IDC_UI2_SKILL);
            EXPECT_EQ(0, d.ComboRow(IDC_UI2_SKILL));
            skill->SetStrings(d.m_SkillRows, nullptr);
            EXPECT_EQ(1, SendDlgItemMessageA(d.m_hWnd, IDC_UI2_SKILL, CB_GETCOUNT, 0, 0));
            EXPECT_EQ(0, d.ComboRow(IDC_UI2_SKILL));
        },
        1);
    EXPECT_EQ(1, dlg.m_Rec.list);
    EXPECT_EQ(1, dlg.m_Rec.skill) << "offset 1 stores the skill index";
}
