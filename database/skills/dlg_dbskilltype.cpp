#include "database/skills/dlg_dbskilltype.h"

#include "database/skills/dlg_infl.h"
#include "database/skills/skill_list_rules.h"
#include "model/media_database.h"
#include "resources/db_skills_ids.h"

namespace {

const int kMaxTypes = 999, kMaxInfls = 999;
// The influence list's keys (accelerator table 130) and menu 169: cut, copy,
// paste, new, insert, clear, delete.
const LIST_COMMAND_IDS kInflCommands = {IDR_ACCEL_DBSUBLIST,
                                        {40040, 40035, 40038, 0, 40071, 0, 40039},
                                        IDR_MENU_DBSUBLIST,
                                        {40075, 40076, 40077, 0, 40078, 0, 40079}};

void TypeRow(std::string& text, int, const cCompatiType& type) { text = type.strName; }
// Names as the database holds them: a rename shows once the sheet applies it.
void InflRow(std::string& text, int, const cInfl& infl) { text = FormatInflRow(infl, g_Database.CompatiTypes); }

}  // namespace

DLG_DBSKILLTYPE::DLG_DBSKILLTYPE(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList)
    : DLG_DBLIST<cCompatiType>(resId, sheet, wndList, &g_Database.CompatiTypes),
      m_InflEdits({IDC_INFL_LIST, IDC_INFL_INSERT, IDC_INFL_EDIT, IDC_INFL_DELETE}, 0) {
    SetInstance(this);
    if (g_Database.CompatiTypes.size() < 2) {
        g_Database.CompatiTypes.resize(2);
        m_Work.Assign(g_Database.CompatiTypes);
    }
    m_ListDesc =
        RecordListDesc(IDC_SKILLTYPE_LIST, &g_Database.CompatiTypes, &m_Work, &m_Record, 1, 1, kMaxTypes, 1, TypeRow);
    m_InflDesc = RecordListDesc<cInfl>(IDC_INFL_LIST, nullptr, &m_Record.vInfl, nullptr, 0, 0, kMaxInfls, 0, InflRow);
    m_Strs.push_back(CTRL_EDITSTR_CLASS({IDC_DBLIST_NAME, &m_Record.strName, 7, 6, 1, 1, {}}));
    for (WORD id : {IDC_INFL_INSERT, IDC_INFL_EDIT, IDC_INFL_DELETE}) m_Buttons.push_back(CTRL_BUTTON_CLASS({id}));
    m_InflEdits.m_Edit = [this](int at) -> int {
        if (at >= static_cast<int>(m_Record.vInfl.size())) return 0;
        DLG_INFL dialog(this, m_pWndList, &m_Infls, &m_Record.vInfl[at]);
        return dialog.DoModal(0) == 1;
    };
}

void DLG_DBSKILLTYPE::AttachLists() {
    DLG_DBLIST<cCompatiType>::AttachLists();
    m_Infls.Subclass(this, m_InflDesc);
    AddCtrl(&m_Infls);
    AttachSubList(m_InflEdits, &m_Infls, kInflCommands);
}
