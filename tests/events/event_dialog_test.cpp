// The event dialog, the kind chooser, the message action and the action
// palette, opened for real and driven with messages as a user would.
#include <gtest/gtest.h>

#include "base/paths.h"
#include "events/action_forms.h"
#include "events/action_line.h"
#include "events/dlg_eact_message.h"
#include "events/dlg_event_set.h"
#include "events/dlg_eventact.h"
#include "events/dlg_eventactplt.h"
#include "media/image_table.h"
#include "model/gvalinfo.h"
#include "resources/events_ids.h"
#include "resources/toolkit_ids.h"
#include "tests/events/event_dialog_support.h"
#include "tests/support/seams.h"
#include "tests/support/text_fit.h"
#include "tests/support/updown.h"
#include "ui/wnd_list.h"

namespace {

cEventAct Act(int kind, int first = 0) {
    cEventAct act;
    act.Kind = kind;
    SizeActionParams(act);
    if (!act.Ints.empty()) act.Ints[0] = first;
    return act;
}

class EventDialogTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(0, DropSteps()) << "a dialog that should have opened did not"; }
    // The event dialog on `event`; `script` runs in it once it is open.
    int Edit(cEvent& event, int startEvent, std::function<void(DLG_EVENT_SET*)> script) {
        QueueStep([script] {
            DLG_EVENT_SET* d = OpenBox<DLG_EVENT_SET>();
            if (!d) return false;
            script(d);
            return true;
        });
        return EditEvent(nullptr, &g_WndList, &event, startEvent, [this] { ++m_nCommits; });
    }
    // The chooser presses the button of `kind`, or is closed with 0.
    static void Choose(int kind) {
        QueueStep([kind] {
            DLG_EVENTACT* c = OpenBox<DLG_EVENTACT>();
            if (!c) return false;
            if (kind)
                Click(c->m_hWnd, EactForm(kind).button);
            else
                SendMessageA(c->m_hWnd, WM_CLOSE, 0, 0);
            return true;
        });
    }
    // The open kind dialog ends with OK (1) or Cancel (0).
    static void Answer(int ok) {
        QueueStep([ok] {
            DLG_EACT_BASE* k = OpenBox<DLG_EACT_BASE>();
            if (!k) return false;
            Click(k->m_hWnd, ok ? IDC_EVENTS_OK : IDC_EVENTS_CANCEL);
            return true;
        });
    }
    static std::vector<std::string> Rows(HWND dlg) {
        std::vector<std::string> rows;
        for (int i = 0; i < ListCount(dlg, IDC_ACTION_LIST); ++i) rows.push_back(ListRow(dlg, IDC_ACTION_LIST, i));
        return rows;
    }

    EventProject m_Project;
    ScopedBoxes m_Boxes{IDYES};
    int m_nCommits = 0;
};

const std::string kAppendRow(64, '-');

}  // namespace

