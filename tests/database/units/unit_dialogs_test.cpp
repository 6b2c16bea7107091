// The modal dialogs of the unit pages, answered as a user would: learnt
// skills, battle-AI rules and their conditions inserted, confirmed and
// cancelled; a class's senses, own slots and resistances.
#include "database/units/dlg_battleai.h"
#include "database/units/dlg_dbclass.h"
#include "database/units/dlg_dbenemy.h"
#include "database/units/dlg_dbfriend.h"
#include "database/units/dlg_learnskill.h"
#include "database/units/dlg_orgslot.h"
#include "database/units/dlg_sense.h"
#include "tests/database/units/unit_test_support.h"

namespace {

std::vector<std::string> DialogRows(DLG_CLASS* dialog, int id) {
    return UnitsTest::ListRows(GetDlgItem(dialog->m_hWnd, id));
}

const std::string kEndRow(64, '-');

}  // namespace

TEST_F(UnitsTest, LearntSkillsInsertedBehindEachOtherAndCancelledEditsLeaveNoTrace) {
    Open();
    DLG_DBFRIEND* page = Show<DLG_DBFRIEND>(TAB_FRIEND);
    SelectRecord(TAB_FRIEND, 0);
    const auto before = Rows(TAB_FRIEND, 1074);
    SelectRows(TAB_FRIEND, 1074, {1});
    WhenDialog<DLG_LEARNSKILL>([](DLG_LEARNSKILL* d) { Send(d, IDCANCEL); });  // Esc
    Click(TAB_FRIEND, 1069);
    EXPECT_EQ(before, Rows(TAB_FRIEND, 1074)) << "the inserted entry went again";

    // Confirmed as it stands: skill 1 of list 0 at level 1, the new entry's 0 clamped.
    WhenDialog<DLG_LEARNSKILL>([](DLG_LEARNSKILL* d) { Send(d, IDC_DLG_OK); });
    Click(TAB_FRIEND, 1069);
    WhenDialog<DLG_LEARNSKILL>([](DLG_LEARNSKILL* d) {
        ChooseRow(d, DLG_LEARNSKILL::IDC_LIST, 1);   // 魔法
        ChooseRow(d, DLG_LEARNSKILL::IDC_SKILL, 3);  // フレア
        SetDlgItemTextA(d->m_hWnd, DLG_LEARNSKILL::IDC_LEVEL, "150");
        Send(d, IDC_DLG_OK);
    });
    Click(TAB_FRIEND, 1069);
    const std::vector<std::string> inserted = {"LV1 剣-斬撃",      "LV1 剣-斬撃",    "LV99 炎-フレア", "LV5 槍-突き",
                                               "LV10 剣-回転斬り", "LV12 補助-挑発", kEndRow};
    EXPECT_EQ(inserted, Rows(TAB_FRIEND, 1074)) << "the second landed behind the first, in the order placed";
    EXPECT_EQ(6u, page->m_Work[1].LearntSkills.size()) << "the ally took them";

    // A shorter list falls back to skill 1; a cancelled edit changes nothing.
    SelectRows(TAB_FRIEND, 1074, {2});
    WhenDialog<DLG_LEARNSKILL>([](DLG_LEARNSKILL* d) {
        ChooseRow(d, DLG_LEARNSKILL::IDC_LIST, 2);  // 特技: two skills
        EXPECT_EQ(0, SendDlgItemMessageA(d->m_hWnd, DLG_LEARNSKILL::IDC_SKILL, CB_GETCURSEL, 0, 0));
        Send(d, IDC_DLG_CANCEL);
    });
    Click(TAB_FRIEND, 1077);
    EXPECT_EQ(inserted, Rows(TAB_FRIEND, 1074));
    WhenDialog<DLG_LEARNSKILL>([](DLG_LEARNSKILL* d) {
        ChooseRow(d, DLG_LEARNSKILL::IDC_LIST, 2);
        Send(d, IDC_DLG_OK);
    });
    Notify(TAB_FRIEND, 1074, LBN_DBLCLK);
    EXPECT_EQ("LV99 補助-挑発", Rows(TAB_FRIEND, 1074)[2]);
}

