// The system settings: defaults, the stored layout of every version that
// changed it, and the values derived on every load and save.
#include <cmath>

#include "model/action_counts.h"
#include "tests/model/records.h"
#include "tests/model/system_image.h"

namespace {

// The texts and the sixteen menus (in stored order) of a new project.
const std::vector<std::string>& NewProjectTexts() {
    static const std::vector<std::string> kTexts = {
        "威力",
        "命中率",
        "必殺率",
        "ダメージ",
        "行動回数",
        "ストック",
        "リザーブ",
        "セーブデータ",
        "Ｃキー：リスト切替",
        "Ｖキー：メインスキルへ",
        "Ｖキー：リザーブスキルへ",
        "ＡＳキー：キャラ切替",
        "Ｆキー：位置交換",
        "コ",
        "完全に復元させないと忘れられません！",
        "このスキルは忘れられません！",
        "ストックが一杯です！",
        "セーブする",
        "やっぱりやめる",
        "終了する",
        "やっぱりやめる",
        "コ持っています",
        "いくつ？",
        "在庫",
        "ランダム",
        "同キャラ対戦はできません！",
        "勝目！",
        "の勝利！",
        "Ｖキー：戦闘終了",
        "ステージに挑む",
        "やっぱりやめる",
        "リーダーがいません！",
        "ターン目",
        "■勝利条件",
        "■敗北条件",
        "■その他",
        "Ｚキー：ターゲットや目的地を表示",
        "開始する",
        "やっぱりやめる",
        "引き返す",
        "やっぱりやめる",
        "終了する",
        "やっぱりやめる",
        "リトライする",
        "やっぱりやめる",
        "クリアする",
        "やっぱりやめる",
        "何ターン目にする？",
        "終了する",
        "やっぱりやめる",
        "移動コスト",
        "移動不可",
        "を倒した！",
        "は死んでしまった……",
        "新しいスキルを覚えた！",
    };
    return kTexts;
}

const std::vector<std::vector<std::string>>& NewProjectMenus() {
    static const std::vector<std::vector<std::string>> kMenus = {
        {"初めから", "続きから", "オプション", "ゲーム終了"},
        {"BGM", "SE", "戻る"},
        {"ステータス", "ストック", "ショップ", "リーダー", "スカウト", "復活", "放出", "セーブ", "移動", "トレーニング",
         "コンフィグ", "ヘルプ", "ゲーム終了"},
        {"スキル", "雇う", "戻る"},
        {"スキル", "復活させる", "戻る"},
        {"放出する", "戻る"},
        {"難易度", "ウィンドウの色", "ウィンドウの明るさ", "ウィンドウの透過", "戻る"},
        {"買う", "売る", "出る"},
        {"戦闘開始", "エントリー１", "エントリー２", "地形", "必要勝利数", "トレーニング終了"},
        {"味方", "敵", "スキル", "戻る"},
        {"エントリー", "スキル", "戻る"},
        {"配置", "位置変更", "取り消し", "マップ", "ルール", "攻略開始", "引き返す"},
        {"特殊", "戦闘", "待機", "装備", "スキル", "ストック"},
        {"サーチ", "ルール", "ストック", "ターン終了"},
        {"このステージをリトライ", "このステージをクリア", "ターンスキップ", "コモン変数の確認", "ゲーム終了"},
        {"攻撃", "スキル", "クイック", "ストック"},
    };
    return kMenus;
}

Bytes& Ints(Bytes& b, std::initializer_list<int> values) {
    for (int v : values) b.I32(v);
    return b;
}
Bytes& Repeat(Bytes& b, int count, int value) {
    for (int i = 0; i < count; ++i) b.I32(value);
    return b;
}
Bytes& Doubles(Bytes& b, std::initializer_list<double> values) {
    for (double v : values) b.F64(v);
    return b;
}
Bytes& Menu(Bytes& b, const std::vector<std::string>& labels) {
    b.U32(static_cast<uint32_t>(labels.size()));
    for (const std::string& label : labels) b.Str(label).I32(1);
    return b;
}

// The new project's "System.dat" fields, as the default column of the
// record's field list gives them (numbered as that list counts them).
std::string NewSystemFields() {
    Bytes b;
    Ints(b, {0, 0, 0}).F64(0.0);                  // 1-4
    Ints(b, {1, 0, 0}).F64(0.0);                  // 5-8
    Ints(b, {1, 1, 0, 0, 0, 0, 0, 0, 0, 0});      // 9-18
    for (int i = 0; i < 9; ++i) b.F64(0.0);       // 19
    Repeat(b, 9, 100).I32(0);                     // 20, 21
    Doubles(b, {0.0, 0.0, 0.0});                  // 22-24
    Repeat(b, 2 + 15, 0);                         // 25-41
    Ints(b, {0, 27, 600, 500, 100, 100, 1, 10});  // 42-47
    Ints(b, {0, 1, 1, 10, 10, 99, 99});           // 48-51
    Doubles(b, {3.3, 2.7}).I32(1);                // 52, 53
    Doubles(b, {4.0, 2.0, 1.0, 1.0});             // 54-57
    Ints(b, {90, 110, 50, 1, 1, 999, 0, 0, 1});   // 58-66
    Repeat(b, 9, 10).I32(0);                      // 67, 68
    b.U8(0).U8(0).U8(0).I16(0).I16(0).I16(0);     // 69-74
    b.Str("").U32(18);                            // 75, 76
    for (int i = 0; i < 18; ++i) b.Str("");
    Repeat(b.U32(5), 5, 0).U32(5);  // 77, 78
    for (int i = 0; i < 5; ++i) b.U8(1);
    Repeat(b.I32(1).U32(4), 4, 1);  // 79, 80
    Ints(b, {0, 0, 0}).U32(55);     // 82-85
    for (const std::string& text : NewProjectTexts()) b.Str(text);
    const struct {
        const char* name;
        int digits, limit;
    } kParams[] = {{"HP", 3, 999},   {"SP", 3, 999},   {"攻撃", 3, 999}, {"守備", 3, 999},
                   {"魔力", 3, 999}, {"抵抗", 3, 999}, {"技能", 3, 999}, {"反応", 3, 999},
                   {"敏捷", 3, 999}, {"LV", 2, 99},    {"EX", 2, 99},    {"移動力", 1, 8}};
    b.U32(12);  // 86
    for (const auto& p : kParams) b.Str(p.name).I32(1).I32(p.digits).I32(p.limit);
    b.I32(1);                                                      // 87
    for (const auto& labels : NewProjectMenus()) Menu(b, labels);  // 88-103
    b.U32(2).I32(0).Str("").I32(0).Str("");                        // 104
    b.U32(1).I32(0).Str("").F64(1.0);                              // 105
    b.U32(0).I32(1);                                               // 106, 107
    const std::pair<const char*, int> kKeys[] = {{"WindowMode", 2},      {"Color", 0},   {"VSync", 2},
                                                 {"FrameRate", 60},      {"ShowFps", 2}, {"English", 0},
                                                 {"Midi_DirectMusic", 1}};
    b.U32(7);  // 108
    for (const auto& k : kKeys) b.I32(0).Str(k.first).I32(k.second).Str("");
    return b;
}

class SystemTest : public RecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        // Enough media that stored indices survive the derived clamps.
        g_Database.Backs.resize(200);
        g_Database.Bgms.resize(200);
    }
};

