// Word tables of the system settings, each ended by an empty string.
#pragma once

// The battle mode, stored as the row: 0 manual, 1 automatic.
extern const char* const g_WordBattleMode[];
// The turn mode: 0 time, 1 simple.
extern const char* const TurnModeNames[];
// The order of actions in simple mode: 0 alternating, 1 in a row.
extern const char* const ActionOrderTypeNames[];
