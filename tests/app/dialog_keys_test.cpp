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

    // Opens every level in turn once the one before is active, then ends
    // them from the innermost out with their keys; what each outer one was
    // like when its turn came, nothing when a level never opened.
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
        // Also when the opener returned at once: no dialog to see.
        const bool opened = !aborted && state != OPEN;
        EXPECT_TRUE(opened) << chain.name << ": " << levels[i].name << " never opened";
        WhenShown(nullptr);
        return opened ? seen : std::vector<cSeen>();
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

// A window of the stage editor with a list or a combo box in it.
struct cPopupHost {
    const char* name;
    std::function<void()> open;  // opens the window; a modal dialog's returns when it has ended
    HWND (*wnd)();
    int item;                   // the list or the combo box
    std::function<int()> seen;  // what the keys did (the records copied, the combo's row)
};

struct cPopupSeen {
    std::vector<std::pair<int, int>> rounds;  // the window stood active; what the host saw
    int escapeEnded = 0;                      // the Escape after the rounds ended the dialog
};

// Once the window is active, `popUp` opens a menu or a combo list in it and
// each round's keys are typed there; once it has gone, whether the window
// stood active and what the host saw are noted. After the last round a
// modal dialog is ended: with Escape when `escape`, else closed; `finally`
// then closes what else is open.
cPopupSeen RunPopups(const cPopupHost& host, int modal, std::function<void(HWND)> popUp,
                     const std::vector<std::vector<WORD>>& rounds, int escape = 0,
                     std::function<void()> finally = nullptr) {
    cPopupSeen seen;
    enum { OPEN, TYPE, SETTLE, END } phase = OPEN;
    int ticks = 0, done = 0;
    WhenShown([&] {
        ++ticks;
        HWND wnd = host.wnd();
        if (phase == END) {
            if (wnd && ticks < 60) return false;
            seen.escapeEnded = !wnd;
            if (wnd) PostMessageA(wnd, WM_CLOSE, 0, 0);  // Escape went elsewhere
        } else if (ticks > 300) {                        // the window or its pop-up never came: close what is open
            EndMenu();
            if (wnd && modal) PostMessageA(wnd, WM_CLOSE, 0, 0);
            done = -1;
        } else if (phase == OPEN) {
            if (wnd && !modal && GetActiveWindow() != wnd) SetForegroundWindow(wnd);  // a palette is clicked first
            if (!wnd || GetActiveWindow() != wnd) return false;
            SetCursorPos(0, 0);  // off the pop-up, whose row under the pointer would be highlighted
            popUp(GetDlgItem(wnd, host.item));
            phase = TYPE;
            return false;
        } else if (phase == TYPE) {
            if (!IsMenuOrListShown()) return false;
            for (WORD key : rounds[seen.rounds.size()]) TypeKeys({key});
            phase = SETTLE;
            ticks = 0;
            return false;
        } else {
            if (IsMenuOrListShown() || ticks < 10) return false;
            const int open = wnd && GetActiveWindow() == wnd;
            seen.rounds.push_back({open, open ? host.seen() : -1});
            if (open && seen.rounds.size() < rounds.size()) {
                phase = OPEN;
                ticks = 0;
                return false;
            }
            if (wnd && modal && escape) {
                TypeKeys({VK_ESCAPE});
                phase = END;
                ticks = 0;
                return false;
            }
            if (wnd && modal) PostMessageA(wnd, WM_CLOSE, 0, 0);
        }
        if (finally) finally();
        if (!done) done = 1;
        return true;
    });
    host.open();
    for (int i = 0; i < 600 && !done; ++i) {  // a palette's loop is the test's
        PumpMessages();
        Sleep(5);
    }
    WhenShown(nullptr);
    EXPECT_EQ(1, done) << host.name;
    return seen;
}

}  // namespace

