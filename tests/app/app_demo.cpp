// Not a test: starts the editor in the current project and opens one window
// for a screenshot. app_demo <what> [argument]:
//   battle                      the battle-mode question of a new project
//   database [tab [button]]     the database sheet at a tab; a button id of the
//                               tab's page is pressed once the page shows
//   worldmap, testplay          the world map, the test-play settings
//   ask <second|new|clear|quit> a Yes/No question: a second copy, a new stage,
//                               clearing the map chips, quitting
//   tip <button>                the pointer rests on a tool-bar button (0-11)
//   menu <letter>               Alt and a menu's letter, typed on the keyboard
//   enemy, event                the enemy or event palette
//   enemyset, moveai, templates the stage enemy dialog, one of its rules, the templates
//   stage, endcond              the stage settings, one explanation line
//   groups, groupset            the position groups, one group's cells
#include <windows.h>
#include <commctrl.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <functional>

#include "app/app.h"
#include "app/battle_mode.h"
#include "app/dlg_enemy.h"
#include "app/dlg_enemy_set.h"
#include "app/dlg_grouppos.h"
#include "app/dlg_main.h"
#include "app/dlg_stage.h"
#include "base/platform.h"
#include "database/sheet/prop_database.h"
#include "editing/map_cursor.h"
#include "model/skill.h"
#include "model/stage.h"
#include "resources/stage_editor_ids.h"
#include "tests/support/text_fit.h"

namespace {

int s_nTab = 0;
int s_nButton = 0;
char s_cLetter = 'F';

// Steps run from a timer, each once it returns true: a step may open a
// modal dialog, whose loop goes on running the timer.
std::deque<std::function<bool()>> s_Steps;

void CALLBACK RunSteps(HWND, UINT, UINT_PTR, DWORD) {
    if (s_Steps.empty()) return;
    std::function<bool()> step = s_Steps.front();
    s_Steps.pop_front();
    if (!step()) s_Steps.push_front(step);
}

// A slime that heals the weakest ally once it is hurt, fights in its range
// and waits otherwise; a skill list with a healing skill to offer.
void AddDemoRules(cPutEnemy& enemy) {
    cSkillList& list = g_SkillLists[0];
    list.strName = "魔法";
    list.vSkill.resize(3);
    list.vSkill[1].strName = "ファイア";
    list.vSkill[2].strName = "ヒール";
    list.vSkill[2].nKind = SKILL_HEAL;
    list.vSkill[2].nNo = 2;
    cMoveAI heal;
    heal.Range = 1;
    heal.Target = 4;
    heal.Action = 2;
    heal.Skill = 2;
    heal.CondEnabled = heal.CondStatus = heal.StatusPercent = 1;
    heal.StatusValue = 50;
    heal.StatusCompare = 3;
    cMoveAI fight;
    fight.Range = 1;
    fight.Action = 1;
    enemy.MoveAI = {heal, fight, cMoveAI()};
    enemy.CharaIdOn = 1;
    enemy.CharaId = 12;
}

template <class D>
D* Open() {
    D* box = DLG_STATIC<D>::s_pInstance;
    return box && box->m_hWnd && box->m_bCreated ? box : nullptr;
}

// The stage dialogs, each reached as a user does, one step a dialog.
void QueueStageDialog(const char* what) {
    auto command = [](WORD id) {
        return [id] {
            PostMessageA(g_lpStageWnd->m_hWnd, WM_COMMAND, id, 0);
            return true;
        };
    };
    auto is = [what](const char* name) { return std::strcmp(what, name) == 0; };
    const bool enemy = is("enemy") || is("enemyset") || is("moveai") || is("templates");
    if (enemy) s_Steps.push_back(command(CM_LAYER_ENEMY));
    if (is("event")) s_Steps.push_back(command(CM_LAYER_EVENT));
    if (enemy && !is("enemy")) {
        s_Steps.push_back([] {
            DLG_ENEMY* palette = g_lpStageWnd->EnemyPalette();
            if (!palette || !palette->m_hWnd) return false;
            AddDemoRules(g_Stage.PutEnemies[3]);
            palette->EditEntry(3);
            return true;
        });
    }
    if (is("moveai") || is("templates")) {
        const bool rule = is("moveai");
        s_Steps.push_back([rule] {
            DLG_ENEMY_SET* d = Open<DLG_ENEMY_SET>();
            if (!d) return false;
            if (rule) d->m_RuleEdits.EditSelected();
            if (!rule) d->ArrangeTemplates();
            return true;
        });
    }
    if (is("stage") || is("endcond")) s_Steps.push_back(command(CM_STAGE_SETTINGS));
    if (is("endcond")) {
        s_Steps.push_back([] {
            DLG_STAGE* d = Open<DLG_STAGE>();
            if (!d) return false;
            d->m_LineEdits[ENDCOND_LIST_WIN].EditSelected();
            return true;
        });
    }
    if (is("groups") || is("groupset")) s_Steps.push_back(command(CM_GROUP_POS));
    if (is("groupset")) {
        s_Steps.push_back([] {
            DLG_GROUPPOS* d = Open<DLG_GROUPPOS>();
            if (!d) return false;
            d->m_List.SelectOnly(1, 0);
            d->m_GroupEdits.EditSelected();
            return true;
        });
    }
    SetTimer(nullptr, 0, 300, RunSteps);
}

// The sheet opens from the stage editor's command; its tab is chosen once it stands.
void CALLBACK ShowTab(HWND, UINT, UINT_PTR timer, DWORD) {
    PROP_DATABASE* sheet = g_lpStageWnd ? g_lpStageWnd->Database() : nullptr;
    if (!sheet || !sheet->m_hWnd) return;
    KillTimer(nullptr, timer);
    SendMessageA(sheet->m_hWnd, PSM_SETCURSEL, s_nTab, 0);
    HWND page = sheet->Page(s_nTab) ? sheet->Page(s_nTab)->m_hWnd : nullptr;
    if (page && s_nButton) PostMessageA(page, WM_COMMAND, MAKEWPARAM(s_nButton, BN_CLICKED), 0);
}

void SendKey(WORD key, bool up) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = key;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof(in));
}

