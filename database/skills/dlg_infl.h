// "相性": one influence of a compatibility type, laid out as a sentence
// (against type X, stat, operator, value) and edited in place; OK writes it,
// Cancel leaves it as it was. A target type that no longer exists shows no
// row and stays unless another is chosen, as any combo keeps a value it has
// no row for.
#pragma once

#include <vector>

#include "model/media_records.h"
#include "ui/dlg_record.h"

class DLG_INFL : public DLG_RECORD_CLASS {
public:
    enum { IDC_INFL_TARGET = 1309, IDC_INFL_STAT = 1310, IDC_INFL_OPERATOR = 1308, IDC_INFL_VALUE = 11083 };
    // Centred on `placeRef`, the influence list.
    DLG_INFL(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, cInfl* infl);

    cInfl* m_pInfl;
    VECTOR_CLASS<std::string> m_TypeRows;  // the database's types from 1
};
