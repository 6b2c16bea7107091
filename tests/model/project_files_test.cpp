// The project's file table: every row reads and writes its file, a failed
// load does what its row says, Apply writes its files in its order, and each
// step's fix-ups see the lists of the steps before it.
#include "model/project_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "base/editor_settings.h"
#include "base/paths.h"
#include "base/report.h"
#include "model/ai.h"
#include "model/chara.h"
#include "model/random_names.h"
#include "model/stage.h"
#include "model/worldmap.h"
#include "tests/support/seams.h"
#include "tools/sample/sample_database.h"
#include "tools/sample/sample_stage.h"
#include "tools/sample/sample_units.h"

namespace {

std::string NameOf(const char* path) {
    std::string name = path;
    return StripFolderPartStr(name);
}

// The sample project's default data, written once, copied to "data\" as a
// new project's for every test.
class ProjectFilesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_folder = new ScratchFolder("project_files");
        for (const char* dir :
             {"default", "default\\database", "default\\stg", "default\\plt", "default\\random_name", "e_data"})
            FolderCreate(dir);
        s_written = WriteDefaultDatabase(".") && WriteDefaultUnits(".") && WriteDefaultStages(".");
    }
    static void TearDownTestSuite() {
        delete s_folder;
        s_folder = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(s_written);
        g_nDataVersion = DATA_VERSION;
        g_bFileTooNew = 0;
        g_EditConfig.SetDefault();
        g_Stage.SetDefault();
        ReportOpen("Report_Editor.txt");
        FolderDelete(nullptr, "data");
        ASSERT_TRUE(FolderCopy(nullptr, "default", "data"));
    }
    void TearDown() override {
        FolderDelete(nullptr, "data");
        for (const char* file : {"Report_Editor.txt", "copy.dat", "again.dat", "held.dat", "after.dat"})
            FileDelete(file);
        g_szReportPath[0] = '\0';
    }
    static ScratchFolder* s_folder;
    static bool s_written;
    ScopedMainWindow m_mainWindow;
};
ScratchFolder* ProjectFilesTest::s_folder = nullptr;
bool ProjectFilesTest::s_written = false;

TEST_F(ProjectFilesTest, EveryFileRoundTripsThroughItsRow) {
    ScopedBoxes boxes;
    ASSERT_EQ(1, LoadDataFiles(g_Project, 0));
    EXPECT_EQ(0u, boxes.Count());
    for (const cProjectFile& file : ProjectFiles()) {
        const std::string original = ReadFileBytes(ProjectFilePath(file).c_str());
        ASSERT_EQ(1, SaveProjectFile(g_Project, file, "copy.dat")) << file.Path;
        const std::string written = ReadFileBytes("copy.dat");
        // Only the test-play settings are not part of a new project.
        if (!IsFile(file, g_PathTable.TestPlay)) {
            EXPECT_TRUE(original == written) << file.Path;
        }
        ASSERT_EQ(1, LoadProjectFile(g_Project, file, "copy.dat")) << file.Path;
        ASSERT_EQ(1, SaveProjectFile(g_Project, file, "again.dat")) << file.Path;
        EXPECT_TRUE(written == ReadFileBytes("again.dat")) << file.Path;
    }
    EXPECT_TRUE(m_mainWindow.Actions().empty());
}

TEST_F(ProjectFilesTest, AFailedLoadDoesWhatItsRowSays) {
    for (const cProjectFile& file : ProjectFiles()) {
        const std::string path = ProjectFilePath(file);
        const bool there = FileReplace(path.c_str(), "away.dat");
        ScopedBoxes boxes;
        const int loaded = LoadDataFiles(g_Project, 0);
        if (there) FileReplace("away.dat", path.c_str());
        if (file.Failure != LOAD_STOPS) {
            EXPECT_EQ(1, loaded) << file.Path;
            EXPECT_EQ(0u, boxes.Count()) << file.Path;
            continue;
        }
        EXPECT_EQ(0, loaded) << file.Path;
        ASSERT_EQ(1u, boxes.Count()) << file.Path;
        const std::string missing =
            " の読み込みに失敗しました！\nこのファイルが存在しない場合は「default」フォルダから"
            "「data」フォルダへ同名のファイルをコピーして下さい。";
        EXPECT_EQ(file.Path + missing, boxes.Calls()[0].text);
        EXPECT_EQ("エラー", boxes.Calls()[0].caption);
    }
}

