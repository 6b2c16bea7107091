// The sample project's classes, lands, characters, templates, common
// variables and random-name lists open as the editor opens a new project.
#include "tools/sample/sample_units.h"

#include "tests/model/records.h"
#include "tools/sample/sample_database.h"

namespace {

class SampleUnitsTest : public RecordsTest {};

TEST_F(SampleUnitsTest, DefaultUnitsLoadInTheProjectOrder) {
    ScratchFolder folder("sample_units");
    for (const char* f : {"default", "default\\database", "default\\random_name"}) ASSERT_TRUE(FolderCreate(f));
    ASSERT_TRUE(WriteDefaultDatabase("."));
    ASSERT_TRUE(WriteDefaultUnits("."));
    NewProject();
    // What the editor does on its first start in a new project.
    ASSERT_TRUE(FolderCopy(nullptr, "default", "data"));

    ASSERT_TRUE(LoadGValInfoFile(g_GValInfo, g_PathTable.GValInfo));
    EXPECT_EQ(g_GValInfo.size(), static_cast<size_t>(GVALINFO_COUNT));
    EXPECT_FALSE(g_GValInfo[1].Name.empty());
    ASSERT_TRUE(LoadSkillFile(g_SkillLists, g_PathTable.Skill));
    ASSERT_TRUE(LoadRecordList(g_ClassList, g_PathTable.Class));
    ASSERT_TRUE(LoadRecordList(g_LandList, g_PathTable.Land));
    ASSERT_TRUE(LoadRecordList(g_FriendList, g_PathTable.Friend));
    ASSERT_TRUE(LoadRecordList(g_EnemyList, g_PathTable.Enemy));
    ASSERT_TRUE(LoadRecordList(g_MoveAITemplates, g_PathTable.MoveAITemplate));
    EXPECT_GE(g_ClassList.size(), 2u);
    EXPECT_GE(g_LandList.size(), 2u);
    EXPECT_GE(g_FriendList.size(), 2u);
    EXPECT_GE(g_EnemyList.size(), 2u);
    EXPECT_FALSE(g_MoveAITemplates.empty());
    for (const cEnemy& e : g_EnemyList) EXPECT_LT(static_cast<size_t>(e.Class), g_ClassList.size());
    // The files hold the records as the upkeep leaves them: saving changes nothing.
    const std::string friends = ReadFileBytes(g_PathTable.Friend);
    ASSERT_TRUE(SaveRecordList(g_FriendList, g_PathTable.Friend));
    EXPECT_EQ(ReadFileBytes(g_PathTable.Friend), friends);

    LoadRandomNames(g_RandomNames);
    ASSERT_GE(g_RandomNames.size(), 2u);
    EXPECT_EQ(g_RandomNames[0].substr(0, 4), "000 ");
    EXPECT_EQ(g_RandomNames[1].substr(0, 4), "001 ");
}

}  // namespace
