#include "database/units/unit_figures.h"

#include "model/class.h"
#include "model/system.h"

namespace {

// One column: the record's class applied to a copy (with the record's own
// stats, or none of them), the growth rebuilt from it and levelled up.
template <class T>
void Column(const T& record, int fromClass, const int* rates, int force, int out[STAT_COUNT]) {
    T source(record);
    if (fromClass) {
        for (int k = 0; k < STAT_COUNT; ++k) source.InitStats[k] = source.FinalStats[k] = 0;
    }
    source.ApplyClass(0);
    T levelled(record);
    levelled.LearnSkills(0, 0, 1, 0, source);
    levelled.SetLevel(record.Level, 1, 1, 0);
    if (rates) levelled.ApplyStatRates(rates, force);
    for (int k = 0; k < STAT_COUNT; ++k) out[k] = levelled.Stats[k].Current;
}

template <class T>
int Figures(const T& record, const int* rates, int game[STAT_COUNT], int reference[STAT_COUNT]) {
    if (record.Class <= 0 || record.Class >= static_cast<int>(g_ClassList.size())) return 0;
    Column(record, 0, rates, 0, game);
    Column(record, 1, rates, 1, reference);
    return 1;
}

}  // namespace

int CharaFigures(const cFriend& ally, int game[STAT_COUNT], int reference[STAT_COUNT]) {
    return Figures(ally, nullptr, game, reference);
}

int CharaFigures(const cEnemy& enemy, int game[STAT_COUNT], int reference[STAT_COUNT]) {
    return Figures(enemy, g_System.EnemyStatRate, game, reference);
}
