// What the stage dialogs show of the records as text, with the records a
// row names gone from the database, and the cells a click on the position
// groups' view takes.
#include "app/stage_rows.h"

#include "app/group_cells.h"
#include "model/chara.h"
#include "model/skill.h"
#include "tests/model/records.h"

namespace {

class StageRowsTest : public RecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        g_EnemyList.resize(4);
        g_EnemyList[3].Name = "スライム";
        g_EnemyList[3].Level = 5;
        cSkillList& list = AddSkillList(1, 1, 3);
        list.vSkill[2].strName = "ヒール";
        list.vSkill[2].nKind = SKILL_HEAL;
    }
};

cPutEnemy Placed(int enemy, int x, int y, int groupOn, int group) {
    cPutEnemy e;
    e.Enemy = enemy;
    e.X = x;
    e.Y = y;
    e.GroupOn = groupOn;
    e.Group = group;
    return e;
}

cMoveAI Rule(int range, int target, int action, int list, int skill, int conditions) {
    cMoveAI r;
    r.Range = range;
    r.Target = target;
    r.Action = action;
    r.SkillList = list;
    r.Skill = skill;
    r.CondStatus = conditions;
    return r;
}

}  // namespace

TEST_F(StageRowsTest, PlacedEnemyRows) {
    const struct {
        cPutEnemy enemy;
        const char* want;
    } cases[] = {
        {Placed(3, 4, 7, 1, 2), "グ2 (4,7) 3-スライム LV5 "},
        {Placed(3, -1, -1, 0, 2), "グ- (--,--) 3-スライム LV5 "},
        {Placed(0, 4, 7, 1, 2), "(4,7) 未設定"},
        {Placed(0, -1, -1, 0, 0), "(--,--) 未設定"},
        {Placed(9, 1, 1, 0, 0), "グ- (1,1) 9-？       LV？ "},  // an enemy the database no longer has
    };
    for (const auto& c : cases) {
        std::string text;
        PutEnemyRowText(text, 0, c.enemy);
        EXPECT_EQ(c.want, text);
    }
}

TEST_F(StageRowsTest, RuleRows) {
    const struct {
        cMoveAI rule;
        const char* want;
    } cases[] = {
        {Rule(1, 7, 1, 0, 0, 0), "行動範囲内 で 最も近い敵 に 戦闘"},
        {Rule(0, 0, 0, 0, 0, 1), "マップ全範囲内 で 最も近い味方 に 待機   ※条件あり"},
        {Rule(2, 9, 2, 0, 2, 0), "自分＋隣4マス内 で 自分自身 に 回復(ヒール)"},
        {Rule(2, 9, 2, 0, 8, 0), "自分＋隣4マス内 で 自分自身 に 回復(？)"},  // a skill gone from its list
        {Rule(7, 40, 0, 0, 0, 0), "？ で ？ に 待機"},                        // words past their tables
        {Rule(0, 0, 5, 0, 0, 1), "   ※条件あり"},                             // no action word at all
    };
    for (const auto& c : cases) {
        std::string text;
        MoveAIRowText(text, 0, c.rule);
        EXPECT_EQ(c.want, text);
    }
}

TEST_F(StageRowsTest, ChoicesOfARule) {
    cSkillList& list = g_SkillLists[0];
    list.vSkill[0].nKind = SKILL_HEAL;  // skill 0 is never offered
    list.vSkill.resize(5);
    list.vSkill[4].strName = "リカバー";
    list.vSkill[4].nKind = SKILL_HEAL;
    list.vSkill[4].nNo = 4;
    VECTOR_CLASS<std::string> rows;
    VECTOR_CLASS<int> values;
    MakeHealSkillRows(rows, values, 0);
    EXPECT_EQ((VECTOR_CLASS<std::string>{"2 ヒール", "4 リカバー"}), rows);
    EXPECT_EQ((VECTOR_CLASS<int>{2, 4}), values);
    MakeHealSkillRows(rows, values, 3);
    EXPECT_TRUE(rows.empty() && values.empty());

    VECTOR_CLASS<cGroupPos> groups(4);
    groups[1].Name = "砦";
    groups[2].Cells.resize(MOVEAI_DEST_MAX_CELLS);
    groups[3].Name = "村";
    groups[3].Cells.resize(MOVEAI_DEST_MAX_CELLS - 1);
    MakeDestRows(rows, values, groups);
    EXPECT_EQ((VECTOR_CLASS<std::string>{"1 砦", "3 村"}), rows);
    EXPECT_EQ((VECTOR_CLASS<int>{1, 3}), values);
}

TEST(GroupCells, ClicksToggleCellsOfTheStageOnly) {
    // A view of 10 x 6 cells scrolled by (2, 1) over a stage of 8 x 5.
    const cGroupView view = {320, 192, 2, 1, 8, 5};
    const struct {
        int x, y;
        int want;
        cCellPos cell;
    } cases[] = {
        {0, 0, 1, {2, 1}}, {191, 127, 1, {7, 4}}, {192, 0, 0, {}},  // column 8: beyond the stage
        {0, 128, 0, {}},   {-1, 5, 0, {}},        {319, 191, 0, {}},
    };
    for (const auto& c : cases) {
        cCellPos cell = {-9, -9};
        EXPECT_EQ(c.want, GroupViewCell(view, c.x, c.y, &cell)) << c.x << "," << c.y;
        if (c.want) {
            EXPECT_EQ(c.cell, cell) << c.x << "," << c.y;
        }
    }
    VECTOR_CLASS<cCellPos> cells = {{1, 1}, {2, 2}, {3, 3}};
    ToggleGroupCell(cells, {2, 2});
    ToggleGroupCell(cells, {4, 0});
    EXPECT_EQ((VECTOR_CLASS<cCellPos>{{1, 1}, {3, 3}, {4, 0}}), cells);
    ToggleGroupCell(cells, {4, 0});
    ToggleGroupCell(cells, {2, 2});
    EXPECT_EQ((VECTOR_CLASS<cCellPos>{{1, 1}, {3, 3}, {2, 2}}), cells) << "a cell clicked again goes to the end";
}
