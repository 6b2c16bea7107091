// The battle-mode question of a new project (dialog 233 "戦闘モードの選択").
#pragma once

#include <vector>

#include "ui/ctrl_combo.h"
#include "ui/dlg.h"

class DLG_BATTLEMODE : public DLG_CLASS {
public:
    DLG_BATTLEMODE();

    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<CTRL_COMBO_CLASS<int>> m_Combos;
};

// Runs the question modal; 1 once OK stored the choice in the system settings
// and wrote them, 0 when the dialog ended otherwise.
int RunBattleModeDialog();
