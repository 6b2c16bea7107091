// Row texts of the combos that choose a skill list and a skill of the
// database. Window-free, so they also build natively.
#pragma once

#include <string>

#include "base/containers.h"

class cSkillList;

// "%s %s-%s": skill `skill` of `list` numbered with three digits, the name of
// its category in that list and its name.
std::string MakeSkillRow(const cSkillList& list, int skill);
// The rows of skills 1 to the last of list `list` of the database (skill 0
// has none: row k stands for skill k + 1).
void MakeSkillRows(VECTOR_CLASS<std::string>& out, int list);
// One row per skill list, numbered from 01.
void MakeSkillListRows(VECTOR_CLASS<std::string>& out);
