// What the game program reads back exactly: the bytes a default record of each
// kind writes, written out here field by field from the stored layouts; the
// growth tables to the last hundredth; and the order of the random draws of a
// full rebuild.
#include <cstdlib>
#include <vector>

#include "tests/model/records.h"

namespace {

// A small database: one skill list of slot type 0 (its one default slot), two
// categories, three skills and two reserve slots; two default classes; three
// elements.
class BytesTest : public RecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        cSkillList& list = AddSkillList(0, 2, 3);
        list.bReserve = 1;
        list.nReserveNum = 2;
        AddClasses(2);
        g_System.Elements.resize(3);
        g_ClassList[0].Fixup(ProjectFixupInputs());
        g_ClassList[1].Fixup(ProjectFixupInputs());
        ASSERT_EQ(g_Database.PtVals.size(), 2u);
        ASSERT_EQ(g_Database.Backs.size(), 2u);
    }
    static Bytes& Ints(Bytes& b, int count, int value) {
        for (int i = 0; i < count; ++i) b.I32(value);
        return b;
    }
    // An empty slot as the slot layout leaves it: every category, every symbol.
    static Bytes& OpenSlot(Bytes& b) { return b.I32(1).I32(1).I32(0).U32(0); }
    static Bytes& EmptyEntry(Bytes& b) { return OpenSlot(Ints(b, 4, 0)); }

    // A default character of this database: class 1 (30 levels), one sense
    // row of two categories, one acquisition slot, a reserve row of two.
    static void CharaDefaults(Bytes& b, int randomName, int side, int randomGrowth, int randomSkills) {
        b.I32(0).I32(randomName).I32(0).I32(side).I32(0);            // 1 .. 5
        b.I32(1).I32(1).I32(30).I32(0);                              // 6 class, 7 level, 8 limit, 9 experience
        Ints(b, 9 * 7, 0);                                           // 10 .. 16
        b.I32(randomGrowth).I32(0).I32(randomSkills).I32(0).I32(0);  // 17 .. 21
        for (int k = 0; k < 9; ++k) b.I32(k).I32(0).I32(0);          // 22
        Ints(b, 15, 0);                                              // 23 .. 37
        b.I32(0).I32(0).I32(0).I32(1).I32(0);                        // 38 .. 42
        Ints(b, 6, 0);                                               // 43 .. 48
        b.Str("").Str("");                                           // 49, 50
        for (int t = 0; t < 18; ++t) Ints(b.U32(30), 30, 0);         // 51, 52
        for (int t = 0; t < 3; ++t) b.U32(1).U32(2).I32(0).I32(0);   // 53 .. 55
        EmptyEntry(b.U32(1).U32(1));                                 // 56
        EmptyEntry(EmptyEntry(b.U32(1).U32(2)));                     // 57
        b.U32(0);                                                    // 58
    }
};

