// Movement and battle AI, placed enemies and position groups, the
// common-variable names and the random-name lists.
#include "tests/model/layouts.h"

namespace {

class AiTest : public RecordsTest {};

TEST_F(AiTest, MoveRuleUpgradesOfOldTargets) {
    AddSkillList(1, 1, 2);
    const ScopedStage stage(10, 10, 4);
    struct Case {
        int version, target, statusOn;
        int wantTarget, wantEnabled;
    };
    const Case kCases[] = {
        {49, 3, 0, 4, 0},  {49, 2, 0, 2, 0},  {47, 4, 0, 5, 0},  {47, 5, 0, 7, 0},  {48, 5, 0, 6, 0},
        {50, 3, 0, 3, 0},  {112, 6, 1, 6, 1}, {100, 6, 0, 6, 0}, {113, 6, 1, 6, 0},  // from 113 the switch is stored
        {43, 8, 0, 10, 0},                                                           // the last target of those days
    };
    for (const Case& c : kCases) {
        cMoveAI rule;
        ASSERT_TRUE(ReadAs(rule, c.version, MoveRuleBytes(c.version, c.target, 3, c.statusOn))) << c.version;
        EXPECT_EQ(rule.Target, c.wantTarget) << c.version << " " << c.target;
        EXPECT_EQ(rule.CondEnabled, c.wantEnabled) << c.version;
        EXPECT_EQ(rule.HasConditions(), c.statusOn && c.version >= 44) << c.version;
        EXPECT_EQ(rule.Dest, 3);
        EXPECT_EQ(rule.GVal, c.version >= 44 ? 7 : 1);
        EXPECT_EQ(rule.JudgeType, c.version >= 112 ? 1 : 0);
        EXPECT_EQ(rule.Spare, c.version >= 45 ? 9 : 0);
    }
}

TEST_F(AiTest, MoveRuleRepairAgainstSkillsAndTheStage) {
    AddSkillList(1, 1, 3);
    AddSkillList(1, 1, 1);
    struct Case {
        int list, skill, dest, groups;
        int wantList, wantSkill, wantDest;
    };
    const Case kCases[] = {
        {1, 0, 3, 4, 1, 0, 3},  // last of each
        {2, 2, 4, 4, 0, 2, 0},  // list one past: list 0, whose skill 2 exists
        {1, 1, -1, 4, 1, 0, 0}, {-1, 3, -5, 4, 0, 0, 0}, {0, 2, 0, 0, 0, 2, 0},  // no position groups at all
    };
    for (const Case& c : kCases) {
        const ScopedStage stage(10, 10, c.groups);
        cMoveAI rule;
        rule.SkillList = c.list;
        rule.Skill = c.skill;
        rule.Dest = c.dest;
        cMoveAI back;
        ASSERT_TRUE(ReadAs(back, DATA_VERSION, Saved(rule)));
        EXPECT_EQ(back.SkillList, c.wantList) << c.list;
        EXPECT_EQ(back.Skill, c.wantSkill) << c.skill;
        EXPECT_EQ(back.Dest, c.wantDest) << c.dest;
    }
    // Without a stage every destination is 0.
    cMoveAI rule;
    rule.Dest = 2;
    rule.Fixup(cFixupInputs());
    EXPECT_EQ(rule.Dest, 0);
}

// The battle rules' layouts are the character-file test's.
TEST_F(AiTest, TemplatesOfOldFiles) {
    const ScopedStage stage(10, 10, 2);
    Bytes b;
    b.U32(2);
    b.U32(1).Append(MoveRuleBytes(48, 3, 3, 0));  // version 48: no texts
    b.U32(0);
    VECTOR_CLASS<cMoveAITemplate> list;
    ASSERT_TRUE(ReadListAs(list, 48, b));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].Rules[0].Target, 4);
    EXPECT_TRUE(list[1].Rules.empty());
    Bytes b58;
    b58.U32(1).Str("guard").Str("stays home").U32(0);
    ASSERT_TRUE(ReadListAs(list, 58, b58));
    EXPECT_EQ(list[0].Description, "stays home");
}

TEST_F(AiTest, BattleRuleSkillRepairOnlyForSkillActions) {
    AddSkillList(1, 1, 3);
    struct Case {
        int action, list, skill;
        int wantList, wantSkill;
    };
    const Case kCases[] = {
        {BATTLEAI_ATTACK, 5, 9, 5, 9}, {BATTLEAI_SKILL, 0, 2, 0, 2},   {BATTLEAI_SKILL, 1, 2, 0, 2},
        {BATTLEAI_QUICK, 0, 3, 0, 0},  {BATTLEAI_QUICK, -1, -1, 0, 0},
    };
    for (const Case& c : kCases) {
        cBattleAI rule;
        rule.Action = c.action;
        rule.SkillList = c.list;
        rule.Skill = c.skill;
        rule.FixupSkill(ProjectFixupInputs());
        EXPECT_EQ(rule.SkillList, c.wantList);
        EXPECT_EQ(rule.Skill, c.wantSkill);
    }
}

class PlacementTest : public RecordsTest {};

