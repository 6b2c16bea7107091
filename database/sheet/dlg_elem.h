// "属性の種類": the name of one element, edited in place in system page 4's
// working copy; OK writes it, Cancel leaves the element as it was.
#pragma once

#include <vector>

#include "model/system.h"
#include "ui/dlg_record.h"

class DLG_ELEM : public DLG_RECORD_CLASS {
public:
    enum { IDD = 119, IDC_ELEM_NAME = 1044 };
    DLG_ELEM(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, cElem* element);

    cElem* m_pElem;
};
