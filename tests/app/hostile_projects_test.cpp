// Hostile projects (tests/app/hostile_projects.h) open every window safely:
// the editor loads each, then every page of the database sheet and of the
// skill sheet and every dialog of the stage, event, world-map and database
// editors opens once on its records. Nothing may end the editor: an index
// outside a list writes "err V[...]" or "err L[...]" to the report log and
// takes the main window down, which the test records instead.
#include "tests/app/hostile_projects.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/battle_mode.h"
#include "app/dlg_chip.h"
#include "app/dlg_endcond.h"
#include "app/dlg_enemy.h"
#include "app/dlg_enemy_set.h"
#include "app/dlg_event.h"
#include "app/dlg_grouppos.h"
#include "app/dlg_moveai.h"
#include "app/dlg_moveaitemplate.h"
#include "app/dlg_stage.h"
#include "app/dlg_testplay.h"
#include "app/stage_edit_state.h"
#include "base/report.h"
#include "database/media/db_anim_page.h"
#include "database/media/dlg_db_charaanim.h"
#include "database/media/dlg_db_effectanim.h"
#include "database/media/dlg_db_help.h"
#include "database/media/dlg_text.h"
#include "database/sheet/dlg_dbland.h"
#include "database/sheet/dlg_dbsystem_4.h"
#include "database/sheet/dlg_elem.h"
#include "database/sheet/prop_database.h"
#include "database/skills/dlg_categ.h"
#include "database/skills/dlg_dbskill.h"
#include "database/skills/dlg_dbskilllist.h"
#include "database/skills/dlg_dbskilltype.h"
#include "database/skills/dlg_infl.h"
#include "database/skills/dlg_slot.h"
#include "database/skills/prop_dbskill.h"
#include "database/units/dlg_battleai.h"
#include "database/units/dlg_dbclass.h"
#include "database/units/dlg_dbenemy.h"
#include "database/units/dlg_dbfriend.h"
#include "database/units/dlg_learnskill.h"
#include "database/units/dlg_orgslot.h"
#include "database/units/dlg_sense.h"
#include "editing/map_cursor.h"
#include "events/action_forms.h"
#include "events/dlg_eact_base.h"
#include "events/dlg_event_set.h"
#include "events/dlg_eventact.h"
#include "events/dlg_eventactplt.h"
#include "model/stage.h"
#include "model/worldmap.h"
#include "resources/events_ids.h"
#include "resources/stage_dialogs_ids.h"
#include "resources/stage_editor_ids.h"
#include "resources/worldmap_ids.h"
#include "tests/app/editor_test.h"
#include "tests/events/event_dialog_support.h"
#include "ui/dlg_input.h"
#include "worldmap/dlg_worldevent_set.h"
#include "worldmap/dlg_worldmap.h"
#include "worldmap/dlg_worldmap_set.h"
#include "worldmap/world_edit_state.h"

namespace {

// What went wrong while the windows opened, each fault named by the window
// that was opening.
class Tour {
public:
    // What the report log holds now is not the tour's.
    void Begin() { m_nSeen = ReadFileBytes(g_szReportPath).size(); }

    // Runs `what` and notes the index errors it logged and whether it took
    // the main window down.
    void Step(const std::string& where, const std::function<void()>& what) {
        what();
        Check(where);
    }

    // Runs `open`, which must run dialog D modal; once D is initialised (and
    // has painted) `inside` runs, then D closes.
    template <class D>
    void Dialog(const std::string& where, const std::function<void()>& open,
                const std::function<void(D*)>& inside = nullptr) {
        bool opened = false;
        QueueStep([&opened, &inside] {
            D* d = OpenBox<D>();
            if (!d) return false;
            opened = true;
            if (inside) inside(d);
            d->End(0);
            return true;
        });
        open();
        if (!opened) {
            DropSteps();
            m_Faults.push_back(where + ": did not open");
        }
        Check(where);
    }

