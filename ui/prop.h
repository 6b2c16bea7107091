// A property sheet over dialog pages. Each page is a DLG_CLASS built from its
// own dialog resource; the sheet copies every page's template, creates the
// pages and opens the sheet modeless, so that the main loop (and the idle
// routine that drives animated previews) keeps running while it is open.
// The owner registers it afterwards, with the address of its pointer:
//
//   m_pSheet = new PROP_FOO(this);     // fills m_Pages in its constructor
//   m_pSheet->Run();
//   g_WndList.AddSheet(m_pSheet, &m_pSheet);
//
// The main loop's filter deletes it (and empties the owner's pointer) once
// OK, Cancel or the close box has closed it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "ui/hook.h"

class DLG_CLASS;
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
    // Opens the sheet over m_Pages (prop.cpp). 1, or 0 when no window was made.
    int Run();
    // The index of the page showing (its tab).
    int GetCurPage() const;

    int m_bModeless = 0;
    HWND m_hParent = nullptr;
    WND_CLASS* m_pParent = nullptr;
    PROP_CLASS* m_pSelf = nullptr;
    WND_LIST_CLASS* m_pWndList = nullptr;
    std::vector<DLG_CLASS*> m_Pages;  // tab order; filled by the derived sheet
    std::vector<void*> m_Spare;
    std::vector<HPROPSHEETPAGE> m_hPages;
    std::vector<std::vector<BYTE>> m_Templates;  // the sheet's copies of the page templates
    HWND m_hWnd = nullptr;
    int m_nSpare = 0;
    cHook m_Hook;
};