// Escape closes a list's menu and Return carries out its item ("コピー",
// Home and Down away); the window stays open either way.
TEST_F(DialogKeys, EscapeAndReturnInEveryListsMenuLeaveTheWindowOpen) {
    // Every list holds a record to copy.
    g_Stage.OtherConds.push_back(cEndCond());
    ASSERT_FALSE(g_EventPlt.empty());
    g_EventPlt[0].Pages[0].Acts.push_back(cEventAct());
    auto stageLines = [](int list) { return static_cast<int>(OpenBox<DLG_STAGE>()->m_Lists[list].m_Clipboard.size()); };
    auto enemyRules = [this] {
        Command(CM_LAYER_ENEMY);
        Click(Enemies(), IDC_LISTPLT_EDIT);
    };
    auto eventTemplate = [this] {
        Command(CM_LAYER_EVENT);
        Click(Events(), IDC_LISTPLT_EDIT);
    };
    const cPopupHost palettes[] = {
        {"enemy palette", [this] { Command(CM_LAYER_ENEMY); }, Wnd<DLG_ENEMY>, IDC_ENEMYPLT_LIST,
         [] { return static_cast<int>(OpenBox<DLG_ENEMY>()->m_List.m_Clipboard.size()); }},
        {"event palette", [this] { Command(CM_LAYER_EVENT); }, Wnd<DLG_EVENT>, IDC_EVENTPLT_LIST,
         [] { return static_cast<int>(OpenBox<DLG_EVENT>()->m_List.m_Clipboard.size()); }},
    };
    const cPopupHost dialogs[] = {
        {"victory lines", [this] { Command(CM_STAGE_SETTINGS); }, Wnd<DLG_STAGE>, IDC_STAGE_WIN_LIST,
         [&] { return stageLines(ENDCOND_LIST_WIN); }},
        {"defeat lines", [this] { Command(CM_STAGE_SETTINGS); }, Wnd<DLG_STAGE>, IDC_STAGE_LOSE_LIST,
         [&] { return stageLines(ENDCOND_LIST_LOSE); }},
        {"other rules", [this] { Command(CM_STAGE_SETTINGS); }, Wnd<DLG_STAGE>, IDC_STAGE_OTHER_LIST,
         [&] { return stageLines(ENDCOND_LIST_OTHER); }},
        {"position groups", [this] { Command(CM_GROUP_POS); }, Wnd<DLG_GROUPPOS>, IDC_GROUPPOS_LIST,
         [] { return static_cast<int>(OpenBox<DLG_GROUPPOS>()->m_List.m_Clipboard.size()); }},
        {"an enemy's rules", enemyRules, Wnd<DLG_ENEMY_SET>, IDC_ENEMYSET_RULES,
         [] { return static_cast<int>(OpenBox<DLG_ENEMY_SET>()->m_RuleList.m_Clipboard.size()); }},
        {"an event's pages", eventTemplate, Wnd<DLG_EVENT_SET>, IDC_PAGE_LIST,
         [] { return static_cast<int>(OpenBox<DLG_EVENT_SET>()->m_PageList.m_Clipboard.size()); }},
        {"an event's actions", eventTemplate, Wnd<DLG_EVENT_SET>, IDC_ACTION_LIST,
         [] { return static_cast<int>(OpenBox<DLG_EVENT_SET>()->m_ActList.m_Clipboard.size()); }},
    };
    const std::vector<std::vector<WORD>> rounds = {{VK_ESCAPE}, {VK_HOME, VK_DOWN, VK_RETURN}};
    for (int modal : {0, 1}) {
        for (const cPopupHost& host : modal ? std::vector<cPopupHost>(std::begin(dialogs), std::end(dialogs))
                                            : std::vector<cPopupHost>(std::begin(palettes), std::end(palettes))) {
            const cPopupSeen seen = RunPopups(host, modal, RightClickFirstRow, rounds);
            ASSERT_EQ(2u, seen.rounds.size()) << host.name << ": Escape ended the window";
            EXPECT_EQ(1, seen.rounds[0].first) << host.name;
            EXPECT_EQ(0, seen.rounds[0].second) << host.name << ": Escape copied";
            EXPECT_EQ(1, seen.rounds[1].first) << host.name << ": Return ended the window";
            EXPECT_LT(0, seen.rounds[1].second) << host.name << ": Return carried out コピー";
        }
    }
}

// Escape in a dropped-down combo list closes the list and Return there
// chooses the row; the dialog stays open (a rule just inserted stays
// with it) and takes Escape afterwards.
TEST_F(DialogKeys, EscapeAndReturnInAComboListLeaveTheDialogOpen) {
    auto enemy = [this] {
        Command(CM_LAYER_ENEMY);
        Click(Enemies(), IDC_LISTPLT_EDIT);
    };
    auto newRule = [this] {
        Command(CM_LAYER_ENEMY);
        QueueStep([] {
            DLG_ENEMY_SET* d = OpenBox<DLG_ENEMY_SET>();
            if (!d) return false;
            PostClick(d->m_hWnd, IDC_ENEMYSET_INSERT);
            return true;
        });
        Click(Enemies(), IDC_LISTPLT_EDIT);
    };
    const cPopupHost hosts[] = {
        {"stage settings' BGM", [this] { Command(CM_STAGE_SETTINGS); }, Wnd<DLG_STAGE>, IDC_STAGE_BGM,
         [] { return ComboRow(Wnd<DLG_STAGE>(), IDC_STAGE_BGM); }},
        {"an enemy", enemy, Wnd<DLG_ENEMY_SET>, IDC_ENEMYSET_ENEMY,
         [] { return ComboRow(Wnd<DLG_ENEMY_SET>(), IDC_ENEMYSET_ENEMY); }},
        {"an enemy's new rule", newRule, Wnd<DLG_MOVEAI>, IDC_MOVEAI_RANGE,
         [] { return ComboRow(Wnd<DLG_MOVEAI>(), IDC_MOVEAI_RANGE); }},
    };
    for (const cPopupHost& host : hosts) {
        const cPopupSeen seen = RunPopups(host, 1, DropFirstRow, {{VK_ESCAPE}, {VK_DOWN, VK_RETURN}}, 1, [] {
            if (HWND enemy = Wnd<DLG_ENEMY_SET>()) PostMessageA(enemy, WM_CLOSE, 0, 0);
        });
        ASSERT_EQ(2u, seen.rounds.size()) << host.name << ": Escape ended the dialog";
        EXPECT_EQ((std::pair<int, int>(1, 0)), seen.rounds[0]) << host.name;
        EXPECT_EQ((std::pair<int, int>(1, 1)), seen.rounds[1]) << host.name << ": Return ended the dialog";
        EXPECT_EQ(1, seen.escapeEnded) << host.name << ": Escape with the list up ends the dialog";
    }
}
