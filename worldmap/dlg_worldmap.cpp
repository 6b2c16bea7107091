#include "worldmap/dlg_worldmap.h"

#include <utility>

#include "resources/worldmap_ids.h"

DLG_WORLDMAP::DLG_WORLDMAP(WND_CLASS* parent, WND_LIST_CLASS* wndList, std::function<void()> onClosed)
    : DLG_CLASS(IDD_WORLDMAP, parent, WND_MODE_DIALOG, wndList), m_OnClosed(std::move(onClosed)) {
    SetInstance(this);
    SetWindowParam(640, 480, 384, 160, 640, 480, 0, 0, 0, 0, 0, 0);
}

int DLG_WORLDMAP::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnInitDialog(wParam, lParam);
    m_bCreated = 1;
    return 0;
}

LRESULT DLG_WORLDMAP::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT r = DlgProc(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_CLOSE: End(0); return TRUE;
    case WM_DESTROY:
        if (m_OnClosed) m_OnClosed();
        return TRUE;
    }
    return r;
}

void DLG_WORLDMAP::ShowWindows() { Show(1); }
void DLG_WORLDMAP::HideWindows() { Show(0); }
