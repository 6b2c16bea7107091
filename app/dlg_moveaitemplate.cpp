#include "app/dlg_moveaitemplate.h"

#include "app/moveai_templates.h"
#include "resources/stage_dialogs_ids.h"

DLG_MOVEAITEMPLATE::DLG_MOVEAITEMPLATE(WND_CLASS* parent, WND_LIST_CLASS* wndList,
                                       VECTOR_CLASS<cMoveAITemplate>* templates, int newTemplate)
    : DLG_RECORD_CLASS(IDD_MOVEAITEMPLATE, parent, WND_MODE_DIALOG, wndList),
      m_bNewTemplate(newTemplate),
      m_pTemplates(templates) {
    SetInstance(this);
    m_Strs = {
        CTRL_EDITSTR_CLASS({IDC_MOVEAITPL_NAME, &m_Template.Name, 65, 64, 0, 0, {0, 0, 0, 0}}),
        CTRL_EDITSTR_CLASS({IDC_MOVEAITPL_DESCRIPTION, &m_Template.Description, 257, 256, 0, 0, {0, 0, 0, 0}}),
    };
}

void DLG_MOVEAITEMPLATE::AttachCtrls() {
    CTRL_LIST_DESC<cMoveAITemplate> desc;
    desc.id = IDC_MOVEAITPL_LIST;
    desc.multi = 1;
    desc.source = m_pTemplates;
    desc.working = &m_Work;
    desc.bound = &m_Template;
    desc.number = 1;
    desc.maxCount = MAX_MOVEAI_TEMPLATES;
    desc.appendRow = 1;
    desc.rowText = [](std::string& text, int, const cMoveAITemplate& t) { text = t.Name; };
    m_List.Subclass(this, desc);
    AddCtrl(&m_List);
    const int last = static_cast<int>(m_Work.size()) - 1;
    m_List.SelectOnly(m_bNewTemplate && last >= 0 ? last : 0, 1);
}

LRESULT DLG_MOVEAITEMPLATE::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // A right click selects the row under it; the list has no pop-up menu here.
    if (msg == WM_CONTEXTMENU && m_List.TrackContextMenu(hwnd, reinterpret_cast<HWND>(wParam), lParam)) return TRUE;
    return ModalProc(hwnd, msg, wParam, lParam);
}

int DLG_MOVEAITEMPLATE::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!CheckCommand(wParam)) return 0;
    DLG_CLASS::OnCommand(wParam, lParam);
    const WORD id = LOWORD(wParam), code = HIWORD(wParam);
    switch (id) {
    case IDC_MOVEAITPL_LIST:
        if (code == LBN_SELCHANGE) RefreshCtrlsExcept(0, &m_List);
        break;
    case IDC_MOVEAITPL_UP:
    case IDC_MOVEAITPL_DOWN:
        if (code == BN_CLICKED) m_List.MoveCurrent(id == IDC_MOVEAITPL_UP ? -1 : 1);
        RefreshCtrlsExcept(0, &m_List);
        break;
    case IDC_MOVEAITPL_DELETE:
        if (m_List.DeleteRecords(-1, 0)) RefreshCtrlsExcept(0, &m_List);
        break;
    case IDC_STAGEDLG_OK:
        for (auto& s : m_Strs) s.CtrlToValue();
        m_List.StoreCurrentRecord();
        m_List.StoreToSource();  // into the enemy dialog's copy
        g_MoveAITemplates.Assign(*m_pTemplates);
        SaveMoveAITemplates();
        End(1);
        return 1;
    case IDC_STAGEDLG_CANCEL:
    case IDCANCEL:  // Esc
        End(0);
        return 1;
    default: break;
    }
    // A name shows in its row as it is typed.
    if (m_bCreated && IsWindowOpen() && GetChangedCtrlId(wParam)) {
        for (auto& s : m_Strs) s.CtrlToValue();
        m_List.StoreCurrentRecord();
    }
    RedrawList();
    return 1;
}
