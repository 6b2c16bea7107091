#include "database/sheet/dlg_db_ptval.h"

#include "editing/common_variable.h"
#include "model/gvalinfo.h"
#include "model/media_database.h"
#include "ui/record_names.h"

namespace {

enum { IDC_PTVAL_LIST = 1387, IDC_PTVAL_VAR = 1309, IDC_PTVAL_RENAME = 1250 };
const int kBoundMax = 999999;

void PtValRow(std::string& text, int, const cPtVal& value) { text = value.Name; }

void BuildVarRows(VECTOR_CLASS<std::string>& rows) { MakeRecordNameList(rows, g_GValInfo, nullptr, 1, 1, 3, 0); }

}  // namespace

DLG_DB_PTVAL::DLG_DB_PTVAL(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList)
    : DLG_DBLIST<cPtVal>(resId, sheet, wndList, &g_Database.PtVals) {
    SetInstance(this);
    m_ListDesc = RecordListDesc(IDC_PTVAL_LIST, &g_Database.PtVals, &m_Work, &m_Record, 1, 1, 999, 1, PtValRow);
    BuildVarRows(m_VarRows);

    cPtVal& r = m_Record;
    m_Strs.push_back(CTRL_EDITSTR_CLASS({IDC_DBLIST_NAME, &r.Name, 13, 12, 1, 1, {}}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_PTVAL_VAR, &r.CommonVar, nullptr, &m_VarRows, 1, nullptr}));
    m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({1421, &r.Min, -kBoundMax, kBoundMax, 1422, 1}));
    m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({1423, &r.Max, -kBoundMax, kBoundMax, 1424, 1}));
    m_Strs.push_back(CTRL_EDITSTR_CLASS({1385, &r.Unit, 2, 1, 1, 1, {}}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({1425, &r.ShowInParty}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({1426, &r.ShowInSave}));
    m_Buttons.push_back(CTRL_BUTTON_CLASS({IDC_PTVAL_RENAME}));
}

int DLG_DB_PTVAL::OnPageCommand(WORD id, WORD code) {
    if (id != IDC_PTVAL_RENAME || code != BN_CLICKED) return 0;
    RenameVariable();
    return 1;
}

void DLG_DB_PTVAL::RenameVariable() {
    CTRL_COMBO_CLASS<int>* vars = FindCtrl(m_Combos, IDC_PTVAL_VAR);
    if (!vars || !RenameCommonVariable(this, vars->GetValue(), FindCtrl(m_Buttons, IDC_PTVAL_RENAME))) return;
    BuildVarRows(m_VarRows);
    vars->SetStrings(m_VarRows);
}
