// The world-map window's commands: menus, tool bar, keys, the event pop-up,
// the settings, saving and the close question; and its idle step.
#include <new>

#include "base/paths.h"
#include "base/report.h"
#include "editing/map_cursor.h"
#include "resources/worldmap_ids.h"
#include "worldmap/dlg_worldevent.h"
#include "worldmap/dlg_worldmap.h"
#include "worldmap/dlg_worldmap_set.h"
#include "worldmap/world_tools.h"

namespace {

int Ask(HWND owner, const char* text) { return MesBoxWnd(owner, text, "データクリアの確認", MB_YESNO) == IDYES; }

bool IsPopupCommand(WORD id) {
    switch (id) {
    case CM_WM_EVENT_EDIT:
    case CM_WM_EVENT_CUT:
    case CM_WM_EVENT_COPY:
    case CM_WM_EVENT_PASTE:
    case CM_WM_EVENT_NEW:
    case CM_WM_EVENT_DELETE: return true;
    default: return false;
    }
}

}  // namespace

void DLG_WORLDMAP::OnIdle() {
    if (!m_bCreated || !m_hWnd) return;
    UpdateMouseState(1, MOUSE_ALL);
    PopupOnRightClick();
    const bool outside = m_Mouse.x < 0 || m_Mouse.y < 0 || m_Mouse.x >= ViewW() || m_Mouse.y >= ViewH();
    if (outside && g_WorldEditState.Dragging) DragOutside();
}

int DLG_WORLDMAP::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!CheckCommand(wParam)) return 0;
    DLG_CLASS::OnCommand(wParam, lParam);
    const WORD id = LOWORD(wParam);
    return IsPopupCommand(id) ? RunPopupCommand(id) : RunCommand(id);
}

int DLG_WORLDMAP::RunCommand(WORD id) {
    cWorldEditState& st = g_WorldEditState;
    switch (id) {
    case CM_WM_SAVE:
    case CM_WM_SAVE_KEY: Save(); return 1;
    case CM_WM_SAVE_CLOSE:
        // A failed save keeps the window, and the edits, open.
        if (Save()) End(0);
        return 1;
    case CM_WM_CLOSE: SendMessageA(m_hWnd, WM_CLOSE, 0, 0); return 1;
    case CM_WM_UNDO:
    case CM_WM_UNDO_KEY:
        st.Undo(g_WorldMap.Cells, g_WorldMap.Events);
        AfterHistoryStep();
        return 1;
    case CM_WM_REDO:
    case CM_WM_REDO_KEY:
        st.Redo(g_WorldMap.Cells, g_WorldMap.Events);
        AfterHistoryStep();
        return 1;
    case CM_WM_LAYER_CHIP:
    case CM_WM_LAYER_CHIP_BUTTON:
        SetLayer(WLAYER_CHIP);
        SetFocus(m_hWnd);
        return 1;
    case CM_WM_LAYER_EVENT:
    case CM_WM_LAYER_EVENT_BUTTON:
        SetLayer(WLAYER_EVENT);
        SetFocus(m_hWnd);
        return 1;
    case CM_WM_CLEAR_CHIPS: ClearLayer(WLAYER_CHIP); return 1;
    case CM_WM_CLEAR_EVENTS: ClearLayer(WLAYER_EVENT); return 1;
    case CM_WM_SETTINGS: RunSettings(); return 1;
    default: return 0;
    }
}

void DLG_WORLDMAP::AfterHistoryStep() {
    g_WorldEditState.Target = nullptr;
    UpdateUndoState();
    RefreshPalette();
    g_bWorldMapChanged = 1;
}

void DLG_WORLDMAP::ClearLayer(int layer) {
    static const char* const kQuestions[WORLD_LAYER_COUNT] = {
        "全てのマップチップをクリアしますか？",
        "全てのイベントをクリアしますか？",
    };
    if (!Ask(m_hWnd, kQuestions[layer])) return;
    BeginEdit();
    if (layer == WLAYER_CHIP) {
        g_WorldMap.ClearChips();
    } else {
        g_WorldMap.Events.clear();
        g_WorldEditState.Target = nullptr;
    }
    g_bWorldMapChanged = 1;
}

// ---- The event pop-up ----------------------------------------------------------------------

HMENU DLG_WORLDMAP::Popup() const { return m_hPopupMenu ? GetSubMenu(m_hPopupMenu, 0) : nullptr; }

void DLG_WORLDMAP::PreparePopup(int x, int y) {
    cWorldEditState& st = g_WorldEditState;
    m_nKeptX = x;
    m_nKeptY = y;
    st.Target = g_WorldMap.FindAt(x, y);
    HMENU popup = Popup();
    if (!popup) return;
    const UINT on = MF_BYCOMMAND | MF_ENABLED, off = MF_BYCOMMAND | MF_GRAYED;
    for (UINT item : {CM_WM_EVENT_EDIT, CM_WM_EVENT_CUT, CM_WM_EVENT_COPY, CM_WM_EVENT_DELETE})
        EnableMenuItem(popup, item, st.Target ? on : off);
    // Nothing is made or pasted beyond the map, where the next consistency
    // pass would remove it.
    const bool inside = g_WorldMap.Inside(x, y);
    EnableMenuItem(popup, CM_WM_EVENT_PASTE, inside && st.ClipboardFull ? on : off);
    EnableMenuItem(popup, CM_WM_EVENT_NEW, inside ? on : off);
}

