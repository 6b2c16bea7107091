// Not a test: starts the editor in the current project and opens one window
// for a screenshot. app_demo <battle|database [tab [button]]|worldmap|popup|testplay>;
// a button id of the database tab's page is pressed once the page shows.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <cstring>

#include "app/app.h"
#include "app/battle_mode.h"
#include "app/dlg_main.h"
#include "database/sheet/prop_database.h"
#include "editing/map_cursor.h"
#include "resources/stage_editor_ids.h"

namespace {

int s_nTab = 0;
int s_nButton = 0;

// The sheet opens from the stage editor's command; its tab is chosen once it stands.
void CALLBACK ShowTab(HWND, UINT, UINT_PTR timer, DWORD) {
    PROP_DATABASE* sheet = g_lpStageWnd ? g_lpStageWnd->Database() : nullptr;
    if (!sheet || !sheet->m_hWnd) return;
    KillTimer(nullptr, timer);
    SendMessageA(sheet->m_hWnd, PSM_SETCURSEL, s_nTab, 0);
    HWND page = sheet->Page(s_nTab) ? sheet->Page(s_nTab)->m_hWnd : nullptr;
    if (page && s_nButton) PostMessageA(page, WM_COMMAND, MAKEWPARAM(s_nButton, BN_CLICKED), 0);
}

}  // namespace

int main(int argc, char** argv) {
    const char* what = argc > 1 ? argv[1] : "battle";
    g_hInstance = GetModuleHandleA(nullptr);
    if (std::strcmp(what, "battle") == 0) return RunBattleModeDialog() ? 0 : 1;
    DLG_CLASS::SetScrollBarIds(IDC_MAP_HSCROLL, IDC_MAP_VSCROLL);
    if (!RegisterMainWindowClass(g_hInstance) || !AppInit()) return 1;
    if (std::strcmp(what, "database") == 0) {
        PostMessageA(g_lpStageWnd->m_hWnd, WM_COMMAND, CM_DATABASE, 0);
        s_nTab = argc > 2 ? std::atoi(argv[2]) : 0;
        s_nButton = argc > 3 ? std::atoi(argv[3]) : 0;
        SetTimer(nullptr, 0, 200, ShowTab);
    }
    if (std::strcmp(what, "worldmap") == 0) PostMessageA(g_lpStageWnd->m_hWnd, WM_COMMAND, CM_WORLDMAP, 0);
    if (std::strcmp(what, "testplay") == 0) PostMessageA(g_lpStageWnd->m_hWnd, WM_COMMAND, CM_TESTPLAY_SETTINGS, 0);
    int code = 0;
    RunMessageLoop(&code);
    AppExit();
    return code;
}
