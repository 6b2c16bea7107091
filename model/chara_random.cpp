// Character rules: the random draws of a full rebuild (stat points, sense
// points, skills learnt at random). Each draw is rand() as the game program
// makes it; settings the system pages let through that would divide by zero
// or never end a loop are given a sound meaning instead.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "model/chara.h"
#include "model/system.h"

void cChara::RandomStatPoints(int scoutPower) {
    const double* weight = g_System.StatRate;
    auto eligible = [&](int k) { return GrowthFlags[k] && weight[k] > 0.0; };
    bool any = false;
    for (int k = 0; k < STAT_COUNT; ++k) any = any || eligible(k);
    if (!any) return;

    const int high = g_System.RandomGrowthMax;
    int points =
        TruncToInt(RandomInRange(g_System.RandomGrowthMin, high) + scoutPower * g_System.RandomGrowthScoutRate);
    if (g_System.RandomGrowthScoutCap && points > high) points = high;

    int acc[STAT_COUNT] = {};
    int chunk = std::max(1, g_System.GrowthDistUnit);
    while (points > 0) {
        const int k = std::rand() % STAT_COUNT;
        if (!eligible(k)) continue;
        if (points < chunk) {
            chunk = points;
            points = 0;
        } else {
            points -= chunk;
        }
        acc[k] = TruncToInt(acc[k] + chunk * 100.0 * weight[k]);
    }

    if (g_System.RandomChangeEnabled) {
        const double amount = g_System.RandomChangeAmount * 100.0;
        for (int n = 0; n < g_System.RandomChangeCount; ++n) {
            int k1;
            int k2;
            do {
                do k1 = std::rand() % STAT_COUNT;
                while (!eligible(k1));
                k2 = std::rand() % STAT_COUNT;
            } while (!eligible(k2));
            acc[k1] = TruncToInt(amount * weight[k1] + acc[k1]);
            acc[k2] = TruncToInt(acc[k2] - amount * weight[k2]);
        }
    }

    const int levels = MaxLevel;
    if (levels <= 1) return;
    for (int k = 0; k < STAT_COUNT; ++k) {
        VECTOR_CLASS<int>& table = RandomGrowthTable[k];
        const int step = acc[k] > 0 ? 1 : -1;
        for (long long n = std::llabs(static_cast<long long>(acc[k])); n > 0; --n) {
            const size_t level = static_cast<size_t>(std::rand() % (levels - 1) + 1);
            if (level < table.size()) table[level] += step;
        }
    }
}

void cChara::RandomSensePoints(int scoutPower) {
    const size_t lists = g_SkillLists.size();
    bool any = false;
    for (const cSkillList& list : g_SkillLists)
        for (const cCateg& categ : list.vCateg) any = any || categ.dRate > 0.0;
    if (!any) return;

    const int high = g_System.RandomSenseMax;
    double points = RandomInRange(g_System.RandomSenseMin, high) + scoutPower * g_System.RandomSenseScoutRate;
    if (g_System.RandomSenseScoutCap && points > high) points = high;
    if (!std::isfinite(points)) points = 0.0;

    std::vector<std::vector<double>> table(lists);
    for (size_t l = 0; l < lists; ++l) table[l].assign(g_SkillLists[l].vCateg.size(), 0.0);
    double chunk = std::max(1.0, static_cast<double>(g_System.SenseDistUnit));
    while (points > 0.0) {
        const size_t l = static_cast<unsigned>(std::rand()) % lists;
        const VECTOR_CLASS<cCateg>& categs = g_SkillLists[l].vCateg;
        if (categs.empty()) continue;  // a list without categories takes nothing
        const size_t c = static_cast<unsigned>(std::rand()) % categs.size();
        const double w = categs[c].dRate;
        if (!(w > 0.0)) continue;
        if (points < chunk) {
            chunk = points;
            points = 0.0;
        } else {
            points -= chunk;
        }
        table[l][c] += w * chunk;
    }

    SenseBonus.resize(Senses.size());
    for (size_t l = 0; l < Senses.size(); ++l) {
        SenseBonus[l].resize(Senses[l].size(), 0);
        for (size_t c = 0; c < Senses[l].size(); ++c) {
            const double share = l < table.size() && c < table[l].size() ? table[l][c] : 0.0;
            const int bonus = TruncToInt(share);
            SenseBonus[l][c] = bonus;
            Senses[l][c] = std::min(99, TruncToInt(static_cast<double>(TableCell(ClassSenses, l, c)) + bonus));
        }
    }
}

void cChara::RandomSkills() {
    for (size_t l = 0; l < g_SkillLists.size(); ++l) {
        const VECTOR_CLASS<cSkill>& skills = g_SkillLists[l].vSkill;
        for (size_t s = 1; s < skills.size(); ++s) {
            const cSkill& skill = skills[s];
            const int sense = Sense(static_cast<int>(l), skill.nCateg);
            if (skill.bNotInUse || sense <= 0) continue;
            if (!RandomChance(sense * skill.dLearnRateSense + skill.nLearnRate, 1)) continue;
            const long long drawn = RandomInRange(skill.nLearnLvMin, skill.nLearnLvMax);
            const long long level = drawn - TruncToInt(skill.dLearnLvSense * sense);
            cLearnSkill learn;
            learn.SkillList = static_cast<int>(l);
            learn.Skill = static_cast<int>(s);
            learn.Level = static_cast<int>(std::max<long long>(2, std::min<long long>(level, 0x7FFFFFFF)));
            LearntSkills.push_back(learn);
        }
    }
}
