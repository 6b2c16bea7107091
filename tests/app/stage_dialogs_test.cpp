// The stage editor's palettes and dialogs on the sample project, driven as a
// user does: the enemy and event palettes with their keys, one enemy's rules
// and the movement-AI templates with their file, the stage settings with
// their explanation lines, and the position groups with their cell view.
#include <windows.h>

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
#include "app/stage_edit_state.h"
#include "base/editor_settings.h"
#include "base/paths.h"
#include "events/dlg_event_set.h"
#include "model/stage.h"
#include "resources/stage_dialogs_ids.h"
#include "tests/app/editor_test.h"
#include "tests/events/event_dialog_support.h"
#include "tests/support/bytes.h"
#include "tests/support/updown.h"

namespace {

// A key or menu command of a list that has the focus.
void ListCommand(HWND dlg, int list, WORD command) {
    SetFocus(GetDlgItem(dlg, list));
    SendMessageA(dlg, WM_COMMAND, command, 0);
}

cCellPos At(const cPutEnemy& e) { return {e.X, e.Y}; }

// "data\MoveAITemplate.dat" as it must read: each rule's 21 numbers in their stored order.
std::string TemplateFile(const VECTOR_CLASS<cMoveAITemplate>& templates) {
    Bytes b;
    b.U32(270).U32(static_cast<uint32_t>(templates.size()));
    for (const cMoveAITemplate& t : templates) {
        b.Str(t.Name).Str(t.Description).U32(static_cast<uint32_t>(t.Rules.size()));
        for (const cMoveAI& r : t.Rules) {
            for (int v : {r.Range,         r.Target,          r.Action,    r.SkillList,  r.Skill,       r.Dest,
                          r.CondEnabled,   r.CondAllyInRange, r.CondLatch, r.CondStatus, r.StatusParam, r.StatusValue,
                          r.StatusPercent, r.StatusCompare,   r.CondGVal,  r.GVal,       r.GValValue,   r.GValCompare,
                          r.CondActed,     r.JudgeType,       r.Spare})
                b.I32(v);
        }
    }
    return b;
}

cMoveAITemplate Template(const char* name, const char* description, const VECTOR_CLASS<cMoveAI>& rules) {
    cMoveAITemplate t;
    t.Name = name;
    t.Description = description;
    t.Rules = rules;
    return t;
}

cMoveAI FightRule() {
    cMoveAI r;
    r.Action = 1;
    return r;
}

class StageDialogs : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        SetActiveWindow(StageWnd());
        PumpMessages();
    }
    void TearDown() override {
        EXPECT_EQ(0, DropSteps()) << "a dialog a step waited for never opened";
        EditorTest::TearDown();
    }
    // Runs the stage enemy dialog on `record` with every step queued before.
    int RunEnemyDialog(cPutEnemy* record) {
        DLG_ENEMY_SET dlg(Stage(), Stage()->m_pWndList, record, nullptr);
        return dlg.DoModal(0);
    }
};

}  // namespace