TEST_F(UnitsTest, RulesAndConditionsInsertedThenCancelledLeaveTheListsAsTheyWere) {
    Open();
    DLG_DBENEMY* page = Show<DLG_DBENEMY>(TAB_ENEMY);
    SelectRecord(TAB_ENEMY, 1);
    const auto rules = Rows(TAB_ENEMY, 1111);
    WhenDialog<DLG_BATTLEAI>([](DLG_BATTLEAI* d) {
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d->m_hWnd, DLG_BATTLEAI::IDC_SKILL))) << "a new rule attacks";
        Send(d, IDC_DLG_CANCEL);
    });
    Click(TAB_ENEMY, 1068);
    EXPECT_EQ(rules, Rows(TAB_ENEMY, 1111));

    SelectRows(TAB_ENEMY, 1111, {0});
    WhenDialog<DLG_BATTLEAI>([](DLG_BATTLEAI* d) {
        const auto conds = DialogRows(d, DLG_BATTLEAI::IDC_CONDS);
        EXPECT_EQ("相手 の HP が 30％ 以下", conds[0]);
        WhenDialog<DLG_BATTLEAI_COND>([](DLG_BATTLEAI_COND* c) { Send(c, IDC_DLG_CANCEL); });
        Send(d, DLG_BATTLEAI::IDC_INSERT);
        EXPECT_EQ(conds, DialogRows(d, DLG_BATTLEAI::IDC_CONDS));

        // On the end row a condition is appended.
        HWND list = GetDlgItem(d->m_hWnd, DLG_BATTLEAI::IDC_CONDS);
        SendMessageA(list, LB_SETSEL, FALSE, -1);
        SendMessageA(list, LB_SETSEL, TRUE, 2);
        SendMessageA(list, LB_SETCARETINDEX, 2, 0);
        Send(d, DLG_BATTLEAI::IDC_CONDS, LBN_SELCHANGE);
        WhenDialog<DLG_BATTLEAI_COND>([](DLG_BATTLEAI_COND* c) {
            ChooseRow(c, DLG_BATTLEAI_COND::IDC_SUBJECT, 1);
            ChooseRow(c, DLG_BATTLEAI_COND::IDC_ITEM, 10);
            SetDlgItemTextA(c->m_hWnd, DLG_BATTLEAI_COND::IDC_VALUE, "20");
            ChooseRow(c, DLG_BATTLEAI_COND::IDC_COMPARE, 2);
            Send(c, IDC_DLG_OK);
        });
        Send(d, DLG_BATTLEAI::IDC_INSERT);
        EXPECT_EQ("相手 の レベル が 20 以上", DialogRows(d, DLG_BATTLEAI::IDC_CONDS)[2]);

        // Skill 6 of the weapons, then the magic list of five: skill 1.
        ChooseRow(d, DLG_BATTLEAI::IDC_SKILL, 5);
        ChooseRow(d, DLG_BATTLEAI::IDC_LIST, 1);
        EXPECT_EQ(0, SendDlgItemMessageA(d->m_hWnd, DLG_BATTLEAI::IDC_SKILL, CB_GETCURSEL, 0, 0));
        Send(d, IDC_DLG_OK);
    });
    Click(TAB_ENEMY, 1110);
    EXPECT_EQ("スキル 炎-ファイア (優先2-30)", Rows(TAB_ENEMY, 1111)[0]);
    const cBattleAI& rule = page->m_Work[2].BattleAI[0];
    ASSERT_EQ(3u, rule.Conds.size()) << "the enemy took the rule with its conditions";
    EXPECT_EQ(10, rule.Conds[2].Item);
}

// A learnt skill or a battle-AI rule whose skill has no row in its list (past
// the list's end, or skill 0) shows none; the list the user chooses gives it
// its first skill, which OK stores.
TEST_F(UnitsTest, AListChosenForASkillWithoutARowGivesItsFirstSkill) {
    g_FriendList[1].LearntSkills[0].Skill = 9;  // list 0 holds six
    g_FriendList[1].LearntSkills[1].Skill = 0;
    g_EnemyList[2].BattleAI[0].Skill = 9;
    g_EnemyList[2].BattleAI[1].Skill = 0;
    const struct {
        int tab, record, row, list;
        const char* shown;
    } cases[] = {
        {TAB_FRIEND, 1, 0, 2, "LV1 補助-挑発"},
        {TAB_FRIEND, 1, 1, 1, "LV5 炎-ファイア"},
        {TAB_ENEMY, 2, 0, 2, "スキル 補助-挑発 (優先2-30)"},
        {TAB_ENEMY, 2, 1, 0, "クイック 剣-斬撃 (優先1-20)"},
    };
    Open();
    for (const auto& c : cases) {
        const int friends = c.tab == TAB_FRIEND;
        const int rows = friends ? 1074 : 1111;
        const int skill = friends ? static_cast<int>(DLG_LEARNSKILL::IDC_SKILL) : DLG_BATTLEAI::IDC_SKILL;
        Show<DLG_DBPAGE>(c.tab);
        SelectRecord(c.tab, c.record - 1);
        SelectRows(c.tab, rows, {c.row});
        auto answer = [&c, skill](DLG_CLASS* d, int listId) {
            EXPECT_EQ(CB_ERR, SendDlgItemMessageA(d->m_hWnd, skill, CB_GETCURSEL, 0, 0)) << c.shown;
            ChooseRow(d, listId, c.list);
            EXPECT_EQ(0, SendDlgItemMessageA(d->m_hWnd, skill, CB_GETCURSEL, 0, 0)) << c.shown;
            Send(d, IDC_DLG_OK);
        };
        if (friends)
            WhenDialog<DLG_LEARNSKILL>([&answer](DLG_LEARNSKILL* d) { answer(d, DLG_LEARNSKILL::IDC_LIST); });
        else
            WhenDialog<DLG_BATTLEAI>([&answer](DLG_BATTLEAI* d) { answer(d, DLG_BATTLEAI::IDC_LIST); });
        Click(c.tab, friends ? 1077 : 1110);
        EXPECT_EQ(c.shown, Rows(c.tab, rows)[c.row]);
    }
    Apply();
    for (const auto& c : cases) {
        if (c.tab == TAB_FRIEND) {
            EXPECT_EQ(c.list, g_FriendList[c.record].LearntSkills[c.row].SkillList);
            EXPECT_EQ(1, g_FriendList[c.record].LearntSkills[c.row].Skill) << c.shown;
        } else {
            EXPECT_EQ(c.list, g_EnemyList[c.record].BattleAI[c.row].SkillList);
            EXPECT_EQ(1, g_EnemyList[c.record].BattleAI[c.row].Skill) << c.shown;
        }
    }
}

