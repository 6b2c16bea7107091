#include "database/sheet/dlg_elem.h"

DLG_ELEM::DLG_ELEM(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, cElem* element)
    : DLG_RECORD_CLASS(IDD, parent, WND_MODE_DIALOG, wndList, placeRef, 0), m_pElem(element) {
    SetInstance(this);
    // One character, a double-byte one counting one.
    m_Strs.push_back(CTRL_EDITSTR_CLASS({IDC_ELEM_NAME, &m_pElem->Name, 2, 1, 1, 1, {0, 0, 0, 0}}));
}
