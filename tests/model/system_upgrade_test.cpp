// The upgrade of older "System.dat" files: every later text, menu entry and
// key lands where the current layout has it.
#include <vector>

#include "tests/model/records.h"
#include "tests/model/system_image.h"

namespace {

using Strings = std::vector<std::string>;

struct TextInsert {
    int below;  // applies to files older than this version
    int index;
    const char* text;
};

// The text inserts, in the order the upgrade runs them.
const TextInsert kTextInserts[] = {
    {13, 0, "威力"},
    {31, 3, "ストック"},
    {31, 4, "リザーブ"},
    {31, 5, "セーブデータ"},
    {31, 9, "ＡＳキー：キャラの切替"},
    {31, 11, "完全に復元させないと忘れられません！"},
    {31, 12, "このスキルは忘れられません！"},
    {31, 13, "ストックが一杯です！"},
    {43, 38, "リトライする"},
    {43, 39, "やっぱりやめる"},
    {43, 40, "クリアする"},
    {43, 41, "やっぱりやめる"},
    {43, 42, "何ターン目にする？"},
    {55, 20, "在庫"},
    {72, 44, "終了する"},
    {72, 45, "やっぱりやめる"},
    {76, 22, "同キャラ対戦はできません！"},
    {115, 10, "Ｆキー：位置交換"},
    {117, 3, "行動回数"},
    {125, 2, "必殺率"},
};

// The current layout, as a new record holds it (pinned by the system test).
Strings DefaultTexts() {
    const cSystem fresh;
    return Strings(fresh.Texts.begin(), fresh.Texts.end());
}

cSystem LoadImage(int version, const SystemImage& image) {
    cSystem s;
    EXPECT_TRUE(ReadAs(s, version, image.Build(version)));
    return s;
}

class SystemUpgradeTest : public RecordsTest {};

TEST_F(SystemUpgradeTest, OldTextListsEndInTheCurrentLayout) {
    const int kVersions[] = {0, 12, 13, 30, 31, 42, 43, 54, 55, 71, 72, 75, 76, 114, 115, 116, 117, 124, 125, 200, 269};
    for (int v : kVersions) {
        SCOPED_TRACE(v);
        // What the current layout becomes for a file of v; the file then held
        // the list without the texts that came later.
        Strings want = DefaultTexts();
        if (v < 31) want[11] = "ＡＳキー：キャラの切替";  // the old wording stays
        Strings stored = want;
        for (int i = static_cast<int>(sizeof(kTextInserts) / sizeof(kTextInserts[0])) - 1; i >= 0; --i)
            if (v < kTextInserts[i].below) stored.erase(stored.begin() + kTextInserts[i].index);
        SystemImage image;
        image.texts = stored;
        cSystem s = LoadImage(v, image);
        EXPECT_EQ(Strings(s.Texts.begin(), s.Texts.end()), want);
    }
}

TEST_F(SystemUpgradeTest, TextListsAreCutOnlyForOlderFiles) {
    SystemImage image;
    image.texts.assign(60, "t");
    EXPECT_EQ(LoadImage(269, image).Texts.size(), 55u);
    EXPECT_EQ(LoadImage(DATA_VERSION, image).Texts.size(), 60u);
}

TEST_F(SystemUpgradeTest, SoundEffectNamesGainTheirEmptySlots) {
    struct Case {
        int version;
        int stored;
        Strings want;
    };
    auto names = [](int from, int to) {
        Strings s;
        for (int i = from; i <= to; ++i) s.push_back("s" + std::to_string(i));
        return s;
    };
    auto join = [](std::initializer_list<Strings> parts) {
        Strings all;
        for (const Strings& p : parts) all.insert(all.end(), p.begin(), p.end());
        return all;
    };
    const Case kCases[] = {
        {96, 16, join({names(0, 6), {""}, names(7, 12), {""}, names(13, 15)})},
        {127, 17, join({names(0, 6), {""}, names(7, 16)})},
        {21, 10, join({names(0, 6), {""}, names(7, 9), Strings(7, "")})},
        {128, 18, names(0, 17)},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.version);
        SystemImage image;
        image.sounds = names(0, c.stored - 1);
        cSystem s = LoadImage(c.version, image);
        EXPECT_EQ(Strings(s.SoundEffects.begin(), s.SoundEffects.end()), c.want);
    }
}

