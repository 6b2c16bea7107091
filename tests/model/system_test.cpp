// The system settings: defaults, the stored layout of every version that
// changed it, and the values derived on every load and save.
#include <cmath>

#include "model/action_counts.h"
#include "tests/model/records_support.h"
#include "tests/model/system_image.h"

namespace {

class SystemTest : public RecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        // Enough media that stored indices survive the derived clamps.
        g_Database.Backs.resize(200);
        g_Database.Bgms.resize(200);
    }
};

TEST_F(SystemTest, NewRecordHoldsTheDefaults) {
    cSystem s;
    ASSERT_EQ(s.Texts.size(), 55u);
    EXPECT_EQ(s.Texts[0], "威力");
    EXPECT_EQ(s.Texts[13], "コ");
    EXPECT_EQ(s.Texts[13].size(), 2u);  // one double-byte character
    EXPECT_EQ(s.Texts[11], "ＡＳキー：キャラ切替");
    EXPECT_EQ(s.Texts[54], "新しいスキルを覚えた！");
    for (int i : {18, 20, 30, 38, 40, 42, 44, 46, 49}) EXPECT_EQ(s.Texts[i], "やっぱりやめる") << i;
    for (int i : {19, 41, 48}) EXPECT_EQ(s.Texts[i], "終了する") << i;

    const int kMenuSizes[16] = {4, 3, 13, 3, 3, 2, 5, 3, 6, 4, 3, 7, 6, 4, 5, 4};
    for (int m = 0; m < SYSTEM_MENU_COUNT; ++m) {
        EXPECT_EQ(s.Menu(m).size(), static_cast<size_t>(kMenuSizes[m])) << m;
        for (const cCmd& c : s.Menu(m)) EXPECT_EQ(c.Enabled, 1);
    }
    EXPECT_EQ(Labels(s.TitleMenu), (std::vector<std::string>{"初めから", "続きから", "オプション", "ゲーム終了"}));
    EXPECT_EQ(s.FormationMenu[11].Label, "ヘルプ");
    EXPECT_EQ(s.MapTestMenu[4].Label, "ゲーム終了");
    EXPECT_EQ(s.BattleMenu[3].Label, "ストック");

    ASSERT_EQ(s.ParamInfo.size(), 12u);
    const char* kNames[12] = {"HP", "SP", "攻撃", "守備", "魔力", "抵抗", "技能", "反応", "敏捷", "LV", "EX", "移動力"};
    const int kLimits[12] = {999, 999, 999, 999, 999, 999, 999, 999, 999, 99, 99, 8};
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(s.ParamInfo[k].Name, kNames[k]);
        EXPECT_EQ(s.ParamInfo[k].Limit, kLimits[k]);
        EXPECT_EQ(s.ParamInfo[k].Digits, k < 9 ? 3 : k < 11 ? 2 : 1);
        EXPECT_EQ(s.ParamInfo[k].Shown, 1);
    }
    EXPECT_EQ(s.HpLimit, 999);
    EXPECT_DOUBLE_EQ(s.ReferenceActionCount[0], 3.3);
    EXPECT_DOUBLE_EQ(s.ReferenceActionCount[1], 2.7);

    ASSERT_EQ(s.IniKeys.size(), 7u);
    const char* kKeys[7] = {"WindowMode", "Color", "VSync", "FrameRate", "ShowFps", "English", "Midi_DirectMusic"};
    const int kValues[7] = {2, 0, 2, 60, 2, 0, 1};
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(s.IniKeys[k].Key, kKeys[k]);
        EXPECT_EQ(s.IniKeys[k].Default, kValues[k]);
        EXPECT_EQ(s.IniKeys[k].Type, 0);
    }
    EXPECT_EQ(s.Elements.size(), 2u);
    EXPECT_EQ(s.Categories.size(), 1u);
    EXPECT_EQ(s.SoundEffects.size(), 18u);
    EXPECT_EQ(s.SystemBgm, VECTOR_CLASS<int>(5, 0));
    EXPECT_EQ(s.SystemBgmLoop, VECTOR_CLASS<unsigned char>(5, 1));
    EXPECT_EQ(s.ForecastItems, VECTOR_CLASS<int>(4, 1));
    EXPECT_EQ(s.FormationBack, 1);
    EXPECT_EQ(s.EnemyStatRate[8] + s.EnemyStatIncrease[0], 110);
    EXPECT_EQ(s.ScoutEnabled + s.RandomGrowthScoutCap + s.RandomSenseScoutCap + s.TitleMenuImage, 4);
    EXPECT_EQ(s.BattleTime, 27);
    EXPECT_EQ(s.HitRateFactor, 4.0);
    EXPECT_EQ(s.DamageRateMax, 110);
    EXPECT_EQ(s.FontIndex, 0);
    EXPECT_STREQ(FontNameTable[FONT_MS_PGOTHIC], "ＭＳ Ｐゴシック");
    EXPECT_STREQ(FontNameTable[FONT_NAME_COUNT], "");
}

