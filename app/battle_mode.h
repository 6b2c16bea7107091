// The battle-mode question of a new project (dialog 233 "戦闘モードの選択").
#pragma once

#include "ui/dlg_record.h"

class DLG_BATTLEMODE : public DLG_RECORD_CLASS {
public:
    DLG_BATTLEMODE();

    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    // Centred on the screen, the pointer on OK.
    void AttachCtrls() override;
    void OnCtrlsShown() override;
};

// Runs the question modal; 1 once OK stored the choice in the system settings
// and wrote them (a failed write is said, the choice kept), 0 when the dialog
// ended otherwise.
int RunBattleModeDialog();
