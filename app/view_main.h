// The main frame: the top-level window of the registered class. It sits off
// screen and holds the stage editor, asks before the program quits, hides
// and restores the editor's windows with the application, learns the end of
// a test play and rebuilds the stage editor on request.
#pragma once

#include <windows.h>

#include "ui/wnd.h"

class DLG_MAIN;
class WND_LIST_CLASS;

class VIEW_MAIN : public VIEW_CLASS {
public:
    enum { RELOAD_STAGE_EDITOR = 1 };

    ~VIEW_MAIN() override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCreate(WPARAM wParam, LPARAM lParam) override;

    // The window procedure of the class; every message goes to the global frame.
    static LRESULT CALLBACK ClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Register(HWND wnd, WORD id, WND_LIST_CLASS* wndList);
    // A new stage editor in place of the current one; 1 when its window stands.
    int CreateStageWindow();
    void RestoreWindows();
    void OnTestPlayEnd(const COPYDATASTRUCT* data);
    void Reload(WPARAM kind);

    int m_bFirstMessage = 0;
    DLG_MAIN* m_lpStageWnd = nullptr;

private:
    void HideWindows();
};

extern VIEW_MAIN g_ViewMain;
