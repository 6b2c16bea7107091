#include "database/media/dlg_text.h"

#include "media/image_table.h"
#include "resources/db_media_ids.h"
#include "ui/record_names.h"

void DrawSymbolPreview(CTRL_PICTURE_CLASS* picture, int n) {
    if (!picture || !picture->m_hWndDC || !picture->Surface()) return;
    cDib* surface = picture->Surface();
    surface->Fill(RGB(0, 0, 0));
    int sx = 0, sy = 0;
    if (SymbolCell(n, &sx, &sy)) surface->StretchBlt(0, 0, 32, 32, &SymbolSheet, sx, sy, 16, 16, 0);
    picture->Present();
}

void MakeSymbolRows(VECTOR_CLASS<std::string>& rows) {
    MakeNumberRows(rows, SymbolSheet.m_nWidth, SymbolSheet.m_nHeight);
}

DLG_TEXT::DLG_TEXT(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, cEdHelpText* text)
    : DLG_RECORD_CLASS(IDD_TEXT, parent, WND_MODE_DIALOG, wndList, placeRef, 1), m_pText(text) {
    SetInstance(this);
    MakeSymbolRows(m_SymbolRows);
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