TEST_F(StageDialogs, TheEnemyPalettePastesOffTheMapAndInsertsAsOneUndoStep) {
    Command(CM_LAYER_ENEMY);
    ASSERT_NE(nullptr, Stage()->EnemyPalette());
    VECTOR_CLASS<cPutEnemy>& enemies = g_Stage.PutEnemies;
    const size_t count = enemies.size();
    ASSERT_EQ(5u, count);
    EXPECT_EQ("1 グ1 (15,2) 2-盗賊     LV3 ", ListRow(Enemies(), IDC_ENEMYPLT_LIST, 0));

    // A copy pasted on the append row is no enemy of the map.
    PickRow(Enemies(), IDC_ENEMYPLT_LIST, 0);
    SendMessageA(Enemies(), WM_COMMAND, CM_LIST_MENU_COPY, 0);
    PickRow(Enemies(), IDC_ENEMYPLT_LIST, static_cast<int>(count));
    SendMessageA(Enemies(), WM_COMMAND, CM_LIST_MENU_PASTE, 0);
    ASSERT_EQ(count + 1, enemies.size());
    EXPECT_EQ(enemies[0].Enemy, enemies[count].Enemy);
    EXPECT_EQ((cCellPos{-1, -1}), At(enemies[count]));
    EXPECT_EQ(1, g_StageEditState.StageChanged);
    Command(CM_UNDO);
    EXPECT_EQ(count, enemies.size());

    // Inserted and cancelled: nothing; inserted and confirmed: one step that takes it away again.
    PickRow(Enemies(), IDC_ENEMYPLT_LIST, 1);
    const cPutEnemy second = enemies[1];
    for (int ok : {0, 1}) {
        QueueStep([ok] {
            DLG_ENEMY_SET* d = OpenBox<DLG_ENEMY_SET>();
            if (!d) return false;
            Choose(d->m_hWnd, IDC_ENEMYSET_ENEMY, 1);
            Click(d->m_hWnd, ok ? IDC_STAGEDLG_OK : IDC_STAGEDLG_CANCEL);
            return true;
        });
        Click(Enemies(), IDC_LISTPLT_INSERT);
        EXPECT_EQ(count + ok, enemies.size()) << ok;
    }
    EXPECT_EQ(1, enemies[1].Enemy);
    EXPECT_EQ((cCellPos{-1, -1}), At(enemies[1]));
    EXPECT_EQ("2 グ- (--,--) 1-スライム LV1 ", ListRow(Enemies(), IDC_ENEMYPLT_LIST, 1));
    Command(CM_UNDO);
    ASSERT_EQ(count, enemies.size());
    EXPECT_TRUE(enemies[1].Compare(second));

    // The chosen enemy is what the pen puts on the map, taking the cell's enemy off it.
    PickRow(Enemies(), IDC_ENEMYPLT_LIST, 3);
    EXPECT_EQ(3, g_StageEditState.PaletteNo);
    SetActiveWindow(StageWnd());
    const cCellPos target = At(enemies[4]);
    const LPARAM cell = MAKELPARAM(target.X * 32 + 16 + Stage()->m_nDrawX, target.Y * 32 + 16 + Stage()->m_nDrawY);
    SendMessageA(StageWnd(), WM_LBUTTONDOWN, MK_LBUTTON, cell);
    SendMessageA(StageWnd(), WM_LBUTTONUP, 0, cell);
    EXPECT_EQ(target, At(enemies[3]));
    EXPECT_EQ((cCellPos{-1, -1}), At(enemies[4]));
}

TEST_F(StageDialogs, TheRuleListKeepsToTenRules) {
    cPutEnemy enemy;
    QueueStep([] {
        DLG_ENEMY_SET* d = OpenBox<DLG_ENEMY_SET>();
        if (!d) return false;
        for (int i = 0; i < 12; ++i) ListCommand(d->m_hWnd, IDC_ENEMYSET_RULES, CM_LIST_KEY_INSERT);
        EXPECT_EQ(10u, d->m_Rules.size());
        ListCommand(d->m_hWnd, IDC_ENEMYSET_RULES, CM_LIST_KEY_COPY);
        ListCommand(d->m_hWnd, IDC_ENEMYSET_RULES, CM_LIST_KEY_PASTE);
        EXPECT_EQ(10u, d->m_Rules.size()) << "a paste past ten is refused";
        Click(d->m_hWnd, IDC_ENEMYSET_INSERT);  // refused: no rule dialog opens
        EXPECT_EQ(10u, d->m_Rules.size());
        for (int i = 0; i < 9; ++i) ListCommand(d->m_hWnd, IDC_ENEMYSET_RULES, CM_LIST_KEY_DELETE);
        Click(d->m_hWnd, IDC_STAGEDLG_OK);
        return true;
    });
    EXPECT_EQ(1, RunEnemyDialog(&enemy));
    EXPECT_EQ(1u, enemy.MoveAI.size());
}

