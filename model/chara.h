// Characters: allies ("data\database\Friend.dat") and enemies
// ("data\database\Enemy.dat"), with the rules that turn a character's design
// into game values (growth tables, random growth, senses, skill slots,
// level-up and totals).
//
// Every nine-entry array is in stat order: HP, SP, 攻撃, 守備, 魔力, 抵抗,
// 技能, 反応, 敏捷.
#pragma once

#include <string>

#include "base/serial.h"
#include "model/ai.h"
#include "model/fixup_inputs.h"
#include "model/number_rules.h"
#include "model/skill.h"
#include "model/table_fields.h"

enum { STAT_COUNT = 9, STAT_HP = 0, STAT_SP = 1, STAT_ATTACK = 2, STAT_MAGIC = 4 };
enum { CHARA_ALLY = 0, CHARA_ENEMY = 1 };
// Highest level limit the growth tables are built for; the class page offers
// 1 .. 99, a larger stored value is taken as this.
enum { LEVEL_LIMIT_MAX = 999 };
// Most slots a row is given, however many a skill list asks for.
enum { SLOT_COUNT_MAX = 9999 };

// One stat of a character.
class cParam : public cSerial {
public:
    int Index = 0;    // which stat, 0 .. 8
    int Value = 0;    // at the character's level
    int Current = 0;  // HP, SP: the current amount; others: value with skill effects

    cParam() { Clear(); }
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
};

class cClass;

class cChara : public cSerial {
public:
    // The version gate of a field is noted as (n).
    int Id = 0;              // no rule reads it
    int RandomName = 0;      // the game draws the name from a random-name list
    int RandomNameList = 0;  // (88)
    int Side = CHARA_ALLY;
    int Spare5 = 0;
    int Class = 1;  // 0 none
    int Level = 1;
    int MaxLevel = 0;                      // the class's level limit, at least 1
    int Exp = 0;                           // toward the next level; 100 make one
    int InitStats[STAT_COUNT] = {};        // 0: the class's
    int FinalStats[STAT_COUNT] = {};       // 0: no growth, no random growth
    int EffInitStats[STAT_COUNT] = {};     // derived
    int EffFinalStats[STAT_COUNT] = {};    // derived
    int GrowthRemainder[STAT_COUNT] = {};  // hundredths, normally 0 .. 99
    int KeptRemainder[STAT_COUNT] = {};    // the random ones last drawn (73)
    int GrowthFlags[STAT_COUNT] = {};      // derived: the stat grows
    int RandomGrowth = 0;
    int RandomSenseRise = 0;  // (214)
    int RandomSkillLearn = 0;
    int GrowthTiming = 0;      // -10 early .. 10 late (70)
    int SenseVersion = 0;      // below 232 the bonuses are derived from the totals (232)
    cParam Stats[STAT_COUNT];  // (4)
    int Spare23 = 0;
    int Spare24[3] = {};  // (96)
    int Spare27[4] = {};
    int Spare31 = 0;  // (45)
    int Spare32 = 0;
    int Spare33[2] = {};  // (52)
    int Spare35[3] = {};
    int CompatiType = 0;    // (99)
    int FixedExp = 0;       // (34)
    int FixedExpValue = 0;  // (34)
    int RewardPtVal = 1;    // party variable (86)
    int RewardValue = 0;    // (86)
    int SkillRef[6] = {};   // three (skill list, slot) pairs
    std::string Name;
    std::string Description;
    VECTOR_CLASS<int> FixedGrowth[STAT_COUNT];        // entry L-1: hundredths from L-1 to L
    VECTOR_CLASS<int> RandomGrowthTable[STAT_COUNT];  // added to the fixed table (69)
    IntTable Senses;                                  // [skill list][category], the total
    IntTable ClassSenses;                             // as last copied from the class (231)
    IntTable SenseBonus;                              // total minus class sense (231)
    RecordTable<cAcqSkill> AcqSkills;                 // [skill list][slot]
    RecordTable<cAcqSkill> ReserveSkills;             // allies only
    VECTOR_CLASS<cLearnSkill> LearntSkills;

