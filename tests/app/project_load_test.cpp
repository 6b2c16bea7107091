// Opening a project: the data files of the project's file table (their
// order and failures are its own test's), the message for a file too new,
// the files whose failure is no failure, and the image table.
#include "app/project_load.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/stage_edit_state.h"
#include "base/editor_settings.h"
#include "base/paths.h"
#include "media/image_table.h"
#include "model/chara.h"
#include "model/class.h"
#include "model/gvalinfo.h"
#include "model/land.h"
#include "model/stage.h"
#include "model/worldmap.h"
#include "tests/app/app_test_support.h"

namespace {

std::string TooNew(const std::string& path) {
    return path + " の読み込みに失敗しました！\nソフトより上位のバージョンのファイルは使用できません。";
}

class ProjectLoad : public ::testing::Test {
protected:
    void SetUp() override { ResetProject(); }
    // The tests take files away and write the test-play settings.
    void TearDown() override { ResetProject(); }
};

}  // namespace

TEST_F(ProjectLoad, SampleProjectLoadsWhole) {
    ScopedBoxes boxes;
    g_StageEditState.StageOpen = 1;
    g_StageEditState.StagePath = "data\\stg\\Sample.stg2";
    ASSERT_EQ(1, LoadProject(0));
    EXPECT_EQ(0u, boxes.Count());
    EXPECT_EQ(1, g_bGValInfoLoaded);
    EXPECT_EQ(static_cast<size_t>(GVALINFO_COUNT), g_GValInfo.size());
    // Every list holds what its file holds.
    VECTOR_CLASS<cLand> lands;
    VECTOR_CLASS<cEnemy> enemies;
    VECTOR_CLASS<cEvent> palette;
    ASSERT_TRUE(LoadRecordList(lands, g_PathTable.Land));
    ASSERT_TRUE(LoadRecordList(enemies, g_PathTable.Enemy));
    ASSERT_TRUE(LoadRecordList(palette, g_PathTable.EventPlt));
    EXPECT_EQ(lands.size(), g_LandList.size());
    EXPECT_EQ(enemies.size(), g_EnemyList.size());
    EXPECT_EQ(palette.size(), g_EventPlt.size());
    for (int i = 0; i < IMAGE_TABLE_SIZE; ++i) {
        if (i == IMG_WORLDBACK || g_ImageParam[i].bOptional) continue;
        EXPECT_TRUE(g_ImageTable[i].IsCreated()) << "image " << i;
    }
    EXPECT_EQ(0, g_StageEditState.StageOpen) << "no stage is open after loading";
    EXPECT_TRUE(g_StageEditState.StagePath.empty());
    // The map-chip picker folds the sheet's lower half to the right.
    EXPECT_EQ(SurfacePixel(g_ImageTable[IMG_MAPCHIP], 3, 512 + 5),
              SurfacePixel(g_ImageTable[IMG_PICK_CHIP], 256 + 3, 5));
    EXPECT_EQ(SurfacePixel(g_ImageTable[IMG_EVENT], 64 + 2, 512 + 7),
              SurfacePixel(g_ImageTable[IMG_PICK_EVENT], 96 + 2, 7));
}

TEST_F(ProjectLoad, NewerFileIsRefusedWithItsOwnMessage) {
    SetFileVersion(g_PathTable.Land, 271);
    ScopedBoxes boxes;
    EXPECT_EQ(0, LoadProject(0));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ(TooNew(g_PathTable.Land), boxes.Calls()[0].text);
    EXPECT_EQ(1, g_bFileTooNew);
}

TEST_F(ProjectLoad, FilesWhoseFailureIsNoFailure) {
    // Test-play settings, default stage, event palette and world-map background.
    FileDelete(g_PathTable.TestPlay);
    FileDelete(g_PathTable.DefaultStage);
    FileDelete(g_PathTable.EventPlt);
    ScopedBoxes boxes;
    ASSERT_EQ(1, LoadProject(0));
    EXPECT_EQ(0u, boxes.Count());
    VECTOR_CLASS<cEvent> fallback;
    ASSERT_TRUE(LoadRecordList(fallback, "data\\plt\\default.plt"));
    EXPECT_EQ(fallback.size(), g_EventPlt.size()) << "the palette of data\\plt\\default.plt";

    ResetProject();
    FileDelete(g_PathTable.EventPlt);
    FileDelete("data\\plt\\default.plt");
    ASSERT_EQ(1, LoadProjectFiles(0));
    ASSERT_EQ(1u, g_EventPlt.size());
    EXPECT_EQ("デフォルト", g_EventPlt[0].Name);
}

TEST_F(ProjectLoad, CommonVariableNamesAreAlwaysAThousand) {
    for (size_t count : {size_t(12), size_t(1200)}) {
        ResetProject();
        VECTOR_CLASS<cGValInfo> names(count);
        names[0].Name = "最初";
        names[count - 1].Name = "最後";
        ASSERT_TRUE(SaveRecordList(names, g_PathTable.GValInfo));
        ASSERT_EQ(1, LoadProjectFiles(0));
        ASSERT_EQ(static_cast<size_t>(GVALINFO_COUNT), g_GValInfo.size());
        EXPECT_EQ("最初", g_GValInfo[0].Name);
        EXPECT_EQ(count == 12 ? "最後" : "", g_GValInfo[11].Name);
    }
}

TEST_F(ProjectLoad, TestPlaySettingsOfOldProjectsAreTakenOver) {
    g_EditConfig.OldUseDefaultGame = 0;
    g_EditConfig.OldGamePath = "game\\Game.exe";
    // A test-play file of version 200 that is cut short.
    WriteFileBytes(g_PathTable.TestPlay, std::string("\xC8\0\0\0\x01", 5));
    ASSERT_EQ(1, LoadProjectFiles(0));
    EXPECT_EQ(0, g_TestPlay.AutoFind);
    EXPECT_EQ("game\\Game.exe", g_TestPlay.GamePath);
    EXPECT_EQ(2, g_TestPlay.Training);
}

TEST_F(ProjectLoad, MissingImageStopsButWorldBackgroundDoesNot) {
    ASSERT_EQ(1, LoadProjectFiles(0));
    g_WorldMap.BackImage = "image\\NoSuchBack.png";
    {
        ScopedBoxes boxes;
        EXPECT_EQ(1, LoadProjectImages(0));
        EXPECT_FALSE(g_ImageTable[IMG_WORLDBACK].IsCreated());
    }
    g_WorldMap.BackImage.clear();
    // A missing or damaged image stops loading with the loader's one message.
    const struct {
        const char* file;
        std::string bytes;  // none: the file is missing
        const char* message;
    } cases[] = {
        {"image\\Event.png", "", "image\\Event.png(または.bmp) が見つかりません！"},
        {"image\\MapChip.png", "\x89PNG\r\n\x1A\n and then nothing of an image",
         "image\\MapChip.png が読み込めません！\nファイルが不正、もしくは対応していない形式です。"},
        {"image\\MapChip.png", "GIF89a", "image\\MapChip.png はpngファイルではありません！"},
    };
    for (const auto& c : cases) {
        const std::string aside = std::string(c.file) + ".off";
        ASSERT_TRUE(FileReplace(c.file, aside.c_str()));
        if (!c.bytes.empty()) WriteFileBytes(c.file, c.bytes);
        ScopedBoxes boxes;
        EXPECT_EQ(0, LoadProjectImages(0)) << c.file;
        FileReplace(aside.c_str(), c.file);
        EXPECT_EQ((std::vector<std::string>{c.message}), boxes.Texts()) << c.file;
    }
}
