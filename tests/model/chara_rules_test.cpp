// The character rules: number rules, growth curves, level-up, totals and the
// random rebuild under a seeded rand().
#include <cmath>
#include <cstdlib>
#include <numeric>

#include "tests/model/records.h"

namespace {

TEST(NumberRules, PercentAndClamp) {
    struct Case {
        int a, pct, want;
    };
    const Case kPercent[] = {
        {7, 50, 4},
        {-7, 50, 4 * -1},
        {1, 149, 1},
        {1, 150, 2},
        {-1, 150, -2},
        {3, -50, -2},
        {0, 999, 0},
        {999, 0, 0},
        {2000000000, 200, 0x7FFFFFFF},
        {-2000000000, 200, -0x7FFFFFFF - 1},
    };
    for (const Case& c : kPercent) EXPECT_EQ(PercentOf(c.a, c.pct), c.want) << c.a << " " << c.pct;

    struct Clamp {
        int value, add, low, high, want;
    };
    const Clamp kClamp[] = {
        {5, 10, 0, 12, 12},
        {5, -10, 0, 12, 0},
        {5, 3, 0, 12, 8},
        {0x7FFFFFFF, 5, 0, 0x7FFFFFFF, 0x7FFFFFFF},
    };
    for (const Clamp& c : kClamp) {
        int value = c.value;
        EXPECT_EQ(AddClamped(value, c.add, c.low, c.high), c.want);
        EXPECT_EQ(value, c.want);
    }
    EXPECT_EQ(TruncToInt(-2.9), -2);
    EXPECT_EQ(TruncToInt(1e300), 0x7FFFFFFF);
    EXPECT_EQ(TruncToInt(std::nan("")), 0);
}

TEST(NumberRules, RandomChanceAndRange) {
    std::srand(7);
    int some = 0;
    for (int i = 0; i < 20000; ++i) {
        EXPECT_FALSE(RandomChance(0.05, 1));  // 0.5 draws of 1000 truncate to none
        EXPECT_FALSE(RandomChance(0.0, 2));
        EXPECT_FALSE(RandomChance(-5.0, 1));
        EXPECT_TRUE(RandomChance(100.0, 0));
        EXPECT_TRUE(RandomChance(100.0, 1));
        some += RandomChance(12.5, 1);
    }
    EXPECT_GT(some, 2000);
    EXPECT_LT(some, 3000);

    // An empty range gives its minimum and draws nothing.
    std::srand(3);
    const int first = std::rand();
    std::srand(3);
    EXPECT_EQ(RandomInRange(5, 2), 5);
    EXPECT_EQ(RandomInRange(5, 4), 5);
    EXPECT_EQ(std::rand(), first) << "an empty range drew a number";
    EXPECT_EQ(RandomInRange(4, 4), 4);
    for (int i = 0; i < 100; ++i) {
        const int r = RandomInRange(-2, 2);
        EXPECT_GE(r, -2);
        EXPECT_LE(r, 2);
    }
}

class RulesTest : public RecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        AddSkillList(1, 2, 6);
        AddClasses(2);
    }
    // An enemy whose nine stats run from `init` to `final` over `limit` levels.
    static cEnemy Grown(int init, int final, int limit, int timing) {
        g_ClassList[1].MaxLevel = limit;
        cEnemy design;
        for (int k = 0; k < STAT_COUNT; ++k) {
            design.InitStats[k] = init;
            design.FinalStats[k] = final;
        }
        design.GrowthTiming = timing;
        design.ApplyClass(0);
        cEnemy e;
        e.LearnSkills(0, 0, 1, 0, design);
        return e;
    }
};

TEST_F(RulesTest, LevelUpAlongTheTable) {
    cEnemy e = Grown(10, 109, 100, 0);
    e.SetLevel(100, 0, 0, 0);
    EXPECT_EQ(e.Level, 100);
    EXPECT_EQ(e.Stats[0].Value, 109);
    e.SetLevel(50, 0, 0, 0);
    EXPECT_EQ(e.Level, 50);
    EXPECT_EQ(e.Stats[5].Value, 59);
    EXPECT_EQ(e.GrowthRemainder[5], 50);

    // Two levels: no growth on the way, the final values at the limit.
    cEnemy two = Grown(5, 20, 2, 0);
    two.SetLevel(2, 0, 0, 0);
    EXPECT_EQ(two.Stats[3].Value, 5);
    two.SetLevel(2, 1, 1, 0);
    EXPECT_EQ(two.Level, 2);
    EXPECT_EQ(two.Stats[3].Value, 20);
    EXPECT_EQ(two.Stats[0].Current, 20);

    cEnemy one = Grown(5, 20, 1, 0);
    one.SetLevel(40, 0, 0, 0);
    EXPECT_EQ(one.Level, 1);
    EXPECT_EQ(one.Stats[8].Value, 5);
    EXPECT_TRUE(ScopedMainWindow::Actions().empty());
}