TEST_F(UnitsTest, ClassSensesSlotsAndResistancesChangeOnlyOnOk) {
    static int s_nEditedList;
    s_nEditedList = -1;  // not the list a repeated run left
    g_pfnEditOrgSlot = [](DLG_CLASS*, WND_LIST_CLASS*, const CTRL_CLASS*, cSlot* slot, int list) {
        s_nEditedList = list;
        slot->bAllCateg = 0;
        slot->vAcqCond.resize(1);
        slot->vAcqCond[0].nCateg = 2;
        return 1;
    };
    Open();
    DLG_DBCLASS* page = Show<DLG_DBCLASS>(TAB_CLASS);
    SelectRows(TAB_CLASS, 1076, {1});  // the magic list
    for (int ok : {0, 1}) {
        WhenDialog<DLG_SENSE>([ok](DLG_SENSE* d) {
            const std::vector<std::string> rows = {"1 炎 0", "2 氷 0", "3 回復 1", kEndRow};
            EXPECT_EQ(rows, DialogRows(d, DLG_SENSE::IDC_SENSES));
            AnswerInput("7");
            Send(d, DLG_SENSE::IDC_EDIT);
            EXPECT_EQ("1 炎 7", DialogRows(d, DLG_SENSE::IDC_SENSES)[0]);
            Send(d, ok ? IDC_DLG_OK : IDC_DLG_CANCEL);
        });
        Click(TAB_CLASS, 1542);
        EXPECT_EQ(ok ? "魔法 - 炎7 氷0 回復1 " : "魔法 - 炎0 氷0 回復1 ", Rows(TAB_CLASS, 1076)[1]);
    }
    EXPECT_EQ(7, page->m_Work[1].Senses[1][0]);

    // The magic list's slots: their own only once the check box says so.
    SelectRows(TAB_CLASS, 1094, {1});
    for (int ok : {0, 1}) {
        WhenDialog<DLG_ORGSLOT>([ok](DLG_ORGSLOT* d) {
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d->m_hWnd, DLG_ORGSLOT::IDC_SLOTS)));
            SendDlgItemMessageA(d->m_hWnd, DLG_ORGSLOT::IDC_OWN, BM_SETCHECK, BST_CHECKED, 0);
            Send(d, DLG_ORGSLOT::IDC_OWN);
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d->m_hWnd, DLG_ORGSLOT::IDC_COUNT)));
            AnswerInput("3");
            Send(d, DLG_ORGSLOT::IDC_COUNT);
            Send(d, DLG_ORGSLOT::IDC_EDIT);  // row 0, through the slot editor
            const std::vector<std::string> rows = {"1 回復 ", "2 無制限", "3 無制限", kEndRow};
            EXPECT_EQ(rows, DialogRows(d, DLG_ORGSLOT::IDC_SLOTS));
            Send(d, ok ? IDC_DLG_OK : IDC_DLG_CANCEL);
        });
        Click(TAB_CLASS, 1543);
        const cOrgSlotList& org = page->m_Work[1].OrgSlots[1];
        EXPECT_EQ(ok, org.OwnSlots);
        EXPECT_EQ(ok ? 3u : 1u, org.Slots.size());
    }
    EXPECT_EQ(1, s_nEditedList);
    EXPECT_EQ("魔法 - 回復 無制限 無制限 ", Rows(TAB_CLASS, 1094)[1]);
    g_pfnEditOrgSlot = nullptr;

    AnswerInput("95");
    Click(TAB_CLASS, 1077);  // the first element shown, 炎
    EXPECT_EQ("炎 95", Rows(TAB_CLASS, 1074)[0]);
    EXPECT_EQ(95, page->m_Work[1].Resists[1]);
    EXPECT_EQ(80, g_ClassList[1].Resists[1]) << "the database waits for Apply";
}
