#include "app/battle_mode.h"

#include "app/app.h"
#include "database/sheet/system_words.h"
#include "base/paths.h"
#include "model/system.h"
#include "resources/stage_editor_ids.h"

INT_PTR CALLBACK ChooseBattleModeProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG: {
        RECT own, desk;
        GetWindowRect(dlg, &own);
        GetWindowRect(GetDesktopWindow(), &desk);
        const int x = (desk.right - desk.left - (own.right - own.left)) / 2;
        const int y = (desk.bottom - desk.top - (own.bottom - own.top)) / 2;
        SetWindowPos(dlg, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        // The pointer waits on OK.
        RECT ok;
        if (GetWindowRect(GetDlgItem(dlg, IDC_BATTLE_MODE_OK), &ok))
            SetCursorPos((ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2);
        HWND combo = GetDlgItem(dlg, IDC_BATTLE_MODE_COMBO);
        for (int i = 0; g_WordBattleMode[i][0]; ++i)
            SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(g_WordBattleMode[i]));
        SendMessageA(combo, CB_SETCURSEL, g_System.BattleMode, 0);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_BATTLE_MODE_OK) {
            const LRESULT row = SendDlgItemMessageA(dlg, IDC_BATTLE_MODE_COMBO, CB_GETCURSEL, 0, 0);
            g_System.BattleMode = row > 0 ? static_cast<int>(row) : 0;
            g_System.TurnMode = g_System.BattleMode != 0 ? 1 : 0;
            g_System.SaveFile(g_PathTable.System);
            EndDialog(dlg, 1);
        }
        return TRUE;
    }
    return FALSE;
}

int RunBattleModeDialog(HWND owner) {
    const INT_PTR r = DialogBoxParamA(g_hInstance, MAKEINTRESOURCEA(IDD_BATTLE_MODE), owner, ChooseBattleModeProc, 0);
    return r == 1 ? 1 : 0;
}