    // A record list's edit dialog D on its current record, or on a new one
    // when no record is chosen and the list can insert; nothing when it can
    // do neither (a class's senses without skill lists).
    template <class D>
    void SubList(const std::string& where, RECORD_SUBLIST& list, const std::function<void(D*)>& inside = nullptr) {
        if (!list.m_pList) return;
        if (list.m_pList->GetDataPos() >= 0)
            Dialog<D>(
                where, [&list] { list.EditSelected(); }, inside);
        else if (list.m_Ids.insert)
            Dialog<D>(
                where, [&list] { list.InsertAndEdit(); }, inside);
    }

    std::vector<std::string> m_Faults;

private:
    void Check(const std::string& where) {
        const std::string log = ReadFileBytes(g_szReportPath);
        for (size_t at = m_nSeen; at < log.size();) {
            size_t end = log.find('\n', at);
            if (end == std::string::npos) end = log.size();
            const std::string line = log.substr(at, end - at);
            if (line.find("err V[") != std::string::npos || line.find("err L[") != std::string::npos)
                m_Faults.push_back(where + ": " + line);
            at = end + 1;
        }
        m_nSeen = log.size();
        std::vector<int>& actions = ScopedMainWindow::Actions();
        if (!actions.empty()) m_Faults.push_back(where + ": the main window was taken down");
        actions.clear();
    }

    size_t m_nSeen = 0;
};

std::string Listed(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& line : lines) all += "\n  " + line;
    return all;
}

// The editor started on a hostile project; every box is answered Yes.
class HostileProjectTest : public EditorTest {
protected:
    // Not on the sample: Open starts the editor once the project is written.
    void SetUp() override {}
    // The project written, then the editor started on it; start-up's own
    // faults are the tour's first.
    void Open(const cHostileProject& project) {
        ResetProject();
        ASSERT_EQ(1, WriteHostileProject(project)) << project.Name;
        m_Boxes.reset(new ScopedBoxes(IDYES));
        m_Tour.Begin();
        int started = 0;
        m_Tour.Step("loading", [&] { started = StartEditor(); });
        ASSERT_EQ(1, started) << project.Name << " is refused:" << Listed(m_Boxes->Texts());
        ASSERT_EQ(std::string(kHostileStage), g_StageEditState.StagePath);
        SetActiveWindow(StageWnd());
        PumpMessages();
    }
    void TearDown() override {
        DropSteps();
        EditorTest::TearDown();
    }
    // The database sheet open on `tab`; its page.
    DLG_DBPAGE* ShowDatabaseTab(int tab) {
        if (!g_lpStageWnd->Database()) Command(CM_DATABASE);
        PROP_DATABASE* sheet = g_lpStageWnd->Database();
        if (!sheet) return nullptr;
        SendMessageA(sheet->m_hWnd, PSM_SETCURSEL, tab, 0);
        PumpMessages();
        return sheet->Page(tab);
    }

    Tour m_Tour;
    ScopedMainWindow m_MainWindow;
};

class HostileProjects : public HostileProjectTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override { Open(kHostileProjects[GetParam()]); }
    void StageDialogs();
    void EventDialogs();
    void DatabasePages();
    void WorldMapDialogs();
};

