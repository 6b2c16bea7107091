// "Enemy.dat" and "Friend.dat" in every layout that changed: lists of two
// records built byte by byte from the field tables, so that one field read
// too many or too few misaligns the second record.
#include "tests/model/layouts.h"

namespace {

// What tells two stored characters apart.
struct cDesign {
    std::string name;
    int cls;
    int level;
    int hp;           // initial HP
    int randomSkill;  // random skill learning
    int learnLevel;   // level of the one scheduled skill
    int training;     // (enemies)
};

const cDesign kFirst = {"first", 2, 12, 31, 1, 7, 2};
const cDesign kSecond = {"second", 1, 3, 57, 0, 9, 1};

Bytes& IntVector(Bytes& b, std::initializer_list<int> values) {
    b.U32(static_cast<uint32_t>(values.size()));
    for (int v : values) b.I32(v);
    return b;
}

// One sense table: one skill list of two categories.
Bytes& SenseTable(Bytes& b, int a, int c) {
    b.U32(1);
    return IntVector(b, {a, c});
}

// The cChara fields as a file of version `v` holds them.
void CharaFields(Bytes& b, int v, int side, const cDesign& d) {
    b.I32(7).I32(0);                           // 1 id, 2 random name
    if (v >= 88) b.I32(0);                     // 3 random-name list
    b.I32(side).I32(0);                        // 4 side, 5
    b.I32(d.cls).I32(d.level).I32(40).I32(0);  // 6 class .. 9 experience
    b.I32(d.hp);                               // 10 initial values
    for (int k = 1; k < 9; ++k) b.I32(0);
    for (int k = 0; k < 9 * 3; ++k) b.I32(0);  // 11 final, 12 and 13 effective
    for (int k = 0; k < 9; ++k) b.I32(50);     // 14 remainders
    if (v >= 73)
        for (int k = 0; k < 9; ++k) b.I32(50);  // 15 kept remainders
    for (int k = 0; k < 9; ++k) b.I32(0);       // 16 growth flags
    b.I32(0);                                   // 17 random stat growth
    if (v >= 214) b.I32(0);                     // 18 random sense growth
    b.I32(d.randomSkill);                       // 19
    if (v >= 70) b.I32(-3);                     // 20 growth timing
    if (v >= 232) b.I32(270);                   // 21
    if (v >= 4)
        for (int k = 0; k < 9; ++k) b.I32(k).I32(0).I32(0);  // 22
    b.I32(0);                                                // 23
    if (v >= 96) b.I32(0).I32(0).I32(0);                     // 24-26
    b.I32(0).I32(0).I32(0).I32(0);                           // 27-30
    if (v >= 45) b.I32(0);                                   // 31
    b.I32(0);                                                // 32
    if (v >= 52) b.I32(0).I32(0);                            // 33-34
    b.I32(0).I32(0).I32(0);                                  // 35-37
    if (v >= 99) b.I32(1);                                   // 38 compatibility type
    if (v >= 34) b.I32(1).I32(d.level * 10);                 // 39, 40 fixed experience
    if (v >= 86) b.I32(1).I32(d.hp * 2);                     // 41, 42 reward
    for (int i = 0; i < 6; ++i) b.I32(0);                    // 43-48
    b.Str(d.name).Str(d.name + " text");                     // 49, 50
    IntVector(b, {0, 250});                                  // 51 fixed growth of HP
    for (int k = 1; k < 9; ++k) b.U32(0);
    if (v >= 69)
        for (int k = 0; k < 9; ++k) b.U32(0);  // 52
    SenseTable(b, 3, 4);                       // 53
    if (v >= 231) {
        SenseTable(b, 1, 1);  // 54
        SenseTable(b, 2, 3);  // 55
    }
    b.U32(1).U32(1);  // 56: one row, one slot holding skill 1
    b.I32(0).I32(1).I32(0).I32(0).I32(1).I32(1).I32(0).U32(0);
    b.U32(0);                                  // 57
    b.U32(1).I32(0).I32(1).I32(d.learnLevel);  // 58
}

void EnemyFields(Bytes& b, int v, const cDesign& d) {
    CharaFields(b, v, 1, d);
    if (v == 33) b.I32(111).I32(222);
    if (v == 44) b.I32(333);
    if (v >= 51) b.I32(0);
    b.I32(d.training);
    b.U32(1).Append(MoveRuleBytes(v, 2, 0, 1));
    b.U32(1).I32(1).I32(0).I32(0).I32(1).I32(d.level).I32(20);
    if (v >= 250) b.I32(1);
    b.U32(1).I32(1).I32(10).I32(d.hp).I32(3).I32(1);
}

void FriendFields(Bytes& b, int v, const cDesign& d) {
    CharaFields(b, v, 0, d);
    b.I32(0).I32(0).I32(0).I32(0).I32(1);  // F1 .. F5
    if (v >= 121) b.I32(0);                // F6
}

class CharaFileTest : public RecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        AddSkillList(0, 2, 2);  // one slot of the list's own
        AddClasses(3);
        g_ClassList[2].MaxLevel = 40;
        ASSERT_EQ(g_Database.PtVals.size(), 2u);
    }

    void ExpectCommon(const cChara& c, const cDesign& d, int v) {
        SCOPED_TRACE(d.name);
        EXPECT_EQ(c.Name, d.name);
        EXPECT_EQ(c.Description, d.name + " text");
        EXPECT_EQ(c.Class, d.cls);
        EXPECT_EQ(c.Level, d.level);
        EXPECT_EQ(c.InitStats[0], d.hp);
        EXPECT_EQ(c.FixedExpValue, v >= 34 ? d.level * 10 : 0);
        EXPECT_EQ(c.RewardValue, v >= 86 ? d.hp * 2 : 0);
        EXPECT_EQ(c.GrowthTiming, v >= 70 ? -3 : 0);
        ASSERT_GE(c.FixedGrowth[0].size(), 2u);
        EXPECT_EQ(c.FixedGrowth[0][1], 250);
        ASSERT_EQ(c.LearntSkills.size(), 1u);
        EXPECT_EQ(c.LearntSkills[0].Level, d.learnLevel);
        ASSERT_EQ(c.Senses.size(), 1u);
        EXPECT_EQ(c.Senses[0], (VECTOR_CLASS<int>{3, 4}));
        ASSERT_EQ(c.AcqSkills.size(), 1u);
        ASSERT_EQ(c.AcqSkills[0].size(), 1u);
        EXPECT_EQ(c.AcqSkills[0][0].Skill, 1);
        for (int k = 0; k < 9; ++k) EXPECT_EQ(c.Stats[k].Index, k);
    }
};

