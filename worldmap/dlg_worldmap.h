// The world-map window: opened modeless from the stage editor, with the
// other windows hidden; closing it brings the stage editor back.
#pragma once

#include <functional>

#include "ui/dlg.h"

class DLG_WORLDMAP : public DLG_CLASS {
public:
    // `onClosed` runs when the window is destroyed.
    DLG_WORLDMAP(WND_CLASS* parent, WND_LIST_CLASS* wndList, std::function<void()> onClosed);
    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    // The window and its open palette.
    void ShowWindows();
    void HideWindows();

    int m_bMinimized = 0;  // set when it minimised the application

private:
    std::function<void()> m_OnClosed;
};
