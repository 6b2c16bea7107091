// Rules of the skill pages that need no window: the shape a skill list must
// have while the page binds its entries, and the row texts of skills and
// influences (a slot's are editing/skill_rows.h). Window-free, so they also build natively.
#pragma once

#include <string>

#include "model/media_records.h"
#include "model/skill.h"

// Gives a skill list the seven menu commands, the two entries of each
// confirmation menu and the eleven scenes the page binds, taking missing
// ones from a new list; surplus entries go.
void ShapeSkillList(cSkillList& list);
// "%s-%s": the skill's category name (kMissingName for a category the
// list does not hold, as the action dialogs show it) and its name.
std::string FormatSkillRow(const cSkill& skill, const VECTOR_CLASS<cCateg>& categories);
// "%s に対して %s %s %d": the target type's name, the stat, the operator and
// the value; a target outside `types` shows as missing.
std::string FormatInflRow(const cInfl& infl, const VECTOR_CLASS<cCompatiType>& types);
