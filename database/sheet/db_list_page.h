// The frame of every database page that edits a list of records: a working
// copy of one database list in a record list on the left, the controls of the
// selected record on the right, the record commands ("新規", "ｸﾘｱ", "ﾃﾞｰﾀ数",
// the keys of accelerator table 132 and the context menu 170), the refresh
// after an Apply and the commit that stores the working copy.
//
// A page derives from DLG_DBLIST<record>, fills m_ListDesc and its control
// vectors in its constructor (one line per control, in refresh and store
// order) and adds only what differs: its own buttons, sub-lists, previews.
#pragma once

#include <vector>

#include "database/sheet/db_page.h"
#include "resources/database_ids.h"
#include "ui/ctrl_combo.h"
#include "ui/ctrl_editstr.h"
#include "ui/ctrl_editval.h"
#include "ui/ctrl_list.h"
#include "ui/record_sublist.h"

// The record commands of a page's main list: keys (accelerator table 132)
// and the context menu (menu 170): cut, copy, paste, new, clear.
extern const LIST_COMMAND_IDS kDbListCommands;

// What a page's own command leaves the frame to do: NONE, not the page's
// (the list commands are tried); REFRESH, every control but the list shows
// the bound record again; KEEP, the controls stay as they are; ABORT, the
// command ends at once, nothing stored and the sheet not told.
enum { PAGE_CMD_NONE = 0, PAGE_CMD_REFRESH = 1, PAGE_CMD_KEEP = 2, PAGE_CMD_ABORT = 3 };

class DLG_DBLIST_PAGE : public DLG_DBPAGE {
public:
    DLG_DBLIST_PAGE(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList);
    ~DLG_DBLIST_PAGE() override;

    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Renumbers where the record has a number, then stores the working copy
    // into the database list while the page's window exists.
    void Commit() override;

    virtual CTRL_LIST_BASE& List() = 0;

protected:
    // The record list (and any sub-list) subclassed and added to the dialog.
    virtual void AttachLists() = 0;
    // The bound record from the selected row, or from the first shown
    // record when no record row is selected.
    virtual void LoadSelectedOrFirst() = 0;
    // The page's own commands: a PAGE_CMD_ code.
    virtual int OnPageCommand(WORD, WORD) { return PAGE_CMD_NONE; }
    // After every command of the initialised page, before the changed
    // controls are stored: the rules that follow what is on screen.
    virtual void BeforeStore() {}
    // What the page adds when it shows again after an Apply (label lists).
    virtual void OnApplied() {}
    // The bound record was loaded (another record, or the same one again)
    // and the controls are about to show it: rows that follow the record
    // itself, not the database, are rebuilt here.
    virtual void BeforeShowRecord() {}
    virtual void Renumber() {}
    virtual void ResetDefaultRecord() {}
    // Sub-lists edited in place re-apply their rows after a record change.
    virtual void AfterRecordChange() {}
    // What follows the shown record and the controls (enable states,
    // computed figures): once the page is initialised, after every command
    // and at every activation.
    virtual void UpdatePageState() {}
    // A right click ended at `at` (screen): the clicked list's row is
    // selected and its context menu shown; pages with a second list add it.
    virtual void ShowListMenu(POINT at);

    // A list of the bound record's own entries (frames, texts, learnt
    // skills), each edited in a dialog of its own. Called from AttachLists,
    // after `list` is subclassed and added; by default with the record
    // lists' keys (table 117) and context menu (116): cut, copy, paste,
    // insert, delete. Its selection changes keep the controls; after a
    // change of its records the bound record goes into the working copy.
    void AttachSubList(RECORD_SUBLIST& sub, CTRL_LIST_BASE* list,
                       const LIST_COMMAND_IDS& commands = kRecordListCommands);

    void OnSetActive();
    // Every control but the lists back into the bound record, then the
    // bound record into the working copy.
    void StoreRecord();
    // "データ数" of the record list, 1 to the list's maximum.
    void AskRecordCount();

    HMENU m_hMenuBar = nullptr;
    HMENU m_hMenu = nullptr;
    std::vector<RECORD_SUBLIST*> m_SubLists;

private:
    // The sub-lists' part of a command; 1 when one of them took it.
    int RunSubListCommand(WORD id, WORD code);
};

template <class T>
class DLG_DBLIST : public DLG_DBLIST_PAGE {
public:
    DLG_DBLIST(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList, VECTOR_CLASS<T>* source)
        : DLG_DBLIST_PAGE(resId, sheet, wndList) {
        m_Work.Assign(*source);
    }
    CTRL_LIST_BASE& List() override { return m_List; }

    VECTOR_CLASS<T> m_Work;
    T m_Record;
    CTRL_LIST_CLASS<T> m_List;
    CTRL_LIST_DESC<T> m_ListDesc = {};

protected:
    // A database list shorter than `count` is padded with default records,
    // in the database itself, and copied again.
    void PadSource(VECTOR_CLASS<T>* source, size_t count) {
        if (source->size() >= count) return;
        source->resize(count);
        m_Work.Assign(*source);
    }
    void AttachLists() override {
        ResetDefaultRecord();
        m_List.Subclass(this, m_ListDesc);
        AddCtrl(&m_List);
    }
    // New records, and the end row, start from the record's own defaults
    // (a party variable's common variable 1, a land's rate for every element).
    void ResetDefaultRecord() override { ResetListRecord(m_List.m_Default); }
    void LoadSelectedOrFirst() override {
        const int first = m_List.m_nFirstShown;
        if (m_List.GetDataPos() >= 0)
            m_List.LoadBoundRecord();
        else if (first < static_cast<int>(m_Work.size()))
            m_Record = m_Work[first];
        else
            m_Record = m_List.m_Default;  // no record to show: the end row's defaults
    }
};
