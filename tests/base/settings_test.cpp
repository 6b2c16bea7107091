// The editor and test-play settings files, in today's layout and the old ones.
#include <gtest/gtest.h>

#include "base/editor_settings.h"
#include "tests/support/bytes.h"
#include "tests/support/seams.h"
#include "tests/support/settings_files.h"

namespace {

// The seven window records as a fresh settings record stores them.
Bytes& FreshWindows(Bytes& b) {
    for (int i = 0; i < 7; ++i) b.I32(0).I32(0).I32(0).I32(0).I32(0).I32(1);
    return b;
}

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { g_nDataVersion = DATA_VERSION; }
    ScratchFolder m_folder{"settings_test"};
};

TEST_F(SettingsTest, AFreshEditConfigIsStoredAsDefaults) {
    cEditConfig config;
    ASSERT_EQ(1, config.SaveFile("EditConfig.dat"));
    Bytes expected;
    expected.U32(270)
        .Str("")
        .I32(0)
        .I32(3)
        .I32(1)
        .I32(1)
        .I32(1)
        .I32(1)
        .I32(1)
        .I32(1)
        .Str("")
        .Str("data\\stg\\Default.stg2")
        .Str("")
        .I32(0);
    FreshWindows(expected);
    EXPECT_EQ(Hex(expected), Hex(ReadFileBytes("EditConfig.dat")));
}

TEST_F(SettingsTest, EveryEditConfigLayoutLoadsIntoTheSameFields) {
    const struct {
        uint32_t version;
        const char* lastStage;
        int spareInt;
        const char* defaultStage;
    } cases[] = {
        {270, "data\\stg\\a.stg", 26, "data\\stg\\Base.stg"},   {106, "data\\stg\\a.stg", 26, "data\\stg\\Base.stg"},
        {105, "data\\stg\\a.stg2", 26, "data\\stg\\Base.stg2"}, {76, "data\\stg\\a.stg2", 26, "data\\stg\\Base.stg2"},
        {73, "data\\stg\\a.stg2", 26, "data\\stg\\Base.stg2"},  {25, "data\\stg\\a.stg2", -1, "data\\stg\\Base.stg2"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteFileBytes("EditConfig.dat", EditConfigFile(c.version, "data\\stg\\a.stg")));
        cEditConfig config;
        config.SpareInt = -1;
        ASSERT_EQ(1, config.LoadFile("EditConfig.dat")) << c.version;
        EXPECT_EQ(c.lastStage, config.LastStage) << c.version;
        EXPECT_EQ(2, config.EditLayer) << c.version;
        EXPECT_EQ(5, config.UndoDepth) << c.version;
        EXPECT_EQ(0, config.StageEditIfPlaced) << c.version;
        EXPECT_EQ(1, config.StageEditBeforePlace) << c.version;
        EXPECT_EQ(0, config.EditIfPlaced) << c.version;
        EXPECT_EQ(1, config.EditBeforePlace) << c.version;
        EXPECT_EQ(0, config.AutoNumber) << c.version;
        EXPECT_EQ(0, config.OldUseDefaultGame) << c.version;
        EXPECT_EQ("game.exe", config.OldGamePath) << c.version;
        EXPECT_EQ(c.defaultStage, config.DefaultStage) << c.version;
        EXPECT_EQ("spare", config.SpareText) << c.version;
        EXPECT_EQ(c.spareInt, config.SpareInt) << c.version;
        for (int i = 0; i < cEditConfig::WND_COUNT; ++i) {
            EXPECT_EQ(10 * i, config.Wnd(i).X) << c.version;
            EXPECT_EQ(300, config.Wnd(i).Width) << c.version;
            EXPECT_EQ(i, config.Wnd(i).Sixth) << c.version;
        }
        EXPECT_EQ(60, config.EventPaletteWnd.X);
    }
}

TEST_F(SettingsTest, OnlyTheFileNamesExtensionChanges) {
    const struct {
        const char* stored;
        const char* loaded;
    } cases[] = {
        {"data\\stg\\a.stg", "data\\stg\\a.stg2"},
        {"a", "a"},
        {"data\\stg.old\\a", "data\\stg.old\\a"},
        {"", ""},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteFileBytes("EditConfig.dat", EditConfigFile(100, c.stored)));
        cEditConfig config;
        ASSERT_EQ(1, config.LoadFile("EditConfig.dat"));
        EXPECT_EQ(c.loaded, config.LastStage) << c.stored;
    }
}

