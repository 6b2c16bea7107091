// The property-sheet object as the window registry sees it: the sheet
// window, its style switches and its closing. Running the sheet and its
// pages builds on this.
#pragma once

#include <windows.h>

#include "ui/hook.h"

class WND_CLASS;
class WND_LIST_CLASS;

class PROP_CLASS {
public:
    PROP_CLASS(int modeless, WND_CLASS* parent, WND_LIST_CLASS* wndList);
    PROP_CLASS(const PROP_CLASS&) = delete;
    PROP_CLASS& operator=(const PROP_CLASS&) = delete;
    // Leaves the registry; a sheet that was not registered is reported.
    virtual ~PROP_CLASS();

    void AddStyle(DWORD bits);
    void RemoveStyle(DWORD bits);
    // Destroys a modeless sheet's window.
    void Close();

    int m_bModeless = 0;
    HWND m_hParent = nullptr;
    WND_CLASS* m_pParent = nullptr;
    PROP_CLASS* m_pSelf = nullptr;
    WND_LIST_CLASS* m_pWndList = nullptr;
    HWND m_hWnd = nullptr;
    cHook m_Hook;
};
