// Every list of the editor's windows clicked, moved by keys and extended by
// Shift and Ctrl with real input, its edit, clear or delete then pressed:
// they act on the rows the list shows selected (tests/app/list_clicks.h).
#include "tests/app/list_clicks.h"

#include <string>
#include <vector>

#include "app/dlg_enemy_set.h"
#include "app/dlg_grouppos.h"
#include "app/dlg_moveaitemplate.h"
#include "app/dlg_stage.h"
#include "events/action_forms.h"
#include "events/dlg_event_set.h"
#include "events/dlg_eventactplt.h"
#include "model/ai.h"
#include "model/event.h"
#include "model/stage.h"
#include "model/worldmap.h"
#include "resources/events_ids.h"
#include "resources/stage_dialogs_ids.h"
#include "resources/stage_editor_ids.h"
#include "resources/worldmap_ids.h"
#include "tests/app/editor_test.h"
#include "tests/app/list_clicks_cases.h"
#include "tests/events/event_dialog_support.h"
#include "worldmap/dlg_worldevent.h"
#include "worldmap/dlg_worldevent_set.h"
#include "worldmap/dlg_worldmap.h"
#include "worldmap/world_edit_state.h"

namespace {

cEventAct Wait(int frames) {
    cEventAct act;
    act.Kind = EACT_WAIT;
    SizeActionParams(act);
    act.Ints[0] = frames;
    return act;
}

// Records enough to click in every list of the stage, event and world-map editors.
void MakeStageRecords() {
    Distinct(g_Stage.Groups, 5, [](cGroupPos& g, int i) {
        if (i >= 3) g.Name = Named("組", i);
        g.CenterX = i;
    });
    for (VECTOR_CLASS<cEndCond>* lines : {&g_Stage.WinConds, &g_Stage.LoseConds, &g_Stage.OtherConds})
        Distinct(*lines, 4, [](cEndCond& line, int i) { line.Text = Named("説明", i); });
    Distinct(g_Stage.PutEnemies, 4, [](cPutEnemy& e, int i) {
        e.CharaIdOn = 1;
        e.CharaId = 10 + i;
    });
    Distinct(g_Stage.PutEnemies[0].MoveAI, 4, [](cMoveAI& rule, int i) { rule.Target = i; });
    Distinct(g_MoveAITemplates, 4, [](cMoveAITemplate& t, int i) { t.Name = Named("作戦", i); });
    Distinct(g_EventPlt, 4, [](cEvent& e, int i) { e.Name = Named("型", i); });
    Distinct(g_EventPlt[0].Pages, 4, [](cEventPage& page, int i) { page.Graphic = i; });
    VECTOR_CLASS<cEventAct>& acts = g_EventPlt[0].Pages[0].Acts;
    acts.clear();
    for (int i = 0; i < 4; ++i) acts.push_back(Wait(10 * (i + 1)));
    Distinct(g_EventActPlt, 4, [](cEventActPlt& entry, int i) { entry.Name = Named("手順", i); });
    Distinct(g_WorldMap.EventTemplates, 4, [](cWorldEvent& e, int i) { e.Name = Named("町", i); });
    Distinct(g_WorldMap.EventTemplates[0].Pages, 4, [](cWorldEventPage& page, int i) { page.StageNo = i + 1; });
}

class ListClicks : public EditorTest {
protected:
    void TearDown() override {
        WhenShown(nullptr);
        EXPECT_EQ(0, DropSteps());
        EditorTest::TearDown();
    }

    // A modal dialog D that `open` runs.
    template <class D>
    static LIST_HOST Modal(std::function<void()> open) {
        return [open](const LIST_INSIDE& inside) { EXPECT_TRUE(InModal<D>(open, inside)) << "it never opened"; };
    }
    LIST_HOST Palette(WORD layer) {
        return [this, layer](const LIST_INSIDE& inside) {
            Command(layer);
            DLG_CLASS* palette = layer == CM_LAYER_ENEMY ? static_cast<DLG_CLASS*>(Stage()->EnemyPalette())
                                                         : static_cast<DLG_CLASS*>(Stage()->EventPalette());
            ASSERT_NE(nullptr, palette);
            InModeless(palette, palette->m_hWnd, inside);
        };
    }
    LIST_HOST WorldMap() {
        return [this](const LIST_INSIDE& inside) {
            if (!Stage()->WorldMap()) Command(CM_WORLDMAP);
            DLG_WORLDMAP* world = Stage()->WorldMap();
            ASSERT_NE(nullptr, world);
            inside(world);
        };
    }

