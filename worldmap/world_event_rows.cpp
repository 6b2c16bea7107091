#include "worldmap/world_event_rows.h"

#include <cstdio>

#include "model/gvalinfo.h"
#include "ui/record_names.h"

const char* const WorldEventTypeWords[] = {"ステージ", "道", "壁", ""};
const char* const GameClearWords[] = {"しない", "2周目へ突入", "ゲーム終了", ""};

void WorldPageRowText(std::string& text, int, const cWorldEventPage& page) {
    char row[32];
    std::snprintf(row, sizeof(row), "ステージ番号 %d", page.StageNo);
    text = row;
}

void WorldTemplateRowText(std::string& text, int, const cWorldEvent& event) { text = event.Name; }

void MakeWorldGraphicRows(VECTOR_CLASS<std::string>& out, int imageHeight) {
    out.clear();
    for (int i = 1; i <= imageHeight / 32; ++i) out.push_back(std::to_string(i));
}

void MakeConditionVarRows(VECTOR_CLASS<std::string>& out) {
    MakeRecordNameList(out, g_GValInfo, "コモン変数条件なし", 0, 1, 3, 0);
    if (out.empty()) out.push_back("コモン変数条件なし");
}

void MakeSetVarRows(VECTOR_CLASS<std::string>& out) { MakeRecordNameList(out, g_GValInfo, nullptr, 1, 1, 3, 0); }
