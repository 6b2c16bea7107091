// "センス": the senses of a class for one skill list, one value per
// category of that list (how easily the class learns its skills, 0 to 99).
// It edits a copy; OK writes it into the class, Cancel and the close box
// leave the class as it was.
#pragma once

#include <vector>

#include "ui/ctrl_list.h"
#include "ui/dlg_record.h"
#include "ui/record_sublist.h"

class DLG_SENSE : public DLG_RECORD_CLASS {
public:
    enum { IDD = 216, IDC_SENSES = 1543, IDC_EDIT = 1226 };
    // `senses`: the class's row of skill list `skillList`.
    DLG_SENSE(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, VECTOR_CLASS<int>* senses,
              int skillList);

    int OnCommand(WPARAM wParam, LPARAM lParam) override;

    int m_nSkillList;
    VECTOR_CLASS<int> m_Work;
    CTRL_LIST_CLASS<int> m_List;
    CTRL_LIST_DESC<int> m_Desc = {};
    // A sense is edited in a number box ("編集" or a double click).
    RECORD_SUBLIST m_SenseEdits;

protected:
    void AttachCtrls() override;
};
