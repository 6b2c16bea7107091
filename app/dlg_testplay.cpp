#include "app/dlg_testplay.h"

#include <new>

#include "base/editor_settings.h"
#include "base/paths.h"
#include "base/report.h"
#include "resources/stage_editor_ids.h"
#include "ui/common_dialogs.h"

const char* const g_WordTestSkill[] = {
    "テストプレイでも変わらない",
    "覚える可能性のあるスキルを全て習得",
    "ランダムスキル習得を無効化",
    "",
};
const char* const g_WordTestSkillLevel[] = {
    "テストプレイでも変わらない",
    "習得レベル最小値と最大値の中間で習得（センスも影響）",
    "習得レベル最小値で習得（センスも影響）",
    "習得レベル最大値で習得（センスも影響）",
    "",
};
const char* const g_WordTestTraining[] = {
    "テストプレイでも変わらない",
    "トレーニングできる",
    "全ての敵と闘える",
    "",
};

DLG_TESTPLAY::DLG_TESTPLAY(WND_CLASS* parent, WND_LIST_CLASS* wndList)
    : DLG_RECORD_CLASS(IDD_TESTPLAY, parent, WND_MODE_DIALOG, wndList, parent, 1) {
    SetInstance(this);
    cTestPlay& t = g_TestPlay;
    m_Strs = {CTRL_EDITSTR_CLASS({IDC_TESTPLAY_PATH, &t.GamePath, MAX_PATH + 1, 0, 1, 0, {0, 0, 0, 0}})};
    m_Checks = {
        CTRL_CHECK_CLASS<int>({IDC_TESTPLAY_AUTO, &t.AutoFind}),
        CTRL_CHECK_CLASS<int>({IDC_TESTPLAY_NO_GROWTH, &t.NoRandomGrowth}),
        CTRL_CHECK_CLASS<int>({IDC_TESTPLAY_NO_SENSE, &t.NoRandomSense}),
    };
    m_Combos = {
        CTRL_COMBO_CLASS<int>({IDC_TESTPLAY_SKILL, &t.RandomSkill, g_WordTestSkill, nullptr, 0, nullptr}),
        CTRL_COMBO_CLASS<int>({IDC_TESTPLAY_SKILL_LEVEL, &t.SkillLevel, g_WordTestSkillLevel, nullptr, 0, nullptr}),
        CTRL_COMBO_CLASS<int>({IDC_TESTPLAY_TRAINING, &t.Training, g_WordTestTraining, nullptr, 0, nullptr}),
    };
    m_Buttons = {CTRL_BUTTON_CLASS({IDC_TESTPLAY_BROWSE})};
}

int DLG_TESTPLAY::OnCommand(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case IDC_TESTPLAY_OK: Commit(); return 1;
    case IDC_TESTPLAY_CANCEL: End(0); return 1;
    case IDC_TESTPLAY_BROWSE:
        if (HIWORD(wParam) == BN_CLICKED) Browse();
        break;
    default: break;
    }
    if (m_bCreated) UpdateControls();
    return 1;
}

void DLG_TESTPLAY::UpdateControls() { EnableCtrl(m_Strs, IDC_TESTPLAY_PATH, !m_Checks[0].GetCheck()); }

void DLG_TESTPLAY::Browse() {
    char path[MAX_PATH] = {};
    if (!SelectOpenFile(m_hWnd, path, sizeof(path), ".\\", "ゲームプログラムの選択", "ExeFile ( *.exe )\0*.exe\0",
                        "exe"))
        return;
    // A program that cannot be named from the project folder is not taken.
    if (!MakeRelativePath(path)) return;
    SetPathText(&PathEdit(), path);
}

// The settings hold for this run even when the file cannot be written.
void DLG_TESTPLAY::Commit() {
    StoreCtrls();
    ReportSave(g_TestPlay.SaveFile(g_PathTable.TestPlay), g_PathTable.TestPlay);
    End(1);
}

int RunTestPlaySettings(WND_CLASS* parent, WND_LIST_CLASS* wndList) {
    DLG_TESTPLAY* dlg = new (std::nothrow) DLG_TESTPLAY(parent, wndList);
    return RunOwnedDialog(dlg, DLG_DISABLE_OTHERS);
}
