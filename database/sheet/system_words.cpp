#include "database/sheet/system_words.h"

const char* const g_WordBattleMode[] = {
    "マニュアル（戦闘で戦闘コマンドを選択）",
    "オート（マップで戦闘コマンドを選択）",
    "",
};
