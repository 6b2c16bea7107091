#include "app/view_main.h"

#include <new>

#include "app/app.h"
#include "app/dlg_main.h"
#include "app/stage_edit_state.h"
#include "base/report.h"
#include "editing/map_cursor.h"
#include "resources/stage_editor_ids.h"
#include "ui/common_dialogs.h"
#include "ui/wnd_list.h"
#include "worldmap/dlg_worldmap.h"

VIEW_MAIN g_ViewMain;

VIEW_MAIN::~VIEW_MAIN() { SafeDelete(m_lpStageWnd); }

LRESULT CALLBACK VIEW_MAIN::ClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return g_ViewMain.MsgProc(hwnd, msg, wParam, lParam);
}

void VIEW_MAIN::Register(HWND wnd, WORD id, WND_LIST_CLASS* wndList) {
    Init(id, nullptr, wndList);
    m_hWnd = wnd;
    SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&VIEW_MAIN::ClassProc));
}

void VIEW_MAIN::OnCreate(WPARAM wParam, LPARAM lParam) {
    VIEW_CLASS::OnCreate(wParam, lParam);
    m_bCreated = 1;
}

LRESULT VIEW_MAIN::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT handled = WndProc(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_MOVE:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: return 0;
    case WM_CLOSE:
        // However the close was asked for, unsaved work is offered for saving.
        if (ConfirmQuit(hwnd) && (!m_lpStageWnd || m_lpStageWnd->ConfirmSave())) DestroyWindow(hwnd);
        return 0;
    case WM_ACTIVATEAPP:
        g_bAppActive = static_cast<int>(wParam);
        if (m_lpStageWnd && m_lpStageWnd->m_hWnd && lParam != 0) {
            if (wParam == 0)
                HideWindows();
            else
                RestoreWindows();
        }
        return 0;
    case WM_WINDOWPOSCHANGING: SendMessageA(hwnd, WM_ACTIVATEAPP, 1, 0); return 0;
    case WM_COPYDATA: OnTestPlayEnd(reinterpret_cast<const COPYDATASTRUCT*>(lParam)); return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) PostMessageA(hwnd, WM_CLOSE, 0, 0);
        return 0;
    case WM_SYSCOMMAND:
        if (m_lpStageWnd && m_lpStageWnd->m_hWnd && (wParam & 0xFFF0) == SC_RESTORE) RestoreWindows();
        return 0;
    case WM_VIEW_MAIN_RELOAD: Reload(wParam); return 0;
    }
    return handled ? 0 : DefWindowProcA(hwnd, msg, wParam, lParam);
}

// Deactivated while minimised: the editor in front and its palettes go out of
// sight with the main window.
void VIEW_MAIN::HideWindows() {
    if (g_nEditorMode == EDITOR_MODE_STAGE) {
        if (!m_lpStageWnd->m_bCreated || !m_lpStageWnd->IsMinimized()) return;
        m_lpStageWnd->HideWindows();
        m_lpStageWnd->SetMinimized(1);
        ShowWindow(m_hWnd, SW_MINIMIZE);
    } else if (g_nEditorMode == EDITOR_MODE_WORLDMAP) {
        DLG_WORLDMAP* world = m_lpStageWnd->WorldMap();
        if (!world || !world->m_hWnd || !world->m_bCreated || !world->m_bMinimized) return;
        world->HideWindows();
        world->m_bMinimized = 1;
        ShowWindow(m_hWnd, SW_MINIMIZE);
    }
}

void VIEW_MAIN::RestoreWindows() {
    ShowWindow(m_hWnd, SW_RESTORE);
    g_bFocusRequest = 1;
    if (g_nEditorMode == EDITOR_MODE_STAGE) {
        DLG_MAIN* stage = m_lpStageWnd;
        if (!stage || !stage->m_hWnd || !stage->m_bCreated || !stage->IsMinimized()) return;
        stage->ShowWindows();
        stage->SetMinimized(0);
    } else if (g_nEditorMode == EDITOR_MODE_WORLDMAP) {
        DLG_WORLDMAP* world = m_lpStageWnd ? m_lpStageWnd->WorldMap() : nullptr;
        if (!world || !world->m_hWnd || !world->m_bCreated || !world->m_bMinimized) return;
        world->ShowWindows();
        world->m_bMinimized = 0;
    }
}

void VIEW_MAIN::OnTestPlayEnd(const COPYDATASTRUCT* data) {
    if (!data || data->dwData != 0) return;
    if (m_lpStageWnd && m_lpStageWnd->m_hWnd) SetActiveWindow(m_lpStageWnd->m_hWnd);
    ECSP("bTestPlay = FALSE;");
    bTestPlay = 0;
}

int VIEW_MAIN::CreateStageWindow() {
    SafeDelete(m_lpStageWnd);
    m_lpStageWnd =
        new (std::nothrow) DLG_MAIN(IDD_STAGE_EDITOR, this, WND_MODE_DIALOG, &g_WndList, [this] { PostReload(); });
    if (!m_lpStageWnd) {
        MemoryShortageExit();
        return 0;
    }
    m_lpStageWnd->Create(0, SW_SHOW);
    return m_lpStageWnd->IsWindowOpen();
}

void VIEW_MAIN::PostReload() { PostMessageA(m_hWnd, WM_VIEW_MAIN_RELOAD, RELOAD_STAGE_EDITOR, 0); }

// Posted, never sent: the stage editor that asks is still running the
// command that asked.
void VIEW_MAIN::Reload(WPARAM kind) {
    // Only the stage editor is rebuilt on request; any other kind would leave
    // the program without one.
    if (kind != RELOAD_STAGE_EDITOR) return;
    SafeDelete(m_lpStageWnd);
    cStageEditState& st = g_StageEditState;
    const std::string path = st.StagePath;
    const int open = st.StageOpen;
    st.Reset();
    st.StagePath = path;
    st.StageOpen = open;
    g_MapCursor.Reset();
    CreateStageWindow();
    g_lpStageWnd = m_lpStageWnd;
    if (!m_lpStageWnd) return;
    m_lpStageWnd->SetEditLayerIfOpen();
    SetFocus(m_lpStageWnd->m_hWnd);
}

void RestoreStageWindows(int flag) {
    if (!flag) return;
    g_nEditorMode = EDITOR_MODE_STAGE;
    g_WndList.ShowAll(1);
    g_WndList.EnableAll(1);
}
