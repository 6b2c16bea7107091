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
    : DLG_RECORD_CLASS(IDD, parent, WND_MODE_DIALOG, wndList, placeRef, 1),
      m_nSkillList(skillList),
      m_SenseEdits({IDC_SENSES, 0, IDC_EDIT, 0}, 0) {
    SetInstance(this);
    m_SenseEdits.m_Edit = [this](int index) -> int {
        if (index >= static_cast<int>(m_Work.size())) return 0;
        return InputValue(this, m_pWndList, &m_Work[index], 0, 99, "センス", &m_List);
    };
    m_Work.Assign(*senses);
    m_Desc = RecordListDesc<int>(IDC_SENSES, senses, &m_Work, nullptr, 1, 0, 999, 0, SenseRow);
    m_Buttons.push_back(CTRL_BUTTON_CLASS({IDC_EDIT}));
}

void DLG_SENSE::AttachCtrls() {
    m_List.Subclass(this, m_Desc);
    AddCtrl(&m_List);
    m_SenseEdits.Attach(this, &m_List, kEditOnlyCommands);
}

int DLG_SENSE::OnCommand(WPARAM wParam, LPARAM lParam) {
    const WORD id = LOWORD(wParam), code = HIWORD(wParam);
    int changed = 0;
    m_SenseEdits.OnCommand(id, code, &changed);
    return ModalOnCommand(wParam, lParam);
}
