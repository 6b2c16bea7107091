// What the stage dialogs show of the records as text: the word tables of the
// movement-AI rules and the explanation lines, the row texts of placed
// enemies, rules and position groups, and the choices a rule offers. A
// record a row names that is not in the database (any more), or a value
// past its word table, shows kStaleText. Window-free.
#pragma once

#include <string>

#include "base/containers.h"
#include "model/placement.h"

// Word tables, each ended by an empty string; a combo bound to one stores the row.
extern const char* const g_WordMoveRange[];
extern const char* const g_WordMoveTarget[];
extern const char* const g_WordMoveAction[];
extern const char* const g_WordMoveStatus[];
extern const char* const g_WordMoveJudge[];
extern const char* const g_WordEndCondTarget[];

enum { MOVEAI_ACTION_HEAL = 2, MOVEAI_TARGET_DEST = 10 };
// A group with this many cells or more cannot be a rule's destination.
enum { MOVEAI_DEST_MAX_CELLS = 5 };

extern const char kStaleText[];

// Word `index` of a table, kStaleText outside it.
const char* WordOrStale(const char* const* words, int index);

// "%s で %s に %s" of range, target and action, the healing skill's name in
// brackets, and "   ※条件あり" when the rule has conditions.
void MoveAIRowText(std::string& text, int index, const cMoveAI& rule);
// "グ%s (%d,%d) %d-%-8s LV%d " with the group ("-" without one), the cell
// ("--" off the map), the enemy's number, name and level; "(%d,%d) 未設定"
// for a record without an enemy.
void PutEnemyRowText(std::string& text, int index, const cPutEnemy& enemy);
// "%-8s 中心座標(%d,%d)".
void GroupRowText(std::string& text, int index, const cGroupPos& group);

// The healing skills of skill list `list` from its second skill on, "%d %s"
// of position and name, with each one's number as its value.
void MakeHealSkillRows(VECTOR_CLASS<std::string>& rows, VECTOR_CLASS<int>& values, int list);
// The groups from the second on with fewer than MOVEAI_DEST_MAX_CELLS cells,
// "%d %s" of number and name, the number as the value.
void MakeDestRows(VECTOR_CLASS<std::string>& rows, VECTOR_CLASS<int>& values, const VECTOR_CLASS<cGroupPos>& groups);