TEST_F(BytesTest, DefaultRecordsWriteTheStoredLayout) {
    struct Case {
        const char* kind;
        std::string saved;
        Bytes want;
    };
    std::vector<Case> cases;
    auto add = [&](const char* kind, std::string saved) {
        cases.push_back({kind, std::move(saved), Bytes()});
        return &cases.back().want;
    };

    cClass cls;
    Bytes* b = add("class", Saved(cls));
    b->I32(0).I32(1).I16(0).I16(0).I16(0).I32(200).I32(4).I32(0).I32(100).I32(30);
    Ints(Ints(*b, 9, 1), 9, 1);
    b->I32(0).I32(1).I32(0);
    OpenSlot(b->U32(1).I32(0).U32(1));  // one organisation, its own flag, one slot
    b->Str("").U32(1).U32(2).I32(0).I32(0).U32(3).I32(100).I32(100).I32(100);

    cLand land;
    b = add("land", Saved(land));
    Ints(b->I32(0).I32(1).I32(0).I32(0).I32(0), 9, 0);
    b->U32(3).I32(100).I32(100).I32(100).I32(0).I32(0).I32(1).Str("").Str("").I32(1);

    cMoveAI move;
    b = add("movement rule", Saved(move));
    Ints(*b, 15, 0).I32(1);  // 1 .. 15, 16 the common variable
    Ints(*b, 5, 0);

    cMoveAITemplate templ;
    b = add("template", Saved(templ));
    b->Str("").Str("").U32(0);

    cBattleAI rule;
    b = add("battle rule", Saved(rule));
    b->I32(0).I32(0).I32(0).I32(1).I32(1).I32(10).I32(0).U32(0);

    cBattleAICond cond;
    b = add("condition", Saved(cond));
    Ints(*b, 5, 0);

    cPutEnemy put;
    b = add("placed enemy", Saved(put));
    b->I32(0).I32(-1).I32(-1).I32(0).I32(0).I32(0).I32(0).U32(0);

    cGroupPos group;
    b = add("position group", Saved(group));
    b->I32(0).I32(0).Str("").U32(0);

    cGValInfo name;
    b = add("common-variable name", Saved(name));
    b->Str("");

    cFriend ally;
    b = add("ally", Saved(ally));
    CharaDefaults(*b, 1, 0, 1, 1);
    b->I32(0).I32(0).I32(1).I32(1).I32(0).I32(1);

    // The enemy's upkeep runs before it becomes an enemy, so it too keeps a
    // reserve row.
    g_System.BattleMode = 0;
    cEnemy manual;
    b = add("enemy, manual battle", Saved(manual));
    CharaDefaults(*b, 0, 1, 0, 0);
    b->I32(0).I32(0).U32(0).U32(1).I32(0).I32(0).I32(0).I32(1).I32(1).I32(10).I32(0).U32(0);

    g_System.BattleMode = 1;
    cEnemy automatic;
    b = add("enemy, automatic battle", Saved(automatic));
    CharaDefaults(*b, 0, 1, 0, 0);
    b->I32(0).I32(0).U32(0).U32(0);

    for (const Case& c : cases) EXPECT_EQ(Hex(c.saved), Hex(c.want)) << c.kind;
}

// The growth tables as double arithmetic gives them, operation by operation;
// a share that comes out just below a whole hundredth is truncated.
TEST_F(BytesTest, GrowthTablesToTheLastHundredth) {
    struct Case {
        int limit, timing, init, final;
        std::vector<int> table;
    };
    const Case kCases[] = {
        {1, 0, 5, 20, {0}},
        {2, 0, 5, 20, {0, 0}},  // two levels: nothing on the way
        {3, 0, 1, 5, {0, 200, 200}},
        {12, -10, 1, 12, {0, 200, 179, 160, 140, 119, 99, 79, 59, 39, 19, 0}},
        {12, 10, 1, 12, {0, 0, 20, 40, 60, 80, 100, 120, 140, 160, 180, 200}},
        {3, -9, 1, 36, {0, 3325, 174}},
        {30, -3, 5, 80, {0,   336, 331, 325, 320, 314, 308, 303, 297, 292, 286, 281, 275, 270, 264,
                         259, 253, 247, 242, 236, 231, 225, 220, 214, 209, 203, 197, 192, 186, 181}},
        {30, 7, 5, 80, {0,   77,  90,  103, 116, 129, 142, 155, 168, 181, 194, 207, 220, 233, 246,
                        259, 271, 284, 297, 310, 323, 336, 349, 362, 375, 388, 401, 414, 427, 440}},
    };
    for (const Case& c : kCases) {
        g_ClassList[1].MaxLevel = c.limit;
        cEnemy design;
        design.InitStats[0] = c.init;
        design.FinalStats[0] = c.final;
        design.GrowthTiming = c.timing;
        design.ApplyClass(0);
        cEnemy e;
        e.LearnSkills(0, 0, 1, 0, design);
        EXPECT_EQ(e.FixedGrowth[0], VECTOR_CLASS<int>(c.table.begin(), c.table.end()))
            << c.limit << " levels, timing " << c.timing;
    }
}

