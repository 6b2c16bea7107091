// Word tables of the system settings, each ended by an empty string.
#pragma once

// The battle mode, stored as the row: 0 manual, 1 automatic.
extern const char* const g_WordBattleMode[];