// Asked at the idle step and after each mouse message: the idle step runs
// before the release's own message is handled, and waits for the next one.
// Asked on either layer, so that a release on the chip layer is not taken
// for a click once the layer changes.
void DLG_WORLDMAP::PopupOnRightClick() {
    if (IsRightClicked() && g_WorldEditState.Layer == WLAYER_EVENT) ShowPopup();
}

void DLG_WORLDMAP::ShowPopup() {
    const cMapCursorPos* c = g_MapCursor.m_pCur;
    PreparePopup(c->nX, c->nY);
    HMENU popup = Popup();
    if (!popup) return;
    // The record below keeps the right-clicked cell while the menu is open.
    g_MapCursor.Push(1);
    const UINT id =
        TrackPopupMenu(popup, TPM_RIGHTBUTTON | TPM_RETURNCMD, m_CursorPos.x, m_CursorPos.y, 0, m_hWnd, nullptr);
    if (id) SendMessageA(m_hWnd, WM_COMMAND, id, 0);
    g_MapCursor.Pop(2);
    OnPaint();
}

void DLG_WORLDMAP::HandToPalette(const cWorldEvent& event) {
    if (m_lpEventPalette) m_lpEventPalette->TakeClipboard(event);
}

int DLG_WORLDMAP::RunPopupCommand(WORD id) {
    cWorldEditState& st = g_WorldEditState;
    cWorldEvent* target = st.Target;
    const int x = m_nKeptX, y = m_nKeptY;
    // The target stands on the kept cell; nothing acts beyond the map.
    if (!g_WorldMap.Inside(x, y) || (target && g_WorldMap.FindAt(x, y) != target)) target = nullptr;
    if (!g_WorldMap.Inside(x, y)) return 1;
    st.Target = nullptr;
    switch (id) {
    case CM_WM_EVENT_EDIT:
        if (target) RunEventEditor(*target, 0, nullptr);
        break;
    case CM_WM_EVENT_COPY:
        if (!target) break;
        st.Clipboard = *target;
        st.ClipboardFull = 1;
        HandToPalette(st.Clipboard);
        break;
    case CM_WM_EVENT_CUT:
        if (!target) break;
        BeginEdit();
        st.Clipboard = *target;
        st.ClipboardFull = 1;
        HandToPalette(st.Clipboard);
        g_WorldMap.RemoveEvent(target);
        g_bWorldMapChanged = 1;
        break;
    case CM_WM_EVENT_PASTE:
        if (!st.ClipboardFull) break;
        BeginEdit();
        WorldPlaceNumbered(g_WorldMap, WorldPlaceOptions(), st.Clipboard, x, y);
        g_bWorldMapChanged = 1;
        break;
    case CM_WM_EVENT_NEW:
        m_NewEvent.ClearToNew();
        m_NewEvent.X = x;
        m_NewEvent.Y = y;
        if (WorldPlaceOptions().AutoNumber) g_WorldMap.FixupEvents(m_NewEvent, g_WorldMap.FindAt(x, y));
        if (RunEventEditor(m_NewEvent, 1, nullptr)) g_WorldMap.PlaceAt(m_NewEvent, x, y);
        g_bWorldMapChanged = 1;
        break;
    case CM_WM_EVENT_DELETE:
        if (!target) break;
        BeginEdit();
        g_WorldMap.RemoveEventsAt(x, y);
        g_bWorldMapChanged = 1;
        break;
    default: return 0;
    }
    RefreshPalette();
    return 1;
}

// ---- Settings, saving, closing -------------------------------------------------------------

void DLG_WORLDMAP::RunSettings() {
    HideWindows();
    EnableWindows(0);
    SafeDelete(m_lpSettings);
    m_lpSettings = new (std::nothrow) DLG_WORLDMAP_SET(this, m_pWndList);
    if (RunOwnedDialog(m_lpSettings)) {
        g_WorldMap.Fixup(ProjectFixupInputs());
        SendMessageA(m_hWnd, WM_SIZE, 0, 0);
        RefreshPalette();
        g_WorldEditState.ClearHistory();
        g_WorldEditState.Target = nullptr;
        UpdateUndoState();
        g_bWorldMapChanged = 1;
    }
    ShowWindows();
    EnableWindows(1);
}

int DLG_WORLDMAP::Save() {
    const char* path = g_PathTable.WorldMap;
    if (!ReportSave(g_WorldMap.SaveFile(path), path)) return 0;
    // The consistency pass before writing may have removed events.
    g_WorldEditState.Target = nullptr;
    g_bWorldMapChanged = 0;
    return 1;
}

int DLG_WORLDMAP::CloseQuestion() {
    if (!g_bWorldMapChanged) return 1;
    const int answer =
        MesBoxWnd(m_hWnd, "ワールドマップが変更された可能性があります。\n保存しますか？", "保存確認", MB_YESNOCANCEL);
    if (answer == IDCANCEL) return 0;
    if (answer == IDYES) return Save();
    // No: the file's map comes back; a file that cannot be read keeps the
    // edits and the window.
    if (!g_WorldMap.LoadFile(g_PathTable.WorldMap)) {
        ErrorBoxPrintf("%s の読み込みに失敗しました！", g_PathTable.WorldMap);
        return 0;
    }
    g_WorldEditState.Target = nullptr;
    return 1;
}