// A new event: one page without actions; an inserted message keeps the new
// column's values and its text, and OK writes the event back after the
// commit hook ran. Every text of both dialogs fits at the Japanese font's
// size, and no help line wraps into a few characters of its own.
TEST_F(EventDialogTest, InsertingAMessageIntoANewEvent) {
    cEvent event;
    event.SetDefault();
    std::vector<std::string> before, after, unfit;
    std::string pageRow;
    Edit(event, 0, [&](DLG_EVENT_SET* d) {
        before = Rows(d->m_hWnd);
        unfit = UnfitTexts(d->m_hWnd);
        Choose(EACT_MESSAGE);
        QueueStep([&unfit] {
            DLG_EACT_MESSAGE* m = OpenBox<DLG_EACT_MESSAGE>();
            if (!m) return false;
            for (const std::string& line : UnfitTexts(m->m_hWnd)) unfit.push_back(line);
            // The symbol preview stands at (192, 182) in dialog units, 32 pixels square.
            RECT want = {192, 182, 0, 0}, got = {};
            MapDialogRect(m->m_hWnd, &want);
            GetWindowRect(GetDlgItem(m->m_hWnd, IDC_MSG_SYMBOL_PREVIEW), &got);
            MapWindowPoints(nullptr, m->m_hWnd, reinterpret_cast<POINT*>(&got), 2);
            EXPECT_EQ((std::vector<LONG>{want.left, want.top, 32, 32}),
                      (std::vector<LONG>{got.left, got.top, got.right - got.left, got.bottom - got.top}));
            EXPECT_EQ(3, ComboRow(m->m_hWnd, IDC_MSG_POS)) << "下";
            EXPECT_EQ("30", ItemText(m->m_hWnd, IDC_MSG_TIME));
            EXPECT_EQ("255", ItemText(m->m_hWnd, IDC_MSG_PIC_ALPHA));
            EXPECT_FALSE(IsItemEnabled(m->m_hWnd, IDC_MSG_TIME));
            EXPECT_FALSE(IsItemEnabled(m->m_hWnd, IDC_MSG_PICTURE));
            TypeText(m->m_hWnd, IDC_MSG_TEXT, "ようこそ\r\n村へ");
            Click(m->m_hWnd, IDC_EVENTS_OK);
            return true;
        });
        Click(d->m_hWnd, IDC_ACTION_INSERT);
        after = Rows(d->m_hWnd);
        pageRow = ListRow(d->m_hWnd, IDC_PAGE_LIST, 0);
        EXPECT_EQ(0, m_nCommits);
        Click(d->m_hWnd, IDC_EVENTS_OK);
    });
    EXPECT_EQ((std::vector<std::string>{kAppendRow}), before);
    EXPECT_EQ(std::vector<std::string>{}, unfit);
    EXPECT_EQ((std::vector<std::string>{"メッセージ : ようこそ\n村へ", kAppendRow}), after);
    EXPECT_EQ("1 ｱｸｼｮﾝ×1", pageRow);
    EXPECT_EQ(1, m_nCommits);
    ASSERT_EQ(1u, event.Pages.size());
    ASSERT_EQ(1u, event.Pages[0].Acts.size());
    const cEventAct& act = event.Pages[0].Acts[0];
    EXPECT_EQ(EACT_MESSAGE, act.Kind);
    EXPECT_EQ("ようこそ\n村へ", act.Strs.At(0));
    EXPECT_EQ(100, act.Ints.At(25));
    EXPECT_EQ(1, act.Ints.At(17));
}

// Cancel in the kind dialog or the chooser after "挿入" leaves the list as it
// was, row for row; Cancel of the event dialog leaves the event.
TEST_F(EventDialogTest, CancelAfterInsertRestoresTheListExactly) {
    cEvent event;
    event.Pages[0].Acts.push_back(Act(EACT_WAIT, 10));
    event.Pages[0].Acts.push_back(Act(EACT_CREASESALT, 250));
    const cEvent original = event;
    std::vector<std::string> rows[3];
    VECTOR_CLASS<cEventAct> acts[2];
    int result = Edit(event, 0, [&](DLG_EVENT_SET* d) {
        rows[0] = Rows(d->m_hWnd);
        d->m_ActList.SelectOnly(1, 0);
        Choose(EACT_PICTURE);
        Answer(0);
        Click(d->m_hWnd, IDC_ACTION_INSERT);
        rows[1] = Rows(d->m_hWnd);
        acts[0] = d->m_Page.Acts;
        Choose(0);  // the chooser's close box
        Click(d->m_hWnd, IDC_ACTION_INSERT);
        rows[2] = Rows(d->m_hWnd);
        acts[1] = d->m_Page.Acts;
        Click(d->m_hWnd, IDC_EVENTS_CANCEL);
    });
    EXPECT_EQ(0, result);
    EXPECT_EQ(3u, rows[0].size());
    EXPECT_EQ(rows[0], rows[1]);
    EXPECT_EQ(rows[0], rows[2]);
    for (auto& a : acts) {
        ASSERT_EQ(2u, a.size());
        EXPECT_TRUE(a[0].Compare(original.Pages[0].Acts[0]));
        EXPECT_TRUE(a[1].Compare(original.Pages[0].Acts[1]));
    }
    EXPECT_TRUE(event.Compare(original));
    EXPECT_EQ(0, m_nCommits);
}

// Editing an existing action skips the chooser's buttons; kinds 24 and 25
// end at once with 1; a kind 0 action shows the chooser, and a kind pressed
// there stays even when its dialog is cancelled. The frame sizes the
// parameters when it opens, even when cancelled.
TEST_F(EventDialogTest, EditingAnExistingActionGoesToItsKind) {
    cEvent event;
    cEventAct message = Act(EACT_MESSAGE);
    message.Ints.push_back(99);  // one surplus parameter from a damaged file
    event.Pages[0].Acts.push_back(message);
    event.Pages[0].Acts.push_back(Act(EACT_STAGECLEAR));
    event.Pages[0].Acts.push_back(Act(EACT_NONE));
    int results[3] = {-1, -1, -1};
    Edit(event, 0, [&](DLG_EVENT_SET* d) {
        d->m_ActList.SelectOnly(0, 0);
        Answer(0);
        results[0] = d->EditAction();
        EXPECT_EQ(26u, d->m_Page.Acts[0].Ints.size()) << "the surplus went when the dialog opened";
        d->m_ActList.SelectOnly(1, 0);
        results[1] = d->EditAction();
        d->m_ActList.SelectOnly(2, 0);
        Choose(EACT_WAIT);
        Answer(0);
        results[2] = d->EditAction();
        EXPECT_EQ(EACT_WAIT, d->m_Page.Acts[2].Kind);
        Click(d->m_hWnd, IDC_EVENTS_CANCEL);
    });
    EXPECT_EQ(0, results[0]);
    EXPECT_EQ(1, results[1]);
    EXPECT_EQ(0, results[2]);
}

