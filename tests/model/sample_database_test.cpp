// The default database the sample-project tool writes opens as a new
// project's records (whose files the record tests pin byte for byte).
#include "tools/sample/sample_database.h"

#include "base/editor_settings.h"
#include "tests/model/records.h"

namespace {

class SampleDatabaseTest : public RecordsTest {
protected:
    ScratchFolder m_folder{"sample_database"};
};

TEST_F(SampleDatabaseTest, DefaultDataLoadsAsTheDefaults) {
    ASSERT_TRUE(FolderCreate("default"));
    ASSERT_TRUE(FolderCreate("default\\database"));
    ASSERT_TRUE(WriteDefaultDatabase("."));
    // What the editor does on its first start in a new project.
    ASSERT_TRUE(FolderCopy(nullptr, "default", "data"));

    VECTOR_CLASS<cSkillList> lists;
    ASSERT_TRUE(LoadSkillFile(lists, g_PathTable.Skill));
    VECTOR_CLASS<cSkillList> fresh(1);
    RenumberSkillLists(fresh);
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_TRUE(lists[0].Compare(fresh[0]));

    cSystem system;
    system.Clear();
    ASSERT_TRUE(system.LoadFile(g_PathTable.System));
    EXPECT_TRUE(system.Compare(cSystem()));

    cDatabase media;
    media.Clear();
    ASSERT_TRUE(LoadMediaDatabase(media));
    EXPECT_TRUE(media.Compare(cDatabase()));
}

}  // namespace
