// Not a test: starts the editor in the current project and opens the event
// dialog on an event of several pages and a long action list, for a
// screenshot. events_demo <set|start|chooser|message|palette|kind N|start16>:
// "kind N" opens the dialog of an action of kind N (1 to 23) from the last
// page, which holds one of each; "start16" the status action in the start
// event.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "app/app.h"
#include "app/dlg_main.h"
#include "events/action_forms.h"
#include "events/dlg_eact_message.h"
#include "events/dlg_event_set.h"
#include "events/dlg_eventact.h"
#include "model/gvalinfo.h"
#include "model/media_database.h"
#include "model/skill.h"
#include "resources/events_ids.h"
#include "resources/stage_editor_ids.h"
#include "tests/events/event_dialog_support.h"
#include "tests/support/text_fit.h"
#include "ui/wnd_list.h"

namespace {

const char* g_What = "set";
int g_nKind = 0;

cEventAct Act(int kind, std::initializer_list<int> ints, const char* text = nullptr) {
    cEventAct act;
    act.Kind = kind;
    SizeActionParams(act);
    int i = 0;
    for (int v : ints) act.Ints.At(i++) = v;
    if (text) act.Strs.At(0) = text;
    return act;
}

cEvent DemoEvent() {
    cEvent e;
    e.Name = "村の入口";
    e.Pages.resize(4);
    cEventPage& p = e.Pages[0];
    p.Timing = 21;
    p.Area = 3;
    p.Subject = 1;
    p.Group = 1;
    p.TurnA = 1;
    p.TurnA1 = 2;
    p.TurnA2 = 3;
    p.CommonVar = 2;
    p.CommonVarValue = 100;
    p.CommonVarCompare = 2;
    p.Graphic = 35;
    p.Acts = {
        Act(EACT_MESSAGE, {3, 0, 0, 0, 0, 1, 1, 0, 30, 0, 1, 0, 1, 0, 0, 0, 1, 1, 3, 0, 0, 0, 0, 255, 1, 100},
            "ようこそ、旅の方。#P3.\nここは#C2.番目の村です。"),
        Act(EACT_WAIT, {10}),
        Act(EACT_CHANGEBGM, {2, 1}),
        Act(EACT_CREASEGVAL, {2, 1, 50}),
        Act(EACT_PICTURE, {1, 0, 0, 0}),
        Act(EACT_SETMAPCURSOR, {1}),
        Act(EACT_WARP, {0, 12, 7}),
        Act(EACT_CREASEENEMYGROUP, {4, 1}),
        Act(EACT_PUTFRIEND, {1, 1, 0, 5, 6}),
        Act(EACT_CREASEEVENTVAL, {1, 3}),
        Act(EACT_CHANGEMAPCHIP, {1, 0, 0, 2}),
        Act(EACT_STATUS, {0, 0, 0, 0, 0, 1, 1, 0, -10, 10, 0, 0, 0, 0, 1}),
        Act(EACT_CREASESALT, {500}),
        Act(EACT_CHANGEPARTY, {1, 1}),
        Act(EACT_MESSAGE, {3, 0, 0, 0, 0, 1, 1, 0, 30, 0, 1, 0, 1, 1, 5, 1}),
        Act(EACT_STAGECLEAR, {}),
    };
    e.Pages[1].Acts = {Act(EACT_WAIT, {5}), Act(EACT_GAMEOVER, {})};
    e.Pages[2].Acts = {Act(EACT_CREASESALT, {-30})};
    // One action of each kind with a dialog, in kind order.
    e.Pages[3].Acts = {
        p.Acts[0],
        Act(EACT_PICTURE, {1, 1, 5, 0, 9, 3, -2, 16, 0, 0, 0, 200, 1, 1, 120, 2, 50, 0}),
        Act(EACT_WAIT, {15}),
        Act(EACT_SETMAPCURSOR, {2, 2, 16, 3}),
        Act(EACT_WARP, {1, 12, 7, 1}),
        Act(EACT_CREASEENEMYGROUP, {2, 1, 1}),
        Act(EACT_COPYENEMY, {2, 1, 0}),
        Act(EACT_PUTFRIEND, {2, 0, 0, 5, 12, 1}),
        Act(EACT_CHANGESTARTPOS, {2}),
        Act(EACT_CREASEEVENTVAL, {1, 5}),
        Act(EACT_CREASEGVAL, {2, 1, 1}),
        Act(EACT_CHANGEMAPCHIP, {6, 1, 1, 3, 2}),
        Act(EACT_CHANGEEVENTPIC, {3}),
        Act(EACT_PLAYSOUND, {2}),
        Act(EACT_CHANGEBGM, {3, 2}),
        Act(EACT_STATUS, {0, 0, 1, 0, 0, 2, 1, 0, -20, -5, 0, 2, 0, 0, 0}),
        Act(EACT_CREASESALT, {500}),
        Act(EACT_ACQUIRESKILL, {0, 2}),
        Act(EACT_CREASESTOCK, {1, 2, 3}),
        Act(EACT_ADDSHOPSKILL, {0, 3, 0, 5}),
        Act(EACT_GETRANDOMSKILL, {1, 1, 3, 1, 2}),
        Act(EACT_CHANGEFRIENDSHOP, {1, 1}),
        Act(EACT_CHANGEPARTY, {2, -1}),
    };
    return e;
}

// Names for the lists the action dialogs offer, where the sample has none.
void DemoDatabase() {
    const char* sounds[] = {"", "決定", "扉を開ける", "宝箱を開ける", "回復"};
    g_Database.Sounds.resize(5);
    for (int i = 1; i < 5; ++i) g_Database.Sounds[i].strName = sounds[i];
    const char* bgms[] = {"", "村のテーマ", "戦いの予感", "決戦"};
    g_Database.Bgms.resize(4);
    for (int i = 1; i < 4; ++i) g_Database.Bgms[i].strName = bgms[i];
    const char* pictures[] = {"", "村長", "兵士", "古い地図"};
    g_Database.Pictures.resize(4);
    for (int i = 1; i < 4; ++i) g_Database.Pictures[i].strName = pictures[i];
    g_GValInfo.At(2).Name = "鍵の数";
    g_GValInfo.At(3).Name = "村人の好感度";
    const struct {
        const char* name;
        std::vector<const char*> categories;
        std::vector<std::pair<int, const char*>> skills;
    } lists[] = {
        {"剣技", {"剣", "槍"}, {{0, "斬撃"}, {0, "二段斬り"}, {1, "突き"}, {1, "薙ぎ払い"}}},
        {"魔法", {"炎", "癒し"}, {{0, "ファイア"}, {0, "フレイム"}, {1, "ヒール"}}},
    };
    g_SkillLists.resize(2);
    for (int l = 0; l < 2; ++l) {
        cSkillList& list = g_SkillLists[l];
        list.strName = lists[l].name;
        list.vCateg.resize(lists[l].categories.size());
        for (size_t c = 0; c < lists[l].categories.size(); ++c) list.vCateg[c].strName = lists[l].categories[c];
        list.vSkill.resize(lists[l].skills.size() + 1);
        for (size_t k = 0; k < lists[l].skills.size(); ++k) {
            list.vSkill[k + 1].nCateg = lists[l].skills[k].first;
            list.vSkill[k + 1].strName = lists[l].skills[k].second;
        }
    }
}

cEvent g_Event;

void CALLBACK Next(HWND wnd, UINT, UINT_PTR id, DWORD) {
    KillTimer(wnd, id);
    DLG_EVENT_SET* d = OpenBox<DLG_EVENT_SET>();
    if (!d) return;
    if (std::strcmp(g_What, "chooser") == 0) {
        d->m_ActList.SelectOnly(3, 0);
        d->InsertAction();
    } else if (std::strcmp(g_What, "message") == 0) {
        d->m_ActList.SelectOnly(0, 0);
        d->EditAction();
    } else if (std::strcmp(g_What, "palette") == 0) {
        d->ArrangePalette(0);
    } else if (std::strcmp(g_What, "kind") == 0) {
        d->m_PageList.SelectOnly(3, 1);
        SendMessageA(d->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_PAGE_LIST, LBN_SELCHANGE), 0);
        d->m_ActList.SelectOnly(g_nKind - 1, 0);
        d->EditAction();
    } else if (std::strcmp(g_What, "start16") == 0) {
        d->m_ActList.SelectOnly(3, 0);
        d->EditAction();
    }
}

