// What a new project's system settings hold: the rule numbers, the twelve
// parameters, the labels of the sixteen game menus, the fifty-five fixed game
// texts and the seven "System.ini" keys.
#include "model/action_counts.h"
#include "model/system.h"

namespace {

// clang-format off
const char* const kTexts[] = {
    // effect prediction window
    "威力", "命中率", "必殺率", "ダメージ", "行動回数",
    // skill screens
    "ストック", "リザーブ", "セーブデータ", "Ｃキー：リスト切替", "Ｖキー：メインスキルへ",
    "Ｖキー：リザーブスキルへ", "ＡＳキー：キャラ切替", "Ｆキー：位置交換", "コ",
    "完全に復元させないと忘れられません！", "このスキルは忘れられません！", "ストックが一杯です！",
    // save and quit confirmations
    "セーブする", "やっぱりやめる", "終了する", "やっぱりやめる",
    // shop
    "コ持っています", "いくつ？", "在庫",
    // training
    "ランダム", "同キャラ対戦はできません！", "勝目！", "の勝利！", "Ｖキー：戦闘終了",
    // world-map play confirmation
    "ステージに挑む", "やっぱりやめる", "リーダーがいません！",
    // rule display
    "ターン目", "■勝利条件", "■敗北条件", "■その他", "Ｚキー：ターゲットや目的地を表示",
    // stage-map confirmations
    "開始する", "やっぱりやめる", "引き返す", "やっぱりやめる", "終了する", "やっぱりやめる",
    "リトライする", "やっぱりやめる", "クリアする", "やっぱりやめる", "何ターン目にする？", "終了する",
    "やっぱりやめる",
    // terrain information
    "移動コスト", "移動不可",
    // battle messages
    "を倒した！", "は死んでしまった……", "新しいスキルを覚えた！",
};
// clang-format on
static_assert(sizeof(kTexts) / sizeof(kTexts[0]) == SYSTEM_TEXT_COUNT, "one default per text");

struct MenuDefault {
    int count;
    const char* labels[13];
};

// In the order of cSystem::Menu.
const MenuDefault kMenus[SYSTEM_MENU_COUNT] = {
    {4, {"初めから", "続きから", "オプション", "ゲーム終了"}},
    {3, {"BGM", "SE", "戻る"}},
    {13,
     {"ステータス", "ストック", "ショップ", "リーダー", "スカウト", "復活", "放出", "セーブ", "移動", "トレーニング",
      "コンフィグ", "ヘルプ", "ゲーム終了"}},
    {3, {"スキル", "雇う", "戻る"}},
    {3, {"スキル", "復活させる", "戻る"}},
    {2, {"放出する", "戻る"}},
    {5, {"難易度", "ウィンドウの色", "ウィンドウの明るさ", "ウィンドウの透過", "戻る"}},
    {3, {"買う", "売る", "出る"}},
    {6, {"戦闘開始", "エントリー１", "エントリー２", "地形", "必要勝利数", "トレーニング終了"}},
    {4, {"味方", "敵", "スキル", "戻る"}},
    {3, {"エントリー", "スキル", "戻る"}},
    {7, {"配置", "位置変更", "取り消し", "マップ", "ルール", "攻略開始", "引き返す"}},
    {6, {"特殊", "戦闘", "待機", "装備", "スキル", "ストック"}},
    {4, {"サーチ", "ルール", "ストック", "ターン終了"}},
    {5, {"このステージをリトライ", "このステージをクリア", "ターンスキップ", "コモン変数の確認", "ゲーム終了"}},
    {4, {"攻撃", "スキル", "クイック", "ストック"}},
};

struct ParamDefault {
    const char* name;
    int limit;
};

const ParamDefault kParams[SYSTEM_PARAM_COUNT] = {
    {"HP", 999},   {"SP", 999},   {"攻撃", 999}, {"守備", 999}, {"魔力", 999}, {"抵抗", 999},
    {"技能", 999}, {"反応", 999}, {"敏捷", 999}, {"LV", 99},    {"EX", 99},    {"移動力", 8},
};

struct IniDefault {
    const char* key;
    int value;
};

const IniDefault kIniKeys[SYSTEM_INI_COUNT] = {
    {"WindowMode", 2},       {"Color", 0}, {"VSync", 2}, {"FrameRate", 60}, {"ShowFps", 2}, {"English", 0},
    {"Midi_DirectMusic", 1},
};

void Fill(int* values, int count, int value) {
    for (int i = 0; i < count; ++i) values[i] = value;
}

void SetPair(int* pair, int attacker, int interceptor) {
    pair[0] = attacker;
    pair[1] = interceptor;
}

// Grows `menu` to the default size of menu `index`, keeping its entries.
void PadMenu(VECTOR_CLASS<cCmd>& menu, int index) {
    for (int k = static_cast<int>(menu.size()); k < kMenus[index].count; ++k)
        menu.emplace_back(kMenus[index].labels[k]);
}

}  // namespace

