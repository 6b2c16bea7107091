#include "app/dlg_main.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <new>
#include <utility>

#include "app/app.h"
#include "app/dlg_chip.h"
#include "app/dlg_enemy.h"
#include "app/dlg_event.h"
#include "app/stage_edit_state.h"
#include "app/stage_tools.h"
#include "base/editor_settings.h"
#include "base/platform.h"
#include "base/report.h"
#include "database/sheet/prop_database.h"
#include "editing/map_cursor.h"
#include "model/stage.h"
#include "resources/stage_editor_ids.h"
#include "ui/wnd_list.h"
#include "worldmap/dlg_worldmap.h"

namespace {

// Items gray without a stage, in two lists: always enabled, and enabled only
// with an open stage.
const UINT kAlwaysItems[] = {CM_NEW_STAGE,   CM_OPEN_STAGE, CM_DEFAULT_STAGE, CM_DATABASE,
                             CM_START_EVENT, CM_WORLDMAP,   CM_UNUSED_ITEM,   CM_TESTPLAY};
const UINT kStageItems[] = {CM_CLOSE_STAGE,  CM_SAVE_AS,        CM_SAVE_ALL,    CM_UNDO,        CM_REDO,
                            CM_LAYER_CHIP,   CM_LAYER_ENEMY,    CM_LAYER_EVENT, CM_CLEAR_CHIPS, CM_CLEAR_ENEMIES,
                            CM_CLEAR_EVENTS, CM_STAGE_SETTINGS, CM_GROUP_POS};
const UINT kAlwaysButtons[] = {CM_NEW_STAGE, CM_OPEN_STAGE, CM_TESTPLAY_BUTTON};
const UINT kStageButtons[] = {CM_SAVE_ALL,          CM_UNDO, CM_REDO, CM_LAYER_CHIP_BUTTON, CM_LAYER_ENEMY_BUTTON,
                              CM_LAYER_EVENT_BUTTON};
const UINT kLayerButtons[] = {CM_LAYER_CHIP_BUTTON, CM_LAYER_ENEMY_BUTTON, CM_LAYER_EVENT_BUTTON};
const UINT kLayerItems[] = {CM_LAYER_CHIP, CM_LAYER_ENEMY, CM_LAYER_EVENT};

}  // namespace

DLG_MAIN::DLG_MAIN(WORD resId, WND_CLASS* parent, int mode, WND_LIST_CLASS* wndList, std::function<void()> rebuild)
    : DLG_CLASS(resId, parent, mode, wndList), m_Rebuild(std::move(rebuild)) {
    SetInstance(this);
    // A stored place gives the position here and the window's size once its bars stand.
    const cWndPosInfo& place = g_EditConfig.MainWnd;
    m_nRememberX = place.Valid ? place.X : 50;
    m_nRememberY = place.Valid ? place.Y : 50;
    SetWindowParam(MAX_VIEW_W, MAX_VIEW_H, MIN_VIEW_W, MIN_VIEW_H, MAX_VIEW_W, MAX_VIEW_H, 0, 1, 1, 1, 0, 3);
    g_nEditorMode = EDITOR_MODE_STAGE;
}

DLG_MAIN::~DLG_MAIN() {
    SafeDelete(m_lpPalette);
    SafeDelete(m_lpWorldMap);
    SafeDelete(m_lpDatabase);
    if (IsWindowOpen()) End(0);
    if (m_hPopupMenu) DestroyMenu(m_hPopupMenu);
    if (g_lpStageWnd == this) g_lpStageWnd = nullptr;
}

// ---- Creation ------------------------------------------------------------------------------