TEST_F(StageDialogs, TemplatesAreLoadedOverwrittenAddedAndReorderedIntoTheirFile) {
    const cMoveAITemplate wait = Template("待機", "その場から動かない", {cMoveAI()});
    const cMoveAITemplate charge = Template("突撃", "最も近い味方へ向かって戦う", {FightRule()});
    ASSERT_EQ(TemplateFile({wait, charge}), FileBytes(g_PathTable.MoveAITemplate)) << "the sample's";
    cPutEnemy enemy;
    enemy.MoveAI = {cMoveAI(), cMoveAI()};
    VECTOR_CLASS<cMoveAI> loaded;
    QueueStep([&loaded] {
        DLG_ENEMY_SET* d = OpenBox<DLG_ENEMY_SET>();
        if (!d) return false;
        HWND w = d->m_hWnd;
        // Loading over two rules asks first; then the rules are the template's.
        Choose(w, IDC_ENEMYSET_TEMPLATE, 1);
        Click(w, IDC_ENEMYSET_LOAD);
        loaded = d->m_Rules;
        // The first template takes these rules, at once into the file.
        Choose(w, IDC_ENEMYSET_TEMPLATE, 0);
        Click(w, IDC_ENEMYSET_OVERWRITE);
        // A new template is named in the template list, which OK writes.
        QueueStep([] {
            DLG_MOVEAITEMPLATE* t = OpenBox<DLG_MOVEAITEMPLATE>();
            if (!t) return false;
            EXPECT_EQ(2, t->m_List.GetCurSel()) << "the new template is selected";
            TypeText(t->m_hWnd, IDC_MOVEAITPL_NAME, "新しい");
            EXPECT_EQ("3 新しい", ListRow(t->m_hWnd, IDC_MOVEAITPL_LIST, 2)) << "its row follows the typing";
            Click(t->m_hWnd, IDC_STAGEDLG_OK);
            return true;
        });
        Click(w, IDC_ENEMYSET_SAVE_NEW);
        // Moved up twice, and once more from the top, which changes nothing.
        QueueStep([] {
            DLG_MOVEAITEMPLATE* t = OpenBox<DLG_MOVEAITEMPLATE>();
            if (!t) return false;
            PickRow(t->m_hWnd, IDC_MOVEAITPL_LIST, 2);
            for (int i = 0; i < 3; ++i) Click(t->m_hWnd, IDC_MOVEAITPL_UP);
            Click(t->m_hWnd, IDC_STAGEDLG_OK);
            return true;
        });
        Click(w, IDC_ENEMYSET_ARRANGE);
        EXPECT_EQ(3, ComboCount(w, IDC_ENEMYSET_TEMPLATE)) << "the combo follows the templates";
        Click(w, IDC_STAGEDLG_CANCEL);
        return true;
    });
    EXPECT_EQ(0, RunEnemyDialog(&enemy));
    EXPECT_EQ(charge.Rules.size(), loaded.size());
    EXPECT_TRUE(loaded[0].Compare(charge.Rules[0]));
    ASSERT_EQ(2u, Boxes().Count());
    EXPECT_EQ("現在の設定は破棄されます。\nよろしいですか？\n", Boxes().Calls()[0].text);
    EXPECT_EQ("「待機」を上書きします。\nよろしいですか？\n", Boxes().Calls()[1].text);
    const cMoveAITemplate overwritten = Template("待機", "その場から動かない", charge.Rules);
    const cMoveAITemplate added = Template("新しい", "", charge.Rules);
    EXPECT_EQ(Hex(TemplateFile({added, overwritten, charge})), Hex(FileBytes(g_PathTable.MoveAITemplate)))
        << "the templates stay changed after the enemy dialog's cancel";
    EXPECT_EQ(2u, enemy.MoveAI.size());
}

TEST_F(StageDialogs, ATemplateFileThatCannotBeWrittenStaysWhole) {
    const std::string before = FileBytes(g_PathTable.MoveAITemplate);
    SetReadOnly(g_PathTable.MoveAITemplate, true);
    cPutEnemy enemy;
    QueueStep([] {
        DLG_ENEMY_SET* d = OpenBox<DLG_ENEMY_SET>();
        if (!d) return false;
        Click(d->m_hWnd, IDC_ENEMYSET_OVERWRITE);
        Click(d->m_hWnd, IDC_STAGEDLG_CANCEL);
        return true;
    });
    RunEnemyDialog(&enemy);
    SetReadOnly(g_PathTable.MoveAITemplate, false);
    EXPECT_EQ(before, FileBytes(g_PathTable.MoveAITemplate));
    ASSERT_EQ(2u, Boxes().Count());
    EXPECT_EQ(std::string(g_PathTable.MoveAITemplate) + " の保存に失敗しました！", Boxes().Calls()[1].text);
    EXPECT_TRUE(g_MoveAITemplates[0].Rules.empty()) << "the templates keep the change, to be saved again";
}

