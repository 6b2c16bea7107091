// The stage editor's commands: menus, tool bar, keys and the event pop-up.
#include <new>

#include "app/app.h"
#include "app/dlg_chip.h"
#include "app/dlg_event.h"
#include "app/dlg_grouppos.h"
#include "app/dlg_main.h"
#include "app/dlg_stage.h"
#include "app/dlg_testplay.h"
#include "app/stage_edit_state.h"
#include "app/stage_tools.h"
#include "base/report.h"
#include "database/sheet/prop_database.h"
#include "database/tabs/database_tabs.h"
#include "editing/map_cursor.h"
#include "events/dlg_event_set.h"
#include "model/stage.h"
#include "resources/stage_editor_ids.h"
#include "ui/common_dialogs.h"
#include "ui/wnd_list.h"
#include "worldmap/dlg_worldmap.h"
#include "worldmap/world_edit_state.h"

namespace {

int Ask(HWND owner, const char* text, const char* caption) {
    return MesBoxWnd(owner, text, caption, MB_YESNO) == IDYES;
}

// Every registered window stays disabled while a command shows a file
// dialog or a question.
class DisabledWindows {
public:
    explicit DisabledWindows(WND_LIST_CLASS* list) : m_pList(list) {
        if (m_pList) m_pList->EnableAll(0);
    }
    ~DisabledWindows() {
        if (m_pList) m_pList->EnableAll(1);
    }
    DisabledWindows(const DisabledWindows&) = delete;
    DisabledWindows& operator=(const DisabledWindows&) = delete;

private:
    WND_LIST_CLASS* m_pList;
};

// Commands of the event pop-up, after which its cursor record is dropped.
bool IsPopupCommand(WORD id) {
    switch (id) {
    case CM_EVENT_COPY:
    case CM_EVENT_PASTE:
    case CM_EVENT_CUT:
    case CM_EVENT_NEW:
    case CM_EVENT_DELETE:
    case CM_EVENT_EDIT: return true;
    default: return false;
    }
}

}  // namespace

int DLG_MAIN::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!CheckCommand(wParam)) return 0;
    DLG_CLASS::OnCommand(wParam, lParam);
    const WORD id = LOWORD(wParam);
    const int handled = RunCommand(id);
    if (IsPopupCommand(id)) g_MapCursor.Pop(2);
    return handled;
}