void HostileProjects::StageDialogs() {
    Tour& t = m_Tour;
    t.Dialog<DLG_STAGE>(
        "stage settings", [&] { Command(CM_STAGE_SETTINGS); },
        [&t](DLG_STAGE* d) {
            for (int i = 0; i < ENDCOND_LIST_COUNT; ++i)
                t.SubList<DLG_ENDCOND>("explanation line " + std::to_string(i), d->m_LineEdits[i]);
        });
    t.Dialog<DLG_GROUPPOS>(
        "position groups", [&] { Command(CM_GROUP_POS); },
        [&t](DLG_GROUPPOS* d) { t.SubList<DLG_GROUPPOS_SET>("group cells", d->m_GroupEdits); });
    t.Dialog<DLG_TESTPLAY>("test-play settings", [&] { Command(CM_TESTPLAY_SETTINGS); });
    t.Dialog<DLG_BATTLEMODE>("battle mode", [] { RunBattleModeDialog(); });
    t.Step("chip palette", [&] { Command(CM_LAYER_CHIP); });
    t.Step("event palette", [&] { Command(CM_LAYER_EVENT); });
    t.Step("enemy palette", [&] { Command(CM_LAYER_ENEMY); });
    DLG_ENEMY* enemies = g_lpStageWnd->EnemyPalette();
    ASSERT_NE(nullptr, enemies);

    auto insideEnemy = [&t](DLG_ENEMY_SET* d) {
        t.SubList<DLG_MOVEAI>("movement rule", d->m_RuleEdits);
        t.Dialog<DLG_MOVEAITEMPLATE>("movement-AI templates", [d] { d->ArrangeTemplates(); });
    };
    t.Dialog<DLG_ENEMY_SET>(
        "placed enemy",
        [&] {
            PickRow(enemies->m_hWnd, IDC_ENEMYPLT_LIST, 0);
            if (g_Stage.PutEnemies.empty())
                Click(enemies->m_hWnd, IDC_LISTPLT_INSERT);
            else
                enemies->EditEntry(0);
        },
        insideEnemy);
    t.Step("chip palette again", [&] { Command(CM_LAYER_CHIP); });
}

void HostileProjects::EventDialogs() {
    Tour& t = m_Tour;
    // The kind chooser on a new action, as "挿入" opens it.
    auto chooser = [&t](const std::string& event, DLG_EVENT_SET* d) {
        t.Dialog<DLG_EVENTACT>(event + " action chooser", [d] {
            d->m_ActList.SelectOnly(0, 0);
            d->InsertAction();
        });
    };
    // The stage's first event holds an action of every kind: each through its
    // own dialog, then the chooser and the action palette.
    auto everyAction = [&t, chooser](DLG_EVENT_SET* d) {
        for (int row = 0; row < static_cast<int>(d->m_Page.Acts.size()); ++row) {
            const int kind = d->m_Page.Acts[row].Kind;
            if (!IsEventActKind(kind) || !EactForm(kind).dialogId) continue;
            t.Dialog<DLG_EACT_BASE>("action " + std::to_string(kind), [d, row] {
                d->m_ActList.SelectOnly(row, 0);
                d->EditAction();
            });
        }
        chooser("stage event", d);
        t.Dialog<DLG_EVENTACTPLT>("action palette", [d] { d->ArrangePalette(0); });
    };
    auto editAt = [&](const cEvent& event) {
        g_MapCursor.m_pCur->nX = event.X;
        g_MapCursor.m_pCur->nY = event.Y;
        g_StageEditState.CurrentEvent = g_Stage.FindAt(event.X, event.Y);
        Command(CM_EVENT_EDIT);
    };
    if (g_Stage.Events.empty()) {
        g_MapCursor.m_pCur->nX = g_MapCursor.m_pCur->nY = 0;
        t.Dialog<DLG_EVENT_SET>(
            "new stage event", [&] { Command(CM_EVENT_NEW); }, everyAction);
    } else {
        t.Dialog<DLG_EVENT_SET>(
            "stage event", [&] { editAt(g_Stage.Events[0]); }, everyAction);
        // The last one is damaged as the project's events are.
        if (g_Stage.Events.size() > 1)
            t.Dialog<DLG_EVENT_SET>("last stage event", [&] { editAt(g_Stage.Events.back()); });
    }
    t.Dialog<DLG_EVENT_SET>(
        "start event", [&] { Command(CM_START_EVENT); }, [chooser](DLG_EVENT_SET* d) { chooser("start event", d); });
    t.Step("event palette", [&] { Command(CM_LAYER_EVENT); });
    ASSERT_NE(nullptr, g_lpStageWnd->EventPalette());
    HWND palette = g_lpStageWnd->EventPalette()->m_hWnd;
    t.Dialog<DLG_EVENT_SET>("event template", [&] {
        if (g_EventPlt.empty()) {
            Click(palette, IDC_LISTPLT_INSERT);
            return;
        }
        PickRow(palette, IDC_EVENTPLT_LIST, 0);
        Click(palette, IDC_LISTPLT_EDIT);
    });
}

