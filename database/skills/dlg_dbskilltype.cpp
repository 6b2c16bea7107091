#include "database/skills/dlg_dbskilltype.h"

#include "database/skills/dlg_infl.h"
#include "database/skills/skill_list_rules.h"
#include "model/media_database.h"
#include "resources/db_skills_ids.h"

namespace {

const int kMaxTypes = 999, kMaxInfls = 999;
// The influence list's keys (accelerator table 130) and menu 169: cut, copy,
// paste, new, insert, clear, delete.
const WORD kInflKeys[LIST_CMD_COUNT] = {40040, 40035, 40038, 0, 40071, 0, 40039};
const WORD kInflMenu[LIST_CMD_COUNT] = {40075, 40076, 40077, 0, 40078, 0, 40079};

void TypeRow(std::string& text, int, const cCompatiType& type) { text = type.strName; }
// Names as the database holds them: a rename shows once the sheet applies it.
void InflRow(std::string& text, int, const cInfl& infl) { text = FormatInflRow(infl, g_Database.CompatiTypes); }

}  // namespace

DLG_DBSKILLTYPE::DLG_DBSKILLTYPE(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList)
    : DLG_DBLIST<cCompatiType>(resId, sheet, wndList, &g_Database.CompatiTypes) {
    SetInstance(this);
    if (g_Database.CompatiTypes.size() < 2) {
        g_Database.CompatiTypes.resize(2);
        m_Work.Assign(g_Database.CompatiTypes);
    }
    m_ListDesc =
        DbListDesc(IDC_SKILLTYPE_LIST, &g_Database.CompatiTypes, &m_Work, &m_Record, 1, 1, kMaxTypes, 1, TypeRow);
    m_InflDesc = DbListDesc<cInfl>(IDC_INFL_LIST, nullptr, &m_Record.vInfl, nullptr, 0, 0, kMaxInfls, 0, InflRow);
    m_Strs.push_back(CTRL_EDITSTR_CLASS({IDC_DBLIST_NAME, &m_Record.strName, 7, 6, 1, 1, {}}));
    for (WORD id : {IDC_INFL_INSERT, IDC_INFL_EDIT, IDC_INFL_DELETE}) m_Buttons.push_back(CTRL_BUTTON_CLASS({id}));
}

DLG_DBSKILLTYPE::~DLG_DBSKILLTYPE() {
    if (DLG_STATIC<DLG_DBSKILLTYPE>::s_pInstance == this) DLG_STATIC<DLG_DBSKILLTYPE>::s_pInstance = nullptr;
}

void DLG_DBSKILLTYPE::AttachLists() {
    DLG_DBLIST<cCompatiType>::AttachLists();
    m_Infls.Subclass(this, m_InflDesc);
    AddCtrl(&m_Infls);
    AddAccelerator(m_Infls.m_hWnd, IDR_ACCEL_DBSUBLIST);
    const WORD* k = kInflKeys;
    const WORD* m = kInflMenu;
    m_Infls.SetCommandIds(k[0], k[1], k[2], k[3], k[4], k[5], k[6]);
    m_Infls.SetContextMenu(IDR_MENU_DBSUBLIST, m[0], m[1], m[2], m[3], m[4], m[5], m[6]);
    m_Infls.SelectOnly(0, 0);
}

int DLG_DBSKILLTYPE::OnPageCommand(WORD id, WORD code) {
    if (id == IDC_INFL_LIST && code == LBN_SELCHANGE) {
        m_Infls.OnSelChange();
    } else if (id == IDC_INFL_INSERT && code == BN_CLICKED) {
        InsertInfluence();
    } else if ((id == IDC_INFL_EDIT && code == BN_CLICKED) || (id == IDC_INFL_LIST && code == LBN_DBLCLK)) {
        EditInfluence();
    } else if (id == IDC_INFL_DELETE && code == BN_CLICKED) {
        m_Infls.DeleteRecords(-1, 0);
        InfluencesChanged();
    } else if (m_Infls.OnListCommand(id) || m_Infls.OnListMenuCommand(id)) {
        InfluencesChanged();
    } else {
        return 0;
    }
    return 1;
}

void DLG_DBSKILLTYPE::InfluencesChanged() {
    m_Infls.FillList();
    m_Infls.RedrawList();
    m_List.StoreCurrentRecord();
}

void DLG_DBSKILLTYPE::InsertInfluence() {
    if (!m_Infls.InsertRecord()) return;  // full: beeped
    const int at = m_Infls.GetDataPos();
    if (at < 0 || at >= static_cast<int>(m_Record.vInfl.size())) return;
    m_Record.vInfl[at].SetDefault();
    RedrawList();  // drawn again under the dialog
    DLG_INFL dialog(this, m_pWndList, &m_Infls, &m_Record.vInfl[at]);
    if (dialog.DoModal(0) != 1) m_Infls.DeleteRecords(m_Infls.GetCurSel(), 1);
    InfluencesChanged();
}

void DLG_DBSKILLTYPE::EditInfluence() {
    m_Infls.m_nLastCommand = 7;
    const int at = m_Infls.GetDataPos();
    if (at < 0 || at >= static_cast<int>(m_Record.vInfl.size())) return;
    RedrawList();  // drawn again under the dialog
    DLG_INFL dialog(this, m_pWndList, &m_Infls, &m_Record.vInfl[at]);
    if (dialog.DoModal(0) == 1) InfluencesChanged();
}

void DLG_DBSKILLTYPE::ShowListMenu(POINT at) {
    if (m_List.SelectAtPoint(at)) {
        if (m_hMenu) TrackPopup(m_hMenu);
    } else if (m_Infls.SelectAtPoint(at) && m_Infls.m_hMenu) {
        TrackPopup(m_Infls.m_hMenu);
    }
}