// The one pin of a new project's system settings: its texts, menus,
// parameters, keys and rule numbers.
TEST_F(SystemTest, NewRecordIsTheNewProjectsFile) {
    cSystem s;
    EXPECT_TRUE(SameBytes(NewSystemFields(), Saved(s)));
    EXPECT_EQ(s.Texts[13].size(), 2u) << "one double-byte character";
    EXPECT_STREQ(FontNameTable[FONT_MS_PGOTHIC], "ＭＳ Ｐゴシック");
    EXPECT_STREQ(FontNameTable[FONT_NAME_COUNT], "");
}

TEST_F(SystemTest, EveryVersionThatChangedTheLayoutIsReadFieldForField) {
    const int kVersions[] = {0,  7,  8,  9,  10, 11, 12, 22,  23,  32,  33,  43,  62,  63,  64,
                             66, 70, 81, 85, 89, 90, 91, 101, 104, 119, 122, 123, 124, 125, DATA_VERSION};
    for (int v : kVersions) {
        SCOPED_TRACE(v);
        SystemImage image;
        cSystem s;
        ASSERT_TRUE(ReadAs(s, v, image.Build(v)));
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
        EXPECT_EQ(s.SystemBgmLoop,
                  v >= 23 ? VECTOR_CLASS<unsigned char>({1, 0, 1, 0, 1}) : VECTOR_CLASS<unsigned char>(5, 1));
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
    ASSERT_TRUE(ReadAs(s, 100, image.Build(100)));
    const std::string written = Saved(s);
    cSystem back;
    // Read as the current version, which lacks field 81, every byte fits.
    ASSERT_TRUE(ReadAs(back, DATA_VERSION, written));
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
    ASSERT_TRUE(ReadAs(s, DATA_VERSION, image.Build(DATA_VERSION)));
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
    ASSERT_TRUE(ReadAs(s, DATA_VERSION, image.Build(DATA_VERSION)));
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
