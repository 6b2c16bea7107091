// Stage files, WorldMap.dat and actions of every older version, built from
// the stored layouts field by field (tests/model/layouts.h).
#include <climits>
#include <vector>

#include "tests/model/layouts.h"

namespace {

using Ints = std::vector<int>;

const int kStageVersions[] = {26, 27, 41, 42, 45, 46,  47,  51,  52,  54,  55,  65,  66,  67,  68, 74,
                              75, 83, 84, 86, 87, 107, 108, 113, 114, 117, 118, 126, 127, 269, 270};

class FileVersionsTest : public SizedRecordsTest {};

TEST_F(FileVersionsTest, StageFilesOfEveryVersion) {
    ProjectSizes sizes;
    sizes.ptvals = sizes.backs = sizes.bgms = 40;
    ApplySizes(sizes);
    for (int v : kStageVersions) {
        cStage stage;
        ASSERT_TRUE(ReadAs(stage, v, StageBytes(v, v))) << "version " << v;
        CheckInts(stage, kStageHead, v, "stage");
        CheckInts(stage, kStageTail, v, "stage");
        EXPECT_EQ("砦", stage.Name);
        EXPECT_EQ(4, stage.ChipAt(4, 0)) << v;
        EXPECT_EQ(static_cast<size_t>(GROUPS), stage.Groups.size()) << v;
        ASSERT_EQ(1u, stage.PutEnemies.size()) << v;
        CheckInts(stage.PutEnemies[0], kEnemy, v, "enemy");
        ASSERT_EQ(1u, stage.Events.size()) << v;
        EXPECT_EQ("新", stage.Events[0].Name) << v;
        EXPECT_EQ(6, stage.Events[0].Value6) << v;
        ASSERT_EQ(1u, stage.Events[0].Pages.size()) << v;
        const cEventPage& page = stage.Events[0].Pages[0];
        CheckInts(page, kPageHead, v, "page");
        CheckInts(page, kPageTail, v, "page");
        EXPECT_EQ("必殺", page.CommandName) << v;
        ASSERT_EQ(1u, page.Acts.size()) << v;
        EXPECT_EQ((Ints{45}), Ints(page.Acts[0].Ints.begin(), page.Acts[0].Ints.end())) << v;
        EXPECT_TRUE(stage.OldEvents.empty()) << v;
        EXPECT_EQ(1u, stage.WinConds.size()) << v;
        EXPECT_EQ(2u, stage.LoseConds.size()) << v;
        ASSERT_EQ(3u, stage.OtherConds.size()) << v;
        EXPECT_EQ(29, stage.OtherConds[2].ShownGroup) << v;
        EXPECT_EQ("条件", stage.OtherConds[2].Text) << v;
        // Written as today's layout, what the old file lacked at its defaults.
        EXPECT_TRUE(SameBytes(StageBytes(DATA_VERSION, v), Saved(stage))) << "version " << v;
    }
}

// Files before 68 hold the events ahead of the position groups: the pages
// keep the groups of their own stage, whatever stage was open before.
TEST_F(FileVersionsTest, OldStageEventsKeepTheGroupsOfTheirOwnStage) {
    g_Stage.Groups.resize(1);
    ASSERT_TRUE(ReadAs(g_Stage, 60, StageBytes(60, 60)));
    ASSERT_EQ(1u, g_Stage.Events.size());
    EXPECT_EQ(3, g_Stage.Events[0].Pages[0].Group);
}

// A damaged old stage whose enemy's movement rule names the largest target
// still loads; the targets renumbered before 50 never pass the int range.
TEST_F(FileVersionsTest, OldStageWithAnOutOfRangeMovementTarget) {
    cStage old;
    old.PutEnemies.resize(1);
    old.PutEnemies[0].MoveAI.resize(1);
    old.PutEnemies[0].MoveAI[0].Target = INT_MAX;
    g_nDataVersion = 47;  // written as a file of version 47 holds it
    const std::string bytes = Saved(old);
    g_nDataVersion = DATA_VERSION;
    cStage stage;
    ASSERT_TRUE(ReadAs(stage, 47, bytes));
    ASSERT_EQ(1u, stage.PutEnemies.size());
    ASSERT_EQ(1u, stage.PutEnemies[0].MoveAI.size());
    EXPECT_EQ(INT_MAX, stage.PutEnemies[0].MoveAI[0].Target);
}

// ---- World map -------------------------------------------------------------------------

TEST_F(FileVersionsTest, WorldMapFilesOfEveryVersion) {
    for (int v : {10, 19, 20, 53, 54, 65, 66, 97, 98, 105, 106, 107, 269, 270}) {
        cWorldMap map;
        ASSERT_TRUE(ReadAs(map, v, WorldBytes(v, v))) << "version " << v;
        EXPECT_EQ(v >= 66 ? 2 : 1, map.BackNo) << v;
        EXPECT_EQ(1, map.UseBackImage) << v;
        EXPECT_EQ(".\\image\\大陸.png", map.BackImage) << v;
        ASSERT_EQ(v >= 98 ? 3u : 10u, map.Chips.size()) << v;
        EXPECT_EQ(2, map.ChipAt(5, 0)) << v;
        ASSERT_EQ(1u, map.Events.size()) << v;
        ASSERT_EQ(1u, map.EventTemplates.size()) << v;
        const cWorldEventPage& page = map.Events[0].Pages.at(0);
        CheckInts(page, kWorldPage, v, "world page");
        EXPECT_EQ(v >= 107 ? "洞窟" : "", page.StageName) << v;
        EXPECT_EQ(".\\data\\stg\\洞窟.stg2", page.StageFile) << v;
        EXPECT_TRUE(SameBytes(WorldBytes(DATA_VERSION, v), Saved(map))) << "version " << v;
    }
}

// ---- Actions -------------------------------------------------------------------------

// Today's kind of every stored kind 0..26 in files of these versions (0 for
// what no longer exists).
TEST_F(FileVersionsTest, ActionKindsOfOlderFiles) {
    struct Case {
        int version;
        Ints kinds;
    } cases[] = {
        {24, {0, 1, 2, 3, 4, 6, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 0, 0, 0, 0, 0}},
        {25, {0, 1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 0, 0, 0}},
        {66, {0, 1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 0, 0, 0}},
        {67, {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 0, 0}},
        {94, {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 0, 0}},
        {95, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 0}},
        {102, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 0}},
        {103, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26}},
    };
    for (const Case& c : cases) {
        for (int stored = 0; stored < 27; ++stored) {
            Bytes b;
            b.I32(stored).U32(0).U32(0);
            if (c.version < 55) b.U32(0);
            cEventAct act;
            ASSERT_TRUE(ReadAs(act, c.version, b));
            EXPECT_EQ(c.kinds[stored], act.Kind) << "version " << c.version << ", stored " << stored;
            EXPECT_EQ(static_cast<size_t>(g_EventActKind[act.Kind].nIntNum), act.Ints.size());
        }
    }
}