// Before 46 a group other than 0 switched the group on.
TEST_F(PlacementTest, PlacedEnemiesOfOldFilesAndTheirRepair) {
    g_EnemyList.resize(20);
    const ScopedStage stage(10, 10, 3);
    struct Case {
        int version, enemy, group;
        int wantEnemy, wantGroupOn;
    };
    const Case kCases[] = {{45, 19, 3, 19, 1}, {45, 20, 0, 0, 0}, {46, 500, 3, 0, 0}, {52, -4, 0, 0, 1}};
    for (const Case& c : kCases) {
        Bytes b;
        b.I32(c.enemy).I32(4).I32(5);
        if (c.version >= 46) b.I32(c.version == 52);
        b.I32(c.group);
        if (c.version >= 52) b.I32(1).I32(77);
        b.U32(1).Append(MoveRuleBytes(c.version, 10, 3, 0));
        cPutEnemy put;
        ASSERT_TRUE(ReadAs(put, c.version, b)) << c.version;
        EXPECT_EQ(put.Enemy, c.wantEnemy) << c.version;
        EXPECT_EQ(put.GroupOn, c.wantGroupOn) << c.version;
        ASSERT_EQ(put.MoveAI.size(), 1u);
        EXPECT_EQ(put.MoveAI[0].Dest, 0);  // group 3 of 3 is past the stage's groups
    }
}

TEST_F(PlacementTest, PositionGroupsKeepOnlyCellsOnTheStage) {
    const ScopedStage stage(10, 8, 2);
    cGroupPos group;
    group.Name = "gate";
    group.CenterX = 10;
    group.CenterY = 7;
    group.Cells = {{12, 3}, {-1, 3}, {9, 7}, {9, 8}, {0, 0}};
    const std::string bytes = Saved(group);
    EXPECT_EQ(group.Cells, (VECTOR_CLASS<cCellPos>{{-1, 3}, {9, 7}, {0, 0}}));
    EXPECT_EQ(group.CenterX, 0);
    EXPECT_EQ(group.CenterY, 7);
    // The cell list: a count, then X and Y of each cell.
    const std::string want = Bytes().I32(0).I32(7).Str("gate").U32(3).I32(-1).I32(3).I32(9).I32(7).I32(0).I32(0);
    EXPECT_EQ(Hex(bytes), Hex(want));
    group.SetDefault();
    EXPECT_TRUE(group.Cells.empty());

    // A count the file cannot hold fails the file instead of allocating it.
    cGroupPos hostile;
    EXPECT_FALSE(ReadAs(hostile, DATA_VERSION, Bytes().I32(0).I32(0).I32(1).U32(0x10000000).I32(1)));
}

class NamesTest : public RecordsTest {
protected:
    ScratchFolder m_folder{"names_test"};
};

TEST_F(NamesTest, CommonVariableNamesAreAlwaysAThousand) {
    for (int count : {0, 12, 1000, 1200}) {
        VECTOR_CLASS<cGValInfo> names(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) names[static_cast<size_t>(i)].Name = "v" + std::to_string(i);
        ASSERT_TRUE(SaveGValInfoFile(names, "GValInfo.dat"));
        const std::string bytes = ReadFileBytes("GValInfo.dat");
        ASSERT_GE(bytes.size(), 8u);
        EXPECT_EQ(bytes.substr(4, 4), Bytes().U32(static_cast<uint32_t>(count)).str());
        VECTOR_CLASS<cGValInfo> loaded;
        ASSERT_TRUE(LoadGValInfoFile(loaded, "GValInfo.dat"));
        ASSERT_EQ(loaded.size(), static_cast<size_t>(GVALINFO_COUNT));
        const int kept = std::min(count, 1000);
        if (kept > 0) {
            EXPECT_EQ(loaded[static_cast<size_t>(kept - 1)].Name, "v" + std::to_string(kept - 1));
        }
        EXPECT_EQ(loaded.back().Name.empty(), count < 1000);
    }
    VECTOR_CLASS<cGValInfo> untouched(3);
    EXPECT_FALSE(LoadGValInfoFile(untouched, "missing.dat"));
    EXPECT_EQ(untouched.size(), 3u);
}

TEST_F(NamesTest, RandomNameListsFollowTheFileNumbering) {
    struct Case {
        std::vector<std::string> files;
        std::vector<std::string> want;
    };
    const std::string invalid = "！ファイルが不正です";
    const Case kCases[] = {
        {{"RandomName001_地名.txt", "RandomName000_人名.txt"}, {"000 人名", "001 地名"}},
        {{"RandomName000_a.txt", "RandomName002_b.txt"}, {"000 a"}},
        {{"names.txt"}, {invalid}},
        {{"RandomName000_.txt"}, {"000 "}},
        {{"randomname000_x.txt"}, {invalid}},
        {{"RandomName000_x.dat"}, {invalid}},
        {{}, {invalid}},
    };
    for (const Case& c : kCases) {
        FolderDelete(nullptr, "data");
        FolderCreate("data");
        FolderCreate("data\\random_name");
        for (const std::string& f : c.files) ASSERT_TRUE(WriteFileBytes(("data\\random_name\\" + f).c_str(), "x"));
        VECTOR_CLASS<std::string> list{"stale"};
        LoadRandomNames(list);
        EXPECT_EQ(std::vector<std::string>(list.begin(), list.end()), c.want) << c.files.size();
    }
    FolderDelete(nullptr, "data");
    VECTOR_CLASS<std::string> list;
    LoadRandomNames(list);  // no folder at all
    EXPECT_EQ(std::vector<std::string>(list.begin(), list.end()), std::vector<std::string>{invalid});
}

TEST(StrMid, Table) {
    struct Case {
        int start, count;
        const char* want;
    };
    const Case kCases[] = {
        {0, 3, "abc"}, {2, 2, "cd"}, {4, 10, "ef"}, {1, -1, "bcdef"}, {6, 1, ""},
        {9, -1, ""},   {3, 0, ""},   {-2, 4, "ab"}, {-2, 2, ""},      {-2, -1, "abcdef"},
    };
    for (const Case& c : kCases) EXPECT_EQ(StrMid("abcdef", c.start, c.count), c.want) << c.start << "," << c.count;
}

}  // namespace
