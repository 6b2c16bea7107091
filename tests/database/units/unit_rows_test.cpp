// Row texts of the unit pages, over the units' database: what they name,
// and the placeholder for what a working copy still names after the
// database lost it.
#include "database/units/unit_rows.h"

#include "model/class.h"
#include "tests/database/units/unit_test_support.h"

namespace {

template <class T>
std::string Row(void (*format)(std::string&, int, const T&), const T& record) {
    std::string text;
    format(text, 0, record);
    return text;
}

}  // namespace

TEST_F(UnitsTest, RowsNameTheDatabaseAndAPlaceholderForWhatItLacks) {
    const struct {
        cBattleAICond cond;
        const char* row;
    } conds[] = {
        {MakeCond(1, 0, 30, 3, 1), "相手 の HP が 30％ 以下"},
        {MakeCond(0, 1, 50, 2, 0), "自分 の SP が 50 以上"},
        {MakeCond(0, 1, 50, 2, 1), "自分 の SP が 50％ 以上"},
        {MakeCond(1, 14, 0, 7, 0), "相手 の 地形 が 0 の倍数でない"},
        {MakeCond(2, 15, 7, 8, 0), "？ の ？ が 7 ？"},
        {MakeCond(-1, -1, 7, -1, 1), "？ の ？ が 7％ ？"},
    };
    for (const auto& c : conds) EXPECT_EQ(c.row, Row(FormatBattleAICondRow, c.cond));

    const struct {
        cBattleAI rule;
        const char* row;
    } rules[] = {
        {cBattleAI(), "攻撃 (優先1-10)"},
        {MakeRule(BATTLEAI_SKILL, 0, 2, 2, 30, {}), "スキル 槍-突き (優先2-30)"},
        {MakeRule(BATTLEAI_QUICK, 2, 2, 1, 20, {}), "クイック 補助-見切り (優先1-20)"},
        {MakeRule(BATTLEAI_SKILL, 3, 1, 1, 10, {}), "スキル ？-？ (優先1-10)"},   // a removed list
        {MakeRule(BATTLEAI_QUICK, 0, 99, 9, 0, {}), "クイック ？-？ (優先9-0)"},  // a removed skill
        {MakeRule(3, 0, 1, 1, 10, {}), "？ (優先1-10)"},
    };
    for (const auto& r : rules) EXPECT_EQ(r.row, Row(FormatBattleAIRow, r.rule));

    cLearnSkill learnt;
    learnt.Level = 5;
    learnt.Skill = 2;
    EXPECT_EQ("LV5 槍-突き", Row(FormatLearnSkillRow, learnt));
    learnt.SkillList = 3;
    EXPECT_EQ("LV5 ？-？", Row(FormatLearnSkillRow, learnt));
    g_SkillLists[1].vSkill[4].nCateg = 9;  // a category the list lost
    learnt.SkillList = 1;
    learnt.Skill = 4;
    EXPECT_EQ("LV5 ？-フレア", Row(FormatLearnSkillRow, learnt));

    std::string text;
    FormatSenseRow(text, 0, {5, 3, 1, 4});
    EXPECT_EQ("武器 - 剣5 槍3 弓1 斧4 ", text);
    FormatSenseRow(text, 7, {1});
    EXPECT_EQ("？ - ？1 ", text);

    // A slot's category past its list's shows the first and becomes 0.
    cOrgSlotList org = g_ClassList[1].OrgSlots[0];
    org.Slots[2].vAcqCond[0].nCateg = 9;
    FormatOrgSlotRow(text, 0, org);
    EXPECT_EQ("武器 - 無制限 剣槍 剣 ", text);
    EXPECT_EQ(0, org.Slots[2].vAcqCond[0].nCateg);
    EXPECT_TRUE(ScopedMainWindow::Actions().empty()) << "nothing read past a list";
}
