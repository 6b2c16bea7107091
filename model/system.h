// The system settings ("data\database\System.dat"): the game-wide rules, the
// character parameters, the labels of every game menu, the game's fixed
// texts, the elements, the system media and the "System.ini" keys.
#pragma once

#include <string>

#include "base/serial.h"
#include "model/fixup_inputs.h"
#include "model/skill.h"

// One element (attribute kind).
class cElem : public cSerial {
public:
    int Param = 0;  // kept with the element; no dialog sets it
    std::string Name;

    int Serial(int op, cSerial* other, HANDLE file, int version) override;
};

// One character parameter: entry k of the list belongs to stat k (HP .. 敏捷),
// then LV, EX and 移動力.
class cParamInfo : public cSerial {
public:
    std::string Name;
    int Shown = 1;
    int Digits = 3;   // decimal digits of Limit, kept up to date by cSystem
    int Limit = 999;  // (9)

    int Serial(int op, cSerial* other, HANDLE file, int version) override;
};

// One key of "System.ini" with the value the game takes when it is missing.
class cIni : public cSerial {
public:
    int Type = 0;  // 0 numeric
    std::string Key;
    int Default = 0;
    std::string Comment;

    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    void Set(const char* key, int value);
};

// Kept only so that files holding it are written back unchanged.
class cEdBack_Unused : public cSerial {
public:
    int nValue = 0;
    double dX = 0.0;
    double dY = 0.0;

    int Serial(int op, cSerial* other, HANDLE file, int version) override;
};

// Sizes the system pages and the game rely on; a loaded record is padded to
// them with the defaults.
enum {
    SYSTEM_TEXT_COUNT = 55,
    SYSTEM_PARAM_COUNT = 12,
    SYSTEM_INI_COUNT = 7,
    SYSTEM_MENU_COUNT = 16,
    SYSTEM_SOUND_COUNT = 18,
    SYSTEM_BGM_COUNT = 5,
    SYSTEM_FORECAST_COUNT = 4,
};

// Font faces of the game's font (cSystem::FontIndex is a row), ended by "".
extern const char* const FontNameTable[];
enum { FONT_NAME_COUNT = 122, FONT_MS_PGOTHIC = 60 };