TEST_F(SystemTest, WrittenAndReadBackGivesAnEqualRecord) {
    cSystem s;
    s.GameName = "game";
    s.SystemBgmLoop[2] = 0;
    s.TransparentColor[2] = 255;
    cSystem back;
    back.Clear();
    back = RoundTrip(s);
    EXPECT_TRUE(back.Compare(s));
    // The stored file of the current version is exactly the image's layout.
    SystemImage image;
    cSystem fromImage;
    ASSERT_TRUE(LoadFields(fromImage, DATA_VERSION, image.Build(DATA_VERSION)));
    cSystem again = RoundTrip(fromImage);
    EXPECT_TRUE(again.Compare(fromImage));
}

TEST_F(SystemTest, ByteVectorsCompareByCountAndBytes) {
    cSystem a, b;
    b.SystemBgmLoop[4] = 0;
    EXPECT_FALSE(a.Compare(b));
    b.SystemBgmLoop[4] = 1;
    EXPECT_TRUE(a.Compare(b));
    b.SystemBgmLoop.push_back(1);
    EXPECT_FALSE(a.Compare(b));
}

TEST_F(SystemTest, EveryVersionThatChangedTheLayoutIsReadFieldForField) {
    const int kVersions[] = {0,  7,  8,  9,  10, 11, 12,  22,  23,  32,  33,  43,  62,  63, 64,
                             66, 70, 81, 85, 89, 90, 91, 101, 104, 119, 122, 123, 124, 125, DATA_VERSION};
    for (int v : kVersions) {
        SCOPED_TRACE(v);
        SystemImage image;
        cSystem s;
        ASSERT_TRUE(LoadFields(s, v, image.Build(v)));
        const cSystem d;
        EXPECT_EQ(s.HiddenFlag, 1);
        EXPECT_EQ(s.RandomGrowthScoutRate, 4.5);
        EXPECT_EQ(s.ScoutPartyVal, 11);
        EXPECT_EQ(s.GrowthTimingMin, v >= 70 ? 12 : -2);
        EXPECT_EQ(s.GrowthDistUnit, v >= 70 ? 14 : 2);
        EXPECT_EQ(s.SenseDistUnit, v >= 122 ? 15 : 1);
        EXPECT_EQ(s.RandomChangeCount, v >= 70 ? 18 : 10);
        EXPECT_EQ(s.StatRate[8], 27.5);
        EXPECT_EQ(s.EnemyStatRate[8], 208);
        EXPECT_EQ(s.ExDifficultyRate, v >= 89 ? 23.5 : 0.0);
        EXPECT_EQ(s.ExFinishRate, 24.5);
        EXPECT_EQ(s.ExMin, v >= 33 ? 25 : 1);
        EXPECT_EQ(s.ExMax, v >= 33 ? 26 : 9999);
        EXPECT_EQ(s.SkillSaleRate, 40);
        EXPECT_EQ(s.BattleMode, 41);
        EXPECT_EQ(s.TurnMode, v >= 101 ? 42 : 0);
        EXPECT_EQ(s.AgilityBase, 47);
        EXPECT_EQ(s.SimpleActionMax[1], v >= 101 ? 511 : 99);
        // Derived on load: the simple counts when the turn mode is not 0.
        double want[2];
        if (v >= 101) {
            want[0] = 490;
            want[1] = 491;
        } else {
            const int init[2] = {440, 441}, shares[2] = {450, 451};
            CalcActionCountsByTime(want, 43, init, shares, 46);
        }
        EXPECT_EQ(s.ReferenceActionCount[0], want[0]);
        EXPECT_EQ(s.ReferenceActionCount[1], want[1]);
        EXPECT_EQ(s.ShowActionOrder, v >= 123 ? 53 : 1);
        EXPECT_EQ(s.DamageDefenseFactor, 57.5);
        EXPECT_EQ(s.NoEvadeWhileGuarding, v >= 81 ? 62 : 1);
        EXPECT_EQ(s.HpLimit, v >= 9 ? 12345 : 999);  // always parameter 0's limit
        EXPECT_EQ(s.EnemyStatIncrease[0], 670);
        EXPECT_EQ(s.SpareInt, v >= 104 ? 68 : 0);
        EXPECT_EQ(s.TransparentColor[0], 69);
        EXPECT_EQ(s.TransparentColor[2], 71);
        EXPECT_EQ(s.WindowTransparency, v >= 85 ? 74 : 0);
        EXPECT_EQ(s.GameName, "game");
        EXPECT_EQ(s.SystemBgmLoop, v >= 23 ? VECTOR_CLASS<unsigned char>({1, 0, 1, 0, 1})
                                           : VECTOR_CLASS<unsigned char>(5, 1));
        EXPECT_EQ(s.ShowForecast, v >= 10 ? 79 : 1);
        EXPECT_EQ(s.ForecastItems, v >= 125 ? VECTOR_CLASS<int>({0, 1, 0, 1}) : VECTOR_CLASS<int>(4, 1));
        EXPECT_EQ(s.ShowTwoSkillLists, v >= 119 ? 82 : 1);
        EXPECT_EQ(s.FontIndex, v >= 91 ? 83 : FONT_MS_PGOTHIC);
        EXPECT_EQ(s.EvenCharSpacing, v >= 91 ? 84 : 0);
        EXPECT_EQ(s.Texts.size(), 55u);
        EXPECT_EQ(s.ParamInfo[11].Name, v >= 8 ? "P11" : "移動力");
        EXPECT_EQ(s.ParamInfo[11].Digits, v >= 9 ? 5 : v >= 8 ? 3 : 1);
        EXPECT_EQ(s.TitleMenuImage, v >= 11 ? 87 : 1);
        for (int m = 0; m < SYSTEM_MENU_COUNT; ++m) {
            // Menus the file lacks keep the defaults; read ones are padded to them.
            const bool read = SystemImage::HasMenu(v, m);
            EXPECT_EQ(s.Menu(m)[0].Label, read ? "M" + std::to_string(m) + "a" : d.Menu(m)[0].Label) << m;
            EXPECT_EQ(s.Menu(m).size(), d.Menu(m).size()) << m;
        }
        EXPECT_EQ(s.Elements[1].Name, "ice");
        EXPECT_EQ(s.Categories[0].dRate, v >= 122 ? 0.5 : 1.0);
        EXPECT_EQ(s.UnusedBacks.size(), v >= 64 ? 1u : 0u);
        EXPECT_EQ(s.FormationBack, v >= 66 ? 107 : 1);
        ASSERT_EQ(s.IniKeys.size(), 7u);
    }
}

