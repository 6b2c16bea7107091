#include "database/units/dlg_sense.h"

#include "database/sheet/db_list_page.h"
#include "database/units/unit_rows.h"
#include "ui/dlg_input.h"

namespace {

// "%s %d": the category of the skill list being edited and its sense.
void SenseRow(std::string& text, int index, const int& sense) {
    const DLG_SENSE* dlg = DLG_STATIC<DLG_SENSE>::s_pInstance;
    text = CategoryName(dlg ? dlg->m_nSkillList : -1, index) + " " + std::to_string(sense);
}

}  // namespace

DLG_SENSE::DLG_SENSE(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, VECTOR_CLASS<int>* senses,
                     int skillList)
    : DLG_RECORD_CLASS(IDD, parent, WND_MODE_DIALOG, wndList, placeRef, 1), m_nSkillList(skillList) {
    SetInstance(this);
    m_Work.Assign(*senses);
    m_Desc = DbListDesc<int>(IDC_SENSES, senses, &m_Work, nullptr, 1, 0, 999, 0, SenseRow);
    m_Buttons.push_back(CTRL_BUTTON_CLASS({IDC_EDIT}));
}

void DLG_SENSE::AttachCtrls() {
    m_List.Subclass(this, m_Desc);
    AddCtrl(&m_List);
    // The values are only edited, one at a time: no record commands.
    m_List.SetCommandIds(0, 0, 0, 0, 0, 0, 0);
    m_List.SelectOnly(0, 0);
}

int DLG_SENSE::OnCommand(WPARAM wParam, LPARAM lParam) {
    const WORD id = LOWORD(wParam), code = HIWORD(wParam);
    if (id == IDC_SENSES && code == LBN_SELCHANGE) m_List.OnSelChange();
    if ((id == IDC_SENSES && code == LBN_DBLCLK) || (id == IDC_EDIT && code == BN_CLICKED)) EditValue();
    return ModalOnCommand(wParam, lParam);
}

void DLG_SENSE::EditValue() {
    const int index = m_List.GetDataPos();
    if (index < 0 || index >= static_cast<int>(m_Work.size())) return;
    RedrawList();  // the list shows behind the number box
    if (InputValue(this, m_pWndList, &m_Work[index], 0, 99, "センス", &m_List)) m_List.FillList();
}
