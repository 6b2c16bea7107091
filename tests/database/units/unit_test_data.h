// A database with the units a game maker would have: three skill lists with
// categories and skills, four elements, classes with senses, resistances,
// own slots and a normal attack, allies with learnt skills and enemies with
// battle-AI rules and their conditions. Written into the database globals
// over the sample project's; the tests and the screenshot demo share it.
#pragma once

#include <initializer_list>

#include "model/ai.h"

void MakeUnitDatabase();

// A battle-AI condition and rule as the dialogs' controls read them.
cBattleAICond MakeCond(int subject, int item, int value, int compare, int percent);
cBattleAI MakeRule(int action, int list, int skill, int level, int value, std::initializer_list<cBattleAICond> conds);
