// "スロット": one slot of a skill list, edited in place: whether it takes
// every category the character can learn or only those of its conditions,
// the conditions themselves, and the symbol shown while it is empty. OK
// writes it, Cancel leaves it as it was. The class page's slot organisation
// opens it too, on a slot and the categories of that slot's skill list.
#pragma once

#include <vector>

#include "model/skill.h"
#include "ui/ctrl_list.h"
#include "ui/dlg_record.h"

class DLG_SLOT : public DLG_RECORD_CLASS {
public:
    enum {
        IDC_SLOT_ALL = 1391,
        IDC_SLOT_CONDS = 1392,
        IDC_SLOT_INSERT = 1393,
        IDC_SLOT_DELETE = 1394,
        IDC_SLOT_CATEG = 1395,
        IDC_SLOT_ALL_SYMBOLS = 1396,
        IDC_SLOT_SYMBOLS = 1068,
        IDC_SLOT_SYMBOL = 1069,
    };
    // Centred on `placeRef`, the list the slot was chosen in.
    DLG_SLOT(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, cSlot* slot,
             const VECTOR_CLASS<cCateg>* categories);

    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    // The symbol shown while the slot is empty, doubled in size.
    void OnPaint() override;

    cSlot* m_pSlot;
    const VECTOR_CLASS<cCateg>* m_pCategs;
    VECTOR_CLASS<cAcqCond> m_Conds;  // the conditions' working copy
    int m_nCateg = 0;                // the category "挿入" gives a new condition
    VECTOR_CLASS<std::string> m_CategRows;
    VECTOR_CLASS<std::string> m_SymbolRows;
    CTRL_LIST_CLASS<cAcqCond> m_CondList;

protected:
    void AttachCtrls() override;
    void OnCtrlsShown() override { UpdateEnables(); }

private:
    void InsertCondition();
    void UpdateEnables();
};