// A full rebuild draws, in this order: the growth timing, nine remainders,
// the stat points and each chunk's stat, one table entry per point, the sense
// points with each chunk's list and category, then per skill the chance and
// the level. Nothing else calls rand().
TEST_F(BytesTest, RandomRebuildDrawsInTheGamesOrder) {
    cSkillList& list = g_SkillLists[0];
    list.vCateg.resize(1);
    list.vCateg[0].dRate = 1.0;
    list.vSkill.resize(2);
    cSkill& skill = list.vSkill[1];
    skill.nNeedSense = 0;
    skill.nLearnRate = 50;
    skill.dLearnRateSense = 0.0;
    skill.nLearnLvMin = 2;
    skill.nLearnLvMax = 9;
    skill.dLearnLvSense = 0.5;
    cClass& cls = g_ClassList[1];
    cls.MaxLevel = 3;
    for (int k = 0; k < STAT_COUNT; ++k) cls.FinalStats[k] = k == 0 ? 40 : 0;
    cls.Fixup(ProjectFixupInputs());
    cls.Senses[0][0] = 4;
    g_System.BattleMode = 0;
    g_System.GrowthTimingMin = -10;
    g_System.GrowthTimingMax = 10;
    g_System.RandomGrowthMin = 2;
    g_System.RandomGrowthMax = 4;
    g_System.RandomGrowthScoutRate = 0.0;
    g_System.GrowthDistUnit = 10;  // one chunk takes every point
    for (double& w : g_System.StatRate) w = 0.0;
    g_System.StatRate[0] = 0.01;  // one point per point
    g_System.RandomChangeEnabled = 0;
    g_System.RandomSenseMin = 5;
    g_System.RandomSenseMax = 5;
    g_System.RandomSenseScoutRate = 0.0;
    g_System.SenseDistUnit = 10;

    cFriend design;
    design.ApplyClass(0);
    for (unsigned seed : {1u, 2u, 3u, 77u, 1234u}) {
        SCOPED_TRACE(seed);
        std::srand(seed);
        std::vector<int> r(4000);
        for (int& v : r) v = std::rand();
        std::srand(seed);
        cFriend f;
        f.RandomSenseRise = 1;
        f.LearnSkills(1, 0, 0, 0, design);

        size_t i = 0;
        EXPECT_EQ(f.SenseVersion, DATA_VERSION);
        EXPECT_EQ(f.GrowthTiming, r[i++] % 21 - 10);
        for (int k = 0; k < STAT_COUNT; ++k) {
            EXPECT_EQ(f.GrowthRemainder[k], r[i] % 91);
            EXPECT_EQ(f.KeptRemainder[k], r[i++] % 91);
        }
        const int points = r[i++] % 3 + 2;
        while (r[i++] % 9 != 0) {
        }
        std::vector<int> table(3, 0);
        for (int n = 0; n < points; ++n) ++table[static_cast<size_t>(r[i++] % 2 + 1)];
        EXPECT_EQ(f.RandomGrowthTable[0], VECTOR_CLASS<int>(table.begin(), table.end()));
        i += 3;  // the sense points (a range of one), the list, the category
        EXPECT_EQ(f.SenseBonus[0], VECTOR_CLASS<int>{5});
        EXPECT_EQ(f.Senses[0], VECTOR_CLASS<int>{9});
        if (r[i++] % 1000 + 1 <= 500) {
            ASSERT_EQ(f.LearntSkills.size(), 1u);
            EXPECT_EQ(f.LearntSkills[0].Level, std::max(2, r[i++] % 8 + 2 - 4));  // 4.5 of sense truncated
        } else {
            EXPECT_TRUE(f.LearntSkills.empty());
        }
        EXPECT_EQ(std::rand(), r[i]) << "draws beyond the rules";
    }
}

}  // namespace
