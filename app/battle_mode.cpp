#include "app/battle_mode.h"

#include <new>

#include "base/paths.h"
#include "base/report.h"
#include "database/sheet/system_words.h"
#include "model/system.h"
#include "resources/stage_editor_ids.h"

namespace {

// Where the pointer waits, from the dialog's top-left corner: on OK.
const POINT kPointerOffset = {181, 198};

}  // namespace

DLG_BATTLEMODE::DLG_BATTLEMODE() : DLG_RECORD_CLASS(IDD_BATTLE_MODE, nullptr, WND_MODE_DIALOG, nullptr) {
    SetInstance(this);
    m_Combos.push_back(
        CTRL_COMBO_CLASS<int>({IDC_BATTLE_MODE_COMBO, &g_System.BattleMode, g_WordBattleMode, nullptr, 0, nullptr}));
}

void DLG_BATTLEMODE::AttachCtrls() {
    RECT own, desk;
    GetWindowRect(m_hWnd, &own);
    GetWindowRect(GetDesktopWindow(), &desk);
    const int x = (desk.right - desk.left - (own.right - own.left)) / 2;
    const int y = (desk.bottom - desk.top - (own.bottom - own.top)) / 2;
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetCursorPos(x + kPointerOffset.x, y + kPointerOffset.y);
}

void DLG_BATTLEMODE::OnCtrlsShown() {
    // A mode the list does not hold shows the nearest one.
    m_Combos[0].ClampSelection();
    SetFocus(m_Combos[0].m_hWnd);
}

// OK is the only way out: the project needs a battle mode.
int DLG_BATTLEMODE::OnCommand(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnCommand(wParam, lParam);
    if (LOWORD(wParam) != IDC_BATTLE_MODE_OK) return 1;
    StoreCtrls();
    g_System.TurnMode = g_System.BattleMode != 0 ? 1 : 0;
    // A failed write is said; the choice stays in the settings for the next save.
    ReportSave(g_System.SaveFile(g_PathTable.System), g_PathTable.System);
    End(1);
    return 1;
}

LRESULT DLG_BATTLEMODE::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) return TRUE;
    return DlgProc(hwnd, msg, wParam, lParam);
}

int RunBattleModeDialog() {
    DLG_BATTLEMODE* dlg = new (std::nothrow) DLG_BATTLEMODE();
    return RunOwnedDialog(dlg);
}