TEST_F(SystemTest, FieldEightyOneIsNeverWritten) {
    SystemImage image;
    cSystem s;
    ASSERT_TRUE(LoadFields(s, 100, image.Build(100)));
    const std::string written = SavedFields(s);
    cSystem back;
    // Read as the current version, which lacks field 81, every byte fits.
    ASSERT_TRUE(LoadFields(back, DATA_VERSION, written));
    EXPECT_TRUE(back.Compare(s));
}

TEST_F(SystemTest, DerivedValuesOnEveryLoadAndSave) {
    cSystem s;
    s.TurnMode = 1;
    s.SimpleActionCount[0] = 3;
    s.SimpleActionCount[1] = 2;
    s.FormationBack = static_cast<int>(g_Database.Backs.size());
    s.SystemBgm = {0, 1, static_cast<int>(g_Database.Bgms.size()), -1, 199};
    s.ParamInfo[0].Limit = 123456;
    s.ParamInfo[3].Limit = 0;
    cSystem back = RoundTrip(s);  // Save derives before writing
    EXPECT_EQ(back.ReferenceActionCount[0], 3.0);
    EXPECT_EQ(back.ReferenceActionCount[1], 2.0);
    EXPECT_EQ(back.FormationBack, 1);
    EXPECT_EQ(back.SystemBgm, (VECTOR_CLASS<int>{0, 1, 0, 0, 199}));
    EXPECT_EQ(back.HpLimit, 123456);
    EXPECT_EQ(back.ParamInfo[0].Digits, 6);
    EXPECT_EQ(back.ParamInfo[3].Digits, 1);
}

