// Row texts and word tables of the class, ally and enemy pages and their
// dialogs. A working copy taken before an Apply may still name a skill list,
// skill, category or word the database no longer holds: its row shows
// kMissingName in that place instead of reading past a list.
#pragma once

#include <string>

#include "base/containers.h"
#include "editing/shared_words.h"
#include "model/ai.h"
#include "model/skill.h"

// Word tables, row = value, each ended by an empty string.
extern const char* const BattleAIActionNames[];    // 攻撃, スキル, クイック
extern const char* const BattleAISubjectNames[];   // 自分, 相手
extern const char* const BattleAICondItemNames[];  // the nine stats, クラス .. 地形
extern const char* const EnemyTrainingNames[];     // 倒すと闘える, 最初から闘える, 闘えない

// Names in the database's skill lists; kMissingName where there is none.
std::string SkillListName(int list);
std::string CategoryName(int list, int category);
// "%s-%s": the name of the skill's category in its list and the skill's name.
std::string SkillCategoryAndName(int list, int skill);

// The rows of the battle-AI rule and condition lists and of the learnt skills.
void FormatBattleAIRow(std::string& text, int index, const cBattleAI& rule);
void FormatBattleAICondRow(std::string& text, int index, const cBattleAICond& cond);
void FormatLearnSkillRow(std::string& text, int index, const cLearnSkill& entry);

// The class page's rows, one per skill list (index = skill list): the
// senses by category, and the class's own slots.
void FormatSenseRow(std::string& text, int list, const VECTOR_CLASS<int>& senses);
void FormatOrgSlotRow(std::string& text, int list, const cOrgSlotList& org);

// The categories of list `list` of the database; none for a list it lacks.
const VECTOR_CLASS<cCateg>& ListCategories(int list);
