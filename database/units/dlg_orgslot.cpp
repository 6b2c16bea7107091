#include "database/units/dlg_orgslot.h"

#include "database/sheet/db_list_page.h"
#include "database/units/unit_rows.h"
#include "ui/dlg_input.h"

ORGSLOT_EDITOR g_pfnEditOrgSlot = nullptr;

namespace {

const WORD kSlotButtons[] = {DLG_ORGSLOT::IDC_NEW, DLG_ORGSLOT::IDC_EDIT, DLG_ORGSLOT::IDC_CLEAR,
                             DLG_ORGSLOT::IDC_COUNT};

// "無制限", or the names of the slot's categories in the edited skill list.
void SlotRow(std::string& text, int, const cSlot& slot) {
    const DLG_ORGSLOT* dlg = DLG_STATIC<DLG_ORGSLOT>::s_pInstance;
    const int list = dlg ? dlg->m_nSkillList : -1;
    // The row repairs what it shows: the slot is the dialog's own copy.
    RepairSlotCategories(const_cast<cSlot&>(slot), list);
    text = SlotCategoryNames(slot, list, " ");
}

}  // namespace

DLG_ORGSLOT::DLG_ORGSLOT(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, cOrgSlotList* org,
                         int skillList)
    : DLG_CLASS(IDD, parent, WND_MODE_DIALOG, wndList, placeRef, 1), m_nSkillList(skillList) {
    SetInstance(this);
    m_Work.Assign(org->Slots);
    m_Desc = DbListDesc<cSlot>(IDC_SLOTS, &org->Slots, &m_Work, nullptr, 1, 1, 99, 0, SlotRow);
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({IDC_OWN, &org->OwnSlots}));
    for (WORD id : kSlotButtons) m_Buttons.push_back(CTRL_BUTTON_CLASS({id}));
}

DLG_ORGSLOT::~DLG_ORGSLOT() {
    if (m_hMenuBar) DestroyMenu(m_hMenuBar);
    if (DLG_STATIC<DLG_ORGSLOT>::s_pInstance == this) DLG_STATIC<DLG_ORGSLOT>::s_pInstance = nullptr;
}

int DLG_ORGSLOT::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnInitDialog(wParam, lParam);
    m_List.Subclass(this, m_Desc);
    AddCtrl(&m_List);
    AddCtrls(m_Checks);
    AddCtrls(m_Buttons);
    const WORD* k = kDbListKeyIds;
    const WORD* m = kDbListMenuIds;
    m_List.SetCommandIds(k[0], k[1], k[2], k[3], k[4], k[5], k[6]);
    if (!m_hMenuBar) m_hMenuBar = LoadMenuA(m_hInst, MAKEINTRESOURCEA(IDR_MENU_DBLIST));
    m_List.m_hMenu = m_hMenuBar ? GetSubMenu(m_hMenuBar, 0) : nullptr;
    m_List.SetMenuCommandIds(m[0], m[1], m[2], m[3], m[4], m[5], m[6]);
    m_List.SelectOnly(0, 0);
    UpdateCtrls();
    UpdateEnables();
    m_bCreated = 1;
    return 0;
}

int DLG_ORGSLOT::OwnSlots() { return m_Checks[0].GetCheck() == BST_CHECKED; }

void DLG_ORGSLOT::UpdateEnables() {
    const int own = OwnSlots();
    m_List.Enable(own);
    for (WORD id : kSlotButtons) EnableCtrl(m_Buttons, id, own);
}

int DLG_ORGSLOT::OnCommand(WPARAM wParam, LPARAM lParam) {
    const WORD id = LOWORD(wParam), code = HIWORD(wParam);
    if (id == IDC_SLOTS && code == LBN_SELCHANGE) m_List.OnSelChange();
    if (id == IDC_NEW && code == BN_CLICKED) m_List.NewRecord();
    if (id == IDC_CLEAR && code == BN_CLICKED) m_List.ClearRecords();
    if (id == IDC_COUNT && code == BN_CLICKED) AskSlotCount();
    if ((id == IDC_SLOTS && code == LBN_DBLCLK) || (id == IDC_EDIT && code == BN_CLICKED)) EditSlot();
    if (m_List.OnListCommand(id) || m_List.OnListMenuCommand(id)) m_List.FillList();
    if (m_bCreated && IsWindowOpen()) UpdateEnables();
    return ModalOnCommand(wParam, lParam);
}

LRESULT DLG_ORGSLOT::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CONTEXTMENU && reinterpret_cast<HWND>(wParam) == m_List.m_hWnd && lParam != -1) {
        POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (OwnSlots() && m_List.m_hMenu && m_List.SelectAtPoint(at))
            TrackPopupMenu(m_List.m_hMenu, TPM_RIGHTBUTTON, at.x, at.y, 0, m_hWnd, nullptr);
        return TRUE;
    }
    return ModalProc(hwnd, msg, wParam, lParam);
}

void DLG_ORGSLOT::AskSlotCount() {
    int count = m_List.GetRecordCount();
    RedrawList();  // the list shows behind the number box
    if (InputValue(this, m_pWndList, &count, 1, 99, "データ数", FindCtrl(m_Buttons, IDC_COUNT))) m_List.Resize(count);
}

void DLG_ORGSLOT::EditSlot() {
    const int index = m_List.GetDataPos();
    if (index < 0 || index >= static_cast<int>(m_Work.size())) return;
    if (!g_pfnEditOrgSlot) {
        MessageBeep(0);
        return;
    }
    RedrawList();
    if (!g_pfnEditOrgSlot(this, m_pWndList, &m_List, &m_Work[index], m_nSkillList)) return;
    m_List.FillList();
    m_List.RedrawList();
}
