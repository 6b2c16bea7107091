#include "worldmap/dlg_worldmap.h"

#include <commctrl.h>

#include <new>
#include <utility>

#include "base/editor_settings.h"
#include "base/report.h"
#include "editing/map_cursor.h"
#include "resources/stage_editor_ids.h"
#include "resources/worldmap_ids.h"
#include "ui/wnd_list.h"
#include "worldmap/dlg_worldchip.h"
#include "worldmap/dlg_worldevent.h"
#include "worldmap/dlg_worldevent_set.h"
#include "worldmap/dlg_worldmap_set.h"
#include "worldmap/world_tools.h"

namespace {

const UINT kLayerItems[WORLD_LAYER_COUNT] = {CM_WM_LAYER_CHIP, CM_WM_LAYER_EVENT};
const UINT kLayerButtons[WORLD_LAYER_COUNT] = {CM_WM_LAYER_CHIP_BUTTON, CM_WM_LAYER_EVENT_BUTTON};

}  // namespace

DLG_WORLDMAP::DLG_WORLDMAP(WND_CLASS* parent, WND_LIST_CLASS* wndList, std::function<void()> onClosed)
    : DLG_CLASS(IDD_WORLDMAP, parent, WND_MODE_DIALOG, wndList), m_OnClosed(std::move(onClosed)) {
    SetInstance(this);
    g_bWorldMapChanged = 0;
    // A stored place gives the position here and the window's size once its bars stand.
    StartAt(&g_EditConfig.WorldMapWnd, parent, 0, 0, 0);
    SetWindowParam(MAX_VIEW_W, MAX_VIEW_H, MIN_VIEW_W, MIN_VIEW_H, MAX_VIEW_W, MAX_VIEW_H, 0, 1, 1, 1, 0, 3);
}

DLG_WORLDMAP::~DLG_WORLDMAP() {
    SafeDelete(m_lpChipPalette);
    SafeDelete(m_lpEventPalette);
    SafeDelete(m_lpSettings);
    SafeDelete(m_lpEventDlg);
    if (IsWindowOpen()) End(0);
    if (m_hPopupMenu) DestroyMenu(m_hPopupMenu);
    if (m_hNumberFont) DeleteObject(m_hNumberFont);
}

int DLG_WORLDMAP::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnInitDialog(wParam, lParam);
    m_hStatusBar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, "", m_hWnd, IDC_WORLD_STATUS);
    SendMessageA(m_hStatusBar, SB_SIMPLE, TRUE, 0);
    m_hMenu = LoadMenuA(m_hInst, MAKEINTRESOURCEA(IDR_MENU_WORLDMAP));
    SetMenu(m_hWnd, m_hMenu);

    CreateToolBar(IDC_WORLD_TOOLBAR);
    TOOLBAR_BUTTON files[] = {
        ToolButton(STD_FILESAVE, CM_WM_SAVE, TBSTYLE_BUTTON, "上書き保存"),
        ToolSeparator(),
        ToolButton(STD_UNDO, CM_WM_UNDO, TBSTYLE_BUTTON, "元に戻す"),
        ToolButton(STD_REDOW, CM_WM_REDO, TBSTYLE_BUTTON, "やり直し"),
        ToolSeparator(),
    };
    AddStdToolButtons(files, sizeof(files) / sizeof(files[0]));
    TOOLBAR_BUTTON layers[] = {
        ToolButton(0, CM_WM_LAYER_CHIP_BUTTON, TBSTYLE_CHECKGROUP, "マップチップパレット"),
        ToolButton(1, CM_WM_LAYER_EVENT_BUTTON, TBSTYLE_CHECKGROUP, "イベントパレット"),
    };
    AddToolButtons(layers, 2, "e_image\\ToolBar_WorldPalette.bmp");
    SendMessageA(m_hToolBar, TB_AUTOSIZE, 0, 0);

    UpdateLayerMarks();
    UpdateUndoState();
    CalcFrameSize();
    const cWndPosInfo& place = g_EditConfig.WorldMapWnd;
    if (place.Valid) TakeWindowSize(place.Width, place.Height);
    m_View.Attach(m_hWnd, IDC_WORLD_VIEW, MAX_VIEW_W, MAX_VIEW_H);
    m_hNumberFont = CreateFontA(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "MS UI Gothic");
    OnSize();
    SetLayer(g_WorldEditState.Layer);
    AddAccelerator(m_hWnd, IDR_ACCEL_STAGE);
    m_hPopupMenu = LoadMenuA(m_hInst, MAKEINTRESOURCEA(IDR_MENU_WORLD_POPUP));
    UpdateCtrls();
    m_bCreated = 1;
    return 0;
}

// ---- Messages ------------------------------------------------------------------------------

LRESULT DLG_WORLDMAP::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT r = DlgProc(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_DESTROY: {
        StoreWindowPlace(hwnd, &g_EditConfig.WorldMapWnd);
        SaveEditorSettingsReported();
        g_WorldEditState.ClearHistory();
        m_View.Detach();
        if (m_OnClosed) m_OnClosed();
        return TRUE;
    }
    case WM_SIZE: OnSize(); break;
    case WM_CLOSE:
        if (CloseQuestion()) End(0);
        return TRUE;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) {
            SetLayer(g_WorldEditState.Layer + 1 < WORLD_LAYER_COUNT ? g_WorldEditState.Layer + 1 : 0);
            SetFocus(m_hWnd);
        }
        break;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) != SC_MINIMIZE) return r;
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 0);
        return TRUE;
    case WM_HSCROLL:
    case WM_VSCROLL:
        m_nOriginX = m_HScroll.m_hWnd ? m_HScroll.GetPos() : 0;
        m_nOriginY = m_VScroll.m_hWnd ? m_VScroll.GetPos() : 0;
        break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        OnMouse(msg, lParam);
        PopupOnRightClick();
        break;
    case WM_DRAWITEM:
        if (wParam == IDC_WORLD_VIEW) OnPaint();
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, TRUE);
        return TRUE;
    case WM_COMMAND: break;
    default:
        if (!r) return r;
        break;
    }
    if (m_hWnd) OnPaint();
    return TRUE;
}

