#include "database/units/dlg_orgslot.h"

#include "database/sheet/db_list_page.h"
#include "database/units/unit_rows.h"
#include "editing/skill_rows.h"

ORGSLOT_EDITOR g_pfnEditOrgSlot = nullptr;

namespace {

const WORD kSlotButtons[] = {DLG_ORGSLOT::IDC_NEW, DLG_ORGSLOT::IDC_EDIT, DLG_ORGSLOT::IDC_CLEAR,
                             DLG_ORGSLOT::IDC_COUNT};

// "無制限", or the names of the slot's categories in the edited skill list.
void SlotRow(std::string& text, int, const cSlot& slot) {
    const DLG_ORGSLOT* dlg = DLG_STATIC<DLG_ORGSLOT>::s_pInstance;
    const int list = dlg ? dlg->m_nSkillList : -1;
    // The row repairs what it shows: the slot is the dialog's own copy.
    const VECTOR_CLASS<cCateg>& categories = ListCategories(list);
    ResetLostConditions(const_cast<cSlot&>(slot), static_cast<int>(categories.size()));
    text = SlotCategoryNames(slot, categories, " ", kMissingName);
}

}  // namespace

DLG_ORGSLOT::DLG_ORGSLOT(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, cOrgSlotList* org,
                         int skillList)
    : DLG_RECORD_CLASS(IDD, parent, WND_MODE_DIALOG, wndList, placeRef, 1),
      m_nSkillList(skillList),
      m_SlotEdits({IDC_SLOTS, 0, IDC_EDIT, 0, IDC_NEW, IDC_CLEAR, IDC_COUNT}, 0) {
    SetInstance(this);
    m_SlotEdits.m_Edit = [this](int index) -> int {
        if (index >= static_cast<int>(m_Work.size())) return 0;
        if (!g_pfnEditOrgSlot) {
            MessageBeep(0);
            return 0;
        }
        return g_pfnEditOrgSlot(this, m_pWndList, &m_List, &m_Work[index], m_nSkillList);
    };
    m_Work.Assign(org->Slots);
    m_Desc = RecordListDesc<cSlot>(IDC_SLOTS, &org->Slots, &m_Work, nullptr, 1, 1, 99, 0, SlotRow);
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({IDC_OWN, &org->OwnSlots}));
    for (WORD id : kSlotButtons) m_Buttons.push_back(CTRL_BUTTON_CLASS({id}));
}

void DLG_ORGSLOT::AttachCtrls() {
    m_List.Subclass(this, m_Desc);
    AddCtrl(&m_List);
    LIST_COMMAND_IDS commands = kDbListCommands;
    commands.accel = 0;  // the keys reach the list through the dialog's own key handler
    m_SlotEdits.Attach(this, &m_List, commands);
}

int DLG_ORGSLOT::OwnSlots() { return m_Checks[0].GetCheck() == BST_CHECKED; }

void DLG_ORGSLOT::UpdateEnables() {
    const int own = OwnSlots();
    m_List.Enable(own);
    for (WORD id : kSlotButtons) EnableCtrl(m_Buttons, id, own);
}

int DLG_ORGSLOT::OnCommand(WPARAM wParam, LPARAM lParam) {
    const WORD id = LOWORD(wParam), code = HIWORD(wParam);
    int changed = 0;
    m_SlotEdits.OnCommand(id, code, &changed);
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