void CALLBACK OpenEvent(HWND wnd, UINT, UINT_PTR id, DWORD) {
    KillTimer(wnd, id);
    const int start = std::strcmp(g_What, "start") == 0 || std::strcmp(g_What, "start16") == 0;
    QueueStep([] {
        DLG_EVENT_SET* d = OpenBox<DLG_EVENT_SET>();
        if (!d) return false;
        SetTimer(d->m_hWnd, 1, 800, Next);
        return true;
    });
    if (start) {
        g_StartEvent.Pages[0].Acts = {Act(EACT_CREASEGVAL, {2, 1, 50}), Act(EACT_CHANGEBGM, {0, 1}),
                                      Act(EACT_CREASESALT, {1000}),
                                      Act(EACT_STATUS, {1, 0, 3, 0, 0, 1, 3, 0, 0, 0, 0, 2, 0, 0, 1})};
        EditEvent(g_lpStageWnd, &g_WndList, &g_StartEvent, 1, nullptr);
    } else {
        EditEvent(g_lpStageWnd, &g_WndList, &g_Event, 0, nullptr);
    }
}

}  // namespace

int main(int argc, char** argv) {
    LogUnfitTextsOfEveryDialog();
    g_What = argc > 1 ? argv[1] : "set";
    g_nKind = argc > 2 ? std::atoi(argv[2]) : 0;
    g_hInstance = GetModuleHandleA(nullptr);
    DLG_CLASS::SetScrollBarIds(IDC_MAP_HSCROLL, IDC_MAP_VSCROLL);
    if (!RegisterMainWindowClass(g_hInstance) || !AppInit()) return 1;
    DemoDatabase();
    g_Event = DemoEvent();
    for (int i = 0; i < 5; ++i) {
        cEventActPlt entry;
        entry.Name = i ? "場面転換" : "あいさつ";
        entry.Acts = {Act(EACT_MESSAGE, {3}), Act(EACT_WAIT, {10}), Act(EACT_CHANGEBGM, {2, 1})};
        g_EventActPlt.push_back(entry);
    }
    SetTimer(nullptr, 0, 500, OpenEvent);
    int code = 0;
    RunMessageLoop(&code);
    AppExit();
    return code;
}
