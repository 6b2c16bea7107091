// Not a test: starts the editor in the current project and opens the event
// dialog on an event of several pages and a long action list, for a
// screenshot. events_demo <set|start|chooser|message|palette>
#include <windows.h>

#include <cstring>

#include "app/app.h"
#include "app/dlg_main.h"
#include "events/action_forms.h"
#include "events/dlg_eact_message.h"
#include "events/dlg_event_set.h"
#include "events/dlg_eventact.h"
#include "model/gvalinfo.h"
#include "resources/events_ids.h"
#include "resources/stage_editor_ids.h"
#include "tests/events/event_dialog_support.h"
#include "ui/wnd_list.h"

namespace {

const char* g_What = "set";

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
    return e;
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
    }
}

void CALLBACK OpenEvent(HWND wnd, UINT, UINT_PTR id, DWORD) {
    KillTimer(wnd, id);
    const int start = std::strcmp(g_What, "start") == 0;
    QueueStep([] {
        DLG_EVENT_SET* d = OpenBox<DLG_EVENT_SET>();
        if (!d) return false;
        SetTimer(d->m_hWnd, 1, 800, Next);
        return true;
    });
    if (start) {
        g_StartEvent.Pages[0].Acts = {Act(EACT_CREASEGVAL, {2, 1, 50}), Act(EACT_CHANGEBGM, {0, 1}),
                                      Act(EACT_CREASESALT, {1000})};
        EditEvent(g_lpStageWnd, &g_WndList, &g_StartEvent, 1, nullptr);
    } else {
        EditEvent(g_lpStageWnd, &g_WndList, &g_Event, 0, nullptr);
    }
}

}  // namespace

int main(int argc, char** argv) {
    g_What = argc > 1 ? argv[1] : "set";
    g_hInstance = GetModuleHandleA(nullptr);
    DLG_CLASS::SetScrollBarIds(IDC_MAP_HSCROLL, IDC_MAP_VSCROLL);
    if (!RegisterMainWindowClass(g_hInstance) || !AppInit()) return 1;
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
