#include "database/media/dlg_text.h"

#include "editing/skill_combos.h"
#include "editing/symbol_preview.h"
#include "resources/db_media_ids.h"

DLG_TEXT::DLG_TEXT(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, cEdHelpText* text)
    : DLG_RECORD_CLASS(IDD_TEXT, parent, WND_MODE_DIALOG, wndList, placeRef, 1), m_pText(text) {
    SetInstance(this);
    FillNumberCombo(m_SymbolRows);
    // Size 0: the toolkit's 4096.
    m_Strs.push_back(CTRL_EDITSTR_CLASS({IDC_TEXT_EDIT, &text->strText, 0, 39, 29, 1, {}}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_HELP_SYMBOLS, &m_nSymbol, nullptr, &m_SymbolRows, 0, nullptr}));
    m_Pictures.push_back(CTRL_PICTURE_CLASS({IDC_HELP_SYMBOL, 32, 32, -1, -1}));
}

int DLG_TEXT::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int r = ModalOnCommand(wParam, lParam);
    if (LOWORD(wParam) == IDC_HELP_SYMBOLS && HIWORD(wParam) == CBN_SELCHANGE) DrawPreview();
    return r;
}

void DLG_TEXT::DrawPreview() {
    if (!m_hWnd || m_Pictures.empty()) return;
    CTRL_COMBO_CLASS<int>& symbols = m_Combos[0];
    DrawSymbolPreview(&m_Pictures[0], symbols.m_hWnd ? symbols.GetCurSel() : -1);
}