// The start event: page controls off, the action list on; the chooser offers
// kinds 11, 15, 16, 17, 19 to 23 alone; a palette paste drops the others;
// OK writes "data\database\StartEvent.dat" and pushes no stage undo step.
TEST_F(EventDialogTest, StartEventModeLimitsKindsAndWritesItsFile) {
    cEvent start;
    cEventActPlt entry;
    entry.Name = "混在";
    for (int kind : {EACT_MESSAGE, EACT_CREASEGVAL, EACT_WAIT, EACT_CHANGEBGM, EACT_GAMEOVER})
        entry.Acts.push_back(Act(kind));
    g_EventActPlt.push_back(entry);
    cEventActPlt forbidden;
    forbidden.Acts.push_back(Act(EACT_MESSAGE));
    g_EventActPlt.push_back(forbidden);
    std::vector<int> enabled;
    std::vector<std::string> pasted, pastedNothing;
    Edit(start, 1, [&](DLG_EVENT_SET* d) {
        for (int id : {IDC_EVENT_NAME, IDC_EVENT_HELD, IDC_PAGE_LIST, IDC_PAGE_INSERT, IDC_PAGE_GRAPHIC,
                       IDC_COND_TIMING, IDC_COND_AREA, IDC_COND_TURN_A})
            EXPECT_FALSE(IsItemEnabled(d->m_hWnd, id)) << id;
        for (int id : {IDC_ACTION_LIST, IDC_ACTION_INSERT, IDC_ACTION_EDIT, IDC_ACTION_DELETE})
            EXPECT_TRUE(IsItemEnabled(d->m_hWnd, id)) << id;
        QueueStep([&] {
            DLG_EVENTACT* c = OpenBox<DLG_EVENTACT>();
            if (!c) return false;
            for (int kind = 1; kind <= 25; ++kind)
                if (IsItemEnabled(c->m_hWnd, EactForm(kind).button)) enabled.push_back(kind);
            EXPECT_EQ("メッセージ", ItemText(c->m_hWnd, 1267));
            EXPECT_EQ("ゲームオーバー", ItemText(c->m_hWnd, 1291));
            SendMessageA(c->m_hWnd, WM_CLOSE, 0, 0);
            return true;
        });
        Click(d->m_hWnd, IDC_ACTION_INSERT);
        SendMessageA(d->m_hWnd, WM_COMMAND, CM_PALETTE_PASTE + 1, 0);
        pastedNothing = Rows(d->m_hWnd);
        SendMessageA(d->m_hWnd, WM_COMMAND, CM_PALETTE_PASTE, 0);
        pasted = Rows(d->m_hWnd);
        Click(d->m_hWnd, IDC_EVENTS_OK);
    });
    EXPECT_EQ((std::vector<int>{11, 15, 16, 17, 19, 20, 21, 22, 23}), enabled);
    EXPECT_EQ((std::vector<std::string>{kAppendRow}), pastedNothing);
    ASSERT_EQ(3u, pasted.size());
    EXPECT_EQ(0u, pasted[0].find("コモン変数の操作"));
    EXPECT_EQ(0u, pasted[1].find("BGMの変更"));
    cEvent saved;
    ASSERT_TRUE(saved.LoadFile(g_PathTable.StartEvent));
    EXPECT_TRUE(saved.Compare(start));
    EXPECT_EQ(2u, start.Pages[0].Acts.size());
}

