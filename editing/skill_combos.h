// Fillers of the combo boxes that choose a skill with two combos side by
// side (skill list, then a skill of that list), and of the symbol-number
// combos. Skill 0 of a list gets no row: row k stands for skill k + 1, so a
// skill combo bound with offset 1 stores the skill index directly.
#pragma once

#include <string>
#include <vector>

#include "editing/skill_rows.h"
#include "ui/ctrl_combo.h"

class DLG_CLASS;

// The skill rows of the list chosen in combo `listId`; once the dialog is
// initialised the skill combo is refilled with them, for the user's choice of
// a list: a skill the new list has no row for (skill 0, one past its end,
// also the bound skill of a combo that showed no row) selects the first row
// when there is one. Before that, the rows of list 0.
void FillRecordCombo(VECTOR_CLASS<std::string>& skills, DLG_CLASS* dlg, std::vector<CTRL_COMBO_CLASS<int>>& combos,
                     unsigned listId, unsigned skillId);
// The skill-list rows and the skill rows of list `list` (once the dialog is
// initialised, a skill past the list's end selects the first row); the caller
// puts both into its combos.
void FillRecordComboEx(VECTOR_CLASS<std::string>& lists, VECTOR_CLASS<std::string>& skills, int list, DLG_CLASS* dlg,
                       std::vector<CTRL_COMBO_CLASS<int>>& combos, unsigned skillId);
// "0", "1", ... one per 16-pixel symbol of the symbol sheet.
void FillNumberCombo(VECTOR_CLASS<std::string>& numbers);
