// Row texts of the combos that choose a skill list and a skill of the
// database, and of the slots of a skill list (on the skill-list page and in
// a class's own slots). Window-free, so they also build natively.
#pragma once

#include <string>

#include "base/containers.h"

class cCateg;
class cSkillList;
class cSlot;

// "%s %s-%s": skill `skill` of `list` numbered with three digits, the name of
// its category in that list ("？" when the list lacks it) and its name.
std::string MakeSkillRow(const cSkillList& list, int skill);
// The rows of skills 1 to the last of list `list` of the database (skill 0
// has none: row k stands for skill k + 1).
void MakeSkillRows(VECTOR_CLASS<std::string>& out, int list);
// One row per skill list, numbered from 01.
void MakeSkillListRows(VECTOR_CLASS<std::string>& out);

// The name of category `index` of `categories`, or `missing` when there is no such category.
std::string CategoryName(const VECTOR_CLASS<cCateg>& categories, int index, const char* missing = "");
// A slot's conditions naming none of `categories` categories name the first one.
void ResetLostConditions(cSlot& slot, int categories);
// "無制限" for a slot of every category, else the category names of its
// conditions, each followed by `separator` (`missing` for a lost category).
std::string SlotCategoryNames(const cSlot& slot, const VECTOR_CLASS<cCateg>& categories, const char* separator,
                              const char* missing = "");