TEST_F(EventDialogTest, ConditionControlsFollowTheirChoices) {
    cEvent event;
    struct Step {
        int id, kind, value;  // kind 0: check box, 1: combo row
        std::vector<int> on, off;
    };
    const std::vector<Step> steps = {
        {IDC_COND_AREA,
         1,
         0,
         {},
         {IDC_COND_SUBJECT, IDC_COND_PRESENCE, IDC_COND_GROUP, IDC_COND_FRIEND, IDC_COND_ENEMY_GROUP,
          IDC_COND_CHARA_ID}},
        {IDC_COND_AREA,
         1,
         3,
         {IDC_COND_SUBJECT, IDC_COND_PRESENCE, IDC_COND_GROUP},
         {IDC_COND_FRIEND, IDC_COND_ENEMY_GROUP}},
        {IDC_COND_SUBJECT, 1, 2, {IDC_COND_ENEMY_GROUP, IDC_COND_CHARA_ID}, {IDC_COND_FRIEND, IDC_COND_ENEMY_GROUP_NO}},
        {IDC_COND_ENEMY_GROUP, 0, 1, {IDC_COND_ENEMY_GROUP_NO}, {IDC_COND_CHARA_ID_NO}},
        {IDC_COND_SUBJECT, 1, 4, {IDC_COND_FRIEND}, {IDC_COND_ENEMY_GROUP, IDC_COND_ENEMY_GROUP_NO}},
        {IDC_COND_TIMING, 1, 16, {IDC_COND_COMMAND}, {}},
        {IDC_COND_TIMING, 1, 4, {}, {IDC_COND_COMMAND}},
        {IDC_COND_TURN_A, 0, 1, {IDC_COND_TURN_A1, IDC_COND_TURN_A2, IDC_COND_PLUS_LABEL}, {IDC_COND_TURN_B1}},
        {IDC_COND_GVAL, 1, 2, {IDC_COND_GVAL_VALUE, IDC_COND_GVAL_COMPARE}, {IDC_COND_EVENT_VALUE}},
    };
    Edit(event, 0, [&](DLG_EVENT_SET* d) {
        for (const Step& s : steps) {
            if (s.kind == 0)
                Check(d->m_hWnd, s.id, s.value);
            else
                ::Choose(d->m_hWnd, s.id, s.value);
            for (int id : s.on) EXPECT_TRUE(IsItemEnabled(d->m_hWnd, id)) << s.id << "=" << s.value << ": " << id;
            for (int id : s.off) EXPECT_FALSE(IsItemEnabled(d->m_hWnd, id)) << s.id << "=" << s.value << ": " << id;
        }
        TypeText(d->m_hWnd, IDC_COND_TURN_A1, "5000");
        TypeText(d->m_hWnd, IDC_COND_ENEMY_GROUP_NO, "0");
        EXPECT_EQ("7", StepUpDown(GetDlgItem(d->m_hWnd, IDC_COND_TURN_A2_SPIN), "8", UPDOWN_KEY_DOWN));
        Click(d->m_hWnd, IDC_EVENTS_OK);
    });
    const cEventPage& p = event.Pages[0];
    EXPECT_EQ(3, p.Area);
    EXPECT_EQ(4, p.Subject);
    EXPECT_EQ(1, p.GroupCond) << "a disabled control keeps and stores its value";
    EXPECT_EQ(4, p.Timing);
    EXPECT_EQ(999, p.TurnA1) << "clamped";
    EXPECT_EQ(1, p.GroupNo) << "clamped from below";
    EXPECT_EQ(7, p.TurnA2) << "stepped by its up-down";
}

// Pages: insert and delete keep at least one page; each page shows its own actions.
TEST_F(EventDialogTest, PagesKeepTheirOwnActions) {
    cEvent event;
    event.Pages[0].Acts.push_back(Act(EACT_WAIT, 3));
    std::vector<std::string> second, first;
    Edit(event, 0, [&](DLG_EVENT_SET* d) {
        d->m_PageList.SelectOnly(1, 0);  // the append row: a new page goes to the end
        Click(d->m_hWnd, IDC_PAGE_INSERT);
        second = Rows(d->m_hWnd);
        d->m_Page.Acts.push_back(Act(EACT_GAMEOVER));
        d->m_PageList.StoreCurrentRecord();
        d->m_PageList.SelectOnly(0, 1);
        SendMessageA(d->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_PAGE_LIST, LBN_SELCHANGE), 0);
        first = Rows(d->m_hWnd);
        Click(d->m_hWnd, IDC_PAGE_DELETE);
        Click(d->m_hWnd, IDC_PAGE_DELETE);  // the last page stays
        Click(d->m_hWnd, IDC_EVENTS_OK);
    });
    EXPECT_EQ((std::vector<std::string>{kAppendRow}), second);
    EXPECT_EQ((std::vector<std::string>{"ウエイト : 3", kAppendRow}), first);
    ASSERT_EQ(1u, event.Pages.size());
    ASSERT_EQ(1u, event.Pages[0].Acts.size());
    EXPECT_EQ(EACT_GAMEOVER, event.Pages[0].Acts[0].Kind);
}

