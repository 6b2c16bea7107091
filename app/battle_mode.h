// The battle-mode question of a new project (dialog 233 "戦闘モードの選択").
#pragma once

#include <windows.h>

INT_PTR CALLBACK ChooseBattleModeProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
// Runs the question modal; 1 once OK stored the choice in the system settings
// and wrote them, 0 when the dialog ended otherwise.
int RunBattleModeDialog(HWND owner);