int DLG_MAIN::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnInitDialog(wParam, lParam);
    HICON icon = LoadIconA(m_hInst, MAKEINTRESOURCEA(IDI_EDITOR));
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    UpdateTitle();

    m_hStatusBar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, "DLG_MAIN", m_hWnd, IDC_STAGE_STATUS);
    SendMessageA(m_hStatusBar, SB_SIMPLE, TRUE, 0);
    SendMessageA(m_hStatusBar, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>("DLG_MAIN"));

    m_hMenu = LoadMenuA(m_hInst, MAKEINTRESOURCEA(IDR_MENU_STAGE));
    SetMenu(m_hWnd, m_hMenu);

    CreateToolBar(IDC_STAGE_TOOLBAR);
    TOOLBAR_BUTTON files[] = {
        ToolButton(STD_FILENEW, CM_NEW_STAGE, TBSTYLE_BUTTON, "新規作成"),
        ToolButton(STD_FILEOPEN, CM_OPEN_STAGE, TBSTYLE_BUTTON, "開く"),
        ToolButton(STD_FILESAVE, CM_SAVE_ALL, TBSTYLE_BUTTON, "上書き保存"),
        ToolSeparator(),
        ToolButton(STD_UNDO, CM_UNDO, TBSTYLE_BUTTON, "元に戻す"),
        ToolButton(STD_REDOW, CM_REDO, TBSTYLE_BUTTON, "やり直し"),
        ToolSeparator(),
    };
    AddStdToolButtons(files, sizeof(files) / sizeof(files[0]));
    const BYTE group = TBSTYLE_CHECKGROUP;
    TOOLBAR_BUTTON layers[] = {
        ToolButton(0, CM_LAYER_CHIP_BUTTON, group, "マップチップパレット"),
        ToolButton(1, CM_LAYER_ENEMY_BUTTON, group, "敵パレット"),
        ToolButton(2, CM_LAYER_EVENT_BUTTON, group, "イベントパレット"),
    };
    AddToolButtons(layers, 3, "e_image\\ToolBar_Palette.bmp");
    TOOLBAR_BUTTON gap[] = {ToolSeparator()};
    AddStdToolButtons(gap, 1);
    TOOLBAR_BUTTON play[] = {ToolButton(0, CM_TESTPLAY_BUTTON, TBSTYLE_BUTTON, "テストプレイ")};
    AddToolButtons(play, 1, "e_image\\ToolBar_TestPlay.bmp");
    SendMessageA(m_hToolBar, TB_AUTOSIZE, 0, 0);

    UpdateMenuState();
    UpdateToolbarState();
    UpdateLayerMenu();
    UpdateLayerToolbar();
    UpdateUndoMenu();
    UpdateUndoToolbar();

    CalcFrameSize();
    if (g_EditConfig.MainWnd.Valid) TakeWindowSize(g_EditConfig.MainWnd.Width, g_EditConfig.MainWnd.Height);
    m_MapView.Create(this, IDC_MAP_VIEW, m_nDrawX, m_nDrawY, m_nDrawW, m_nDrawH);
    AddAccelerator(m_hWnd, IDR_ACCEL_STAGE);
    m_hPopupMenu = LoadMenuA(m_hInst, MAKEINTRESOURCEA(IDR_MENU_EVENT_POPUP));
    m_bCreated = 1;
    return 0;
}

// ---- Messages ------------------------------------------------------------------------------

LRESULT DLG_MAIN::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT r = DlgProc(hwnd, msg, wParam, lParam);
    if (m_bCreated && m_hWnd && m_MapView.Window()) {
        HWND focus = GetFocus();
        if (focus && (focus == m_HScroll.m_hWnd || focus == m_VScroll.m_hWnd)) SetFocus(m_MapView.Window());
    }
    // Asked on every layer: a release left unasked would open the menu once the layer changes.
    if (IsCurrentPage() && g_StageEditState.Layer == LAYER_EVENT) ShowEventPopup();
    switch (msg) {
    case WM_DESTROY: {
        StoreWindowPlace(hwnd, &g_EditConfig.MainWnd);
        m_MapView.Release();
        if (g_lpStageWnd == this) g_lpStageWnd = nullptr;
        return TRUE;
    }
    case WM_SIZE: OnSize(); break;
    case WM_CLOSE:
        if (ConfirmSave()) {
            End(0);
            DestroyWindow(g_hWndMain);
        }
        return TRUE;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) {
            if (!m_Mouse.lHeld && !m_Mouse.rHeld) {
                NextEditLayer();
                SetFocus(m_hWnd);
            }
        } else if (wParam == VK_F5) {
            SendMessageA(m_hWnd, WM_COMMAND, CM_TESTPLAY_KEY, 0);
        }
        break;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) != SC_MINIMIZE) return r;
        Minimize();
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 0);
        return TRUE;
    case WM_HSCROLL:
    case WM_VSCROLL: TakeScrollPositions(); break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK: OnMouse(msg, wParam, lParam); break;
    case WM_CAPTURECHANGED:
        // A stroke whose release will not come ends unapplied.
        if (reinterpret_cast<HWND>(lParam) != hwnd) g_StageEditState.Stroke = 0;
        break;
    case WM_MOUSEWHEEL: OnWheel(wParam); break;
    case WM_COMMAND: break;  // a command (undo, clear, paste ...) shows its result at once
    default: return r;
    }
    OnPaint();
    return TRUE;
}

