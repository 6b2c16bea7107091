// The stages, palettes, start event and world map the sample-project tool
// writes into "default\": every file loads, and the sample stage still shows
// chips, enemies and events after the load's fix-ups.
#include "tools/sample/sample_stage.h"

#include <set>

#include "tests/model/records.h"

namespace {

// The default database has five lands after its placeholder and two enemies.
class SampleStageTest : public SizedRecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        ProjectSizes sizes;
        sizes.lands = 6;
        sizes.enemies = 3;
        ApplySizes(sizes);
    }
};

TEST_F(SampleStageTest, WritesEveryFileOfANewProject) {
    ScratchFolder folder("sample_stage");
    for (const char* dir : {"default", "default\\database", "default\\stg", "default\\plt"}) FolderCreate(dir);
    ASSERT_EQ(1, WriteDefaultStages("."));

    cStage blank;
    ASSERT_TRUE(blank.LoadFile("default\\stg\\Default.stg2"));
    EXPECT_TRUE(blank.Compare(cStage()));

    VECTOR_CLASS<cEvent> palette, fallback;
    ASSERT_TRUE(LoadRecordList(palette, "default\\EventPlt.dat"));
    ASSERT_TRUE(LoadRecordList(fallback, "default\\plt\\default.plt"));
    ASSERT_EQ(3u, palette.size());
    EXPECT_EQ("デフォルト", palette[0].Name);
    EXPECT_EQ(palette.size(), fallback.size());

    VECTOR_CLASS<cEventActPlt> actions;
    ASSERT_TRUE(LoadRecordList(actions, "default\\EventActionPlt.dat"));
    ASSERT_EQ(3u, actions.size());
    EXPECT_EQ(EACT_STAGECLEAR, actions[0].Acts.back().Kind);

    cEvent start;
    ASSERT_TRUE(start.LoadFile("default\\database\\StartEvent.dat"));
    EXPECT_EQ(1u, start.Pages.size());

    cWorldMap world;
    ASSERT_TRUE(world.LoadFile("default\\database\\WorldMap.dat"));
    EXPECT_EQ(4u, world.Chips.size());
    ASSERT_EQ(1u, world.Events.size());
    EXPECT_EQ(1, world.Events[0].Pages[0].StageNo);
    EXPECT_EQ(".\\data\\stg\\Sample.stg2", world.Events[0].Pages[0].StageFile);
    EXPECT_EQ(3, world.ChipAt(0, 0));

    // Loaded into the open stage, as the editor opens it.
    ASSERT_TRUE(g_Stage.LoadFile("default\\stg\\Sample.stg2"));
    std::set<int> lands;
    for (int y = 0; y < g_Stage.Height; ++y)
        for (int x = 0; x < g_Stage.Width; ++x) lands.insert(g_Stage.ChipAt(x, y));
    EXPECT_EQ((std::set<int>{1, 2, 3, 4, 5}), lands);
    ASSERT_EQ(5u, g_Stage.PutEnemies.size());
    std::set<int> enemies;
    for (const cPutEnemy& enemy : g_Stage.PutEnemies) {
        enemies.insert(enemy.Enemy);
        EXPECT_TRUE(g_Stage.Inside(enemy.X, enemy.Y));
        EXPECT_NE(5, g_Stage.ChipAt(enemy.X, enemy.Y));  // none stands in a wall
    }
    EXPECT_EQ((std::set<int>{1, 2}), enemies);
    EXPECT_EQ(3u, g_Stage.Events.size());
    EXPECT_TRUE(g_Stage.HasEventAt(17, 4));
    EXPECT_EQ(1, g_Stage.StartGroup);
    EXPECT_EQ(2, g_Stage.WinConds[0].CursorGroup);
}

}  // namespace