TEST_F(SystemTest, LoadedListsArePaddedToWhatThePagesNeedKeepingWhatWasRead) {
    SystemImage image;
    image.texts = {"a", "b", "c"};
    image.sounds = {"x"};
    image.bgm = {};
    image.loops = {0};
    image.forecast = {};
    image.params = 2;
    image.keys = {{"Own", 9}};
    image.menus.assign(16, {"only"});
    cSystem s;
    ASSERT_TRUE(LoadFields(s, DATA_VERSION, image.Build(DATA_VERSION)));
    ASSERT_EQ(s.Texts.size(), 55u);
    EXPECT_EQ(s.Texts[2], "c");
    EXPECT_EQ(s.Texts[3], NewProjectTexts()[3]);
    EXPECT_EQ(s.Texts[54], NewProjectTexts()[54]);
    ASSERT_EQ(s.ParamInfo.size(), 12u);
    EXPECT_EQ(s.ParamInfo[1].Name, "P1");
    EXPECT_EQ(s.ParamInfo[2].Name, "攻撃");
    EXPECT_EQ(s.ParamInfo[11].Limit, 8);
    ASSERT_EQ(s.IniKeys.size(), 7u);
    EXPECT_EQ(s.IniKeys[0].Key, "Own");
    EXPECT_EQ(s.IniKeys[6].Key, "Midi_DirectMusic");
    for (int m = 0; m < SYSTEM_MENU_COUNT; ++m) {
        ASSERT_EQ(s.Menu(m).size(), NewProjectMenus()[m].size()) << m;
        EXPECT_EQ(s.Menu(m)[0].Label, "only");
        EXPECT_EQ(s.Menu(m)[0].Enabled, 0);
        EXPECT_EQ(s.Menu(m).back().Label, NewProjectMenus()[m].back());
        EXPECT_EQ(s.Menu(m).back().Enabled, 1);
    }
    EXPECT_EQ(s.SoundEffects.size(), 18u);
    EXPECT_EQ(s.SoundEffects[0], "x");
    EXPECT_EQ(s.SystemBgm, VECTOR_CLASS<int>(5, 0));
    EXPECT_EQ(s.SystemBgmLoop, (VECTOR_CLASS<unsigned char>{0, 1, 1, 1, 1}));
    EXPECT_EQ(s.ForecastItems, VECTOR_CLASS<int>(4, 1));

    // Longer lists keep every entry.
    image = SystemImage();
    image.texts.resize(60, "extra");
    image.menus.assign(16, std::vector<std::string>(14, "m"));
    ASSERT_TRUE(LoadFields(s, DATA_VERSION, image.Build(DATA_VERSION)));
    EXPECT_EQ(s.Texts.size(), 60u);
    EXPECT_EQ(s.BattleMenu.size(), 14u);
}

TEST_F(SystemTest, EmptyElementListGetsItsPlaceholder) {
    cSystem s;
    s.Elements.clear();
    cSystem back = RoundTrip(s);
    EXPECT_EQ(back.Elements.size(), 1u);
}

}  // namespace