TEST_F(CharaFileTest, EnemyListsOfEveryLayout) {
    for (int v :
         {33, 34, 44, 45, 50, 51, 52, 69, 70, 73, 86, 88, 96, 99, 103, 104, 112, 113, 214, 231, 232, 249, 250, 270}) {
        SCOPED_TRACE(v);
        Bytes b;
        b.U32(2);
        EnemyFields(b, v, kFirst);
        EnemyFields(b, v, kSecond);
        VECTOR_CLASS<cEnemy> list;
        ASSERT_TRUE(ReadListAs(list, v, b));
        ASSERT_EQ(list.size(), 2u);
        const cDesign* designs[] = {&kFirst, &kSecond};
        for (int i = 0; i < 2; ++i) {
            const cEnemy& e = list[static_cast<size_t>(i)];
            const cDesign& d = *designs[i];
            ExpectCommon(e, d, v);
            EXPECT_EQ(e.Side, CHARA_ENEMY);
            // 104 reworked the training choices.
            EXPECT_EQ(e.Training, v < 104 ? 0 : d.training);
            ASSERT_EQ(e.MoveAI.size(), 1u);  // its layouts are the AI test's
            ASSERT_EQ(e.BattleAI.size(), 1u);
            EXPECT_EQ(e.BattleAI[0].Action, BATTLEAI_SKILL);
            EXPECT_EQ(e.BattleAI[0].PriorityLevel, d.level);
            EXPECT_EQ(e.BattleAI[0].IgnoreForBestAlly, v >= 250 ? 1 : 0);
            ASSERT_EQ(e.BattleAI[0].Conds.size(), 1u);
            EXPECT_EQ(e.BattleAI[0].Conds[0].Value, d.hp);
            EXPECT_EQ(e.BattleAI[0].Conds[0].Comparison, 3);
        }
    }
}

TEST_F(CharaFileTest, FriendListsOfEveryLayout) {
    for (int v : {33, 87, 88, 120, 121, 213, 214, 231, 232, 270}) {
        SCOPED_TRACE(v);
        Bytes b;
        b.U32(2);
        FriendFields(b, v, kFirst);
        FriendFields(b, v, kSecond);
        VECTOR_CLASS<cFriend> list;
        ASSERT_TRUE(ReadListAs(list, v, b));
        ASSERT_EQ(list.size(), 2u);
        const cDesign* designs[] = {&kFirst, &kSecond};
        for (int i = 0; i < 2; ++i) {
            const cFriend& f = list[static_cast<size_t>(i)];
            const cDesign& d = *designs[i];
            ExpectCommon(f, d, v);
            EXPECT_EQ(f.ShopFromStart, 0);
            EXPECT_EQ(f.NoRelease, 1);
            // 121 added regeneration, on for every older ally.
            EXPECT_EQ(f.RegenOnStageClear, v < 121 ? 1 : 0);
            // Before 214 random skills implied random senses.
            EXPECT_EQ(f.RandomSenseRise, v < 214 && d.randomSkill ? 1 : 0);
            EXPECT_EQ(f.SenseVersion, v < 232 ? 0 : 270);
            if (v >= 231) {
                EXPECT_EQ(f.SenseBonus[0], (VECTOR_CLASS<int>{2, 3}));
            }
        }
    }
}

}  // namespace
