// The main frame: the top-level window of the registered class. It sits off
// screen and holds the stage editor, asks before the program quits, hides
// and restores the editor's windows with the application, learns the end of
// a test play and rebuilds the stage editor on request.
#pragma once

#include <windows.h>

#include "ui/wnd.h"

class DLG_MAIN;
class WND_LIST_CLASS;

// The main frame's rebuild request: wParam is the kind, and only
// RELOAD_STAGE_EDITOR is sent.
const UINT WM_VIEW_MAIN_RELOAD = WM_USER;
enum { RELOAD_STAGE_EDITOR = 1 };

class VIEW_MAIN : public VIEW_CLASS {
public:
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
    // Rebuilds the stage editor once the current message is done: the
    // request of a stage editor that is about to be replaced.
    void PostReload();
    void Reload(WPARAM kind);

    DLG_MAIN* m_lpStageWnd = nullptr;

private:
    void HideWindows();
};

extern VIEW_MAIN g_ViewMain;