TEST_F(StageDialogs, StageSettingsApplyTheSizeAsOneStepAndCancelChangesNothing) {
    cStageEditState& st = g_StageEditState;
    ASSERT_EQ(20, g_Stage.Width);
    const int chip = g_Stage.ChipAt(3, 2), farChip = g_Stage.ChipAt(15, 12);
    ASSERT_NE(0, farChip);
    Command(CM_CLEAR_CHIPS);  // asked and answered Yes: an undo step
    Command(CM_UNDO);
    Command(CM_REDO);
    Command(CM_UNDO);
    ASSERT_FALSE(st.UndoHistory.Empty() && st.RedoHistory.Empty());
    const struct {
        int width, height, ok;
        int wantW, wantH;
    } cases[] = {{8, 6, 0, 20, 15}, {8, 6, 1, 8, 6}, {20, 15, 1, 20, 15}};
    for (const auto& c : cases) {
        QueueStep([&c] {
            DLG_STAGE* d = OpenBox<DLG_STAGE>();
            if (!d) return false;
            TypeText(d->m_hWnd, IDC_STAGE_WIDTH, std::to_string(c.width).c_str());
            TypeText(d->m_hWnd, IDC_STAGE_HEIGHT, std::to_string(c.height).c_str());
            TypeText(d->m_hWnd, IDC_STAGE_NAME, "改名");
            if (c.ok) Click(d->m_hWnd, IDC_STAGEDLG_OK);
            if (!c.ok) SendMessageA(d->m_hWnd, WM_COMMAND, IDCANCEL, 0);  // Esc
            return true;
        });
        Command(CM_STAGE_SETTINGS);
        EXPECT_EQ(c.wantW, g_Stage.Width) << c.width << " " << c.ok;
        EXPECT_EQ(c.wantH, g_Stage.Height);
        EXPECT_EQ(c.ok ? "改名" : "サンプルステージ", g_Stage.Name);
        EXPECT_EQ(g_Stage.Stride * g_Stage.Height, static_cast<int>(g_Stage.Chips.size())) << "the chips fit the size";
        EXPECT_EQ(chip, g_Stage.ChipAt(3, 2)) << "inside both sizes";
        if (!c.ok) continue;
        EXPECT_TRUE(st.UndoHistory.Empty() && st.RedoHistory.Empty()) << "no step may restore another size";
        for (const cPutEnemy& e : g_Stage.PutEnemies) EXPECT_TRUE(g_Stage.Inside(e.X, e.Y) || e.X == -1);
        for (const cEvent& e : g_Stage.Events) EXPECT_TRUE(g_Stage.Inside(e.X, e.Y));
    }
    EXPECT_EQ(0, g_Stage.ChipAt(15, 12)) << "grown back: the cut cells are empty";
    EXPECT_EQ(1, st.StageChanged);
}

