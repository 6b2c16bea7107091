// Character rules: class stats, growth tables, level-up and the totals.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>

#include "model/chara.h"
#include "model/class.h"
#include "model/system.h"

namespace {

// Entry `index` of a growth table, 0 where the table has none.
int TableAt(const VECTOR_CLASS<int>& table, int index) {
    if (static_cast<unsigned>(index) >= table.size()) return 0;
    return table[static_cast<size_t>(index)];
}

int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

int LevelLimit(int limit) { return Clamp(limit, 1, LEVEL_LIMIT_MAX); }

void ResetTables(VECTOR_CLASS<int>* tables, int size) {
    for (int k = 0; k < STAT_COUNT; ++k) tables[k].assign(static_cast<size_t>(size), 0);
}

bool IsWeaponOrArmour(int kind) {
    return kind == SKILL_PHYSICAL_WEAPON || kind == SKILL_MAGIC_WEAPON || kind == SKILL_ARMOUR;
}

}  // namespace

int StatMax(int k) { return g_System.ParamInfo.At(k).Limit; }

// ---- Class and growth -------------------------------------------------------------

const cClass* cChara::ClassRecord() const { return FindClass(Class); }

void cChara::ApplyClass(int statsOnly) {
    // Class 0 keeps the character's own stats; the other rules read class record 0.
    const cClass* c = Class == 0 ? nullptr : ClassRecord();
    if (!c) return;
    const int level = Level;
    Level = 1;
    for (int k = 0; k < STAT_COUNT; ++k) {
        const bool own = InitStats[k] != 0;
        const int init = own ? InitStats[k] : c->InitStats[k];
        const int final = own ? FinalStats[k] : c->FinalStats[k];
        EffInitStats[k] = init;
        EffFinalStats[k] = final ? final : init;
        GrowthFlags[k] = final != 0;
    }
    MaxLevel = LevelLimit(c->MaxLevel);
    ResetTables(FixedGrowth, MaxLevel);
    ResetTables(RandomGrowthTable, MaxLevel);
    if (statsOnly) {
        BuildParams();
        return;
    }
    ClassSenses.Assign(c->Senses);
    SenseBonus.Assign(ClassSenses);
    for (VECTOR_CLASS<int>& row : SenseBonus) row.Fill(0);
    Senses.Assign(ClassSenses);
    BuildParams();
    Level = level;
}

void cChara::LearnSkills(int distribute, int scoutPower, int deterministic, int tablesOnly, const cChara& source) {
    if (!deterministic && !tablesOnly) SenseVersion = DATA_VERSION;
    Level = 1;
    std::copy(source.EffInitStats, source.EffInitStats + STAT_COUNT, EffInitStats);
    std::copy(source.EffFinalStats, source.EffFinalStats + STAT_COUNT, EffFinalStats);
    std::copy(source.GrowthFlags, source.GrowthFlags + STAT_COUNT, GrowthFlags);
    MaxLevel = LevelLimit(source.MaxLevel);
    ResetTables(FixedGrowth, MaxLevel);
    if (!RandomGrowth)
        GrowthTiming = source.GrowthTiming;
    else if (deterministic)
        GrowthTiming = (g_System.GrowthTimingMin + g_System.GrowthTimingMax) / 2;
    else if (!tablesOnly)
        GrowthTiming = RandomInRange(g_System.GrowthTimingMin, g_System.GrowthTimingMax);
    GrowthCurve();
    if (!tablesOnly) {
        InitRandomGrowth(deterministic, 0);
        ResetTables(RandomGrowthTable, MaxLevel);
        if (!deterministic) {
            if (distribute) RandomStatPoints(scoutPower);
            ClassSenses.Assign(source.Senses);
            if (RandomSenseRise && Side == CHARA_ALLY) RandomSensePoints(scoutPower);
            if (RandomSkillLearn && Side == CHARA_ALLY) RandomSkills();
            BuildSkillSlots(1);
            const cClass* c = ClassRecord();
            if (c && g_System.BattleMode == 1 && !c->NoNormalAttack)
                AcquireSkill(c->AttackSkillList, c->AttackSkill, 0);
            LearnByLevel(1);
        }
    }
    BuildParams();
    RecalcStats();
}