const char* DefaultSystemText(int index) {
    return static_cast<unsigned>(index) < SYSTEM_TEXT_COUNT ? kTexts[index] : "";
}

int DefaultMenuSize(int menu) { return static_cast<unsigned>(menu) < SYSTEM_MENU_COUNT ? kMenus[menu].count : 0; }

const char* DefaultMenuLabel(int menu, int entry) {
    if (static_cast<unsigned>(entry) >= static_cast<unsigned>(DefaultMenuSize(menu))) return "";
    return kMenus[menu].labels[entry];
}

void SetDefaultParam(cParamInfo& param, int index) {
    param = cParamInfo();
    if (static_cast<unsigned>(index) >= SYSTEM_PARAM_COUNT) return;
    param.Name = kParams[index].name;
    param.Limit = kParams[index].limit;
    param.Digits = CountDigits(param.Limit);
}

void SetDefaultIniKey(cIni& key, int index) {
    key = cIni();
    if (static_cast<unsigned>(index) < SYSTEM_INI_COUNT) key.Set(kIniKeys[index].key, kIniKeys[index].value);
}

void cSystem::SetDefault() {
    Clear();
    RandomGrowthScoutCap = 1;
    RandomSenseScoutCap = 1;
    ScoutEnabled = 1;
    BattleMode = 0;
    TurnMode = 0;
    BattleTime = 27;
    SetPair(InitialActionValue, 600, 500);
    SetPair(AgilityRate, 100, 100);
    NoInterceptBeforeAttack = 1;
    AgilityBase = 10;
    ActionOrderType = 0;
    SetPair(SimpleActionCount, 1, 1);
    SetPair(SimpleAgilityStep, 10, 10);
    SetPair(SimpleActionMax, 99, 99);
    CalcActionCountsByTime(ReferenceActionCount, BattleTime, InitialActionValue, AgilityRate, NoInterceptBeforeAttack);

    ShowActionOrder = 1;
    HitRateFactor = 4.0;
    CriticalRateFactor = 2.0;
    DamageAttackFactor = 1.0;
    DamageDefenseFactor = 1.0;
    DamageRateMin = 90;
    DamageRateMax = 110;
    BattleHealRate = 50;
    NoCostOnMiss = 1;
    NoEvadeWhileGuarding = 1;
    Fill(EnemyStatRate, 9, 100);
    DifficultyInitial = 0;
    DifficultyPercent = 1;
    Fill(EnemyStatIncrease, 9, 10);
    FormationBack = 1;

    ParamInfo.resize(SYSTEM_PARAM_COUNT);
    for (int k = 0; k < SYSTEM_PARAM_COUNT; ++k) SetDefaultParam(ParamInfo[k], k);
    UpdateParamDigits();

    ShowForecast = 1;
    ForecastItems.assign(SYSTEM_FORECAST_COUNT, 1);
    TitleMenuImage = 1;
    for (int m = 0; m < SYSTEM_MENU_COUNT; ++m) PadMenu(Menu(m), m);
    Texts.assign(kTexts, kTexts + SYSTEM_TEXT_COUNT);
    Elements.resize(2);
    Categories.resize(1);
    SoundEffects.assign(SYSTEM_SOUND_COUNT, std::string());
    SystemBgm.assign(SYSTEM_BGM_COUNT, 0);
    SystemBgmLoop.assign(SYSTEM_BGM_COUNT, 1);
    WindowHue = WindowBrightness = WindowTransparency = 0;

    IniKeys.resize(SYSTEM_INI_COUNT);
    for (int k = 0; k < SYSTEM_INI_COUNT; ++k) SetDefaultIniKey(IniKeys[k], k);
}

void cSystem::PadToRequiredSizes() {
    for (size_t k = Texts.size(); k < SYSTEM_TEXT_COUNT; ++k) Texts.push_back(kTexts[k]);
    for (size_t k = ParamInfo.size(); k < SYSTEM_PARAM_COUNT; ++k) {
        ParamInfo.emplace_back();
        SetDefaultParam(ParamInfo.back(), static_cast<int>(k));
    }
    for (size_t k = IniKeys.size(); k < SYSTEM_INI_COUNT; ++k) {
        IniKeys.emplace_back();
        SetDefaultIniKey(IniKeys.back(), static_cast<int>(k));
    }
    for (int m = 0; m < SYSTEM_MENU_COUNT; ++m) PadMenu(Menu(m), m);
    if (SoundEffects.size() < SYSTEM_SOUND_COUNT) SoundEffects.resize(SYSTEM_SOUND_COUNT);
    if (SystemBgm.size() < SYSTEM_BGM_COUNT) SystemBgm.resize(SYSTEM_BGM_COUNT, 0);
    if (SystemBgmLoop.size() < SYSTEM_BGM_COUNT) SystemBgmLoop.resize(SYSTEM_BGM_COUNT, 1);
    if (ForecastItems.size() < SYSTEM_FORECAST_COUNT) ForecastItems.resize(SYSTEM_FORECAST_COUNT, 1);
    if (Elements.empty()) Elements.resize(1);  // entry 0 stands for "no element"
}