// Settings that keep the size keep the map edits made before them undoable.
TEST_F(StageDialogs, StageSettingsOfTheSameSizeKeepTheUndoHistory) {
    cStageEditState& st = g_StageEditState;
    const int farChip = g_Stage.ChipAt(15, 12);
    const size_t enemies = g_Stage.PutEnemies.size();
    ASSERT_NE(0, farChip);
    ASSERT_NE(0u, enemies);
    Command(CM_CLEAR_CHIPS);
    Command(CM_CLEAR_ENEMIES);
    Command(CM_UNDO);
    ASSERT_EQ(1u, st.UndoHistory.Size());
    ASSERT_EQ(1u, st.RedoHistory.Size());
    QueueStep([] {
        DLG_STAGE* d = OpenBox<DLG_STAGE>();
        if (!d) return false;
        TypeText(d->m_hWnd, IDC_STAGE_NAME, "改名");
        EXPECT_EQ("999999", StepUpDown(GetDlgItem(d->m_hWnd, IDC_STAGE_REWARD_SPIN), "999998", UPDOWN_CLICK_UP, 2));
        EXPECT_EQ("999999", StepUpDown(GetDlgItem(d->m_hWnd, IDC_STAGE_REWARD_SPIN), nullptr, UPDOWN_KEY_UP));
        EXPECT_EQ("9", StepUpDown(GetDlgItem(d->m_hWnd, IDC_STAGE_REPEAT_SPIN), "10", UPDOWN_KEY_DOWN));
        // A key that meets a press of the arrow: one step each, nothing after
        // the release, and the dialog takes the next click.
        HWND ex = GetDlgItem(d->m_hWnd, IDC_STAGE_EX_SPIN);
        EXPECT_EQ("52", StepUpDown(ex, "50", UPDOWN_KEY_PRESS_UP));
        EXPECT_EQ("54", StepUpDown(ex, nullptr, UPDOWN_HOLD_KEY_UP));
        EXPECT_EQ("54", UpDownShowsAfter(ex, 1000));
        const bool closed = ClickCloses(GetDlgItem(d->m_hWnd, IDC_STAGEDLG_OK));
        EXPECT_TRUE(closed) << "a click on OK closes the dialog";
        if (!closed) Click(d->m_hWnd, IDC_STAGEDLG_OK);
        return true;
    });
    Command(CM_STAGE_SETTINGS);
    EXPECT_EQ("改名", g_Stage.Name);
    EXPECT_EQ(999999, g_Stage.RewardValue);
    EXPECT_EQ(9, g_Stage.RepeatRate);
    EXPECT_EQ(54, g_Stage.ExRate);
    EXPECT_EQ(1u, st.UndoHistory.Size());
    EXPECT_EQ(1u, st.RedoHistory.Size());
    Command(CM_REDO);
    EXPECT_TRUE(g_Stage.PutEnemies.empty());
    Command(CM_UNDO);
    Command(CM_UNDO);
    EXPECT_EQ(farChip, g_Stage.ChipAt(15, 12)) << "the cleared chips come back";
    EXPECT_EQ(enemies, g_Stage.PutEnemies.size());
    EXPECT_EQ("改名", g_Stage.Name) << "undo takes back map edits only";
}

TEST_F(StageDialogs, TheThreeExplanationLists) {
    QueueStep([] {
        DLG_STAGE* d = OpenBox<DLG_STAGE>();
        if (!d) return false;
        HWND w = d->m_hWnd;
        // "挿入" opens the line before the caret row; a cancel takes it away again.
        for (int ok : {1, 0}) {
            QueueStep([ok] {
                DLG_ENDCOND* e = OpenBox<DLG_ENDCOND>();
                if (!e) return false;
                TypeText(e->m_hWnd, IDC_ENDCOND_TEXT, "ボスを倒す");
                Choose(e->m_hWnd, IDC_ENDCOND_TARGET, ENDCOND_ENEMY);
                EXPECT_TRUE(IsItemEnabled(e->m_hWnd, IDC_ENDCOND_CHARA));
                EXPECT_FALSE(IsItemEnabled(e->m_hWnd, IDC_ENDCOND_X));
                Choose(e->m_hWnd, IDC_ENDCOND_TARGET, ENDCOND_CELL);
                EXPECT_FALSE(IsItemEnabled(e->m_hWnd, IDC_ENDCOND_CHARA));
                EXPECT_TRUE(IsItemEnabled(e->m_hWnd, IDC_ENDCOND_Y));
                Click(e->m_hWnd, ok ? IDC_STAGEDLG_OK : IDC_STAGEDLG_CANCEL);
                return true;
            });
            Click(w, IDC_STAGE_WIN_INSERT);
        }
        EXPECT_EQ(3, ListCount(w, IDC_STAGE_WIN_LIST)) << "two lines and the append row";
        EXPECT_EQ("1 ボスを倒す", ListRow(w, IDC_STAGE_WIN_LIST, 0));
        // Keys act on the list that has the focus, and no list holds more than four lines.
        for (int i = 0; i < 5; ++i) ListCommand(w, IDC_STAGE_LOSE_LIST, CM_LOSE_KEY_INSERT);
        EXPECT_EQ(4u, d->m_Lines[ENDCOND_LIST_LOSE].size());
        ListCommand(w, IDC_STAGE_LOSE_LIST, CM_LIST_KEY_CUT);
        ListCommand(w, IDC_STAGE_LOSE_LIST, CM_OTHER_KEY_CUT);
        EXPECT_EQ(2u, d->m_Lines[ENDCOND_LIST_WIN].size()) << "the victory list's Ctrl+X is not the defeat list's";
        ListCommand(w, IDC_STAGE_LOSE_LIST, CM_LOSE_KEY_CUT);
        EXPECT_EQ(3u, d->m_Lines[ENDCOND_LIST_LOSE].size());
        ListCommand(w, IDC_STAGE_OTHER_LIST, CM_OTHER_KEY_PASTE);
        EXPECT_EQ(0u, d->m_Lines[ENDCOND_LIST_OTHER].size()) << "each list has its own clipboard";
        QueueStep([] {
            DLG_ENDCOND* e = OpenBox<DLG_ENDCOND>();
            if (!e) return false;
            Click(e->m_hWnd, IDC_STAGEDLG_CANCEL);
            return true;
        });
        Click(w, IDC_STAGE_OTHER_INSERT);
        EXPECT_EQ(0u, d->m_Lines[ENDCOND_LIST_OTHER].size());
        // A double click on the append row edits nothing.
        PickRow(w, IDC_STAGE_OTHER_LIST, 0);
        SendMessageA(w, WM_COMMAND, MAKEWPARAM(IDC_STAGE_OTHER_LIST, LBN_DBLCLK), 0);
        Click(w, IDC_STAGEDLG_OK);
        return true;
    });
    Command(CM_STAGE_SETTINGS);
    ASSERT_EQ(2u, g_Stage.WinConds.size());
    EXPECT_EQ("ボスを倒す", g_Stage.WinConds[0].Text);
    EXPECT_EQ(ENDCOND_CELL, g_Stage.WinConds[0].Target);
    EXPECT_EQ("敵を全滅させる", g_Stage.WinConds[1].Text);
    EXPECT_EQ(3u, g_Stage.LoseConds.size());
    EXPECT_TRUE(g_Stage.OtherConds.empty()) << "the line inserted and cancelled went again";
}

