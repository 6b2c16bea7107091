#include "database/skills/dlg_categ.h"

#include "editing/skill_combos.h"
#include "editing/symbol_preview.h"
#include "resources/db_skills_ids.h"

DLG_CATEG::DLG_CATEG(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, cCateg* categ)
    : DLG_RECORD_CLASS(IDD_CATEG, parent, WND_MODE_DIALOG, wndList, placeRef, 1), m_pCateg(categ) {
    SetInstance(this);
    FillNumberCombo(m_SymbolRows);
    // One character, a double-byte one counting one.
    m_Strs.push_back(CTRL_EDITSTR_CLASS({IDC_CATEG_NAME, &categ->strName, 2, 1, 1, 1, {}}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_CATEG_SYMBOLS, &categ->nSymbol, nullptr, &m_SymbolRows, 0, nullptr}));
    m_Rates.push_back(CTRL_EDITVAL_CLASS<double>({IDC_CATEG_RATE, &categ->dRate, 0.0, 99.9, 1650, 0.1}));
    m_Pictures.push_back(CTRL_PICTURE_CLASS({IDC_CATEG_SYMBOL, 32, 32, -1, -1}));
}

void DLG_CATEG::OnPaint() {
    if (!m_bCreated) return;
    DrawSymbolPreview(&m_Pictures[0], m_Combos[0].GetCurSel());
}