int DLG_MAIN::RunCommand(WORD id) {
    cStageEditState& st = g_StageEditState;
    const int open = st.StageOpen;
    cMapCursorPos* cursor = g_MapCursor.m_pCur;
    switch (id) {
    case CM_LAYER_CHIP_BUTTON:
    case CM_LAYER_CHIP: SetEditLayer(LAYER_CHIP); return 1;
    case CM_LAYER_ENEMY_BUTTON:
    case CM_LAYER_ENEMY: SetEditLayer(LAYER_ENEMY); return 1;
    case CM_LAYER_EVENT_BUTTON:
    case CM_LAYER_EVENT: SetEditLayer(LAYER_EVENT); return 1;
    case CM_TESTPLAY_BUTTON:
    case CM_TESTPLAY:
    case CM_TESTPLAY_KEY: TestPlay(); return 1;

    case CM_SAVE_ALL:
    case CM_SAVE_ALL_KEY: {
        if (!open) return 1;
        {
            DisabledWindows off(m_pWndList);
            if (SaveEventPalette()) st.PaletteChanged = 0;
            if (SaveStageAs(1)) st.StageChanged = 0;
            UpdateTitle();
        }
        SetActiveWindow(m_hWnd);
        return 1;
    }
    case CM_SAVE_AS: {
        DisabledWindows off(m_pWndList);
        if (SaveEventPalette()) st.PaletteChanged = 0;
        if (SaveStageAs(0)) st.StageChanged = 0;
        UpdateTitle();
        return 1;
    }
    case CM_SAVE_PALETTE:
        if (SaveEventPalette()) st.PaletteChanged = 0;
        return 1;
    case CM_NEW_STAGE:
        if (open) {
            DisabledWindows off(m_pWndList);
            if (!Ask(m_hWnd, "現在のステージは破棄されます。\n新規作成しますか？\n", "新規作成の確認")) return 1;
        }
        if (RunDisabled(&DLG_MAIN::NewStageFromDefault)) AfterStageChange();
        return 1;
    case CM_OPEN_STAGE:
    case CM_OPEN_STAGE_KEY:
        if (RunDisabled(&DLG_MAIN::OpenStage)) AfterStageChange();
        return 1;
    case CM_CLOSE_STAGE:
        if (!RunDisabled(&DLG_MAIN::CloseStage)) return 1;
        SetWaitCursor();
        AfterStageChange();
        SetArrowCursor();
        return 1;
    case CM_DEFAULT_STAGE: RunDisabled(&DLG_MAIN::SelectDefaultStage); return 1;
    case CM_UNDO:
    case CM_UNDO_KEY:
        if (!open) return 1;
        st.Undo(g_Stage.Chips, g_Stage.PutEnemies, g_Stage.Events);
        AfterUndoStep();
        return 1;
    case CM_REDO:
    case CM_REDO_KEY:
        if (!open) return 1;
        st.Redo(g_Stage.Chips, g_Stage.PutEnemies, g_Stage.Events);
        AfterUndoStep();
        return 1;
    case CM_CLEAR_CHIPS: ClearLayer(LAYER_CHIP); return 1;
    case CM_CLEAR_ENEMIES: ClearLayer(LAYER_ENEMY); return 1;
    case CM_CLEAR_EVENTS: ClearLayer(LAYER_EVENT); return 1;

    case CM_EVENT_EDIT:
        if (open && st.CurrentEvent) RunEventDialog(st.CurrentEvent, 1);
        return 1;
    case CM_EVENT_NEW:
        if (!open) return 1;
        m_WorkEvent.SetDefault();
        m_WorkEvent.X = cursor->nX;
        m_WorkEvent.Y = cursor->nY;
        st.CurrentEvent = &m_WorkEvent;
        RunEventDialog(&m_WorkEvent, 0);
        return 1;
    case CM_EVENT_COPY:
        if (!open) return 1;
        st.ClipboardFull = 1;
        if (st.CurrentEvent) {
            st.Clipboard = *st.CurrentEvent;
            if (EventPalette()) EventPalette()->TakeClipboard(st.Clipboard);
        }
        return 1;
    case CM_EVENT_CUT:
        if (!open) return 1;
        st.ClipboardFull = 1;
        if (st.CurrentEvent) {
            PushUndo();
            st.Clipboard = *st.CurrentEvent;
            if (EventPalette()) EventPalette()->TakeClipboard(st.Clipboard);
            g_Stage.RemoveEvent(st.CurrentEvent);
            st.CurrentEvent = nullptr;
            st.StageChanged = 1;
        }
        return 1;
    case CM_EVENT_PASTE:
        if (!open || !st.ClipboardFull) return 1;
        PushUndo();
        g_Stage.PlaceAt(st.Clipboard, cursor->nX, cursor->nY);
        st.StageChanged = 1;
        return 1;
    case CM_EVENT_DELETE:
        if (!open || !st.CurrentEvent) return 1;
        PushUndo();
        g_Stage.RemoveEventsAt(cursor->nX, cursor->nY);
        st.CurrentEvent = nullptr;
        st.StageChanged = 1;
        return 1;

    case CM_STAGE_SETTINGS:
        // OK applied the settings; a new size emptied the undo history, which cannot hold one.
        if (!open || !RunStageSettings(this, m_pWndList)) return 1;
        SendMessageA(m_hWnd, WM_SIZE, 0, 0);
        if (ChipPalette()) ChipPalette()->UpdateLayout();
        RefreshActivePalette();
        UpdateUndoMenu();
        UpdateUndoToolbar();
        st.StageChanged = 1;
        return 1;
    case CM_GROUP_POS:
        if (!open || !RunGroupPositions(this, m_pWndList)) return 1;
        g_Stage.Fixup(ProjectFixupInputs());
        st.StageChanged = 1;
        return 1;
    case CM_TESTPLAY_SETTINGS: RunTestPlaySettings(this, m_pWndList); return 1;
    case CM_DATABASE: OpenDatabase(); return 1;
    case CM_WORLDMAP: OpenWorldMap(); return 1;
    case CM_START_EVENT: RunEventDialog(&g_StartEvent, 1); return 1;
    default: return 0;
    }
}