TEST_F(StageDialogs, GroupCellsAreToggledOnTheStageOnly) {
    g_Stage.Resize(5, 4);
    g_Stage.Groups.clear();
    auto click = [](HWND w, int x, int y) {
        SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x * 32 + 16, y * 32 + 16));
    };
    for (int ok : {0, 1}) {
        QueueStep([ok, click] {
            DLG_GROUPPOS* d = OpenBox<DLG_GROUPPOS>();
            if (!d) return false;
            EXPECT_EQ(2, ListCount(d->m_hWnd, IDC_GROUPPOS_LIST)) << "group 1 and the append row";
            QueueStep([ok, click] {
                DLG_GROUPPOS_SET* s = OpenBox<DLG_GROUPPOS_SET>();
                if (!s) return false;
                click(s->m_hWnd, 1, 1);
                click(s->m_hWnd, 2, 3);
                click(s->m_hWnd, 1, 1);
                click(s->m_hWnd, 7, 2);  // beyond the stage's last column
                click(s->m_hWnd, 0, 3);
                EXPECT_EQ((VECTOR_CLASS<cCellPos>{{2, 3}, {0, 3}}), s->m_Cells);
                TypeText(s->m_hWnd, IDC_GROUPSET_NAME, "南口");
                Click(s->m_hWnd, ok ? IDC_STAGEDLG_OK : IDC_STAGEDLG_CANCEL);
                return true;
            });
            Click(d->m_hWnd, IDC_GROUPPOS_EDIT);
            const std::string name = ok ? "南口" : "";
            EXPECT_EQ("1 " + name + std::string(9 - name.size(), ' ') + "中心座標(0,0)",
                      ListRow(d->m_hWnd, IDC_GROUPPOS_LIST, 0));
            Click(d->m_hWnd, IDC_STAGEDLG_OK);
            return true;
        });
        Command(CM_GROUP_POS);
        ASSERT_EQ(2u, g_Stage.Groups.size()) << "a stage gets groups 0 and 1";
        const VECTOR_CLASS<cCellPos> want = ok ? VECTOR_CLASS<cCellPos>{{2, 3}, {0, 3}} : VECTOR_CLASS<cCellPos>{};
        EXPECT_EQ(want, g_Stage.Groups[1].Cells) << ok;
    }
    // Cancelled at once, the two groups stay.
    g_Stage.Groups.clear();
    QueueStep([] {
        DLG_GROUPPOS* d = OpenBox<DLG_GROUPPOS>();
        if (!d) return false;
        Click(d->m_hWnd, IDC_STAGEDLG_CANCEL);
        return true;
    });
    Command(CM_GROUP_POS);
    EXPECT_EQ(2u, g_Stage.Groups.size());
}

