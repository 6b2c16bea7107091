// The stage editor's event commands through the event dialog: an edit of a
// placed event or a new event is one undo step that restores the stage as it
// was before; the start event and the event palette's templates are no part
// of the stage's history.
#include "app/dlg_event.h"
#include "app/stage_edit_state.h"
#include "base/paths.h"
#include "editing/map_cursor.h"
#include "events/dlg_event_set.h"
#include "model/stage.h"
#include "resources/events_ids.h"
#include "resources/stage_dialogs_ids.h"
#include "resources/stage_editor_ids.h"
#include "tests/app/editor_test.h"
#include "tests/events/event_dialog_support.h"

namespace {

// The event dialog gets `name` and OK.
void RenameAndConfirm(const char* name) {
    QueueStep([name] {
        DLG_EVENT_SET* d = OpenBox<DLG_EVENT_SET>();
        if (!d) return false;
        TypeText(d->m_hWnd, IDC_EVENT_NAME, name);
        Click(d->m_hWnd, IDC_EVENTS_OK);
        return true;
    });
}

}  // namespace

using EventEdit = EditorTest;

TEST_F(EventEdit, UndoAfterEditingAPlacedEventRestoresIt) {
    cStageEditState& st = g_StageEditState;
    ASSERT_FALSE(g_Stage.Events.empty());
    const cEvent before = g_Stage.Events[0];
    const int x = before.X, y = before.Y;
    g_MapCursor.m_pCur->nX = x;
    g_MapCursor.m_pCur->nY = y;
    st.CurrentEvent = g_Stage.FindAt(x, y);
    RenameAndConfirm("書き換え");
    Command(CM_EVENT_EDIT);
    EXPECT_EQ(0, DropSteps());
    ASSERT_NE(nullptr, g_Stage.FindAt(x, y));
    EXPECT_EQ("書き換え", g_Stage.FindAt(x, y)->Name);
    EXPECT_EQ(1, st.StageChanged);
    Command(CM_UNDO);
    ASSERT_NE(nullptr, g_Stage.FindAt(x, y));
    EXPECT_TRUE(g_Stage.FindAt(x, y)->Compare(before)) << "undo gives the event as it was before the edit";
    Command(CM_REDO);
    EXPECT_EQ("書き換え", g_Stage.FindAt(x, y)->Name);
}

TEST_F(EventEdit, ANewEventIsPlacedAndUndone) {
    int tx = 0, ty = 0;
    while (g_Stage.HasEventAt(tx, ty)) ++tx;
    const size_t count = g_Stage.Events.size();
    g_MapCursor.m_pCur->nX = tx;
    g_MapCursor.m_pCur->nY = ty;
    RenameAndConfirm("新しい");
    Command(CM_EVENT_NEW);
    EXPECT_EQ(0, DropSteps());
    ASSERT_NE(nullptr, g_Stage.FindAt(tx, ty));
    EXPECT_EQ("新しい", g_Stage.FindAt(tx, ty)->Name);
    EXPECT_EQ(count + 1, g_Stage.Events.size());
    Command(CM_UNDO);
    EXPECT_EQ(nullptr, g_Stage.FindAt(tx, ty));
    EXPECT_EQ(count, g_Stage.Events.size());
}

TEST_F(EventEdit, TheStartEventPushesNoUndoStepAndIsWritten) {
    const size_t steps = g_StageEditState.UndoHistory.Size();
    QueueStep([] {
        DLG_EVENT_SET* d = OpenBox<DLG_EVENT_SET>();
        if (!d) return false;
        EXPECT_EQ(1, d->m_nEventEditMode);
        EXPECT_FALSE(IsItemEnabled(d->m_hWnd, IDC_EVENT_NAME));
        Click(d->m_hWnd, IDC_EVENTS_OK);
        return true;
    });
    DeleteFileA(g_PathTable.StartEvent);
    Command(CM_START_EVENT);
    EXPECT_EQ(0, DropSteps());
    EXPECT_EQ(steps, g_StageEditState.UndoHistory.Size());
    cEvent saved;
    EXPECT_TRUE(saved.LoadFile(g_PathTable.StartEvent)) << "OK writes the start event even unchanged";
}

// A template of the event palette is edited through the same dialog: the
// template changes, the stage's history does not.
TEST_F(EventEdit, APaletteEventPushesNoUndoStep) {
    Command(CM_LAYER_EVENT);
    ASSERT_NE(nullptr, Stage()->EventPalette());
    ASSERT_GE(g_EventPlt.size(), 2u);
    HWND palette = Stage()->EventPalette()->m_hWnd;
    HWND list = GetDlgItem(palette, IDC_EVENTPLT_LIST);
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    SendMessageA(list, LB_SETSEL, TRUE, 1);
    SendMessageA(list, LB_SETCARETINDEX, 1, 0);
    SendMessageA(palette, WM_COMMAND, MAKEWPARAM(IDC_EVENTPLT_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    const size_t steps = g_StageEditState.UndoHistory.Size();
    RenameAndConfirm("見張り");
    Click(palette, IDC_LISTPLT_EDIT);
    EXPECT_EQ(0, DropSteps());
    EXPECT_EQ("見張り", g_EventPlt[1].Name);
    EXPECT_EQ(steps, g_StageEditState.UndoHistory.Size());
}