void HostileProjects::DatabasePages() {
    Tour& t = m_Tour;
    t.Step("database sheet", [&] { Command(CM_DATABASE); });
    PROP_DATABASE* sheet = g_lpStageWnd->Database();
    ASSERT_NE(nullptr, sheet);
    for (int tab = 0; tab < PROP_DATABASE::PAGE_COUNT; ++tab) {
        DLG_DBPAGE* page = nullptr;
        t.Step("database tab " + std::to_string(tab), [&] {
            page = ShowDatabaseTab(tab);
            sheet->OnIdle(1);
        });
        if (auto* p = dynamic_cast<DLG_DBCLASS*>(page)) {
            t.SubList<DLG_SENSE>("class senses", p->m_SenseEdits,
                                 [&t](DLG_SENSE* d) { t.SubList<DLG_INPUT>("class sense", d->m_SenseEdits); });
            t.SubList<DLG_INPUT>("class resistance", p->m_ResistEdits);
            t.SubList<DLG_ORGSLOT>("class slots", p->m_SlotEdits,
                                   [&t](DLG_ORGSLOT* d) { t.SubList<DLG_SLOT>("class slot", d->m_SlotEdits); });
        } else if (auto* p = dynamic_cast<DLG_DBFRIEND*>(page)) {
            t.SubList<DLG_LEARNSKILL>("learnt skill", p->m_Sub);
        } else if (auto* p = dynamic_cast<DLG_DBENEMY*>(page)) {
            t.SubList<DLG_BATTLEAI>("battle rule", p->m_Sub, [&t](DLG_BATTLEAI* d) {
                t.SubList<DLG_BATTLEAI_COND>("battle condition", d->m_CondEdits);
            });
        } else if (auto* p = dynamic_cast<DLG_DBSKILLLIST*>(page)) {
            // The first list and the last, each with its dialogs and its skill sheet.
            std::vector<int> rows = {0};
            if (p->m_Work.size() > 1) rows.push_back(static_cast<int>(p->m_Work.size()) - 1);
            for (int row : rows) {
                const std::string list = "skill list " + std::to_string(row);
                t.Step(list, [&] { PickRow(p->m_hWnd, p->m_List.m_wId, row); });
                t.SubList<DLG_CATEG>(list + " category", p->m_CategEdits);
                t.SubList<DLG_SLOT>(list + " slot", p->m_SlotEdits);
                t.Step(list + " skill sheet", [&] {
                    SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(1384, BN_CLICKED), 0);
                    PumpMessages();
                });
                PROP_DBSKILL* skills = p->m_pSkillSheet;
                if (!skills) {
                    t.m_Faults.push_back(list + " skill sheet: did not open");
                    continue;
                }
                t.Step(list + " skill page", [&] {
                    skills->OnIdle(1);
                    SendMessageA(skills->m_hWnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
                    PumpMessages();
                });
            }
        } else if (auto* p = dynamic_cast<DLG_DBSKILLTYPE*>(page)) {
            t.SubList<DLG_INFL>("influence", p->m_InflEdits);
        } else if (auto* p = dynamic_cast<DLG_DBLAND*>(page)) {
            t.SubList<DLG_INPUT>("land element", p->m_ElemEdits);
        } else if (auto* p = dynamic_cast<DLG_DBSYSTEM_4*>(page)) {
            t.SubList<DLG_ELEM>("element", p->m_ElemEdits);
        } else if (auto* p = dynamic_cast<DLG_DB_CHARAANIM*>(page)) {
            t.SubList<DLG_DB_CHARAANIM_ANIM>("character animation frame", p->m_FrameEdits);
        } else if (auto* p = dynamic_cast<DLG_DB_EFFECTANIM*>(page)) {
            t.SubList<DLG_DB_EFFECTANIM_ANIM>("effect animation frame", p->m_FrameEdits);
        } else if (auto* p = dynamic_cast<DLG_DB_HELP*>(page)) {
            t.SubList<DLG_TEXT>("help text", p->m_TextEdits);
        }
    }
    t.Step("database sheet closed", [&] {
        SendMessageA(sheet->m_hWnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        PumpMessages();
    });
}

void HostileProjects::WorldMapDialogs() {
    Tour& t = m_Tour;
    t.Step("world map", [&] {
        Command(CM_WORLDMAP);
        PumpMessages();
    });
    DLG_WORLDMAP* world = g_lpStageWnd->WorldMap();
    ASSERT_TRUE(world && world->IsWindowOpen());
    t.Step("world event palette", [&] { world->SetLayer(WLAYER_EVENT); });
    t.Step("world chip palette", [&] { world->SetLayer(WLAYER_CHIP); });
    t.Dialog<DLG_WORLDMAP_SET>("world-map settings",
                               [&] { SendMessageA(world->m_hWnd, WM_COMMAND, CM_WM_SETTINGS, 0); });
    cWorldEvent& event = g_WorldMap.Events.empty() ? world->m_NewEvent : g_WorldMap.Events[0];
    t.Dialog<DLG_WORLDEVENT_SET>("world event", [&] { world->RunEventEditor(event, 0, nullptr); });
    if (!g_WorldMap.EventTemplates.empty()) {
        t.Dialog<DLG_WORLDEVENT_SET>("world event template",
                                     [&] { world->RunEventEditor(g_WorldMap.EventTemplates[0], 0, nullptr); });
    }
    t.Step("world map closed", [&] {
        SendMessageA(world->m_hWnd, WM_COMMAND, CM_WM_CLOSE, 0);
        PumpMessages();
    });
}

}  // namespace

