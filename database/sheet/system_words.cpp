#include "database/sheet/system_words.h"

const char* const g_WordBattleMode[] = {
    "マニュアル（戦闘で戦闘コマンドを選択）",
    "オート（マップで戦闘コマンドを選択）",
    "",
};

const char* const TurnModeNames[] = {
    "タイム（戦闘時間を定める）",
    "シンプル（行動回数を定める） ※戦闘中の敏捷の変化や時間スキルに対応不可",
    "",
};

const char* const ActionOrderTypeNames[] = {"交互", "連続", ""};
