// Characters: the stored form, the resets and the load upgrades.
#include "model/chara.h"

#include "model/system.h"

int cParam::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cParam);
    SERIAL(Index);
    SERIAL(Value);
    SERIAL(Current);
    return 1;
}

// ---- cChara ----------------------------------------------------------------------

cChara::cChara() {
    Clear();
    cChara::SetDefault();
}

int cChara::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cChara);
    SERIAL(Id);
    SERIAL(RandomName);
    if (version >= 88) SERIAL(RandomNameList);
    SERIAL(Side);
    SERIAL(Spare5);
    SERIAL(Class);
    SERIAL(Level);
    SERIAL(MaxLevel);
    SERIAL(Exp);
    SERIAL(InitStats);
    SERIAL(FinalStats);
    SERIAL(EffInitStats);
    SERIAL(EffFinalStats);
    SERIAL(GrowthRemainder);
    if (version >= 73) SERIAL(KeptRemainder);
    SERIAL(GrowthFlags);
    SERIAL(RandomGrowth);
    if (version >= 214) SERIAL(RandomSenseRise);
    SERIAL(RandomSkillLearn);
    if (version >= 70) SERIAL(GrowthTiming);
    if (version >= 232) SERIAL(SenseVersion);
    if (version >= 4)
        for (cParam& stat : Stats) SERIAL_FIELD(stat.Serial(op, o ? &o->Stats[&stat - Stats] : nullptr, file, version));
    SERIAL(Spare23);
    if (version >= 96) SERIAL(Spare24);
    SERIAL(Spare27);
    if (version >= 45) SERIAL(Spare31);
    SERIAL(Spare32);
    if (version >= 52) SERIAL(Spare33);
    SERIAL(Spare35);
    if (version >= 99) SERIAL(CompatiType);
    if (version >= 34) {
        SERIAL(FixedExp);
        SERIAL(FixedExpValue);
    }
    if (version >= 86) {
        SERIAL(RewardPtVal);
        SERIAL(RewardValue);
    }
    SERIAL(SkillRef);
    SERIAL(Name);
    SERIAL(Description);
    for (int k = 0; k < STAT_COUNT; ++k) SERIAL(FixedGrowth[k]);
    if (version >= 69)
        for (int k = 0; k < STAT_COUNT; ++k) SERIAL(RandomGrowthTable[k]);
    SERIAL(Senses);
    if (version >= 231) {
        SERIAL(ClassSenses);
        SERIAL(SenseBonus);
    }
    SERIAL(AcqSkills);
    SERIAL(ReserveSkills);
    SERIAL(LearntSkills);
    return 1;
}

void cChara::SetDefault() {
    Class = 1;
    Level = 1;
    RewardPtVal = 1;
    for (int k = 0; k < STAT_COUNT; ++k) {
        Stats[k].Clear();
        Stats[k].Index = k;
    }
    Senses.clear();
    ClassSenses.clear();
    SenseBonus.clear();
    AcqSkills.clear();
    ReserveSkills.clear();
    LearntSkills.clear();
}

// ---- cEnemy ----------------------------------------------------------------------

int cEnemy::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cEnemy);
    SERIAL_FIELD(cChara::Serial(op, other, file, version));
    // Two files held ints here that later versions dropped.
    if (version == 33) SERIAL_FIELD(SerialDropInts(op, 2, file));
    if (version == 44) SERIAL_FIELD(SerialDropInts(op, 1, file));
    if (version >= 51) SERIAL(Spare);
    SERIAL(Training);
    SERIAL(MoveAI);
    SERIAL(BattleAI);
    return 1;
}

void cEnemy::SetDefault() {
    Clear();
    cChara::SetDefault();
    if (const cFixupInputs* in = ActiveFixupInputs()) Refresh(*in);
    Side = CHARA_ENEMY;
    RandomGrowth = 0;
    RandomSkillLearn = 0;
    MoveAI.clear();
    BattleAI.clear();
    if (g_System.BattleMode == 0) {
        BattleAI.emplace_back();
        BattleAI.back().Action = BATTLEAI_ATTACK;
    }
}

int cEnemy::Load(HANDLE file) {
    cSerial::Load(file);
    // 104 reworked the training choices.
    if (g_nFileVersion < 104) Training = 0;
    if (const cFixupInputs* in = ActiveFixupInputs()) Refresh(*in);
    return 1;
}

int cEnemy::Save(HANDLE file) {
    if (const cFixupInputs* in = ActiveFixupInputs()) Refresh(*in);
    return cSerial::Save(file);
}

void cEnemy::Refresh(const cFixupInputs& in) {
    Fixup(in);
    for (cBattleAI& rule : BattleAI) rule.FixupSkill(in);
    RecalcStats();
}

// ---- cFriend ---------------------------------------------------------------------

int cFriend::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cFriend);
    SERIAL_FIELD(cChara::Serial(op, other, file, version));
    SERIAL(Spare1);
    SERIAL(Spare2);
    SERIAL(ShopFromStart);
    SERIAL(RehireAlways);
    SERIAL(NoRelease);
    if (version >= 121) SERIAL(RegenOnStageClear);
    return 1;
}

void cFriend::SetDefault() {
    Clear();
    cChara::SetDefault();
    if (const cFixupInputs* in = ActiveFixupInputs()) Refresh(*in);
    Side = CHARA_ALLY;
    RandomName = 1;
    RandomGrowth = 1;
    RandomSkillLearn = 1;
    ShopFromStart = 1;
    RehireAlways = 1;
    NoRelease = 0;
    RegenOnStageClear = 1;
}

int cFriend::Load(HANDLE file) {
    cSerial::Load(file);
    const uint32_t version = g_nFileVersion;
    // 121 added regeneration in the recruit shop, on for everyone.
    if (version < 121) RegenOnStageClear = 1;
    // 214 split random senses from random skills, which used to imply them.
    if (version < 214 && RandomSkillLearn) RandomSenseRise = 1;
    // 232 stores the sense bonuses; older ones are derived from the totals.
    if (version < 232) SenseVersion = 0;
    if (const cFixupInputs* in = ActiveFixupInputs()) Refresh(*in);
    return 1;
}

int cFriend::Save(HANDLE file) {
    if (const cFixupInputs* in = ActiveFixupInputs()) Refresh(*in);
    return cSerial::Save(file);
}

void cFriend::Refresh(const cFixupInputs& in) {
    Fixup(in);
    RecalcStats();
}