TEST_F(RulesTest, NegativeGrowthBorrowsAPoint) {
    cEnemy e = Grown(10, 10, 3, 0);
    e.FixedGrowth[0] = {0, -150, 0};
    e.GrowthRemainder[0] = 50;
    e.Stats[0].Value = 10;
    e.Level = 1;
    e.Exp = 100;
    e.LevelUp(0);
    EXPECT_EQ(e.Level, 2);
    EXPECT_EQ(e.Stats[0].Value, 8);
    EXPECT_EQ(e.GrowthRemainder[0], 100);
}

TEST_F(RulesTest, LevelUpStaysInsideTheLimitAndTheTables) {
    // The class page allows up to 99 levels; a stored limit beyond reason is capped.
    EXPECT_EQ(Grown(5, 20, 0x7FFFFFFF, 0).MaxLevel, LEVEL_LIMIT_MAX);
    cEnemy e = Grown(10, 50, 5, 0);
    e.SetLevel(5, 1000, 0, 0);  // far more experience than levels
    EXPECT_EQ(e.Level, 5);
    EXPECT_EQ(e.Exp, 0);
    // Tables shorter than the limit (a record never built): nothing is read outside them.
    e.FixedGrowth[2].resize(2);
    e.RandomGrowthTable[2].clear();
    e.SetLevel(5, 0, 1, 0);
    e.SetLevel(5, 0, 0, 0);
    EXPECT_EQ(e.Level, 5);
    // HP never stays at 0.
    e.Stats[0].Value = 0;
    e.Exp = 0;
    e.Level = 1;
    e.LevelUp(0);
    EXPECT_EQ(e.Stats[0].Value, 1);
    EXPECT_TRUE(ScopedMainWindow::Actions().empty());
}

class TotalsTest : public RulesTest {
protected:
    void SetUp() override {
        RulesTest::SetUp();
        VECTOR_CLASS<cSkill>& s = g_SkillLists[0].vSkill;
        s[1].nKind = SKILL_PHYSICAL_WEAPON;
        s[1].nEffect = 15;
        s[1].nSubA[3] = 50;
        s[1].bSubAPercent = 1;
        s[2].nKind = SKILL_MAGIC_WEAPON;
        s[2].nEffect = 2000;
        s[3].nKind = SKILL_ARMOUR;
        s[3].nSubA[5] = -7;
        s[4].nKind = SKILL_SUPPORT;  // equipment of the automatic battle
        s[4].nSubB[8] = 9;
        s[5].nKind = SKILL_SUPPORT;
        s[5].bBattleSkill = 0;  // cannot stay equipped
        s[5].nSubB[8] = 100;
    }
    static cEnemy WithValues(int value) {
        cEnemy e;
        for (int k = 0; k < STAT_COUNT; ++k) e.Stats[k].Value = value;
        e.Stats[0].Value = 1500;
        return e;
    }
};

TEST_F(TotalsTest, WeaponsAndArmourAddToTheCurrentValues) {
    cEnemy e = WithValues(40);
    e.AcqSkills[0][0].Skill = 1;
    e.AcqSkills[0][1].Skill = 2;
    e.AcqSkills[0][2].Skill = 3;
    e.RecalcStats();
    EXPECT_EQ(e.Stats[2].Current, 55);   // weapon effect
    EXPECT_EQ(e.Stats[3].Current, 60);   // 50 % of 40
    EXPECT_EQ(e.Stats[4].Current, 999);  // capped at the parameter limit
    EXPECT_EQ(e.Stats[5].Current, 33);
    EXPECT_EQ(e.Stats[0].Value, 999);  // HP clamped by equipment
    EXPECT_EQ(e.Stats[7].Current, 40);
    // A skill outside its list adds nothing.
    e.AcqSkills[0][1].Skill = 99;
    e.RecalcStats();
    EXPECT_EQ(e.Stats[4].Current, 40);
}