namespace {

int g_nEscMissed = 0;

void CALLBACK CancelInstead(HWND wnd, UINT, UINT_PTR id, DWORD) {
    KillTimer(wnd, id);
    ++g_nEscMissed;
    Click(wnd, IDC_EVENTS_CANCEL);
}

}  // namespace

// Esc, pressed in the event dialog and in a kind dialog over it, cancels
// each as its Cancel button does.
TEST_F(EventDialogTest, EscapeCancels) {
    cEvent event;
    event.Pages[0].Acts.push_back(Act(EACT_MESSAGE));
    const cEvent original = event;
    auto pressEscape = [](HWND dlg, int focus) {
        SetTimer(dlg, 1, 2000, CancelInstead);  // should Esc be lost
        PostMessageA(GetDlgItem(dlg, focus), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    };
    g_nEscMissed = 0;
    int kind = -1;
    const int result = Edit(event, 0, [&](DLG_EVENT_SET* d) {
        TypeText(d->m_hWnd, IDC_EVENT_NAME, "消える");
        d->m_ActList.SelectOnly(0, 0);
        QueueStep([&] {
            DLG_EACT_MESSAGE* m = OpenBox<DLG_EACT_MESSAGE>();
            if (!m) return false;
            TypeText(m->m_hWnd, IDC_MSG_TEXT, "消える");
            pressEscape(m->m_hWnd, IDC_MSG_POS);
            return true;
        });
        kind = d->EditAction();
        pressEscape(d->m_hWnd, IDC_EVENT_NAME);
    });
    EXPECT_EQ(0, kind);
    EXPECT_EQ(0, result);
    EXPECT_EQ(0, g_nEscMissed);
    EXPECT_TRUE(event.Compare(original));
}

// Right click on the action list, the arrows to "アクションパレットへ保存"
// and into its sub-menu, Escape (which closes the sub-menu alone), the
// sub-menu again and Return on "新規保存": the selected actions become a new
// palette entry, whose window opens; the event dialog stays open behind it.
TEST_F(EventDialogTest, ReturnAndEscapeInTheActionListsMenuAreTheMenus) {
    cEvent event;
    event.Pages[0].Acts.push_back(Act(EACT_WAIT, 3));
    g_EventActPlt.resize(1);
    int phase = 0, ticks = 0, entries = -1, stayed = 0;
    WhenShown([&] {
        ++ticks;
        DLG_EVENT_SET* d = OpenBox<DLG_EVENT_SET>();
        DLG_EVENTACTPLT* p = OpenBox<DLG_EVENTACTPLT>();
        const bool menuShown = IsMenuOrListShown();
        if (ticks > 300) {  // lost: end what is open
            EndMenu();
            if (p) PostMessageA(p->m_hWnd, WM_CLOSE, 0, 0);
            if (d) PostMessageA(d->m_hWnd, WM_CLOSE, 0, 0);
            return true;
        }
        if (phase == 0) {
            if (!d || GetActiveWindow() != d->m_hWnd) return false;
            SetCursorPos(0, 0);  // off the menu, whose item under the pointer would be highlighted
            RightClickFirstRow(d->m_ActList.m_hWnd);
            phase = 1;
        } else if (phase == 1) {
            if (!menuShown) return false;
            for (WORD key : {VK_UP, VK_UP, VK_RIGHT, VK_ESCAPE, VK_RIGHT, VK_RETURN}) TypeKeys({key});
            phase = 2;
        } else if (phase == 2) {
            if (!p || GetActiveWindow() != p->m_hWnd) return false;
            entries = static_cast<int>(p->m_pPalette->size());
            Click(p->m_hWnd, IDC_EVENTS_CANCEL);
            phase = 3;
            ticks = 0;
        } else {
            if (p || menuShown || ticks < 10) return false;
            stayed = d && GetActiveWindow() == d->m_hWnd;
            if (d) Click(d->m_hWnd, IDC_EVENTS_CANCEL);
            return true;
        }
        return false;
    });
    EXPECT_EQ(0, EditEvent(nullptr, &g_WndList, &event, 0, nullptr));
    WhenShown(nullptr);
    EXPECT_EQ(2, entries) << "新規保存 was carried out";
    EXPECT_EQ(1, stayed) << "the event dialog is still open";
    EXPECT_EQ(1u, g_EventActPlt.size()) << "the palette window was cancelled";
}
