// The window registry: the open modeless windows and property sheets, which
// the main loop's filter and idle routine walk and modal dialogs hide or
// disable while they run.
#pragma once

#include <windows.h>

#include <vector>

class WND_CLASS;
class PROP_CLASS;

class WND_LIST_CLASS {
public:
    WND_LIST_CLASS() {}
    // Dialog objects are globals too, and may be destroyed after the
    // registry at the end of the process: they then find it closed.
    ~WND_LIST_CLASS() {
        m_bClosed = 1;
        m_Wnds.clear();
        m_Sheets.clear();
    }
    WND_LIST_CLASS(const WND_LIST_CLASS&) = delete;
    WND_LIST_CLASS& operator=(const WND_LIST_CLASS&) = delete;

    struct SHEET_ENTRY {
        PROP_CLASS* sheet;
        PROP_CLASS** owner;  // the owner's pointer to the sheet, emptied when it is deleted
    };

    void AddWnd(WND_CLASS* wnd) { m_Wnds.push_back(wnd); }
    int RemoveWnd(WND_CLASS* wnd);
    void AddSheet(PROP_CLASS* sheet, PROP_CLASS** owner) { m_Sheets.push_back({sheet, owner}); }
    int RemoveSheet(PROP_CLASS* sheet);
    void ShowAll(int flag);
    void EnableAll(int flag);

    std::vector<WND_CLASS*> m_Wnds;
    std::vector<SHEET_ENTRY> m_Sheets;
    int m_bClosed = 0;
};

// The one registry of the program; every dialog is constructed with it.
extern WND_LIST_CLASS g_WndList;

// The main loop's filter: accelerators, finished modeless sheets and the
// dialog messages of the registered windows. 1 when the message was consumed.
int DispatchAppMessage(MSG* msg, WND_LIST_CLASS* wndList = &g_WndList);