TEST_F(StageDialogs, TheEventPaletteChoosesCopiesAndKeepsItsRowForTheNextPalette) {
    cStageEditState& st = g_StageEditState;
    Command(CM_LAYER_EVENT);
    ASSERT_NE(nullptr, Stage()->EventPalette());
    ASSERT_EQ(3, ListCount(Events(), IDC_EVENTPLT_LIST) - 1);
    PickRow(Events(), IDC_EVENTPLT_LIST, 1);
    EXPECT_EQ(1, st.PaletteNo);

    // The options change at once.
    Check(Events(), IDC_EVENTPLT_EDIT_BEFORE, 0);
    EXPECT_EQ(0, g_EditConfig.StageEditBeforePlace);

    // A copy here is the stage editor's event to paste.
    st.ClipboardFull = 0;
    ListCommand(Events(), IDC_EVENTPLT_LIST, CM_LIST_KEY_COPY);
    EXPECT_EQ(1, st.ClipboardFull);
    EXPECT_EQ(g_EventPlt[1].Name, st.Clipboard.Name);

    // An edit cancelled still marks the palette changed.
    st.PaletteChanged = 0;
    QueueStep([] {
        DLG_CLASS* d = OpenBox<DLG_EVENT_SET>();
        if (!d) return false;
        SendMessageA(d->m_hWnd, WM_CLOSE, 0, 0);
        return true;
    });
    Click(Events(), IDC_LISTPLT_EDIT);
    EXPECT_EQ(1, st.PaletteChanged);

    // The enemy palette opens on the same row.
    PickRow(Events(), IDC_EVENTPLT_LIST, 2);
    Command(CM_LAYER_ENEMY);
    ASSERT_NE(nullptr, Stage()->EnemyPalette());
    EXPECT_EQ(2, Stage()->EnemyPalette()->m_List.GetCurSel());
    EXPECT_EQ(2, st.PaletteNo);
}

// The palettes' keys act while the palette is the active window, also when a
// click on "編集" or "ﾃﾞｰﾀ数" took the focus from the list.
TEST_F(StageDialogs, ThePalettesKeysActWhateverHasTheFocus) {
    const struct {
        const char* name;
        WORD layer;
        int list;
        size_t (*count)();
    } palettes[] = {
        {"enemy palette", CM_LAYER_ENEMY, IDC_ENEMYPLT_LIST, [] { return g_Stage.PutEnemies.size(); }},
        {"event palette", CM_LAYER_EVENT, IDC_EVENTPLT_LIST, [] { return g_EventPlt.size(); }},
    };
    for (const auto& p : palettes) {
        Command(p.layer);
        HWND w = p.layer == CM_LAYER_ENEMY ? Enemies() : Events();
        for (int focus : {IDC_LISTPLT_EDIT, IDC_LISTPLT_COUNT}) {
            auto key = [&](std::vector<WORD> chord) {
                SetForegroundWindow(w);
                SetFocus(GetDlgItem(w, focus));
                TypeKeys(chord);
                for (int i = 0; i < 10; ++i) {
                    Sleep(5);
                    PumpMessages();
                }
            };
            PickRow(w, p.list, 0);
            const size_t before = p.count();
            key({VK_CONTROL, 'C'});
            key({VK_CONTROL, 'V'});
            EXPECT_EQ(before + 1, p.count()) << p.name << " " << focus << ": Ctrl+C, Ctrl+V";
            const size_t pasted = p.count();
            key({VK_DELETE});
            EXPECT_EQ(pasted - 1, p.count()) << p.name << " " << focus << ": Delete";
        }
    }
}