void DLG_MAIN::OnSize() {
    m_MapView.Place(m_nDrawX, m_nDrawY, m_nDrawW, m_nDrawH);
    m_HScroll.SetRange(0, g_Stage.Width > 0 ? g_Stage.Width - 1 : 0);
    m_HScroll.SetPage(m_nDrawW / CELL);
    m_VScroll.SetRange(0, g_Stage.Height > 0 ? g_Stage.Height - 1 : 0);
    m_VScroll.SetPage(m_nDrawH / CELL);
    TakeScrollPositions();
}

void DLG_MAIN::TakeScrollPositions() {
    m_MapView.SetScroll(m_HScroll.m_hWnd ? m_HScroll.GetPos() : 0, m_VScroll.m_hWnd ? m_VScroll.GetPos() : 0);
}

void DLG_MAIN::OnPaint() {
    if (!m_bCreated) return;
    m_MapView.Paint();
    if (g_StageEditState.StageOpen && m_hStatusBar) {
        char text[64];
        std::snprintf(text, sizeof(text), "座標 (%d,%d)", g_MapCursor.m_pCur->nX, g_MapCursor.m_pCur->nY);
        SetStatusText(text);
    }
}

// The mouse becomes calls of the tools at the cursor cell. The stage editor
// holds the mouse from a press to its release, so that a stroke dragged out
// of the view still ends.
void DLG_MAIN::OnMouse(UINT msg, WPARAM wParam, LPARAM lParam) {
    cStageEditState& st = g_StageEditState;
    if (!st.StageOpen) return;
    m_MapView.SetCursorFromMouse(static_cast<short>(LOWORD(lParam)) - m_nDrawX,
                                 static_cast<short>(HIWORD(lParam)) - m_nDrawY);
    const int x = g_MapCursor.m_pCur->nX, y = g_MapCursor.m_pCur->nY;
    const bool pickLayer = st.Layer == LAYER_CHIP || st.Layer == LAYER_ENEMY;
    int changed = 0;
    if (GetActiveWindow() == m_hWnd) {
        switch (msg) {
        case WM_LBUTTONDOWN:
            st.StageChanged = 1;
            changed = ToolPress(g_Stage, st, x, y,
                                [this](cEvent& event, int existing) { return RunEventDialog(&event, existing); });
            UpdateUndoMenu();
            UpdateUndoToolbar();
            if (changed < 0) ErrorBox("メモリが不足しています！");
            if (st.Stroke) SetCapture(m_hWnd);
            break;
        case WM_MOUSEMOVE:
            if (wParam & MK_LBUTTON) changed = ToolDrag(g_Stage, st, x, y);
            break;
        case WM_LBUTTONUP:
            changed = ToolRelease(g_Stage, st, x, y);
            if (GetCapture() == m_hWnd) ReleaseCapture();
            break;
        case WM_RBUTTONDOWN:
            if (!pickLayer) break;
            PickUpStart(st, x, y);
            SetCapture(m_hWnd);
            break;
        case WM_RBUTTONUP:
            if (!pickLayer) break;
            if (GetCapture() == m_hWnd) ReleaseCapture();
            if (const int found = PickUpEnd(g_Stage, st, x, y); st.Layer == LAYER_ENEMY && m_lpPalette)
                m_lpPalette->SelectEntry(found);
            break;
        case WM_RBUTTONDBLCLK: OnRightDoubleClick(); break;
        default: break;
        }
    }
    if (changed > 0) RefreshActivePalette();
    if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN) TakeFocus();
}

