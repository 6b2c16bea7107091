#include "database/sheet/db_list_page.h"

#include "resources/toolkit_ids.h"

const LIST_COMMAND_IDS kDbListCommands = {IDR_ACCEL_DBLIST,
                                          {40030, 40031, 40032, 40082, 0, 40083, 0},
                                          IDR_MENU_DBLIST,
                                          {40027, 40024, 40025, 0, 0, 40081, 0}};

DLG_DBLIST_PAGE::DLG_DBLIST_PAGE(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList)
    : DLG_DBPAGE(resId, sheet, wndList) {
    m_Buttons.push_back(CTRL_BUTTON_CLASS({IDC_DBLIST_NEW}));
    m_Buttons.push_back(CTRL_BUTTON_CLASS({IDC_DBLIST_CLEAR}));
    m_Buttons.push_back(CTRL_BUTTON_CLASS({IDC_DBLIST_COUNT}));
}

DLG_DBLIST_PAGE::~DLG_DBLIST_PAGE() {
    if (m_hMenuBar) DestroyMenu(m_hMenuBar);
}

void DLG_DBLIST_PAGE::AttachSubList(RECORD_SUBLIST& sub, CTRL_LIST_BASE* list, const LIST_COMMAND_IDS& commands) {
    sub.Attach(this, list, commands);
    m_SubLists.push_back(&sub);
}

int DLG_DBLIST_PAGE::RunSubListCommand(WORD id, WORD code) {
    for (RECORD_SUBLIST* sub : m_SubLists) {
        int changed = 0;
        if (!sub->OnCommand(id, code, &changed)) continue;
        if (changed) List().StoreCurrentRecord();
        return 1;
    }
    return 0;
}

int DLG_DBLIST_PAGE::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnInitDialog(wParam, lParam);
    m_SubLists.clear();
    AttachLists();
    AddFamilies();

    CTRL_LIST_BASE& list = List();
    const LIST_COMMAND_IDS& c = kDbListCommands;
    AddAccelerator(list.m_hWnd, c.accel);
    list.SetCommandIds(c.keys[0], c.keys[1], c.keys[2], c.keys[3], c.keys[4], c.keys[5], c.keys[6]);
    list.SetMenuCommandIds(c.items[0], c.items[1], c.items[2], c.items[3], c.items[4], c.items[5], c.items[6]);
    if (!m_hMenuBar) m_hMenuBar = LoadMenuA(m_hInst, MAKEINTRESOURCEA(c.menu));
    m_hMenu = m_hMenuBar ? GetSubMenu(m_hMenuBar, 0) : nullptr;

    OnSetActive();
    list.SelectOnly(0, 1);
    UpdateCtrls();
    m_bCreated = 1;
    UpdatePageState();
    return 0;
}

void DLG_DBLIST_PAGE::OnSetActive() {
    LoadSelectedOrFirst();
    if (m_bApplied) {
        ResetDefaultRecord();  // the record's defaults follow the lists an Apply changed
        // The list first: it copies the database into the working copy again
        // and reloads the bound record, which the other controls then show.
        CTRL_LIST_BASE& list = List();
        UpdateCtrl(&list);
        BeforeShowRecord();
        RefreshCtrlsExcept(-1, &list);
        m_bApplied = 0;
        OnApplied();
    } else {
        BeforeShowRecord();
    }
    if (m_bCreated) UpdatePageState();
}

void DLG_DBLIST_PAGE::StoreRecord() {
    for (CTRL_CLASS* c : m_CtrlList)
        if (c->m_nKind != CTRL_KIND_LIST) c->CtrlToValue();
    List().StoreCurrentRecord();
}

void DLG_DBLIST_PAGE::AskRecordCount() { AskListCount(this, List(), FindCtrl(m_Buttons, IDC_DBLIST_COUNT)); }

int DLG_DBLIST_PAGE::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!CheckCommand(wParam)) return 0;
    DLG_CLASS::OnCommand(wParam, lParam);
    const WORD id = LOWORD(wParam), code = HIWORD(wParam);
    CTRL_LIST_BASE& list = List();

    int reload = 1;
    if (id == list.m_wId && code == LBN_SELCHANGE)
        reload = 1;  // the routing above took the row; it is shown below
    else if (id == IDC_DBLIST_NEW && code == BN_CLICKED)
        list.NewRecord();
    else if (id == IDC_DBLIST_CLEAR && code == BN_CLICKED)
        list.ClearRecords();
    else if (id == IDC_DBLIST_COUNT && code == BN_CLICKED)
        AskRecordCount();
    else {
        const int page = OnPageCommand(id, code);
        if (page == PAGE_CMD_ABORT) {
            RedrawList();  // the routing switched the lists' drawing off
            return 1;
        }
        if (page != PAGE_CMD_NONE)
            reload = page == PAGE_CMD_REFRESH;
        else if (RunSubListCommand(id, code))
            reload = 0;
        else
            reload = list.OnListCommand(id) || list.OnListMenuCommand(id);
    }
    if (reload) {
        BeforeShowRecord();
        RefreshCtrlsExcept(-1, &list);
        AfterRecordChange();
    }

    if (m_bCreated) BeforeStore();
    if (GetChangedCtrlId(wParam) && m_bCreated && !m_bRefreshing) StoreRecord();
    if (m_bCreated) UpdatePageState();
    RedrawList();
    MarkChanged();
    return 1;
}

LRESULT DLG_DBLIST_PAGE::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    int handled = 0;
    LRESULT r = PageProc(hwnd, msg, wParam, lParam, &handled);
    if (handled) return TRUE;
    if (IsRightClicked()) ShowListMenu(m_CursorPos);
    if (IsSetActive(msg, lParam)) {
        OnSetActive();
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 0);
        return TRUE;
    }
    return r;
}

void DLG_DBLIST_PAGE::ShowListMenu(POINT at) {
    if (List().SelectAtPoint(at)) {
        if (m_hMenu) TrackPopup(m_hMenu);
        return;
    }
    for (RECORD_SUBLIST* sub : m_SubLists)
        if (sub->ShowMenu(at)) return;
}

void DLG_DBLIST_PAGE::Commit() {
    Renumber();
    if (HasWindow()) List().StoreToSource();
}