// Parameters as stored (100 + i, or 200 + i) and where each lands.
TEST_F(FileVersionsTest, ActionParametersOfOlderFiles) {
    auto from = [](int first, int count) {
        Ints v;
        for (int i = 0; i < count; ++i) v.push_back(first + i);
        return v;
    };
    auto join = [](std::initializer_list<Ints> parts) {
        Ints v;
        for (const Ints& p : parts) v.insert(v.end(), p.begin(), p.end());
        return v;
    };
    Ints picture = from(200, 18);
    picture[0] = 1;  // a picture that exists
    struct Case {
        int version;
        int kind;
        Ints stored;
        Ints loaded;
    } cases[] = {
        {62, EACT_MESSAGE, from(100, 26), from(100, 26)},
        {61, EACT_MESSAGE, from(100, 26), join({from(100, 23), {255, 123, 124}})},
        {60, EACT_MESSAGE, from(100, 26), join({from(100, 23), {255, 123, 124}})},
        {59, EACT_MESSAGE, from(100, 26), join({from(100, 9), {0}, from(109, 13), {255, 122, 123}})},
        {58, EACT_MESSAGE, from(100, 26), join({from(100, 9), {0}, from(109, 11), {0, 0, 255, 120, 121}})},
        {57, EACT_MESSAGE, from(100, 26), join({from(100, 9), {0}, from(109, 11), {0, 0, 255, 120, 121}})},
        {56, EACT_MESSAGE, from(100, 26), join({from(100, 9), {0}, from(109, 11), {0, 0, 255, 120, 100}})},
        {62, EACT_PICTURE, picture, picture},
        {61, EACT_PICTURE, picture, join({{1}, from(201, 10), {255}, from(211, 6)})},
        {59, EACT_PICTURE, picture, join({{1}, from(201, 10), {255}, from(211, 5), {0}})},
        {58, EACT_PICTURE, picture, join({{1}, from(201, 8), {0, 0, 255}, from(209, 5), {0}})},
        {71, 15, {3, 4}, join({{3, 4}, Ints(14, 0)})},  // today's status action (16)
        {70, 15, {3, 4}, Ints(16, 0)},
        {126, EACT_CHANGEMAPCHIP, {7, 2, 3, 2, 1}, {7, 2, 3, 2, 1}},
        {125, EACT_CHANGEMAPCHIP, {7, 2, 3, 2, 1}, {7, 0, 2, 3, 2}},
    };
    for (const Case& c : cases) {
        Bytes b;
        b.I32(c.kind).U32(static_cast<uint32_t>(c.stored.size()));
        for (int v : c.stored) b.I32(v);
        b.U32(c.kind == EACT_MESSAGE ? 1 : 0);
        if (c.kind == EACT_MESSAGE) b.Str("本文");
        cEventAct act;
        ASSERT_TRUE(ReadAs(act, c.version, b));
        EXPECT_EQ(c.loaded, Ints(act.Ints.begin(), act.Ints.end())) << "version " << c.version << ", kind " << c.kind;
    }
}

}  // namespace