// Memory that runs out for a row's bytes or its lists fails that row alone,
// which keeps what it held (the event palette falls back), and is said: also
// where a failure is no failure.
TEST_F(ProjectFilesTest, MemoryThatRunsOutFailsTheRowAndIsSaid) {
    static int s_fault = -1;  // the step that finds no memory
    const FileFaultHook old = SetFileFaultHook([](int step) -> int { return step == s_fault; });
    ASSERT_EQ(1, LoadDataFiles(g_Project, 0));
    for (int fault : {FILE_FAULT_MEMORY, FILE_FAULT_LIST_MEMORY}) {
        for (const cProjectFile& file : ProjectFiles()) {
            const std::string path = ProjectFilePath(file);
            if (!FileExists(path.c_str())) continue;  // the test-play settings
            ASSERT_EQ(1, SaveProjectFile(g_Project, file, "held.dat"));
            s_fault = fault;
            EXPECT_EQ(0, LoadProjectFile(g_Project, file, path)) << file.Path << ", step " << fault;
            s_fault = -1;
            EXPECT_EQ(1, g_bFileOutOfMemory) << file.Path << ", step " << fault;
            ASSERT_EQ(1, SaveProjectFile(g_Project, file, "after.dat"));
            if (file.Failure != LOAD_FALLS_BACK) {
                EXPECT_TRUE(ReadFileBytes("held.dat") == ReadFileBytes("after.dat")) << file.Path;
            }
        }
    }
    // Memory runs out for the event palette's lists (the step after the templates').
    auto paletteStep = [](const cProjectFile& file, int) {
        s_fault = IsFile(file, g_PathTable.MoveAITemplate) ? FILE_FAULT_LIST_MEMORY : -1;
    };
    FileDelete("data\\plt\\default.plt");
    ScopedBoxes boxes;
    EXPECT_EQ(1, LoadDataFiles(g_Project, 0, paletteStep));
    SetFileFaultHook(old);
    const std::string noMemory =
        std::string(g_PathTable.EventPlt) + " の読み込みに失敗しました！\nメモリが不足しています！";
    EXPECT_EQ(std::vector<std::string>{noMemory}, boxes.Texts());
    ASSERT_EQ(1u, g_EventPlt.size());
    EXPECT_EQ("デフォルト", g_EventPlt[0].Name);
}

// The files taken away one after another, from the last of the load to the
// first: each time loading stops at the first one missing, with one box that
// names it, and takes no step after it.
TEST_F(ProjectFilesTest, LoadingStopsAtTheFirstMissingFile) {
    static std::vector<std::string> s_steps;
    std::vector<std::string> order, stops;
    for (const cProjectFile& file : ProjectFiles()) {
        order.push_back(file.Path);
        if (file.Failure == LOAD_STOPS) stops.insert(stops.begin(), file.Path);
    }
    const std::string missing =
        " の読み込みに失敗しました！\nこのファイルが存在しない場合は「default」フォルダから"
        "「data」フォルダへ同名のファイルをコピーして下さい。";
    for (const std::string& first : stops) {
        ASSERT_TRUE(FileDelete(first.c_str())) << first;
        ScopedBoxes boxes;
        s_steps.clear();
        EXPECT_EQ(0, LoadDataFiles(g_Project, 0, [](const cProjectFile& file, int) { s_steps.push_back(file.Path); }))
            << first;
        EXPECT_EQ(std::vector<std::string>{first + missing}, boxes.Texts());
        const auto at = std::find(order.begin(), order.end(), first);
        for (const std::string& step : s_steps)
            EXPECT_LT(std::find(order.begin(), order.end(), step), at) << step << " after " << first;
    }
}

