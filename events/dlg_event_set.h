// The event settings dialog "イベント": one event's name, whether a
// character holds it, and its pages, each with a graphic, appearance and
// trigger conditions and a list of actions. It edits a working copy of the
// event and writes it back on OK.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "events/dlg_eventact.h"
#include "model/event.h"
#include "ui/ctrl_list.h"
#include "ui/dlg_record.h"

class DLG_EVENTACTPLT;

// The event the dialog edits; set by whoever opens it.
extern cEvent* g_lpEditEvent;

class DLG_EVENT_SET : public DLG_RECORD_CLASS {
public:
    // `startEvent`: the start event is edited: the page controls are off,
    // only the kinds allowed there are offered, and OK writes
    // "data\database\StartEvent.dat". `beforeCommit` runs on OK before the
    // edit reaches *g_lpEditEvent: the stage editor records its undo step there.
    DLG_EVENT_SET(WND_CLASS* parent, WND_LIST_CLASS* wndList, int startEvent, std::function<void()> beforeCommit);

    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;

    // The condition controls' enabling rules, from what they show.
    void UpdateControls();
    void BuildNameLists();
    void BuildGValNameList();

    // The action list (event_actions.cpp).
    int InsertAction();
    int EditAction();
    int RunChooser();
    void PastePalette(int entry);
    void OverwritePalette(int entry);
    void SaveToNewPalette();
    void ArrangePalette(int selectLast);
    void RebuildPaletteMenus();
    // After every change of the action list: the page's row and the working copy.
    void StorePage();
    // The first `PALETTE_MENU_ENTRIES` entries are offered in each palette sub-menu.
    HMENU PasteMenu() const;
    HMENU OverwriteMenu() const;

    cEvent m_Event;
    VECTOR_CLASS<cEventPage> m_Pages;  // the page list's working copy
    cEventPage m_Page;                 // the selected page
    VECTOR_CLASS<cEventActPlt> m_PaletteCopy;
    CTRL_LIST_CLASS<cEventPage> m_PageList;
    CTRL_LIST_CLASS<cEventAct> m_ActList;
    std::vector<CTRL_LABEL_CLASS> m_Labels;
    int m_bNewAction = 0;
    DLG_EVENTACT* m_lpEventAct = nullptr;
    DLG_EVENTACTPLT* m_lpActPlt = nullptr;
    VECTOR_CLASS<std::string> m_GValRows;
    VECTOR_CLASS<std::string> m_GroupRows;
    VECTOR_CLASS<std::string> m_FriendRows;
    int m_nEventEditMode;  // 1 while the start event is edited
    std::function<void()> m_BeforeCommit;

protected:
    void AttachCtrls() override;
    void OnCtrlsShown() override;

private:
    void DescribeCtrls();
    void AfterPageChange();
    int Commit();
    int ShownValue(unsigned short id);
    void EnableItem(unsigned short id, int flag);
};

// Runs the event dialog on `event`; 1 after OK. `lpOpen` holds the dialog
// while it is open.
int EditEvent(WND_CLASS* parent, WND_LIST_CLASS* wndList, cEvent* event, int startEvent,
              std::function<void()> beforeCommit, DLG_CLASS** lpOpen = nullptr);
