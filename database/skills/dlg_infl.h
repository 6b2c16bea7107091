// "相性": one influence of a compatibility type, laid out as a sentence
// (against type X, stat, operator, value) and edited in place; OK writes it,
// Cancel leaves it as it was.
#pragma once

#include <vector>

#include "model/media_records.h"
#include "ui/ctrl_combo.h"
#include "ui/ctrl_editval.h"
#include "ui/dlg.h"

class DLG_INFL : public DLG_CLASS {
public:
    enum { IDC_INFL_TARGET = 1309, IDC_INFL_STAT = 1310, IDC_INFL_OPERATOR = 1308, IDC_INFL_VALUE = 11083 };
    // Centred on `placeRef`, the influence list.
    DLG_INFL(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, cInfl* infl);
    ~DLG_INFL() override;

    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        return ModalProc(hwnd, msg, wParam, lParam);
    }

    cInfl* m_pInfl;
    VECTOR_CLASS<std::string> m_TypeRows;  // the database's types from 1
    std::vector<CTRL_COMBO_CLASS<int>> m_Combos;
    std::vector<CTRL_EDITVAL_CLASS<int>> m_Edits;
};