// The fixed growth tables from the growth timing: with timing 0 every level
// gets the same share; -10 front-loads it, 10 back-loads it.
void cChara::GrowthCurve() {
    const int m = MaxLevel;
    const double t = GrowthTiming;
    double a = 0.0;
    double b = 0.0;
    if (m > 2) {
        a = t / (5 * m - 10);
        const double c = -0.05 * (2 + 8.0 / (m - 2));
        b = (-4.0 / (m - 2) - 10 * c) + t * c;
    }
    for (int k = 0; k < STAT_COUNT; ++k) {
        const double d = (static_cast<double>(EffFinalStats[k]) - EffInitStats[k]) * 100.0;
        const int s = m == 1 ? 0 : TruncToInt(d / (m - 1) + 0.5);
        VECTOR_CLASS<int>& table = FixedGrowth[k];
        for (int level = 2; level <= m && level <= static_cast<int>(table.size()); ++level)
            table[static_cast<size_t>(level - 1)] = TruncToInt((level * a + b) * s);
    }
}

void cChara::InitRandomGrowth(int noRandom, int restore) {
    if (Side == CHARA_ALLY && !noRandom && RandomGrowth) {
        for (int k = 0; k < STAT_COUNT; ++k) {
            if (restore) {
                GrowthRemainder[k] = KeptRemainder[k];
            } else {
                const int r = std::rand() % 91;
                GrowthRemainder[k] = r;
                KeptRemainder[k] = r;
            }
        }
        return;
    }
    std::fill(GrowthRemainder, GrowthRemainder + STAT_COUNT, 50);
    std::fill(KeptRemainder, KeptRemainder + STAT_COUNT, 50);
}

void cChara::SetLevel(int level, int extra, int toLimit, int restore) {
    const int limit = MaxLevel;
    InitRandomGrowth(toLimit, restore);
    for (int k = 0; k < STAT_COUNT; ++k) Stats[k].Value = EffInitStats[k];
    Level = 1;
    const long long exp = static_cast<long long>(std::min(level, limit)) * 100 + extra - 100;
    Exp = static_cast<int>(std::max<long long>(INT_MIN, std::min<long long>(exp, INT_MAX)));
    LevelUp(toLimit);
    if (toLimit) {
        Stats[STAT_HP].Current = Stats[STAT_HP].Value;
        Stats[STAT_SP].Current = Stats[STAT_SP].Value;
    }
}

void cChara::LevelUp(int toLimit) {
    if (Level >= MaxLevel) {
        Level = MaxLevel;
        Exp = 0;
        return;
    }
    while (Exp >= 100) {
        // Never beyond the limit, whatever experience is left.
        if (Level >= MaxLevel) {
            Level = MaxLevel;
            Exp = 0;
            break;
        }
        const int p = Level;
        for (int k = 0; k < STAT_COUNT; ++k) {
            const long long total = static_cast<long long>(TableAt(RandomGrowthTable[k], p)) +
                                    (static_cast<long long>(GrowthRemainder[k]) + TableAt(FixedGrowth[k], p));
            const int q = static_cast<int>(total / 100);
            if (total >= 0) {
                AddClamped(Stats[k].Value, q, 0, StatMax(k));
                GrowthRemainder[k] = static_cast<int>(total % 100);
            } else {
                AddClamped(Stats[k].Value, q - 1, 0, StatMax(k));
                GrowthRemainder[k] = static_cast<int>(total % 100) + 100;
            }
        }
        ++Level;
        Exp -= 100;
        if (!toLimit) {
            LearnByLevel(Level);
        } else if (Level >= MaxLevel) {
            Level = MaxLevel;
            Exp = 0;
            for (int k = 0; k < STAT_COUNT; ++k) Stats[k].Value = Clamp(EffFinalStats[k], 0, StatMax(k));
            break;
        }
    }
    if (Stats[STAT_HP].Value <= 0) Stats[STAT_HP].Value = 1;
    RecalcStats();
}

