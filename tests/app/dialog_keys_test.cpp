// The stage editor's dialogs driven with the keyboard. Chains of modal
// dialogs: each dialog opens the next, the innermost is ended with a key,
// and every dialog that is still modal must then be the active window above
// the stage editor, hold the focus and take its own key. The lists' pop-up
// menus: Escape closes the menu and Return carries out its item, and the
// window stays open either way.
#include <windows.h>

#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "app/dlg_endcond.h"
#include "app/dlg_enemy.h"
#include "app/dlg_enemy_set.h"
#include "app/dlg_event.h"
#include "app/dlg_grouppos.h"
#include "app/dlg_moveai.h"
#include "app/dlg_moveaitemplate.h"
#include "app/dlg_stage.h"
#include "events/action_forms.h"
#include "events/dlg_eact_kinds.h"
#include "events/dlg_event_set.h"
#include "events/dlg_eventact.h"
#include "events/dlg_eventactplt.h"
#include "model/ai.h"
#include "model/event.h"
#include "resources/event_actions_ids.h"
#include "resources/events_ids.h"
#include "resources/stage_dialogs_ids.h"
#include "resources/stage_editor_ids.h"
#include "tests/app/editor_test.h"
#include "tests/events/event_dialog_support.h"
#include "tests/ui/ui_driver.h"
#include "ui/dlg_input.h"

namespace {

template <class D>
HWND Wnd() {
    D* d = OpenBox<D>();
    return d ? d->m_hWnd : nullptr;
}

// A click that runs in the dialog's own loop, not in the step that posts it.
void PostClick(HWND dlg, int id) {
    PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
}

bool IsAbove(HWND upper, HWND lower) {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == upper) return true;
        if (w == lower) return false;
    }
    return false;
}

struct cLevel {
    const char* name;
    HWND (*wnd)();                       // the dialog's window while it is open
    std::function<void(HWND)> openNext;  // opens the next dialog (posted); none on the innermost
    WORD key;                            // ends the dialog; 0: it ends with the dialog it opened
};

struct cChain {
    const char* name;
    std::function<void()> open;  // opens the first dialog and returns when it has ended
    std::vector<cLevel> levels;
};

// What a dialog was like once the dialog it had opened was gone.
struct cSeen {
    int active = 0, foreground = 0, above = 0, focus = 0;  // above the stage editor; the focus in it
    int endedByKey = 0;
};

std::string Facts(const cSeen& s) {
    return std::string(s.active ? "" : " not-active") + (s.foreground ? "" : " not-foreground") +
           (s.above ? "" : " under-the-stage-editor") + (s.focus ? "" : " no-focus") +
           (s.endedByKey ? "" : " key-did-not-reach-it");
}

class DialogKeys : public EditorTest {
protected:
    void TearDown() override {
        EXPECT_EQ(0, DropSteps());
        WhenShown(nullptr);
        EditorTest::TearDown();
    }
    HWND Enemies() { return Stage()->EnemyPalette()->m_hWnd; }
    HWND Events() { return Stage()->EventPalette()->m_hWnd; }

