#include "ui/dlg_record.h"

int DLG_RECORD_CLASS::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnInitDialog(wParam, lParam);
    AttachCtrls();
    AddFamilies();
    UpdateCtrls();
    OnCtrlsShown();
    m_bCreated = 1;
    return 0;
}

void DLG_RECORD_CLASS::AddFamilies() {
    AddCtrls(m_Edits);
    AddCtrls(m_Strs);
    AddCtrls(m_Checks);
    AddCtrls(m_Combos);
    AddCtrls(m_Pictures);
    AddCtrls(m_Buttons);
}