    std::vector<cListCase> StageCases() {
        const LIST_HOST enemy =
            ModalIn<DLG_ENEMY_SET, LIST_PALETTE>(Palette(CM_LAYER_ENEMY), [](LIST_PALETTE& p) { p.EditEntry(0); });
        const LIST_HOST event = ModalIn<DLG_EVENT_SET, DLG_CLASS>(Palette(CM_LAYER_EVENT), [](DLG_CLASS& p) {
            PickRow(p.m_hWnd, IDC_EVENTPLT_LIST, 0);
            Click(p.m_hWnd, IDC_LISTPLT_EDIT);
        });
        const LIST_HOST stage = Modal<DLG_STAGE>([this] { Command(CM_STAGE_SETTINGS); });
        const LIST_HOST worldEvents = [this](const LIST_INSIDE& inside) {
            WorldMap()([&](DLG_CLASS* w) {
                DLG_WORLDMAP* world = static_cast<DLG_WORLDMAP*>(w);
                world->SetLayer(WLAYER_EVENT);
                ASSERT_NE(nullptr, world->m_lpEventPalette);
                InModeless(world->m_lpEventPalette, world->m_lpEventPalette->m_hWnd, inside);
            });
        };
        return {
            {"position groups", Modal<DLG_GROUPPOS>([this] { Command(CM_GROUP_POS); }), IDC_GROUPPOS_LIST,
             IDC_GROUPPOS_EDIT, IDC_GROUPPOS_CLEAR, LIST_CLEARS},
            {"victory lines", stage, IDC_STAGE_WIN_LIST, IDC_STAGE_WIN_EDIT, IDC_STAGE_WIN_DELETE, LIST_DELETES},
            {"defeat lines", stage, IDC_STAGE_LOSE_LIST, IDC_STAGE_LOSE_EDIT, IDC_STAGE_LOSE_DELETE, LIST_DELETES},
            {"other rules", stage, IDC_STAGE_OTHER_LIST, IDC_STAGE_OTHER_EDIT, IDC_STAGE_OTHER_DELETE, LIST_DELETES},
            {"enemy palette", Palette(CM_LAYER_ENEMY), IDC_ENEMYPLT_LIST, IDC_LISTPLT_EDIT, IDC_LISTPLT_DELETE,
             LIST_DELETES},
            {"an enemy's rules", enemy, IDC_ENEMYSET_RULES, IDC_ENEMYSET_EDIT, IDC_ENEMYSET_DELETE, LIST_DELETES},
            {"movement-AI templates",
             ModalIn<DLG_MOVEAITEMPLATE, DLG_ENEMY_SET>(enemy, [](DLG_ENEMY_SET& d) { d.ArrangeTemplates(); }),
             IDC_MOVEAITPL_LIST, 0, IDC_MOVEAITPL_DELETE, LIST_DELETES},
            {"event palette", Palette(CM_LAYER_EVENT), IDC_EVENTPLT_LIST, IDC_LISTPLT_EDIT, IDC_LISTPLT_DELETE,
             LIST_DELETES},
            {"an event's pages", event, IDC_PAGE_LIST, 0, IDC_PAGE_DELETE, LIST_DELETES},
            {"an event's actions", event, IDC_ACTION_LIST, IDC_ACTION_EDIT, IDC_ACTION_DELETE, LIST_DELETES},
            {"action palette",
             ModalIn<DLG_EVENTACTPLT, DLG_EVENT_SET>(event, [](DLG_EVENT_SET& d) { d.ArrangePalette(0); }),
             IDC_PLT_LIST, 0, IDC_PLT_DELETE, LIST_DELETES},
            {"world events", worldEvents, IDC_WEVENT_LIST, IDC_WEVENT_EDIT, IDC_WEVENT_DELETE, LIST_DELETES},
            {"a world event's pages",
             ModalIn<DLG_WORLDEVENT_SET, DLG_WORLDMAP>(
                 WorldMap(), [](DLG_WORLDMAP& w) { w.RunEventEditor(g_WorldMap.EventTemplates[0], 0, nullptr); }),
             IDC_WES_PAGES, 0, IDC_WES_DELETE, LIST_DELETES},
        };
    }
};

}  // namespace

TEST_F(ListClicks, EveryListActsOnTheRowsItShowsSelected) {
    MakeStageRecords();
    MakeDatabaseRecords();
    std::vector<cListCase> cases = StageCases();
    for (const cListCase& c : DatabaseCases([this] {
             Command(CM_DATABASE);
             return Stage()->Database();
         }))
        cases.push_back(c);
    std::vector<std::string> faults;
    for (const cListCase& c : cases) {
        bool ran = false;
        c.host([&](DLG_CLASS* host) {
            ran = true;
            for (const std::string& f : ClickThroughList(c, host)) faults.push_back(f);
        });
        if (!ran) faults.push_back(c.name + ": its window never opened");
    }
    std::string all;
    for (const std::string& f : faults) all += "\n  " + f;
    EXPECT_TRUE(faults.empty()) << faults.size() << " faults:" << all;
}