    // Opens every level in turn once the one before is active, then ends
    // them from the innermost out with their keys; what each outer one was
    // like when its turn came.
    std::vector<cSeen> Run(const cChain& chain) {
        const std::vector<cLevel>& levels = chain.levels;
        std::vector<cSeen> seen(levels.size());
        enum { OPEN, SETTLE, GONE } state = OPEN;
        size_t i = 0;
        int ticks = 0, aborted = 0;
        HWND stage = StageWnd();
        WhenShown([&] {
            ++ticks;
            HWND wnd = levels[i].wnd();
            if (state == OPEN) {
                if (ticks > 300) {  // a dialog that never opened: close what did
                    aborted = 1;
                    for (size_t j = 0; j <= i; ++j)
                        if (HWND w = levels[j].wnd()) PostMessageA(w, WM_CLOSE, 0, 0);
                    return true;
                }
                if (!wnd || GetActiveWindow() != wnd) return false;
                ticks = 0;
                if (i + 1 < levels.size()) {
                    levels[i].openNext(wnd);
                    ++i;
                } else {
                    state = SETTLE;
                }
                return false;
            }
            if (state == SETTLE) {
                if (!levels[i].key) {  // it ended with the dialog it opened
                    seen[i].endedByKey = !wnd;
                    if (i == 0) return true;
                    --i;
                    return false;
                }
                if (ticks < 10) return false;
                cSeen& s = seen[i];
                s.active = GetActiveWindow() == wnd;
                s.foreground = GetForegroundWindow() == wnd;
                s.above = IsAbove(wnd, stage);
                HWND focus = GetFocus();
                s.focus = focus && (focus == wnd || IsChild(wnd, focus));
                TypeKeys({levels[i].key});
                state = GONE;
                ticks = 0;
                return false;
            }
            if (wnd) {
                if (ticks == 60) PostMessageA(wnd, WM_CLOSE, 0, 0);  // the key went elsewhere
                return false;
            }
            seen[i].endedByKey = ticks < 60;
            if (i == 0) return true;
            --i;
            state = SETTLE;
            ticks = 0;
            return false;
        });
        chain.open();
        // The first dialog's end returned here before a step could see it.
        if (state == GONE && i == 0) seen[0].endedByKey = ticks < 60;
        EXPECT_EQ(0, aborted) << chain.name << ": " << levels[i].name << " never opened";
        WhenShown(nullptr);
        return seen;
    }
};

}  // namespace

// After the inner dialog of each chain ends, the one that is still modal is
// on top, active and with the focus, and its Esc or Return ends it.
TEST_F(DialogKeys, TheDialogStillModalComesBackOnTopWithTheFocus) {
    const cChain chains[] = {
        {"position groups",
         [this] { Command(CM_GROUP_POS); },
         {{"146", Wnd<DLG_GROUPPOS>, [](HWND w) { PostClick(w, IDC_GROUPPOS_EDIT); }, VK_RETURN},
          {"147", Wnd<DLG_GROUPPOS_SET>, nullptr, VK_RETURN}}},
        {"an enemy's rule and a variable's name",
         [this] {
             Command(CM_LAYER_ENEMY);
             Click(Enemies(), IDC_LISTPLT_EDIT);
         },
         {{"169", Wnd<DLG_ENEMY_SET>, [](HWND w) { PostClick(w, IDC_ENEMYSET_INSERT); }, VK_ESCAPE},
          {"142", Wnd<DLG_MOVEAI>,
           [](HWND w) {
               Choose(w, IDC_MOVEAI_GVAL, 1);
               PostClick(w, IDC_MOVEAI_GVAL_RENAME);
           },
           VK_ESCAPE},
          {"input box", Wnd<DLG_INPUT_STR>, nullptr, VK_RETURN}}},
        {"an enemy's templates",
         [this] {
             Command(CM_LAYER_ENEMY);
             Click(Enemies(), IDC_LISTPLT_EDIT);
         },
         {{"169", Wnd<DLG_ENEMY_SET>, [](HWND w) { PostClick(w, IDC_ENEMYSET_ARRANGE); }, VK_ESCAPE},
          {"219", Wnd<DLG_MOVEAITEMPLATE>, nullptr, VK_ESCAPE}}},
        {"stage settings and a line",
         [this] { Command(CM_STAGE_SETTINGS); },
         {{"144", Wnd<DLG_STAGE>, [](HWND w) { PostClick(w, IDC_STAGE_WIN_INSERT); }, VK_RETURN},
          {"145", Wnd<DLG_ENDCOND>, nullptr, VK_ESCAPE}}},
        {"an event's new action and a variable's name",
         [this] {
             Command(CM_LAYER_EVENT);
             Click(Events(), IDC_LISTPLT_EDIT);
         },
         {{"167", Wnd<DLG_EVENT_SET>, [](HWND w) { PostClick(w, IDC_ACTION_INSERT); }, VK_ESCAPE},
          {"170", Wnd<DLG_EVENTACT>, [](HWND w) { PostClick(w, EactForm(EACT_CREASEGVAL).button); }, 0},
          {"action dialog", Wnd<DLG_EACT_CREASEGVAL>,
           [](HWND w) {
               Choose(w, IDC_VAR_GVAL, 1);
               PostClick(w, IDC_EACT_RENAME_GVAL);
           },
           VK_RETURN},
          {"input box", Wnd<DLG_INPUT_STR>, nullptr, VK_ESCAPE}}},
        {"an event and the action palette",
         [this] {
             Command(CM_LAYER_EVENT);
             Click(Events(), IDC_LISTPLT_EDIT);
         },
         {{"167", Wnd<DLG_EVENT_SET>, [](HWND w) { PostMessageA(w, WM_COMMAND, CM_PALETTE_ARRANGE, 0); }, VK_ESCAPE},
          {"action palette", Wnd<DLG_EVENTACTPLT>, nullptr, VK_ESCAPE}}},
    };
    for (const cChain& chain : chains) {
        const std::vector<cSeen> seen = Run(chain);
        cSeen outer;
        outer.active = outer.foreground = outer.above = outer.focus = outer.endedByKey = 1;
        for (size_t i = 0; i < seen.size(); ++i) {
            const char* level = chain.levels[i].name;
            if (i + 1 < seen.size() && chain.levels[i].key)
                EXPECT_EQ(Facts(outer), Facts(seen[i])) << chain.name << ": " << level;
            else
                EXPECT_EQ(1, seen[i].endedByKey) << chain.name << ": " << level;
        }
    }
}