TEST_F(SystemUpgradeTest, FormationMenuGainsConfigAndADisabledHelp) {
    Strings old;
    for (int i = 0; i < 12; ++i) old.push_back("f" + std::to_string(i));
    SystemImage image;
    image.menus.assign(16, {"x"});
    image.menus[2] = old;

    cSystem s = LoadImage(211, image);
    Strings want = old;
    want.insert(want.begin() + 11, "ヘルプ");
    EXPECT_EQ(Labels(s.FormationMenu), want);
    EXPECT_EQ(s.FormationMenu[11].Enabled, 0);
    EXPECT_EQ(s.FormationMenu[12].Enabled, 0);  // the stored flag of the old entry 11

    s = LoadImage(62, image);
    want[10] = "コンフィグ";
    EXPECT_EQ(Labels(s.FormationMenu), want);

    // A formation menu too short for the renaming is padded instead.
    image.menus[2] = {"a", "b"};
    s = LoadImage(62, image);
    EXPECT_EQ(s.FormationMenu.size(), 13u);
    EXPECT_EQ(s.FormationMenu[11].Label, "ヘルプ");
    EXPECT_TRUE(ScopedMainWindow::Actions().empty());

    EXPECT_EQ(Labels(LoadImage(212, image).FormationMenu)[11], "ヘルプ");  // padded with the default
    EXPECT_EQ(LoadImage(212, image).FormationMenu[11].Enabled, 1);
}

TEST_F(SystemUpgradeTest, StageMapTestMenuGainsGameEnd) {
    SystemImage image;
    image.menus.assign(16, {"x"});
    image.menus[14] = {"t0", "t1", "t2", "t3"};
    EXPECT_EQ(Labels(LoadImage(71, image).MapTestMenu), (Strings{"t0", "t1", "t2", "t3", "ゲーム終了"}));
    EXPECT_EQ(LoadImage(71, image).MapTestMenu[4].Enabled, 1);
    image.menus[14] = {"t0", "t1", "t2", "t3", "t4", "t5"};
    EXPECT_EQ(Labels(LoadImage(71, image).MapTestMenu), (Strings{"t0", "t1", "t2", "t3", "ゲーム終了"}));
    EXPECT_EQ(Labels(LoadImage(72, image).MapTestMenu), image.menus[14]);
}

TEST_F(SystemUpgradeTest, IniKeysArriveOneStepAtATime) {
    struct Case {
        int version;
        std::vector<std::pair<std::string, int>> stored;
        Strings want;
    };
    const Strings kAll = {"WindowMode", "Color", "VSync", "FrameRate", "ShowFps", "English", "Midi_DirectMusic"};
    const std::vector<std::pair<std::string, int>> kOwn = {{"A", 1}, {"B", 2}, {"C", 3}, {"D", 4},
                                                           {"E", 5}, {"F", 6}, {"G", 7}};
    const Case kCases[] = {
        {92, {{"A", 1}, {"B", 2}, {"C", 3}}, kAll},
        {122, kOwn, {"A", "B", "C", "D", "E", "English", "Midi_DirectMusic"}},
        {240, kOwn, {"A", "B", "C", "D", "E", "F", "Midi_DirectMusic"}},
        {241, kOwn, {"A", "B", "C", "D", "E", "F", "G"}},
        {269, kOwn, {"A", "B", "C", "D", "E", "F", "G"}},
        {DATA_VERSION, {{"A", 1}}, {"A", "Color", "VSync", "FrameRate", "ShowFps", "English", "Midi_DirectMusic"}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.version);
        SystemImage image;
        image.keys = c.stored;
        cSystem s = LoadImage(c.version, image);
        Strings keys;
        for (const cIni& k : s.IniKeys) keys.push_back(k.Key);
        EXPECT_EQ(keys, c.want);
        EXPECT_EQ(s.IniKeys[3].Default, c.want[3] == "FrameRate" ? 60 : 4);
    }
}

TEST_F(SystemUpgradeTest, OldBgmListsAreSizedToFive) {
    SystemImage image;
    image.bgm = {7, 8};
    image.loops = {0, 1};
    cSystem s = LoadImage(91, image);
    EXPECT_EQ(s.SystemBgm, (VECTOR_CLASS<int>{0, 0, 0, 0, 0}));  // 7 and 8 are no BGM of the two
    g_Database.Bgms.resize(10);
    s = LoadImage(91, image);
    EXPECT_EQ(s.SystemBgm, (VECTOR_CLASS<int>{7, 8, 0, 0, 0}));
    EXPECT_EQ(s.SystemBgmLoop, (VECTOR_CLASS<unsigned char>{0, 1, 0, 0, 0}));
    s = LoadImage(22, image);  // no loop flags stored yet: all on
    EXPECT_EQ(s.SystemBgmLoop, (VECTOR_CLASS<unsigned char>{1, 1, 1, 1, 1}));
}

TEST_F(SystemUpgradeTest, OldParameterListsAreSizedToTwelve) {
    SystemImage image;
    image.params = 9;
    cSystem s = LoadImage(104, image);
    ASSERT_EQ(s.ParamInfo.size(), 12u);
    EXPECT_EQ(s.ParamInfo[8].Name, "P8");
    // The upgrade adds plain parameters; they are not named.
    EXPECT_EQ(s.ParamInfo[9].Name, "");
    EXPECT_EQ(s.ParamInfo[9].Limit, 999);
}

}  // namespace