TEST_F(SettingsTest, WindowsAreKeptOnTheScreen) {
    int width, height;
    GetFullScreenSize(&width, &height);
    const struct {
        int x, y, loadedX, loadedY;
    } cases[] = {{-50, 5000, 0, height}, {10, 20, 10, 20}, {width + 1, -1, width, 0}};
    for (const auto& c : cases) {
        cEditConfig config;
        config.ChipWnd.Set(c.x, c.y, -5, 99999);
        ASSERT_EQ(1, config.SaveFile("EditConfig.dat"));
        cEditConfig loaded;
        ASSERT_EQ(1, loaded.LoadFile("EditConfig.dat"));
        EXPECT_EQ(1, loaded.ChipWnd.Valid);
        EXPECT_EQ(c.loadedX, loaded.ChipWnd.X);
        EXPECT_EQ(c.loadedY, loaded.ChipWnd.Y);
        EXPECT_EQ(-5, loaded.ChipWnd.Width) << "sizes are not clamped";
        EXPECT_EQ(99999, loaded.ChipWnd.Height);
    }
}

TEST_F(SettingsTest, ACutEditConfigChangesNothing) {
    const std::string good = EditConfigFile(270, "data\\stg\\a.stg2");
    cEditConfig fresh;
    for (size_t cut : {good.size() - 1, good.size() - 24, size_t{40}, size_t{4}}) {
        ASSERT_TRUE(WriteFileBytes("EditConfig.dat", good.substr(0, cut)));
        cEditConfig config;
        EXPECT_EQ(0, config.LoadFile("EditConfig.dat")) << cut;
        EXPECT_EQ(1, config.Compare(fresh)) << cut;
        EXPECT_EQ(0, config.EventPaletteWnd.Valid) << cut;
        EXPECT_EQ(0, config.MainWnd.Valid) << cut;
    }
}

TEST_F(SettingsTest, TestPlayLayouts) {
    cTestPlay fresh;
    EXPECT_EQ(1, fresh.AutoFind);
    EXPECT_EQ(2, fresh.Training);
    ASSERT_EQ(1, fresh.SaveFile("Testplay.dat"));
    EXPECT_EQ(Hex(Bytes().U32(270).I32(1).Str("").I32(0).I32(0).I32(0).I32(0).I32(2)),
              Hex(ReadFileBytes("Testplay.dat")));

    ASSERT_TRUE(WriteFileBytes("Testplay.dat", TestPlayFile(220)));
    cTestPlay old;
    old.GamePath = "kept.exe";
    old.AutoFind = 0;
    ASSERT_EQ(1, old.LoadFile("Testplay.dat"));
    EXPECT_EQ(0, old.AutoFind);
    EXPECT_EQ("kept.exe", old.GamePath);
    EXPECT_EQ(1, old.NoRandomGrowth);
    EXPECT_EQ(1, old.NoRandomSense);
    EXPECT_EQ(2, old.RandomSkill);
    EXPECT_EQ(3, old.SkillLevel);
    EXPECT_EQ(0, old.Training);

    ASSERT_TRUE(
        WriteFileBytes("Testplay.dat", Bytes().U32(221).I32(0).Str("g.exe").I32(0).I32(1).I32(0).I32(1).I32(1)));
    cTestPlay current;
    ASSERT_EQ(1, current.LoadFile("Testplay.dat"));
    EXPECT_EQ(0, current.AutoFind);
    EXPECT_EQ("g.exe", current.GamePath);
    EXPECT_EQ(1, current.Training);
}

TEST_F(SettingsTest, Clamp) {
    const struct {
        int value, low, high, result;
    } cases[] = {{5, 0, 10, 5}, {-1, 0, 10, 0}, {11, 0, 10, 10}, {-5, -10, -1, -5}};
    for (const auto& c : cases) {
        int value = c.value;
        EXPECT_EQ(c.result, Clamp(value, c.low, c.high));
        EXPECT_EQ(c.result, value);
    }
}

}  // namespace
