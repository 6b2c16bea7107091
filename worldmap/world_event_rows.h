// The texts the world-event editor and the event palette show: their word
// tables, the rows of their lists and combos. Window-free.
#pragma once

#include <string>

#include "base/containers.h"
#include "model/worldmap.h"

// Word tables, row = value, each ending with an empty string.
extern const char* const WorldEventTypeWords[];  // "ステージ", "道", "壁"
extern const char* const GameClearWords[];       // "しない", "2周目へ突入", "ゲーム終了"

// "ステージ番号 %d" of a page; the template name of a palette row.
void WorldPageRowText(std::string& text, int index, const cWorldEventPage& page);
void WorldTemplateRowText(std::string& text, int index, const cWorldEvent& event);

// "1" to "N" for the N graphics of a world-event image `imageHeight` pixels
// high, one per 32-pixel row.
void MakeWorldGraphicRows(VECTOR_CLASS<std::string>& out, int imageHeight);
// The common variables as "%03d name" rows: for a condition after
// "コモン変数条件なし" (row = variable), and for the variable to set (row + 1
// = variable).
void MakeConditionVarRows(VECTOR_CLASS<std::string>& out);
void MakeSetVarRows(VECTOR_CLASS<std::string>& out);