void DLG_WORLDMAP::OnSize() {
    m_View.Place(m_nDrawX, m_nDrawY, m_nDrawW, m_nDrawH);
    const cWorldMap& map = g_WorldMap;
    m_HScroll.SetRange(0, map.Width > 0 ? map.Width - 1 : 0);
    m_HScroll.SetPage(ViewW() / CELL);
    m_VScroll.SetRange(0, map.Height > 0 ? map.Height - 1 : 0);
    m_VScroll.SetPage(ViewH() / CELL);
    m_nOriginX = m_HScroll.m_hWnd ? m_HScroll.GetPos() : 0;
    m_nOriginY = m_VScroll.m_hWnd ? m_VScroll.GetPos() : 0;
}

// ---- Layers and palettes -------------------------------------------------------------------

void DLG_WORLDMAP::SetLayer(int layer) {
    if (!g_WorldEditState.SwitchLayer(layer)) return;
    UpdateLayerMarks();
    if (layer == WLAYER_CHIP && !m_lpChipPalette) {
        SafeDelete(m_lpEventPalette);
        m_lpChipPalette = new (std::nothrow) DLG_WORLDCHIP(this, m_pWndList);
        if (!m_lpChipPalette) {
            MemoryShortageExit();
            return;
        }
        m_lpChipPalette->Create(0, SW_SHOW);
    } else if (layer == WLAYER_EVENT && !m_lpEventPalette) {
        SafeDelete(m_lpChipPalette);
        m_lpEventPalette = new (std::nothrow) DLG_WORLDEVENT(this, m_pWndList);
        if (!m_lpEventPalette) {
            MemoryShortageExit();
            return;
        }
        m_lpEventPalette->Create(0, SW_SHOW);
    }
}

void DLG_WORLDMAP::UpdateLayerMarks() {
    for (int layer = 0; layer < WORLD_LAYER_COUNT; ++layer) {
        const int on = layer == g_WorldEditState.Layer;
        if (m_hMenu) CheckMenuItem(m_hMenu, kLayerItems[layer], MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
        SendMessageA(m_hToolBar, TB_ENABLEBUTTON, kLayerButtons[layer], TRUE);
        SendMessageA(m_hToolBar, TB_CHECKBUTTON, kLayerButtons[layer], on);
    }
}

void DLG_WORLDMAP::RefreshPalette() {
    if (g_WorldEditState.Layer == WLAYER_CHIP) {
        if (m_lpChipPalette) m_lpChipPalette->OnPaint();
    } else if (m_lpEventPalette) {
        m_lpEventPalette->Refill();
    }
}

void DLG_WORLDMAP::BeginEdit() {
    WorldBeginEdit(g_WorldMap, g_WorldEditState);
    UpdateUndoState();
}

void DLG_WORLDMAP::UpdateUndoState() {
    const cWorldEditState& st = g_WorldEditState;
    const int undo = !st.UndoHistory.Empty(), redo = !st.RedoHistory.Empty();
    SendMessageA(m_hToolBar, TB_ENABLEBUTTON, CM_WM_UNDO, undo);
    SendMessageA(m_hToolBar, TB_ENABLEBUTTON, CM_WM_REDO, redo);
    if (!m_hMenu) return;
    EnableMenuItem(m_hMenu, CM_WM_UNDO, MF_BYCOMMAND | (undo ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(m_hMenu, CM_WM_REDO, MF_BYCOMMAND | (redo ? MF_ENABLED : MF_GRAYED));
}

void DLG_WORLDMAP::ShowWindows() {
    Show(1);
    if (m_lpChipPalette && m_lpChipPalette->m_hWnd) m_lpChipPalette->Show(1);
    if (m_lpEventPalette && m_lpEventPalette->m_hWnd) m_lpEventPalette->Show(1);
}

void DLG_WORLDMAP::HideWindows() {
    Show(0);
    if (m_lpChipPalette && m_lpChipPalette->m_hWnd) m_lpChipPalette->Show(0);
    if (m_lpEventPalette && m_lpEventPalette->m_hWnd) m_lpEventPalette->Show(0);
}

void DLG_WORLDMAP::EnableWindows(int flag) {
    WND_CLASS::Enable(flag);
    if (m_lpChipPalette && m_lpChipPalette->m_hWnd) m_lpChipPalette->Enable(flag);
    if (m_lpEventPalette && m_lpEventPalette->m_hWnd) m_lpEventPalette->Enable(flag);
}

int DLG_WORLDMAP::RunEventEditor(cWorldEvent& event, int isNew, WND_CLASS* parent) {
    SafeDelete(m_lpEventDlg);
    m_lpEventDlg = new (std::nothrow)
        DLG_WORLDEVENT_SET(parent ? parent : this, m_pWndList, &event, isNew, [this] { BeginEdit(); });
    return RunOwnedDialog(m_lpEventDlg);
}