TEST_F(TotalsTest, AutomaticBattleAddsEquippedSkillsAfterCheckingTheFirst) {
    g_System.BattleMode = 1;
    cEnemy e = WithValues(40);
    e.AcqSkills[0][0].Skill = 5;
    e.AcqSkills[0][0].Equipped = 1;
    e.AcqSkills[0][1].Skill = 4;
    e.AcqSkills[0][1].Equipped = 1;
    e.RecalcStats();
    EXPECT_EQ(e.AcqSkills[0][0].Equipped, 0);  // the first equipped one could not stay
    EXPECT_EQ(e.AcqSkills[0][1].Equipped, 1);
    EXPECT_EQ(e.Stats[8].Current, 49);
    g_System.BattleMode = 0;
    e.RecalcStats();
    EXPECT_EQ(e.Stats[8].Current, 40);
}

TEST_F(TotalsTest, StatRatesScaleTheValues) {
    cEnemy e = WithValues(40);
    e.InitStats[1] = 5;  // own value: kept unless forced
    const int rates[STAT_COUNT] = {10, 50, 150, 100, 100, 100, 100, 100, 0};
    e.ApplyStatRates(rates, 0);
    EXPECT_EQ(e.Stats[0].Value, 150);
    EXPECT_EQ(e.Stats[1].Value, 40);
    EXPECT_EQ(e.Stats[2].Value, 60);
    EXPECT_EQ(e.Stats[8].Value, 0);
    EXPECT_EQ(e.Stats[2].Current, 60);
    e.ApplyStatRates(rates, 1);
    EXPECT_EQ(e.Stats[1].Value, 20);
}

// The enemy page's second column: a stat the record sets replaces the class's.
TEST_F(RulesTest, OwnStatsReplaceTheClasssOnes) {
    g_ClassList[1].MaxLevel = 10;
    for (int k = 0; k < STAT_COUNT; ++k) {
        g_ClassList[1].InitStats[k] = 20;
        g_ClassList[1].FinalStats[k] = 110;
    }
    cEnemy copy;
    copy.InitStats[0] = 100;
    copy.FinalStats[0] = 190;
    copy.ApplyClass(0);
    cEnemy game;
    game.LearnSkills(0, 0, 1, 0, copy);
    game.SetLevel(10, 1, 1, 0);
    game.ApplyStatRates(g_System.EnemyStatRate, 0);
    EXPECT_EQ(game.Stats[0].Value, 190);
    EXPECT_EQ(game.Stats[4].Value, 110);
}

class RandomRebuildTest : public RulesTest {
protected:
    void SetUp() override {
        RulesTest::SetUp();
        g_System.RandomGrowthMin = 20;
        g_System.RandomGrowthMax = 30;
        g_System.GrowthDistUnit = 1;
        g_System.RandomSenseMin = 4;
        g_System.RandomSenseMax = 6;
        g_System.SenseDistUnit = 1;
        g_System.GrowthTimingMin = -4;
        g_System.GrowthTimingMax = 4;
        for (double& w : g_System.StatRate) w = 1.0;
        cSkillList& list = g_SkillLists[0];
        list.vCateg[0].dRate = 1.0;
        list.vCateg[1].dRate = 0.0;
        for (cSkill& s : list.vSkill) s.nNeedSense = 0;
        list.vSkill[1].nLearnRate = 100;  // always learnt
        list.vSkill[1].nLearnLvMin = 10;
        list.vSkill[1].nLearnLvMax = 10;
        list.vSkill[1].dLearnLvSense = 0.5;
        list.vSkill[2].nLearnRate = 100;
        list.vSkill[2].bNotInUse = 1;
        list.vSkill[3].nLearnRate = 100;
        list.vSkill[3].nCateg = 1;  // no sense in category 1
        list.vSkill[4].nLearnRate = 100;
        list.vSkill[4].nLearnLvMin = 1;
        list.vSkill[4].nLearnLvMax = 1;
        g_ClassList[1].MaxLevel = 20;
        g_ClassList[1].Senses = {{2, 0}};
    }
    // An ally of random growth, senses and skills, rebuilt from itself.
    static cFriend Rebuilt(unsigned seed, int stat0Grows = 1) {
        cFriend f;
        f.RandomSenseRise = 1;
        for (int k = 0; k < STAT_COUNT; ++k) f.FinalStats[k] = (k == 0 && !stat0Grows) ? 0 : 50;
        for (int k = 0; k < STAT_COUNT; ++k) f.InitStats[k] = 5;
        f.ApplyClass(0);
        const cFriend source(f);
        std::srand(seed);
        f.LearnSkills(1, 0, 0, 0, source);
        return f;
    }
    static long long Sum(const VECTOR_CLASS<int>& v) { return std::accumulate(v.begin(), v.end(), 0LL); }
};