class cSystem : public cSerial {
public:
    // The gate or range of versions that holds a field is noted as (n).
    int HiddenFlag = 0;  // no page shows it
    int RandomGrowthMin = 0;
    int RandomGrowthMax = 0;
    double RandomGrowthScoutRate = 0.0;
    int RandomGrowthScoutCap = 0;
    int RandomSenseMin = 0;
    int RandomSenseMax = 0;
    double RandomSenseScoutRate = 0.0;
    int RandomSenseScoutCap = 0;
    int ScoutEnabled = 0;
    int ScoutPartyVal = 0;
    int GrowthTimingMin = 0;      // -10 early .. 10 late (70)
    int GrowthTimingMax = 0;      // (70)
    int GrowthDistUnit = 0;       // (70)
    int SenseDistUnit = 0;        // (122)
    int RandomChangeEnabled = 0;  // (70)
    int RandomChangeAmount = 0;   // (70)
    int RandomChangeCount = 0;    // (70)
    double StatRate[9] = {};
    int EnemyStatRate[9] = {};  // % of the class's stats
    int BaseEx = 0;  // EX = (BaseEx + level difference × ExLevelRate) × (1 + difficulty × ExDifficultyRate)
    double ExLevelRate = 0.0;
    double ExDifficultyRate = 0.0;  // (89)
    double ExFinishRate = 0.0;
    int ExMin = 0;  // (33)
    int ExMax = 0;  // (33)
    int ActAgainOnKill = 0;
    int AutoTurnEnd = 0;
    int MoneyPartyVal = 0;
    int HirePartyVal = 0;
    int HireCost = 0;
    int HireCostPerLevel = 0;
    int ReviveAfterClear = 0;
    int RevivePartyVal = 0;
    int ReviveCost = 0;
    int ReviveCostPerLevel = 0;
    int ReleasePartyVal = 0;
    int ReleasePrice = 0;
    int ReleasePricePerLevel = 0;
    int SkillSaleRate = 0;
    int BattleMode = 0;  // 0 manual, otherwise automatic
    int TurnMode = 0;    // 0 time, otherwise simple (101)
    int BattleTime = 0;
    int InitialActionValue[2] = {};  // pairs are (attacker, interceptor)
    int AgilityRate[2] = {};
    int NoInterceptBeforeAttack = 0;
    int AgilityBase = 0;
    int ActionOrderType = 0;              // (101)
    int SimpleActionCount[2] = {};        // (101)
    int SimpleAgilityStep[2] = {};        // (101)
    int SimpleActionMax[2] = {};          // (101)
    double ReferenceActionCount[2] = {};  // derived from the battle timing
    int ShowActionOrder = 0;              // (123)
    double HitRateFactor = 0.0;
    double CriticalRateFactor = 0.0;
    double DamageAttackFactor = 0.0;
    double DamageDefenseFactor = 0.0;
    int DamageRateMin = 0;
    int DamageRateMax = 0;
    int BattleHealRate = 0;
    int NoCostOnMiss = 0;
    int NoEvadeWhileGuarding = 0;  // (81)
    int HpLimit = 0;               // derived: the limit of parameter 0, also the damage limit (9)
    int DifficultyPartyVal = 0;
    int DifficultyInitial = 0;
    int DifficultyPercent = 0;
    int EnemyStatIncrease[9] = {};
    int SpareInt = 0;                        // kept; no page shows it (104)
    unsigned char TransparentColor[3] = {};  // R, G, B of the map-chip image
    short WindowHue = 0;                     // (85)
    short WindowBrightness = 0;              // (85)
    short WindowTransparency = 0;            // (85)
    std::string GameName;
    VECTOR_CLASS<std::string> SoundEffects;     // system sound effects
    VECTOR_CLASS<int> SystemBgm;                // title, world map, stage, battle, option
    VECTOR_CLASS<unsigned char> SystemBgmLoop;  // (23)
    int ShowForecast = 0;                       // (10)
    VECTOR_CLASS<int> ForecastItems;            // hit, critical, damage, actions (125)
    // (an int that only files 90 to 123 hold stands here)
    int ShowTwoSkillLists = 0;           // (119)
    int FontIndex = 0;                   // (91)
    int EvenCharSpacing = 0;             // (91)
    VECTOR_CLASS<std::string> Texts;     // the game's fixed texts
    VECTOR_CLASS<cParamInfo> ParamInfo;  // (8)
    int TitleMenuImage = 0;              // (11)
    VECTOR_CLASS<cCmd> TitleMenu;        // (11)
    VECTOR_CLASS<cCmd> OptionMenu;       // (11)
    VECTOR_CLASS<cCmd> FormationMenu;
    VECTOR_CLASS<cCmd> ScoutMenu;          // (12)
    VECTOR_CLASS<cCmd> ReviveMenu;         // (12)
    VECTOR_CLASS<cCmd> ReleaseMenu;        // (12)
    VECTOR_CLASS<cCmd> ConfigMenu;         // (63)
    VECTOR_CLASS<cCmd> ShopMenu;           // (11)
    VECTOR_CLASS<cCmd> TrainingMenu;       // (11)
    VECTOR_CLASS<cCmd> TrainingEntryMenu;  // (11)
    VECTOR_CLASS<cCmd> TrainingSideMenu;   // (11)
    VECTOR_CLASS<cCmd> PrepareMenu;
    VECTOR_CLASS<cCmd> ActionMenu;
    VECTOR_CLASS<cCmd> MapSystemMenu;  // Z key on the stage map
    VECTOR_CLASS<cCmd> MapTestMenu;    // F key on the stage map (43)
    VECTOR_CLASS<cCmd> BattleMenu;
    VECTOR_CLASS<cElem> Elements;
    VECTOR_CLASS<cCateg> Categories;
    VECTOR_CLASS<cEdBack_Unused> UnusedBacks;  // (64)
    int FormationBack = 0;                     // background of the formation menu (66)
    VECTOR_CLASS<cIni> IniKeys;

    cSystem();
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    // Reads, upgrades an older file to the current layout, pads the lists to
    // the sizes above and brings the derived values up to date.
    int Load(HANDLE file) override;
    int Save(HANDLE file) override;
    void SetDefault();

    // Reference action counts, background and BGM indices (against `in`'s
    // lists), parameter digits.
    void UpdateDerived(const cFixupInputs& in);
    // Each parameter's digit count from its limit; HpLimit from parameter 0.
    void UpdateParamDigits();
    // Grows every list that is shorter than the pages need, with the defaults.
    void PadToRequiredSizes();

    // The sixteen menus in file order (TitleMenu .. BattleMenu).
    VECTOR_CLASS<cCmd>& Menu(int index);
    const VECTOR_CLASS<cCmd>& Menu(int index) const { return const_cast<cSystem*>(this)->Menu(index); }

private:
    void Upgrade(uint32_t version);
};

extern cSystem g_System;

// The default texts and labels, by index.
const char* DefaultSystemText(int index);  // 0 .. SYSTEM_TEXT_COUNT - 1
int DefaultMenuSize(int menu);             // 0 .. SYSTEM_MENU_COUNT - 1
const char* DefaultMenuLabel(int menu, int entry);
void SetDefaultParam(cParamInfo& param, int index);
void SetDefaultIniKey(cIni& key, int index);

// Entry k moves to k + 1 from the end down to `index`; the list keeps its
// size, so the last entry is lost; entry `index` is left for the caller.
template <class T>
void ShiftDown(VECTOR_CLASS<T>& list, int index) {
    if (index < 0) return;
    for (int k = static_cast<int>(list.size()) - 1; k > index; --k) list[k] = list[k - 1];
}
