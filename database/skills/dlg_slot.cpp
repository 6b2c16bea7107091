#include "database/skills/dlg_slot.h"

#include "database/sheet/db_list_page.h"
#include "database/skills/skill_list_rules.h"
#include "editing/skill_combos.h"
#include "editing/skill_rows.h"
#include "editing/symbol_preview.h"
#include "resources/db_skills_ids.h"
#include "ui/record_names.h"

namespace {

const int kMaxConds = 99;

void CondRow(std::string& text, int, const cAcqCond& cond) {
    const DLG_SLOT* dialog = DLG_STATIC<DLG_SLOT>::s_pInstance;
    text = dialog ? CategoryName(*dialog->m_pCategs, cond.nCateg) : std::string();
}

}  // namespace

DLG_SLOT::DLG_SLOT(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, cSlot* slot,
                   const VECTOR_CLASS<cCateg>* categories)
    : DLG_RECORD_CLASS(IDD_SLOT, parent, WND_MODE_DIALOG, wndList, placeRef, 1), m_pSlot(slot), m_pCategs(categories) {
    SetInstance(this);
    MakeRecordNameList(m_CategRows, *categories, nullptr, 0, 1, 2, 1);
    FillNumberCombo(m_SymbolRows);
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({IDC_SLOT_ALL, &slot->bAllCateg}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({IDC_SLOT_ALL_SYMBOLS, &slot->bShowAllSymbols}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_SLOT_CATEG, &m_nCateg, nullptr, &m_CategRows, 0, nullptr}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_SLOT_SYMBOLS, &slot->nSymbol, nullptr, &m_SymbolRows, 0, nullptr}));
    m_Buttons.push_back(CTRL_BUTTON_CLASS({IDC_SLOT_INSERT}));
    m_Buttons.push_back(CTRL_BUTTON_CLASS({IDC_SLOT_DELETE}));
    m_Pictures.push_back(CTRL_PICTURE_CLASS({IDC_SLOT_SYMBOL, 32, 32, -1, -1}));
}

void DLG_SLOT::AttachCtrls() {
    m_CondList.Subclass(this, RecordListDesc<cAcqCond>(IDC_SLOT_CONDS, &m_pSlot->vAcqCond, &m_Conds, nullptr, 1, 0,
                                                       kMaxConds, 0, CondRow));
    AddCtrl(&m_CondList);
    // Ctrl+I inserts one condition and Delete deletes: the keys give one command each.
    m_CondList.SetCommandIds(40030, 40031, 40032, 0, 40069, 0, 40034);
}

LRESULT DLG_SLOT::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT r = ModalProc(hwnd, msg, wParam, lParam);
    // A right click selects the condition under it; the list has no menu.
    if (m_hWnd && IsRightClicked()) m_CondList.SelectAtPoint(m_CursorPos);
    return r;
}

int DLG_SLOT::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!CheckCommand(wParam)) return 0;
    DLG_CLASS::OnCommand(wParam, lParam);
    const WORD id = LOWORD(wParam), code = HIWORD(wParam);
    if (id == IDC_SLOT_INSERT && code == BN_CLICKED) InsertCondition();
    if (id == IDC_SLOT_DELETE && code == BN_CLICKED) m_CondList.DeleteRecords(-1, 0);
    if (id == IDC_DLG_OK) {
        StoreCtrls();
        End(1);
        return 1;
    }
    if (id == IDC_DLG_CANCEL) {
        End(0);
        return 1;
    }
    if (m_CondList.OnListCommand(id) || m_CondList.OnListMenuCommand(id)) m_CondList.FillList();
    if (m_bCreated) UpdateEnables();
    RedrawList();
    return 1;
}

void DLG_SLOT::InsertCondition() {
    // No category chosen (a list without categories): nothing to name.
    const int categ = m_Combos[0].GetCurSel();
    if (categ < 0 || !m_CondList.InsertRecord()) {
        if (categ < 0) MessageBeep(0);
        return;
    }
    const int at = m_CondList.GetDataPos();
    if (at >= 0 && at < static_cast<int>(m_Conds.size())) m_Conds[at].nCateg = categ;
    m_CondList.FillList();
}

void DLG_SLOT::UpdateEnables() {
    const int all = m_Checks[0].GetCheck() == BST_CHECKED;
    for (WORD id : {IDC_SLOT_CATEG, IDC_SLOT_INSERT, IDC_SLOT_DELETE}) EnableWindow(GetDlgItem(m_hWnd, id), !all);
    m_CondList.Enable(!all);
    EnableWindow(GetDlgItem(m_hWnd, IDC_SLOT_SYMBOLS), m_Checks[1].GetCheck() != BST_CHECKED);
}

void DLG_SLOT::OnPaint() {
    if (m_bCreated) DrawSymbolPreview(&m_Pictures[0], m_Combos[1].GetCurSel());
}