namespace {

struct cListMenu {
    const char* name;
    std::function<void()> open;  // opens the window; a modal dialog's returns when it has ended
    HWND (*wnd)();
    int list;
    std::function<size_t()> copied;  // the records on the list's clipboard
};

struct cMenuSeen {
    int escapeLeftItOpen = 0, returnLeftItOpen = 0;  // the window, active, once the menu had gone
    size_t copied = 0;
};

// Right-clicks the list's first row twice: Escape in the first menu, Home,
// Down and Return ("コピー") in the second; then a modal dialog is closed.
cMenuSeen RunListMenu(const cListMenu& row, int modal) {
    cMenuSeen seen;
    int round = 0, phase = 0, ticks = 0, done = 0;
    WhenShown([&] {
        ++ticks;
        HWND wnd = row.wnd();
        if (ticks > 300) {  // the window or its menu never came: close what is open
            EndMenu();
            if (wnd && modal) PostMessageA(wnd, WM_CLOSE, 0, 0);
            done = -1;
            return true;
        }
        if (phase == 0) {
            if (wnd && !modal && GetActiveWindow() != wnd) SetForegroundWindow(wnd);  // a palette is clicked first
            if (!wnd || GetActiveWindow() != wnd) return false;
            HWND list = GetDlgItem(wnd, row.list);
            RECT item = {};
            SendMessageA(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
            POINT at = {item.left + 10, (item.top + item.bottom) / 2};
            ClientToScreen(list, &at);
            SetCursorPos(0, 0);  // off the menu, whose item under the pointer would be highlighted
            PostMessageA(wnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(at.x, at.y));
            phase = 1;
        } else if (phase == 1) {
            HWND menu = FindWindowA("#32768", nullptr);
            if (!menu || !IsWindowVisible(menu)) return false;
            if (round == 0) {
                TypeKeys({VK_ESCAPE});
            } else {
                for (WORD key : {VK_HOME, VK_DOWN, VK_RETURN}) TypeKeys({key});
            }
            phase = 2;
            ticks = 0;
        } else {
            HWND menu = FindWindowA("#32768", nullptr);
            if ((menu && IsWindowVisible(menu)) || ticks < 10) return false;
            const int open = wnd && GetActiveWindow() == wnd;
            (round == 0 ? seen.escapeLeftItOpen : seen.returnLeftItOpen) = open;
            if (round == 0 && open) {
                round = 1;
                phase = 0;
                ticks = 0;
                return false;
            }
            if (wnd) seen.copied = row.copied();
            if (wnd && modal) PostMessageA(wnd, WM_CLOSE, 0, 0);
            done = 1;
            return true;
        }
        return false;
    });
    row.open();
    for (int i = 0; i < 600 && !done; ++i) {  // a palette's loop is the test's
        PumpMessages();
        Sleep(5);
    }
    WhenShown(nullptr);
    EXPECT_EQ(1, done) << row.name;
    return seen;
}

}  // namespace

TEST_F(DialogKeys, EscapeAndReturnInEveryListsMenuLeaveTheWindowOpen) {
    // Every list holds a record to copy.
    g_Stage.OtherConds.push_back(cEndCond());
    ASSERT_FALSE(g_EventPlt.empty());
    g_EventPlt[0].Pages[0].Acts.push_back(cEventAct());
    auto stageLines = [](int list) { return OpenBox<DLG_STAGE>()->m_Lists[list].m_Clipboard.size(); };
    const cListMenu palettes[] = {
        {"enemy palette", [this] { Command(CM_LAYER_ENEMY); }, Wnd<DLG_ENEMY>, IDC_ENEMYPLT_LIST,
         [] { return OpenBox<DLG_ENEMY>()->m_List.m_Clipboard.size(); }},
        {"event palette", [this] { Command(CM_LAYER_EVENT); }, Wnd<DLG_EVENT>, IDC_EVENTPLT_LIST,
         [] { return OpenBox<DLG_EVENT>()->m_List.m_Clipboard.size(); }},
    };
    const cListMenu dialogs[] = {
        {"victory lines", [this] { Command(CM_STAGE_SETTINGS); }, Wnd<DLG_STAGE>, IDC_STAGE_WIN_LIST,
         [&] { return stageLines(ENDCOND_LIST_WIN); }},
        {"defeat lines", [this] { Command(CM_STAGE_SETTINGS); }, Wnd<DLG_STAGE>, IDC_STAGE_LOSE_LIST,
         [&] { return stageLines(ENDCOND_LIST_LOSE); }},
        {"other rules", [this] { Command(CM_STAGE_SETTINGS); }, Wnd<DLG_STAGE>, IDC_STAGE_OTHER_LIST,
         [&] { return stageLines(ENDCOND_LIST_OTHER); }},
        {"position groups", [this] { Command(CM_GROUP_POS); }, Wnd<DLG_GROUPPOS>, IDC_GROUPPOS_LIST,
         [] { return OpenBox<DLG_GROUPPOS>()->m_List.m_Clipboard.size(); }},
        {"an enemy's rules",
         [this] {
             Command(CM_LAYER_ENEMY);
             Click(Enemies(), IDC_LISTPLT_EDIT);
         },
         Wnd<DLG_ENEMY_SET>, IDC_ENEMYSET_RULES,
         [] { return OpenBox<DLG_ENEMY_SET>()->m_RuleList.m_Clipboard.size(); }},
        {"an event's pages",
         [this] {
             Command(CM_LAYER_EVENT);
             Click(Events(), IDC_LISTPLT_EDIT);
         },
         Wnd<DLG_EVENT_SET>, IDC_PAGE_LIST, [] { return OpenBox<DLG_EVENT_SET>()->m_PageList.m_Clipboard.size(); }},
        {"an event's actions",
         [this] {
             Command(CM_LAYER_EVENT);
             Click(Events(), IDC_LISTPLT_EDIT);
         },
         Wnd<DLG_EVENT_SET>, IDC_ACTION_LIST, [] { return OpenBox<DLG_EVENT_SET>()->m_ActList.m_Clipboard.size(); }},
    };
    for (int modal : {0, 1}) {
        for (const cListMenu& row : modal ? std::vector<cListMenu>(std::begin(dialogs), std::end(dialogs))
                                          : std::vector<cListMenu>(std::begin(palettes), std::end(palettes))) {
            const cMenuSeen seen = RunListMenu(row, modal);
            EXPECT_EQ(1, seen.escapeLeftItOpen) << row.name;
            EXPECT_EQ(1, seen.returnLeftItOpen) << row.name;
            EXPECT_LT(0u, seen.copied) << row.name << ": Return carried out コピー";
        }
    }
}
