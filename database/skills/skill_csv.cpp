#include "database/skills/skill_csv.h"

// The columns come with the CSV import and export of skill lists; until then
// there is nothing to build.
void BuildSkillCsvColumns() {}