    cChara();
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    // The base reset: class 1, level 1, reward variable 1, the nine stats
    // numbered, the senses and skills emptied. It clears nothing else.
    virtual void SetDefault();

    // ---- Rules ----
    // The class's stats and level limit, fresh growth tables; without
    // statsOnly also the class's senses. Nothing for no class.
    void ApplyClass(int statsOnly);
    // Rebuilds growth tables, random growth, senses, random skills, slots and
    // first skills from `source` (a class-applied copy); deterministic and
    // tablesOnly leave out the random draws.
    void LearnSkills(int distribute, int scoutPower, int deterministic, int tablesOnly, const cChara& source);
    // The growth remainders: drawn (or restored) for an ally of random
    // growth, 50 otherwise.
    void InitRandomGrowth(int noRandom, int restore);
    // From level 1 to `level` with `extra` experience; toLimit gives the
    // final values at the limit.
    void SetLevel(int level, int extra, int toLimit, int restore);
    void LevelUp(int toLimit);
    void BuildParams();
    // The current values with the effects of acquired (and, in automatic
    // battle, equipped) skills.
    void RecalcStats();
    // Scales the values by `rates` (%): every stat when forced, else those
    // without an own initial value.
    void ApplyStatRates(const int rates[STAT_COUNT], int force);
    void CheckEquipped();
    // References and sizes after the database changed.
    void Fixup(const cFixupInputs& in);
    // The skill rows laid out by the skill lists and the character's class.
    void BuildSkillSlots(int reset);
    void BuildSkillSlots(int reset, const VECTOR_CLASS<cSkillList>& lists, const cClass* cls);
    int AcquireSkill(int list, int skill, int checkDuplicate);
    void LearnByLevel(int level);
    int SenseAllows(int list, int skill, int checkSense) const;
    int CanFillSlot(int list, const cSlot& slot, int skill, int checkSense, int checkDuplicate) const;
    int CanFillReserve(int list, const cSlot& slot, int category, int requiredSense) const;

    // The character's class record (class 0 included), or null when the list lacks it.
    const cClass* ClassRecord() const;
    int Sense(int list, int category) const;
    // Whether the acquisition or reserve row of `list` holds `skill`.
    int HoldsSkill(int list, int skill) const;

protected:
    void GrowthCurve();
    void RandomStatPoints(int scoutPower);
    void RandomSensePoints(int scoutPower);
    void RandomSkills();
    // Weapon and armour effects on the totals (sub-effect A or B).
    void AddSkillEffects(const int effects[STAT_COUNT], int percent);
};

class cEnemy : public cChara {
public:
    int Spare = 0;     // (51)
    int Training = 0;  // 0 after defeat, 1 from the start, 2 never
    VECTOR_CLASS<cMoveAI> MoveAI;
    VECTOR_CLASS<cBattleAI> BattleAI;

    cEnemy() { SetDefault(); }
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    int Load(HANDLE file) override;
    int Save(HANDLE file) override;
    // Cleared, the base reset, the upkeep, then an enemy: no random growth or
    // skills, and one attack rule when the battle mode is manual.
    void SetDefault() override;
    void Refresh(const cFixupInputs& in);  // the upkeep on load and save
};

class cFriend : public cChara {
public:
    int Spare1 = 0;
    int Spare2 = 0;
    int ShopFromStart = 1;
    int RehireAlways = 1;
    int NoRelease = 0;
    int RegenOnStageClear = 1;  // (121)

    cFriend() { SetDefault(); }
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    int Load(HANDLE file) override;
    int Save(HANDLE file) override;
    void SetDefault() override;
    void Refresh(const cFixupInputs& in);
};

extern VECTOR_CLASS<cFriend> g_FriendList;
extern VECTOR_CLASS<cEnemy> g_EnemyList;

// The upper limit of stat k from the system's parameter list.
int StatMax(int k);
