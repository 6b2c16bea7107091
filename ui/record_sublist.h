// A list of records kept inside the edited record (an animation's frames, an
// ally's learnt skills, a skill list's categories), each record edited in a
// modal dialog of its own: "挿入" inserts a default record before the
// current row and edits it, taking it out again when the edit is cancelled;
// "編集" or a double click edits the current record; "削除" deletes the
// selected ones; "新規", "ｸﾘｱ" and "ﾃﾞｰﾀ数" where the list has them; the
// list's keys and context menu run the record commands.
//
// The owner subclasses the list and adds it to its controls, then attaches
// the sub-list with the list's keys and menu and routes its commands here:
//   m_Sub.m_Edit = [this](int index) { DLG_FOO dialog(...); return dialog.DoModal(0); };
//   m_Sub.Attach(this, &m_List, kCommands);
//   ... in OnCommand: if (m_Sub.OnCommand(id, code, &changed)) ...
#pragma once

#include <functional>

#include "ui/ctrl_list.h"
#include "ui/dlg.h"

// "データ数": the number of `list`'s records, 1 to the list's maximum, asked
// in a box at `placeRef`; the list is resized after OK. 1 after OK.
int AskListCount(DLG_CLASS* owner, CTRL_LIST_BASE& list, const CTRL_CLASS* placeRef);

// A list's keys (accelerator table `accel`) and context menu (sub-menu 0 of
// menu `menu`); 0 for none. The command ids are in the order cut, copy,
// paste, new, insert, clear, delete; 0 is not offered.
struct LIST_COMMAND_IDS {
    WORD accel;
    WORD keys[LIST_CMD_COUNT];
    WORD menu;
    WORD items[LIST_CMD_COUNT];
};

// The record lists' keys (table 117) and menu (116): cut, copy, paste, insert, delete.
extern const LIST_COMMAND_IDS kRecordListCommands;
// A list whose records are only edited, one at a time: no keys, no menu.
extern const LIST_COMMAND_IDS kEditOnlyCommands;

// A sub-list's control ids; 0 for a button it lacks.
struct SUBLIST_IDS {
    WORD list, insert, edit, remove;
    WORD add = 0, clear = 0, count = 0;
};

class RECORD_SUBLIST {
public:
    // Runs the record's dialog on working record `index`; 1 after OK.
    typedef std::function<int(int index)> EDIT;

    // `selectNext`: after "挿入" and OK the row after the new record is
    // selected, so that the next insertion lands behind it.
    RECORD_SUBLIST(SUBLIST_IDS ids, int selectNext) : m_Ids(ids), m_bSelectNext(selectNext) {}
    ~RECORD_SUBLIST();
    RECORD_SUBLIST(const RECORD_SUBLIST&) = delete;
    RECORD_SUBLIST& operator=(const RECORD_SUBLIST&) = delete;

    // Gives `list` (subclassed and added to `owner`'s controls) its keys and
    // context menu and selects its first row.
    void Attach(DLG_CLASS* owner, CTRL_LIST_BASE* list, const LIST_COMMAND_IDS& commands);

    // 1 when the command is the list's (its notifications, buttons, keys or
    // menu); *changed tells whether the records changed, after which
    // m_Changed has run.
    int OnCommand(WORD id, WORD code, int* changed);
    // The current record through the dialog; nothing on the end row. The
    // rows are refilled after OK.
    int EditSelected();
    // A full list beeps and opens nothing. 1 after OK.
    int InsertAndEdit();
    // A right click at `at` (screen) on the list selects the row under it
    // and shows the list's menu there; 0 when `at` is not on the list or
    // the list has no menu.
    int ShowMenu(POINT at);

    CTRL_LIST_BASE* m_pList = nullptr;
    DLG_CLASS* m_pOwner = nullptr;
    EDIT m_Edit;
    // What follows a change of the records (rows of other lists naming them).
    std::function<void()> m_Changed;
    SUBLIST_IDS m_Ids;
    int m_bSelectNext;

private:
    HMENU m_hMenuBar = nullptr;
};
