// "属性の種類": the name of one element, edited in place in system page 4's
// working copy; OK writes it, Cancel leaves the element as it was.
#pragma once

#include <vector>

#include "model/system.h"
#include "ui/ctrl_editstr.h"
#include "ui/dlg.h"

class DLG_ELEM : public DLG_CLASS {
public:
    enum { IDD = 119, IDC_ELEM_NAME = 1044 };
    DLG_ELEM(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, cElem* element);
    ~DLG_ELEM() override;

    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override { return ModalOnCommand(wParam, lParam); }
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        return ModalProc(hwnd, msg, wParam, lParam);
    }

    cElem* m_pElem;
    std::vector<CTRL_EDITSTR_CLASS> m_Strs;
};
