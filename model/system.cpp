// The system settings record and its small records: the stored form.
#include "model/system.h"

int cElem::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cElem);
    SERIAL(Param);
    SERIAL(Name);
    return 1;
}

int cParamInfo::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cParamInfo);
    SERIAL(Name);
    SERIAL(Shown);
    SERIAL(Digits);
    if (version >= 9) SERIAL(Limit);
    return 1;
}

int cIni::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cIni);
    SERIAL(Type);
    SERIAL(Key);
    SERIAL(Default);
    SERIAL(Comment);
    return 1;
}

void cIni::Set(const char* key, int value) {
    Key = key ? key : "";
    Type = 0;
    Default = value;
}

int cEdBack_Unused::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cEdBack_Unused);
    SERIAL(nValue);
    SERIAL(dX);
    SERIAL(dY);
    return 1;
}

cSystem::cSystem() { SetDefault(); }

int cSystem::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cSystem);
    SERIAL(HiddenFlag);
    SERIAL(RandomGrowthMin);
    SERIAL(RandomGrowthMax);
    SERIAL(RandomGrowthScoutRate);
    SERIAL(RandomGrowthScoutCap);
    SERIAL(RandomSenseMin);
    SERIAL(RandomSenseMax);
    SERIAL(RandomSenseScoutRate);
    SERIAL(RandomSenseScoutCap);
    SERIAL(ScoutEnabled);
    SERIAL(ScoutPartyVal);
    if (version >= 70) SERIAL(GrowthTimingMin);
    if (version >= 70) SERIAL(GrowthTimingMax);
    if (version >= 70) SERIAL(GrowthDistUnit);
    if (version >= 122) SERIAL(SenseDistUnit);
    if (version >= 70) SERIAL(RandomChangeEnabled);
    if (version >= 70) SERIAL(RandomChangeAmount);
    if (version >= 70) SERIAL(RandomChangeCount);
    SERIAL(StatRate);
    SERIAL(EnemyStatRate);
    SERIAL(BaseEx);
    SERIAL(ExLevelRate);
    if (version >= 89) SERIAL(ExDifficultyRate);
    SERIAL(ExFinishRate);
    if (version >= 33) SERIAL(ExMin);
    if (version >= 33) SERIAL(ExMax);
    SERIAL(ActAgainOnKill);
    SERIAL(AutoTurnEnd);
    SERIAL(MoneyPartyVal);
    SERIAL(HirePartyVal);
    SERIAL(HireCost);
    SERIAL(HireCostPerLevel);
    SERIAL(ReviveAfterClear);
    SERIAL(RevivePartyVal);
    SERIAL(ReviveCost);
    SERIAL(ReviveCostPerLevel);
    SERIAL(ReleasePartyVal);
    SERIAL(ReleasePrice);
    SERIAL(ReleasePricePerLevel);
    SERIAL(SkillSaleRate);
    SERIAL(BattleMode);
    if (version >= 101) SERIAL(TurnMode);
    SERIAL(BattleTime);
    SERIAL(InitialActionValue);
    SERIAL(AgilityRate);
    SERIAL(NoInterceptBeforeAttack);
    SERIAL(AgilityBase);
    if (version >= 101) SERIAL(ActionOrderType);
    if (version >= 101) SERIAL(SimpleActionCount);
    if (version >= 101) SERIAL(SimpleAgilityStep);
    if (version >= 101) SERIAL(SimpleActionMax);
    SERIAL(ReferenceActionCount);
    if (version >= 123) SERIAL(ShowActionOrder);
    SERIAL(HitRateFactor);
    SERIAL(CriticalRateFactor);
    SERIAL(DamageAttackFactor);
    SERIAL(DamageDefenseFactor);
    SERIAL(DamageRateMin);
    SERIAL(DamageRateMax);
    SERIAL(BattleHealRate);
    SERIAL(NoCostOnMiss);
    if (version >= 81) SERIAL(NoEvadeWhileGuarding);
    if (version >= 9) SERIAL(HpLimit);
    SERIAL(DifficultyPartyVal);
    SERIAL(DifficultyInitial);
    SERIAL(DifficultyPercent);
    SERIAL(EnemyStatIncrease);
    if (version >= 104) SERIAL(SpareInt);
    SERIAL(TransparentColor[0]);
    SERIAL(TransparentColor[1]);
    SERIAL(TransparentColor[2]);
    if (version >= 85) SERIAL(WindowHue);
    if (version >= 85) SERIAL(WindowBrightness);
    if (version >= 85) SERIAL(WindowTransparency);
    SERIAL(GameName);
    SERIAL(SoundEffects);
    SERIAL(SystemBgm);
    if (version >= 23) SERIAL(SystemBgmLoop);
    if (version >= 10) SERIAL(ShowForecast);
    if (version >= 125) SERIAL(ForecastItems);
    if (version >= 90 && version <= 123) {  // an int of those versions only, dropped
        int dropped = 0;
        SerialInt(op, &dropped, nullptr, file);
    }
    if (version >= 119) SERIAL(ShowTwoSkillLists);
    if (version >= 91) SERIAL(FontIndex);
    if (version >= 91) SERIAL(EvenCharSpacing);
    SERIAL(Texts);
    if (version >= 8) SERIAL(ParamInfo);
    if (version >= 11) SERIAL(TitleMenuImage);
    if (version >= 11) SERIAL(TitleMenu);
    if (version >= 11) SERIAL(OptionMenu);
    SERIAL(FormationMenu);
    if (version >= 12) SERIAL(ScoutMenu);
    if (version >= 12) SERIAL(ReviveMenu);
    if (version >= 12) SERIAL(ReleaseMenu);
    if (version >= 63) SERIAL(ConfigMenu);
    if (version >= 11) SERIAL(ShopMenu);
    if (version >= 11) SERIAL(TrainingMenu);
    if (version >= 11) SERIAL(TrainingEntryMenu);
    if (version >= 11) SERIAL(TrainingSideMenu);
    SERIAL(PrepareMenu);
    SERIAL(ActionMenu);
    SERIAL(MapSystemMenu);
    if (version >= 43) SERIAL(MapTestMenu);
    SERIAL(BattleMenu);
    SERIAL(Elements);
    SERIAL(Categories);
    if (version >= 64) SERIAL(UnusedBacks);
    if (version >= 66) SERIAL(FormationBack);
    SERIAL(IniKeys);
    return 1;
}

VECTOR_CLASS<cCmd>& cSystem::Menu(int index) {
    static VECTOR_CLASS<cCmd> cSystem::*const kMenus[SYSTEM_MENU_COUNT] = {
        &cSystem::TitleMenu,    &cSystem::OptionMenu,        &cSystem::FormationMenu,    &cSystem::ScoutMenu,
        &cSystem::ReviveMenu,   &cSystem::ReleaseMenu,       &cSystem::ConfigMenu,       &cSystem::ShopMenu,
        &cSystem::TrainingMenu, &cSystem::TrainingEntryMenu, &cSystem::TrainingSideMenu, &cSystem::PrepareMenu,
        &cSystem::ActionMenu,   &cSystem::MapSystemMenu,     &cSystem::MapTestMenu,      &cSystem::BattleMenu,
    };
    if (static_cast<unsigned>(index) >= SYSTEM_MENU_COUNT) index = 0;
    return this->*kMenus[index];
}