void cChara::BuildParams() {
    for (int k = 0; k < STAT_COUNT; ++k) {
        const long long value = static_cast<long long>(EffInitStats[k]) + TableAt(RandomGrowthTable[k], 0);
        Stats[k].Value = static_cast<int>(std::max<long long>(INT_MIN, std::min<long long>(value, INT_MAX)));
        Stats[k].Current = Stats[k].Value;
    }
    const cClass* c = ClassRecord();
    if (!c) return;
    ClassSenses.resize(Senses.size());
    SenseBonus.resize(Senses.size());
    for (size_t l = 0; l < Senses.size(); ++l) {
        VECTOR_CLASS<int>& sense = Senses[l];
        ClassSenses[l].resize(sense.size(), 0);
        SenseBonus[l].resize(sense.size(), 0);
        for (size_t i = 0; i < sense.size(); ++i) {
            const int classSense = TableCell(c->Senses, l, i);
            ClassSenses[l][i] = classSense;
            if (SenseVersion < 232)
                SenseBonus[l][i] = sense[i] - classSense;
            else
                sense[i] = classSense + SenseBonus[l][i];
        }
    }
}

// ---- Totals --------------------------------------------------------------------------

void cChara::AddSkillEffects(const int effects[STAT_COUNT], int percent) {
    for (int k = STAT_HP; k <= STAT_SP; ++k) {
        Stats[k].Value = Clamp(Stats[k].Value, 0, StatMax(k));
        Stats[k].Current = Clamp(Stats[k].Current, 0, StatMax(k));
    }
    for (int k = STAT_ATTACK; k < STAT_COUNT; ++k) {
        const int effect = percent ? PercentOf(Stats[k].Value, effects[k]) : effects[k];
        AddClamped(Stats[k].Current, effect, 0, StatMax(k));
    }
}

void cChara::RecalcStats() {
    for (int k = STAT_ATTACK; k < STAT_COUNT; ++k) Stats[k].Current = Stats[k].Value;
    const size_t lists = std::min(AcqSkills.size(), g_SkillLists.size());
    for (size_t i = 0; i < lists; ++i) {
        const VECTOR_CLASS<cSkill>& skills = g_SkillLists[i].vSkill;
        for (const cAcqSkill& slot : AcqSkills[i]) {
            if (static_cast<unsigned>(slot.Skill) >= skills.size()) continue;
            const cSkill& s = skills[static_cast<size_t>(slot.Skill)];
            if (s.nKind == SKILL_PHYSICAL_WEAPON) AddClamped(Stats[STAT_ATTACK].Current, s.nEffect, 0, StatMax(2));
            if (s.nKind == SKILL_MAGIC_WEAPON) AddClamped(Stats[STAT_MAGIC].Current, s.nEffect, 0, StatMax(4));
            if (IsWeaponOrArmour(s.nKind)) AddSkillEffects(s.nSubA, s.bSubAPercent);
        }
    }
    if (g_System.BattleMode != 1) return;
    CheckEquipped();
    for (size_t i = 0; i < lists; ++i) {
        const VECTOR_CLASS<cSkill>& skills = g_SkillLists[i].vSkill;
        for (const cAcqSkill& slot : AcqSkills[i]) {
            if (!slot.Equipped || static_cast<unsigned>(slot.Skill) >= skills.size()) continue;
            const cSkill& s = skills[static_cast<size_t>(slot.Skill)];
            if (!IsWeaponOrArmour(s.nKind)) AddSkillEffects(s.nSubB, s.bSubBPercent);
        }
    }
}

void cChara::ApplyStatRates(const int rates[STAT_COUNT], int force) {
    for (int k = 0; k < STAT_COUNT; ++k) {
        if (!force && InitStats[k] != 0) continue;
        Stats[k].Value = Clamp(PercentOf(Stats[k].Value, rates[k]), 0, StatMax(k));
        Stats[k].Current = Stats[k].Value;
    }
    RecalcStats();
}

void cChara::CheckEquipped() {
    if (g_System.BattleMode != 1) return;
    for (size_t i = 0; i < AcqSkills.size(); ++i) {
        for (cAcqSkill& slot : AcqSkills[i]) {
            if (!slot.Equipped) continue;
            const bool known =
                i < g_SkillLists.size() && static_cast<unsigned>(slot.Skill) < g_SkillLists[i].vSkill.size();
            if (!known || !g_SkillLists[i].vSkill[static_cast<size_t>(slot.Skill)].IsEquippable()) slot.Equipped = 0;
            return;
        }
    }
}
