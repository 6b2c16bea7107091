// The test-play settings (dialog 232 "テストプレイの設定"): which program a
// test play starts, and the options the game applies only during one. The
// controls are bound to the global settings, which OK stores and writes to
// "e_data\Testplay.dat" at once.
#pragma once

#include <vector>

#include "ui/ctrl_combo.h"
#include "ui/ctrl_editstr.h"
#include "ui/dlg.h"

// Word tables of the three combo boxes; the row is the stored value.
extern const char* const g_WordTestSkill[];       // "ランダムスキル習得"
extern const char* const g_WordTestSkillLevel[];  // "ランダムスキル習得におけるスキルの習得レベル"
extern const char* const g_WordTestTraining[];    // "トレーニング"

class DLG_TESTPLAY : public DLG_CLASS {
public:
    DLG_TESTPLAY(WND_CLASS* parent, WND_LIST_CLASS* wndList);
    ~DLG_TESTPLAY() override;

    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    CTRL_EDITSTR_CLASS& PathEdit() { return m_Strings[0]; }

private:
    // The path is typed only while the program is not found automatically;
    // the check box itself says which, before OK stores it.
    void UpdateControls();
    void Browse();
    void Commit();

    std::vector<CTRL_EDITSTR_CLASS> m_Strings;
    std::vector<CTRL_CHECK_CLASS<int>> m_Checks;
    std::vector<CTRL_COMBO_CLASS<int>> m_Combos;
    std::vector<CTRL_BUTTON_CLASS> m_Buttons;
};

// Runs the dialog modal over the stage editor; 1 for OK.
int RunTestPlaySettings(WND_CLASS* parent, WND_LIST_CLASS* wndList);