// The orders of the project load and of the database sheet's Apply.
TEST_F(ProjectFilesTest, LoadAndApplyOrders) {
    const std::vector<std::string> kLoad = {"GValInfo.dat",       "CompatiType.dat", "PartyVal.dat",
                                            "CharaAnim.dat",      "EffectAnim.dat",  "Picture.dat",
                                            "Back.dat",           "Sound.dat",       "Bgm.dat",
                                            "Help.dat",           "System.dat",      "Testplay.dat",
                                            "Land.dat",           "Skill.dat",       "Class.dat",
                                            "Friend.dat",         "Enemy.dat",       "Default.stg2",
                                            "MoveAITemplate.dat", "EventPlt.dat",    "EventActionPlt.dat",
                                            "WorldMap.dat",       "StartEvent.dat"};
    const std::vector<std::string> kApply = {"CompatiType.dat", "PartyVal.dat",   "Picture.dat", "Back.dat",
                                             "CharaAnim.dat",   "EffectAnim.dat", "Sound.dat",   "Bgm.dat",
                                             "Help.dat",        "Class.dat",      "Friend.dat",  "Enemy.dat",
                                             "Land.dat",        "Skill.dat",      "System.dat",  "WorldMap.dat"};
    std::vector<std::string> load, apply(kApply.size());
    for (const cProjectFile& file : ProjectFiles()) {
        load.push_back(NameOf(file.Path));
        if (file.ApplyOrder > 0) apply.at(static_cast<size_t>(file.ApplyOrder) - 1) = NameOf(file.Path);
    }
    EXPECT_EQ(kLoad, load);
    EXPECT_EQ(kApply, apply);

    // Apply writes exactly its files; one that cannot be written stops none
    // of the others.
    ASSERT_EQ(1, LoadDataFiles(g_Project, 0));
    FolderDelete(nullptr, "data\\database");
    FolderCreate("data\\database");
    FolderCreate(g_PathTable.Land);  // a folder where the file should be
    EXPECT_EQ(0, SaveDatabaseFiles(g_Project));
    const std::string database = "data\\database\\";
    for (const cProjectFile& file : ProjectFiles()) {
        if (std::string(file.Path).compare(0, database.size(), database) != 0) continue;
        const bool written = !IsFile(file, g_PathTable.Land) && file.ApplyOrder > 0;
        EXPECT_EQ(written, FileExists(file.Path) && !FolderExists(file.Path)) << file.Path;
    }
    EXPECT_NE(std::string::npos, ReadFileBytes("Report_Editor.txt").find("Land.dat"));
}

// The enemies load before the default stage, so their movement rules keep
// only the position groups of the stage open before; the templates, loaded
// after it, keep those of the default stage.
TEST_F(ProjectFilesTest, EachStepSeesTheListsOfTheStepsBefore) {
    ASSERT_EQ(1, LoadDataFiles(g_Project, 0));
    g_Stage.Groups.resize(8);
    g_EnemyList[1].MoveAI.resize(1);
    g_EnemyList[1].MoveAI[0].Dest = 5;
    g_MoveAITemplates[0].Rules[0].Dest = 5;
    for (const char* path : {g_PathTable.DefaultStage, g_PathTable.Enemy, g_PathTable.MoveAITemplate})
        ASSERT_EQ(1, SaveProjectFile(g_Project, *FindProjectFile(path), path));
    g_Stage.SetDefault();  // two position groups
    ASSERT_EQ(1, LoadDataFiles(g_Project, 0));
    EXPECT_EQ(8u, g_Stage.Groups.size());
    EXPECT_EQ(0, g_EnemyList[1].MoveAI[0].Dest);
    EXPECT_EQ(5, g_MoveAITemplates[0].Rules[0].Dest);
}

// The sample project the tool writes opens as the editor opens it: its
// stage keeps its lands, enemies and events after the fix-ups against the
// default database, the world map leads to it, the random names are listed.
TEST_F(ProjectFilesTest, TheSampleStageOpensOnTheDefaultDatabase) {
    ASSERT_EQ(1, LoadDataFiles(g_Project, 0));
    EXPECT_EQ(".\\data\\stg\\Sample.stg2", g_WorldMap.Events.at(0).Pages.at(0).StageFile);
    ASSERT_TRUE(g_Stage.LoadFile("default\\stg\\Sample.stg2"));
    std::set<int> lands, enemies;
    for (int y = 0; y < g_Stage.Height; ++y)
        for (int x = 0; x < g_Stage.Width; ++x) lands.insert(g_Stage.ChipAt(x, y));
    EXPECT_EQ((std::set<int>{1, 2, 3, 4, 5}), lands);
    ASSERT_EQ(5u, g_Stage.PutEnemies.size());
    for (const cPutEnemy& enemy : g_Stage.PutEnemies) {
        enemies.insert(enemy.Enemy);
        EXPECT_TRUE(g_Stage.Inside(enemy.X, enemy.Y) && g_Stage.ChipAt(enemy.X, enemy.Y) != 5)
            << "on the map, in no wall";
    }
    EXPECT_EQ((std::set<int>{1, 2}), enemies);
    EXPECT_EQ(3u, g_Stage.Events.size());
    EXPECT_EQ(2, g_Stage.WinConds.at(0).CursorGroup);
    VECTOR_CLASS<std::string> names;
    LoadRandomNames(names);
    ASSERT_GE(names.size(), 2u);
    EXPECT_EQ("001 ", names[1].substr(0, 4));
}

}  // namespace