// The pointer moves onto the middle of the button, as a hand would bring it there.
void CALLBACK RestOnButton(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND bar = g_lpStageWnd ? g_lpStageWnd->m_hToolBar : nullptr;
    RECT r = {};
    if (!bar || !SendMessageA(bar, TB_GETITEMRECT, s_nButton, reinterpret_cast<LPARAM>(&r))) return;
    POINT at = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(bar, &at);
    SetForegroundWindow(g_lpStageWnd->m_hWnd);
    // The tip stays until the screenshot is taken.
    if (g_lpStageWnd->m_hToolTip) SendMessageA(g_lpStageWnd->m_hToolTip, TTM_SETDELAYTIME, TTDT_AUTOPOP, 30000);
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    for (int step = 3; step >= 0; --step) {
        INPUT in = {};
        in.type = INPUT_MOUSE;
        in.mi.dx = (at.x - step * 4) * 65535 / (w - 1);
        in.mi.dy = (at.y - step) * 65535 / (h - 1);
        in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &in, sizeof(in));
    }
}

void CALLBACK TypeAltLetter(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (!g_lpStageWnd) return;
    SetForegroundWindow(g_lpStageWnd->m_hWnd);
    SetFocus(g_lpStageWnd->m_hWnd);
    SendKey(VK_MENU, false);
    SendKey(static_cast<WORD>(std::toupper(static_cast<unsigned char>(s_cLetter))), false);
    SendKey(static_cast<WORD>(std::toupper(static_cast<unsigned char>(s_cLetter))), true);
    SendKey(VK_MENU, true);
}

}  // namespace

int main(int argc, char** argv) {
    LogUnfitTextsOfEveryDialog();
    const char* what = argc > 1 ? argv[1] : "battle";
    const char* arg = argc > 2 ? argv[2] : "";
    g_hInstance = GetModuleHandleA(nullptr);
    if (std::strcmp(what, "battle") == 0) return RunBattleModeDialog() ? 0 : 1;
    if (std::strcmp(what, "ask") == 0 && std::strcmp(arg, "second") == 0) {
        HANDLE first = CreateMutexA(nullptr, FALSE, g_szAppClass);
        HANDLE second = AcquireSingleInstance(g_szAppClass);
        if (second) CloseHandle(second);
        CloseHandle(first);
        return 0;
    }
    DLG_CLASS::SetScrollBarIds(IDC_MAP_HSCROLL, IDC_MAP_VSCROLL);
    if (!RegisterMainWindowClass(g_hInstance) || !AppInit()) return 1;
    HWND stage = g_lpStageWnd->m_hWnd;
    if (std::strcmp(what, "database") == 0) {
        PostMessageA(stage, WM_COMMAND, CM_DATABASE, 0);
        s_nTab = std::atoi(arg);
        s_nButton = argc > 3 ? std::atoi(argv[3]) : 0;
        SetTimer(nullptr, 0, 200, ShowTab);
    }
    if (std::strcmp(what, "worldmap") == 0) PostMessageA(stage, WM_COMMAND, CM_WORLDMAP, 0);
    if (std::strcmp(what, "testplay") == 0) PostMessageA(stage, WM_COMMAND, CM_TESTPLAY_SETTINGS, 0);
    if (std::strcmp(what, "ask") == 0) {
        if (std::strcmp(arg, "new") == 0) PostMessageA(stage, WM_COMMAND, CM_NEW_STAGE, 0);
        if (std::strcmp(arg, "clear") == 0) PostMessageA(stage, WM_COMMAND, CM_CLEAR_CHIPS, 0);
        if (std::strcmp(arg, "quit") == 0) PostMessageA(g_hWndMain, WM_CLOSE, 0, 0);
    }
    if (std::strcmp(what, "tip") == 0) {
        s_nButton = std::atoi(arg);
        SetTimer(nullptr, 0, 500, RestOnButton);
    }
    if (std::strcmp(what, "menu") == 0) {
        s_cLetter = *arg ? *arg : 'F';
        SetTimer(nullptr, 0, 500, TypeAltLetter);
    }
    QueueStageDialog(what);
    int code = 0;
    RunMessageLoop(&code);
    AppExit();
    return code;
}
