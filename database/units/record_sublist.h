// A list of records kept inside the edited record (an enemy's battle-AI
// rules, an ally's learnt skills, a rule's conditions), each record edited
// in a modal dialog: "挿入" inserts a default record before the selected row
// and edits it, taking it out again when the edit is cancelled; "編集" or a
// double click edits the selected record; "削除" deletes the selected ones;
// the keys and the context menu run the list commands.
#pragma once

#include <functional>

#include "ui/ctrl_list.h"
#include "ui/dlg.h"

struct SUBLIST_IDS {
    WORD list, insert, edit, remove;
};

template <class S>
class RECORD_SUBLIST {
public:
    // Runs the record's dialog on the record; 1 after OK.
    typedef std::function<int(S&)> EDIT;

    RECORD_SUBLIST(SUBLIST_IDS ids, int selectNext) : m_Ids(ids), m_bSelectNext(selectNext) {}
    ~RECORD_SUBLIST() {
        if (m_hMenuBar) DestroyMenu(m_hMenuBar);
    }
    RECORD_SUBLIST(const RECORD_SUBLIST&) = delete;
    RECORD_SUBLIST& operator=(const RECORD_SUBLIST&) = delete;

    // Binds the list box from m_Desc and adds it to the dialog's controls;
    // the key ids and the context menu's (sub-menu 0 of `menuId`) in the
    // order cut, copy, paste, new, insert, clear, delete.
    void Attach(DLG_CLASS* dlg, const WORD* keys, WORD menuId, const WORD* menu) {
        m_List.Subclass(dlg, m_Desc);
        dlg->AddCtrl(&m_List);
        m_List.SetCommandIds(keys[0], keys[1], keys[2], keys[3], keys[4], keys[5], keys[6]);
        if (!m_hMenuBar) m_hMenuBar = LoadMenuA(dlg->m_hInst, MAKEINTRESOURCEA(menuId));
        m_List.m_hMenu = m_hMenuBar ? GetSubMenu(m_hMenuBar, 0) : nullptr;
        m_List.SetMenuCommandIds(menu[0], menu[1], menu[2], menu[3], menu[4], menu[5], menu[6]);
        m_List.SelectOnly(0, 0);
    }

    // 1 when the command is the list's (its notifications, buttons, keys or
    // menu); *changed tells whether the records changed.
    int OnCommand(WORD id, WORD code, int* changed) {
        *changed = 0;
        if (id == m_Ids.list && code == LBN_SELCHANGE) {
            m_List.OnSelChange();
            return 1;
        }
        if ((id == m_Ids.list && code == LBN_DBLCLK) || (id == m_Ids.edit && code == BN_CLICKED)) {
            *changed = EditSelected();
            return 1;
        }
        if (id == m_Ids.insert && code == BN_CLICKED) {
            *changed = InsertAndEdit();
            return 1;
        }
        if (id == m_Ids.remove && code == BN_CLICKED) {
            *changed = m_List.DeleteRecords(-1, 0);
            return 1;
        }
        if (m_List.OnListCommand(id) || m_List.OnListMenuCommand(id)) {
            *changed = 1;
            return 1;
        }
        return 0;
    }

    // The selected record through the dialog; nothing on the end row.
    int EditSelected() {
        const int index = m_List.GetDataPos();
        if (index < 0 || !m_Edit) return 0;
        // The command turned the owner's lists' drawing off: they show behind the dialog.
        if (m_List.m_pDlg) m_List.m_pDlg->RedrawList();
        if (!m_Edit(m_List.m_pWork->At(index))) return 0;
        m_List.FillList();
        m_List.RedrawList();
        return 1;
    }

    // A full list beeps and opens nothing. After OK the row after the new
    // record is selected where the list asks for it, so that the next
    // insertion lands behind it.
    int InsertAndEdit() {
        if (!m_List.InsertRecord()) return 0;
        const int row = m_List.m_nCurRow;
        if (EditSelected()) {
            if (m_bSelectNext) {
                m_List.SelectOnly(row + 1, 0);
                m_List.RedrawList();
            }
            return 1;
        }
        m_List.DeleteRecords(row, 1);
        return 0;
    }

    // A right click at `at` (screen) on a row selects it and shows the menu.
    void ShowMenu(WND_CLASS* owner, POINT at) {
        if (!m_List.m_hMenu || !m_List.SelectAtPoint(at)) return;
        TrackPopupMenu(m_List.m_hMenu, TPM_RIGHTBUTTON, at.x, at.y, 0, owner->m_hWnd, nullptr);
    }

    CTRL_LIST_DESC<S> m_Desc = {};
    EDIT m_Edit;
    CTRL_LIST_CLASS<S> m_List;
    SUBLIST_IDS m_Ids;
    int m_bSelectNext;

private:
    HMENU m_hMenuBar = nullptr;
};
