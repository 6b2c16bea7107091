// "カテゴリー": one category of a skill list (its one-character name, its
// symbol with a preview, its rate in random sense gains), edited in place;
// OK writes it, Cancel leaves it as it was.
#pragma once

#include <vector>

#include "model/skill.h"
#include "ui/ctrl_combo.h"
#include "ui/ctrl_editstr.h"
#include "ui/ctrl_editval.h"
#include "ui/dlg.h"

class DLG_CATEG : public DLG_CLASS {
public:
    enum { IDC_CATEG_NAME = 1044, IDC_CATEG_SYMBOLS = 1068, IDC_CATEG_SYMBOL = 1069, IDC_CATEG_RATE = 1649 };
    // Centred on `placeRef`, the list the category was chosen in.
    DLG_CATEG(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, cCateg* categ);
    ~DLG_CATEG() override;

    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override { return ModalOnCommand(wParam, lParam); }
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        return ModalProc(hwnd, msg, wParam, lParam);
    }
    // The chosen symbol, doubled in size.
    void OnPaint() override;

    cCateg* m_pCateg;
    VECTOR_CLASS<std::string> m_SymbolRows;
    std::vector<CTRL_EDITSTR_CLASS> m_Strs;
    std::vector<CTRL_COMBO_CLASS<int>> m_Combos;
    std::vector<CTRL_EDITVAL_CLASS<double>> m_Rates;
    std::vector<CTRL_PICTURE_CLASS> m_Pictures;
};
