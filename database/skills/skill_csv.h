// The column schema of the skill CSV files, built once at start-up.
#pragma once

void BuildSkillCsvColumns();