TEST_F(RandomRebuildTest, StatPointsAreSpreadOverTheGrowingStats) {
    for (unsigned seed = 1; seed < 20; ++seed) {
        const cFriend f = Rebuilt(seed, 0);
        long long total = 0;
        for (int k = 0; k < STAT_COUNT; ++k) {
            EXPECT_EQ(f.RandomGrowthTable[k].size(), 20u);
            EXPECT_EQ(f.RandomGrowthTable[k][0], 0);
            total += Sum(f.RandomGrowthTable[k]);
        }
        EXPECT_EQ(Sum(f.RandomGrowthTable[0]), 0) << "HP does not grow";
        EXPECT_GE(total, 20 * 100);
        EXPECT_LE(total, 30 * 100);
        EXPECT_EQ(total % 100, 0);
    }
    // Exchanges move points between stats and keep the total.
    g_System.RandomChangeEnabled = 1;
    g_System.RandomChangeAmount = 3;
    g_System.RandomChangeCount = 5;
    g_System.RandomGrowthMin = g_System.RandomGrowthMax = 25;
    const cFriend f = Rebuilt(5);
    long long total = 0;
    for (int k = 0; k < STAT_COUNT; ++k) total += Sum(f.RandomGrowthTable[k]);
    EXPECT_EQ(total, 2500);
}

TEST_F(RandomRebuildTest, SensesAndSkills) {
    const cFriend f = Rebuilt(3);
    ASSERT_EQ(f.SenseBonus.size(), 1u);
    const int bonus = f.SenseBonus[0][0];
    EXPECT_GE(bonus, 4);
    EXPECT_LE(bonus, 6);
    EXPECT_EQ(f.SenseBonus[0][1], 0);
    EXPECT_EQ(f.Senses[0], (VECTOR_CLASS<int>{2 + bonus, 0}));
    // Skill 1 was scheduled at 10 less half the sense; skill 4 at least at 2,
    // so that it waits for the first level-up; 2 is out of use, 3 lacks sense.
    ASSERT_EQ(f.LearntSkills.size(), 2u);
    EXPECT_EQ(f.LearntSkills[0].Skill, 1);
    EXPECT_EQ(f.LearntSkills[0].Level, 10 - (2 + bonus) / 2);
    EXPECT_EQ(f.LearntSkills[1].Skill, 4);
    EXPECT_EQ(f.LearntSkills[1].Level, 2);

    // An enemy draws neither senses nor skills, and its remainders are 50.
    cEnemy e;
    e.RandomGrowth = 1;
    e.RandomSenseRise = 1;
    e.RandomSkillLearn = 1;
    e.ApplyClass(0);
    e.LearnSkills(1, 0, 0, 0, cEnemy(e));
    EXPECT_TRUE(e.LearntSkills.empty());
    EXPECT_EQ(e.Senses[0], (VECTOR_CLASS<int>{2, 0}));
    EXPECT_EQ(e.GrowthRemainder[3], 50);
    EXPECT_EQ(e.KeptRemainder[3], 50);
}

// Settings the system pages let through end every draw in time.
TEST_F(RandomRebuildTest, UnsoundSettingsStillEnd) {
    g_System.RandomGrowthMin = 40;
    g_System.RandomGrowthMax = 10;  // empty range: the minimum, then the cap at the maximum
    g_System.GrowthDistUnit = 0;    // a step below 1 counts as 1
    g_System.SenseDistUnit = -3;
    g_System.GrowthTimingMin = 3;
    g_System.GrowthTimingMax = -3;
    g_System.RandomSenseMin = 2;
    g_System.RandomSenseMax = 2;
    AddSkillList(1, 0, 2);  // a list without categories is passed over
    g_ClassList[1].Fixup(ProjectFixupInputs());
    const cFriend f = Rebuilt(4);
    long long total = 0;
    for (int k = 0; k < STAT_COUNT; ++k) total += Sum(f.RandomGrowthTable[k]);
    EXPECT_EQ(total, 10 * 100);
    EXPECT_EQ(f.GrowthTiming, 3);
    EXPECT_EQ(f.SenseBonus[0][0], 2);
    EXPECT_TRUE(f.SenseBonus[1].empty());
}

}  // namespace