int DLG_MAIN::RunDisabled(int (DLG_MAIN::*operation)()) {
    DisabledWindows off(m_pWndList);
    return (this->*operation)();
}

// A new, opened or closed stage gets a fresh stage editor from the main frame.
void DLG_MAIN::AfterStageChange() {
    g_StageEditState.ClearHistory();
    UpdateUndoMenu();
    UpdateUndoToolbar();
    g_StageEditState.StageChanged = 0;
    if (m_Rebuild) m_Rebuild();
}

void DLG_MAIN::AfterUndoStep() {
    UpdateUndoMenu();
    UpdateUndoToolbar();
    RefreshActivePalette();
    g_StageEditState.StageChanged = 1;
}

void DLG_MAIN::ClearLayer(int layer) {
    if (!g_StageEditState.StageOpen) return;
    static const char* const kQuestions[STAGE_LAYER_COUNT] = {
        "全てのマップチップをクリアしますか？",
        "全ての敵をクリアしますか？",
        "全てのイベントをクリアしますか？",
    };
    DisabledWindows off(m_pWndList);
    if (!Ask(m_hWnd, kQuestions[layer], "データクリアの確認")) return;
    PushUndo();
    switch (layer) {
    case LAYER_CHIP: g_Stage.ClearChips(); break;
    case LAYER_ENEMY:
        g_Stage.PutEnemies.clear();
        RefreshActivePalette();
        break;
    default:
        g_Stage.Events.clear();
        g_StageEditState.CurrentEvent = nullptr;
        break;
    }
    g_StageEditState.StageChanged = 1;
}

void DLG_MAIN::PushUndo() {
    StageBeginEdit(g_Stage, g_StageEditState);
    UpdateUndoMenu();
    UpdateUndoToolbar();
}

// A placed event's undo step is taken before the dialog writes it back; a new
// event's, before it is placed. The start event is no part of the stage.
int DLG_MAIN::RunEventDialog(cEvent* event, int existing) {
    cStageEditState& st = g_StageEditState;
    const int startEvent = event == &g_StartEvent;
    st.EditingExisting = existing;
    st.CurrentEvent = event;
    std::function<void()> undo;
    if (!startEvent) undo = [this] { PushUndo(); };
    if (!EditEvent(this, m_pWndList, event, startEvent, undo)) return 0;
    if (startEvent) return 1;
    if (!existing) g_Stage.PlaceAt(*event, event->X, event->Y);
    st.StageChanged = 1;
    return 1;
}

void DLG_MAIN::OpenDatabase() {
    if (m_pWndList) {
        m_pWndList->ShowAll(0);
        m_pWndList->EnableAll(0);
    }
    SafeDelete(m_lpDatabase);
    m_lpDatabase = new (std::nothrow) PROP_DATABASE(1, this, m_pWndList, &m_lpDatabase, [this] { OnDatabaseClosed(); });
    if (!m_lpDatabase) {
        MemoryShortageExit();
        return;
    }
    m_lpDatabase->CreatePages(g_DatabaseTabs);
}

void DLG_MAIN::OpenWorldMap() {
    g_WorldEditState.Reset();
    SafeDelete(m_lpWorldMap);
    m_lpWorldMap = new (std::nothrow) DLG_WORLDMAP(this, m_pWndList, [] { RestoreStageWindows(1); });
    if (!m_lpWorldMap) {
        MemoryShortageExit();
        return;
    }
    m_lpWorldMap->Create(DLG_HIDE_OTHERS | DLG_DISABLE_OTHERS, SW_SHOW);
    g_nEditorMode = EDITOR_MODE_WORLDMAP;
}
