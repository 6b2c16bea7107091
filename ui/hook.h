// The one thread keyboard hook shared by every dialog: it copies to the
// active dialog the keys that the dialog manager would take for itself,
// leaves Enter to the input method while it composes, and keeps Escape away
// from windows that do not want it. Each dialog and sheet owns a cHook
// object that marks its window as a client (window property "cHook").
#pragma once

#include <windows.h>

#include "ui/hook_rules.h"

class cHook {
public:
    cHook() {}
    virtual ~cHook() {}

    // Marks the window as a client; installs the hook when none is.
    int Attach(HWND wnd, int modeless, int option);
    static int Unhook();
    static int IsInstalled() { return s_hHook != nullptr; }
    // 1 between a Ctrl key-down and its key-up as the hook saw them.
    static int IsCtrlHeld() { return s_bCtrl; }
    // The hook procedure, public so that tests can hand it keys.
    static LRESULT CALLBACK HookProc(int code, WPARAM key, LPARAM data);

    HWND m_hWnd = nullptr;
    int m_bModeless = 0;
    int m_bOption = 0;

private:
    static HHOOK s_hHook;
    static HHOOK s_hHook2;  // never set; cleared with the first
    static int s_bCtrl;
};
