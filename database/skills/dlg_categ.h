// "カテゴリー": one category of a skill list (its one-character name, its
// symbol with a preview, its rate in random sense gains), edited in place;
// OK writes it, Cancel leaves it as it was.
#pragma once

#include <vector>

#include "model/skill.h"
#include "ui/dlg_record.h"

class DLG_CATEG : public DLG_RECORD_CLASS {
public:
    enum { IDC_CATEG_NAME = 1044, IDC_CATEG_SYMBOLS = 1068, IDC_CATEG_SYMBOL = 1069, IDC_CATEG_RATE = 1649 };
    // Centred on `placeRef`, the list the category was chosen in.
    DLG_CATEG(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, cCateg* categ);

    // The chosen symbol, doubled in size.
    void OnPaint() override;

    cCateg* m_pCateg;
    VECTOR_CLASS<std::string> m_SymbolRows;
    std::vector<CTRL_EDITVAL_CLASS<double>> m_Rates;

protected:
    void AttachCtrls() override { AddCtrls(m_Rates); }
};
