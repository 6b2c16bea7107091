// The test-play settings (dialog 232 "テストプレイの設定"): which program a
// test play starts, and the options the game applies only during one. The
// controls are bound to the global settings, which OK stores and writes to
// "e_data\Testplay.dat" at once.
#pragma once

#include "ui/dlg_record.h"

// Word tables of the three combo boxes; the row is the stored value.
extern const char* const g_WordTestSkill[];       // "ランダムスキル習得"
extern const char* const g_WordTestSkillLevel[];  // "ランダムスキル習得におけるスキルの習得レベル"
extern const char* const g_WordTestTraining[];    // "トレーニング"

class DLG_TESTPLAY : public DLG_RECORD_CLASS {
public:
    DLG_TESTPLAY(WND_CLASS* parent, WND_LIST_CLASS* wndList);

    int OnCommand(WPARAM wParam, LPARAM lParam) override;

    CTRL_EDITSTR_CLASS& PathEdit() { return m_Strs[0]; }

protected:
    void OnCtrlsShown() override { UpdateControls(); }

private:
    // The path is typed only while the program is not found automatically;
    // the check box itself says which, before OK stores it.
    void UpdateControls();
    void Browse();
    void Commit();
};

// Runs the dialog modal over the stage editor; 1 for OK.
int RunTestPlaySettings(WND_CLASS* parent, WND_LIST_CLASS* wndList);