TEST_P(HostileProjects, EveryWindowOpensWithoutEndingTheEditor) {
    StageDialogs();
    EventDialogs();
    DatabasePages();
    WorldMapDialogs();
    EXPECT_TRUE(m_Tour.m_Faults.empty()) << Listed(m_Tour.m_Faults);
    EXPECT_TRUE(IsWindow(g_hWndMain));
}

INSTANTIATE_TEST_SUITE_P(Projects, HostileProjects, ::testing::Range(0, HostileProjectCount()),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(kHostileProjects[info.param].Name);
                         });

// The skill-list page binds the first scenes and menu entries of the list it
// shows: a list with more of them (a damaged "Skill.dat" loads so) is edited
// through those controls all the same, and the page gives it the entries it
// shows and no more.
TEST_F(HostileProjectTest, TheSkillListPageEditsAnOverlongList) {
    Open(HostileProject("InnerListsEmptyOrOverlong"));
    const int last = static_cast<int>(g_SkillLists.size()) - 1;
    ASSERT_GE(last, 1);
    ASSERT_EQ(16u, g_SkillLists[last].vScene.size());
    ASSERT_EQ(9u, g_SkillLists[last].vCmd.size());
    auto* page = dynamic_cast<DLG_DBSKILLLIST*>(ShowDatabaseTab(PROP_DATABASE::TAB_SKILL_LIST));
    ASSERT_NE(nullptr, page);
    PickRow(page->m_hWnd, page->m_List.m_wId, last);
    HWND scene = GetDlgItem(page->m_hWnd, 1426);  // scene 0
    const int before = page->m_Work[last].vScene.At(0);
    SendMessageA(scene, BM_SETCHECK, before ? BST_UNCHECKED : BST_CHECKED, 0);
    Click(page->m_hWnd, 1426);
    SetDlgItemTextA(page->m_hWnd, 1404, "習う");  // the first skill-menu entry
    const cSkillList& shown = page->m_Work[last];
    EXPECT_EQ(before ? 0 : 1, shown.vScene.At(0));
    EXPECT_EQ("習う", shown.vCmd.At(0).Label);
    EXPECT_EQ(static_cast<size_t>(cSkillList::SCENE_COUNT), shown.vScene.size());
    EXPECT_EQ(static_cast<size_t>(cSkillList::CMD_COUNT), shown.vCmd.size());
    EXPECT_TRUE(m_MainWindow.Actions().empty());
}