void DLG_MAIN::OnRightDoubleClick() {
    const cMapCursorPos* c = g_MapCursor.m_pCur;
    const int enemy = EnemyToEdit(g_Stage, g_StageEditState, c->nX, c->nY);
    if (enemy < 0 || !m_lpPalette || m_nPaletteLayer != LAYER_ENEMY) return;
    m_lpPalette->SelectEntry(enemy);
    m_lpPalette->EditEntry(enemy);
}

void DLG_MAIN::OnWheel(WPARAM wParam) {
    int notches = static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA;
    // A turn towards the user, and any turn too large to be meant, is one notch down.
    if (notches < 0 || notches > 9) notches = -1;
    if (LOWORD(wParam) & MK_CONTROL)
        m_VScroll.ScrollBy(-notches);
    else
        m_HScroll.ScrollBy(-notches);
    TakeScrollPositions();
}

void DLG_MAIN::ShowEventPopup() {
    cStageEditState& st = g_StageEditState;
    cMapCursorPos* cur = g_MapCursor.m_pCur;
    st.CurrentEvent = g_Stage.FindAt(cur->nX, cur->nY);
    HMENU popup = GetSubMenu(m_hPopupMenu, 0);
    if (!popup) return;
    const UINT on = MF_BYCOMMAND | MF_ENABLED, off = MF_BYCOMMAND | MF_GRAYED;
    for (UINT id : {CM_EVENT_EDIT, CM_EVENT_CUT, CM_EVENT_COPY, CM_EVENT_DELETE})
        EnableMenuItem(popup, id, st.CurrentEvent ? on : off);
    EnableMenuItem(popup, CM_EVENT_PASTE, st.ClipboardFull ? on : off);
    g_MapCursor.Push(1);
    TrackPopup(popup);
}

// ---- Layers and palettes -------------------------------------------------------------------

void DLG_MAIN::SetEditLayer(int layer) {
    cStageEditState& st = g_StageEditState;
    if (layer < 0 || layer >= STAGE_LAYER_COUNT) return;
    if (layer != st.Layer) {
        st.SaveLayerTool(st.Layer);
        st.LoadLayerTool(layer);
    }
    st.Layer = layer;
    UpdateLayerMenu();
    UpdateLayerToolbar();
    ShowPalette(layer);
}

void DLG_MAIN::SetEditLayerIfOpen() {
    if (g_StageEditState.StageOpen) SetEditLayer(g_StageEditState.Layer);
}

void DLG_MAIN::NextEditLayer() {
    SetEditLayer(g_StageEditState.Layer >= LAYER_EVENT ? LAYER_CHIP : g_StageEditState.Layer + 1);
}

DLG_CHIP* DLG_MAIN::ChipPalette() const {
    return m_nPaletteLayer == LAYER_CHIP ? static_cast<DLG_CHIP*>(m_lpPalette) : nullptr;
}

DLG_ENEMY* DLG_MAIN::EnemyPalette() const {
    return m_nPaletteLayer == LAYER_ENEMY ? static_cast<DLG_ENEMY*>(m_lpPalette) : nullptr;
}

DLG_EVENT* DLG_MAIN::EventPalette() const {
    return m_nPaletteLayer == LAYER_EVENT ? static_cast<DLG_EVENT*>(m_lpPalette) : nullptr;
}

void DLG_MAIN::ShowPalette(int layer) {
    if (!g_StageEditState.StageOpen || (m_lpPalette && m_nPaletteLayer == layer)) return;
    SafeDelete(m_lpPalette);
    m_nPaletteLayer = -1;
    const cPaletteHost host = {[this] { PushUndo(); }, [this] { OnPaint(); }};
    PALETTE_CLASS* palette = nullptr;
    switch (layer) {
    case LAYER_CHIP: palette = new (std::nothrow) DLG_CHIP(this, m_pWndList); break;
    case LAYER_ENEMY: palette = new (std::nothrow) DLG_ENEMY(this, m_pWndList, host); break;
    case LAYER_EVENT: palette = new (std::nothrow) DLG_EVENT(this, m_pWndList, host); break;
    default: return;
    }
    if (!palette) {
        MemoryShortageExit();
        return;
    }
    m_lpPalette = palette;
    m_nPaletteLayer = layer;
    const bool active = GetActiveWindow() == m_hWnd;
    palette->Create(0, 0);
    // Beside the stage editor, which keeps the keyboard and the mouse.
    if (palette->m_hWnd) ShowWindow(palette->m_hWnd, IsWindowVisible(m_hWnd) ? SW_SHOWNOACTIVATE : SW_HIDE);
    if (active) SetActiveWindow(m_hWnd);
}

