#include "ui/record_sublist.h"

#include "resources/toolkit_ids.h"
#include "ui/dlg_input.h"

namespace {

// The list's last-operation code of an edit through the record's dialog.
const int kLastCommandEdit = LIST_CMD_COUNT;

}  // namespace

const LIST_COMMAND_IDS kRecordListCommands = {
    IDR_ACCEL_LIST,
    {CM_LIST_KEY_CUT, CM_LIST_KEY_COPY, CM_LIST_KEY_PASTE, 0, CM_LIST_KEY_INSERT, 0, CM_LIST_KEY_DELETE},
    IDR_MENU_LIST,
    {CM_LIST_MENU_CUT, CM_LIST_MENU_COPY, CM_LIST_MENU_PASTE, 0, CM_LIST_MENU_INSERT, 0, CM_LIST_MENU_DELETE},
};

const LIST_COMMAND_IDS kEditOnlyCommands = {0, {}, 0, {}};

int AskListCount(DLG_CLASS* owner, CTRL_LIST_BASE& list, const CTRL_CLASS* placeRef) {
    int count = list.GetRecordCount();
    owner->RedrawList();  // the command turned the lists' drawing off: they show behind the box
    if (!InputValue(owner, owner->m_pWndList, &count, 1, list.m_nMaxCount, "データ数", placeRef)) return 0;
    list.Resize(count);
    return 1;
}

RECORD_SUBLIST::~RECORD_SUBLIST() {
    if (m_hMenuBar) DestroyMenu(m_hMenuBar);
}

void RECORD_SUBLIST::Attach(DLG_CLASS* owner, CTRL_LIST_BASE* list, const LIST_COMMAND_IDS& commands) {
    m_pOwner = owner;
    m_pList = list;
    if (commands.accel) owner->AddAccelerator(list->m_hWnd, commands.accel);
    const WORD* k = commands.keys;
    list->SetCommandIds(k[0], k[1], k[2], k[3], k[4], k[5], k[6]);
    if (commands.menu && !m_hMenuBar) m_hMenuBar = LoadMenuA(owner->m_hInst, MAKEINTRESOURCEA(commands.menu));
    list->m_hMenu = m_hMenuBar ? GetSubMenu(m_hMenuBar, 0) : nullptr;
    const WORD* m = commands.items;
    list->SetMenuCommandIds(m[0], m[1], m[2], m[3], m[4], m[5], m[6]);
    list->SelectOnly(0, 0);
}

int RECORD_SUBLIST::OnCommand(WORD id, WORD code, int* changed) {
    *changed = 0;
    if (!m_pList) return 0;
    CTRL_LIST_BASE& list = *m_pList;
    const int clicked = code == BN_CLICKED;
    if (id == m_Ids.list && code == LBN_SELCHANGE) return 1;  // the owner's routing took the row
    if ((id == m_Ids.list && code == LBN_DBLCLK) || (m_Ids.edit && id == m_Ids.edit && clicked)) {
        list.m_nLastCommand = kLastCommandEdit;
        *changed = EditSelected();
    } else if (m_Ids.insert && id == m_Ids.insert && clicked) {
        *changed = InsertAndEdit();
    } else if (m_Ids.remove && id == m_Ids.remove && clicked) {
        *changed = list.DeleteRecords(-1, 0);
    } else if (m_Ids.add && id == m_Ids.add && clicked) {
        *changed = list.NewRecord();
    } else if (m_Ids.clear && id == m_Ids.clear && clicked) {
        *changed = list.ClearRecords();
    } else if (m_Ids.count && id == m_Ids.count && clicked) {
        const CTRL_CLASS* button = nullptr;
        for (const CTRL_CLASS* c : m_pOwner->m_CtrlList)
            if (c->m_wId == id) button = c;
        AskListCount(m_pOwner, list, button);
        *changed = 1;
    } else if (list.OnListCommand(id) || list.OnListMenuCommand(id)) {
        *changed = 1;
    } else {
        return 0;
    }
    if (*changed && m_Changed) m_Changed();
    return 1;
}

int RECORD_SUBLIST::EditSelected() {
    const int index = m_pList->GetDataPos();
    if (index < 0 || !m_Edit) return 0;
    // The command turned the owner's lists' drawing off: they show behind the dialog.
    if (m_pOwner) m_pOwner->RedrawList();
    if (!m_Edit(index)) return 0;
    m_pList->FillList();
    m_pList->RedrawList();
    return 1;
}

int RECORD_SUBLIST::InsertAndEdit() {
    CTRL_LIST_BASE& list = *m_pList;
    if (!list.InsertRecord()) return 0;
    const int row = list.m_nCurRow;
    if (!EditSelected()) {
        list.DeleteRecords(row, 1);
        return 0;
    }
    if (m_bSelectNext) {
        list.SelectOnly(row + 1, 0);
        list.RedrawList();
    }
    return 1;
}

int RECORD_SUBLIST::ShowMenu(POINT at) {
    if (!m_pList || !m_pList->m_hMenu || !m_pList->SelectAtPoint(at)) return 0;
    TrackPopupMenu(m_pList->m_hMenu, TPM_RIGHTBUTTON, at.x, at.y, 0, m_pOwner->m_hWnd, nullptr);
    return 1;
}
