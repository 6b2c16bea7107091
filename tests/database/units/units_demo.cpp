// Not a test: starts the editor in the current project, fills the database
// with realistic units and opens the database sheet on a unit page, for a
// screenshot. units_demo <tab> [row [button [inner]]]: the page's record at
// `row` is selected, its `button` pressed, then `inner` in the dialog that
// opened.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "app/app.h"
#include "app/dlg_main.h"
#include "database/sheet/prop_database.h"
#include "resources/stage_editor_ids.h"
#include "tests/database/units/unit_test_data.h"

namespace {

int s_nTab = 0, s_nRow = 0, s_nButton = 0, s_nInner = 0;
const WORD kRecordLists[] = {1029, 1121, 1179};

// The page's modal dialog: the one window of the thread that is shown and
// takes input while the sheet waits behind it.
BOOL CALLBACK FindDialog(HWND wnd, LPARAM found) {
    PROP_DATABASE* sheet = g_lpStageWnd ? g_lpStageWnd->Database() : nullptr;
    if (!IsWindowVisible(wnd) || !IsWindowEnabled(wnd) || (sheet && wnd == sheet->m_hWnd)) return TRUE;
    *reinterpret_cast<HWND*>(found) = wnd;
    return FALSE;
}

void CALLBACK PressInner(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog) return;
    KillTimer(nullptr, timer);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(s_nInner, BN_CLICKED), 0);
}

// The sheet opens from the stage editor's command; the page is chosen once it stands.
void CALLBACK ShowPage(HWND, UINT, UINT_PTR timer, DWORD) {
    PROP_DATABASE* sheet = g_lpStageWnd ? g_lpStageWnd->Database() : nullptr;
    if (!sheet || !sheet->m_hWnd) return;
    KillTimer(nullptr, timer);
    SendMessageA(sheet->m_hWnd, PSM_SETCURSEL, s_nTab, 0);
    HWND page = sheet->Page(s_nTab) ? sheet->Page(s_nTab)->m_hWnd : nullptr;
    if (!page) return;
    HWND list = GetDlgItem(page, kRecordLists[s_nTab]);
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    SendMessageA(list, LB_SETSEL, TRUE, s_nRow);
    SendMessageA(list, LB_SETCARETINDEX, s_nRow, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(kRecordLists[s_nTab], LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    if (s_nButton) PostMessageA(page, WM_COMMAND, MAKEWPARAM(s_nButton, BN_CLICKED), 0);
    if (s_nInner) SetTimer(nullptr, 0, 300, PressInner);
}

}  // namespace

int main(int argc, char** argv) {
    g_hInstance = GetModuleHandleA(nullptr);
    s_nTab = argc > 1 ? std::atoi(argv[1]) % 3 : 0;
    s_nRow = argc > 2 ? std::atoi(argv[2]) : 0;
    s_nButton = argc > 3 ? std::atoi(argv[3]) : 0;
    s_nInner = argc > 4 ? std::atoi(argv[4]) : 0;
    DLG_CLASS::SetScrollBarIds(IDC_MAP_HSCROLL, IDC_MAP_VSCROLL);
    if (!RegisterMainWindowClass(g_hInstance) || !AppInit()) return 1;
    MakeUnitDatabase();
    PostMessageA(g_lpStageWnd->m_hWnd, WM_COMMAND, CM_DATABASE, 0);
    SetTimer(nullptr, 0, 200, ShowPage);
    int code = 0;
    RunMessageLoop(&code);
    AppExit();
    return code;
}