// The active layer's palette shows the stage as it now is.
void DLG_MAIN::RefreshActivePalette() {
    if (g_StageEditState.StageOpen && m_lpPalette) m_lpPalette->Refresh();
}

void DLG_MAIN::ShowWindows() {
    Show(1);
    if (m_lpPalette) m_lpPalette->Show(1);
}

void DLG_MAIN::HideWindows() {
    Show(0);
    if (m_lpPalette) m_lpPalette->Show(0);
}

void DLG_MAIN::EnableWindows(int flag) {
    Enable(flag);
    if (m_lpPalette) m_lpPalette->Enable(flag);
}

void DLG_MAIN::Minimize() {
    HideWindows();
    m_bMinimized = 1;
    ShowWindow(g_hWndMain, SW_MINIMIZE);
}

void DLG_MAIN::OnDatabaseClosed() {
    if (g_StageEditState.StageOpen) g_Stage.Fixup(ProjectFixupInputs());
    if (m_pWndList) {
        m_pWndList->ShowAll(1);
        m_pWndList->EnableAll(1);
    }
    // The lands may be more or fewer now.
    if (g_StageEditState.StageOpen && ChipPalette()) ChipPalette()->UpdateLayout();
    RefreshActivePalette();
    OnPaint();
}

// ---- Menu and tool bar ---------------------------------------------------------------------

void DLG_MAIN::UpdateMenuState() {
    if (!m_hMenu) return;
    const int open = g_StageEditState.StageOpen;
    for (UINT id : kAlwaysItems) EnableMenuItem(m_hMenu, id, MF_BYCOMMAND | MF_ENABLED);
    for (UINT id : kStageItems) EnableMenuItem(m_hMenu, id, MF_BYCOMMAND | (open ? MF_ENABLED : MF_GRAYED));
    DrawMenuBar(m_hWnd);
}

void DLG_MAIN::UpdateToolbarState() {
    const int open = g_StageEditState.StageOpen;
    for (UINT id : kAlwaysButtons) SendMessageA(m_hToolBar, TB_ENABLEBUTTON, id, TRUE);
    for (UINT id : kStageButtons) SendMessageA(m_hToolBar, TB_ENABLEBUTTON, id, open);
}

void DLG_MAIN::UpdateLayerToolbar() {
    const int open = g_StageEditState.StageOpen;
    for (int layer = 0; layer < STAGE_LAYER_COUNT; ++layer) {
        SendMessageA(m_hToolBar, TB_ENABLEBUTTON, kLayerButtons[layer], open);
        SendMessageA(m_hToolBar, TB_CHECKBUTTON, kLayerButtons[layer], open && layer == g_StageEditState.Layer);
    }
}

void DLG_MAIN::UpdateLayerMenu() {
    if (!m_hMenu) return;
    for (int layer = 0; layer < STAGE_LAYER_COUNT; ++layer)
        CheckMenuItem(m_hMenu, kLayerItems[layer],
                      MF_BYCOMMAND | (layer == g_StageEditState.Layer ? MF_CHECKED : MF_UNCHECKED));
}

void DLG_MAIN::UpdateUndoMenu() {
    if (!m_hMenu) return;
    const cStageEditState& st = g_StageEditState;
    EnableMenuItem(m_hMenu, CM_UNDO, MF_BYCOMMAND | (st.UndoHistory.Empty() ? MF_GRAYED : MF_ENABLED));
    EnableMenuItem(m_hMenu, CM_REDO, MF_BYCOMMAND | (st.RedoHistory.Empty() ? MF_GRAYED : MF_ENABLED));
}

void DLG_MAIN::UpdateUndoToolbar() {
    const cStageEditState& st = g_StageEditState;
    SendMessageA(m_hToolBar, TB_ENABLEBUTTON, CM_UNDO, !st.UndoHistory.Empty());
    SendMessageA(m_hToolBar, TB_ENABLEBUTTON, CM_REDO, !st.RedoHistory.Empty());
}
