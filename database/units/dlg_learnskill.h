// "習得スキル": one skill an ally learns at a level (skill list, skill of
// that list, level), edited in place; OK writes the controls into it,
// Cancel and the close box leave it as it was.
#pragma once

#include <vector>

#include "model/skill.h"
#include "ui/ctrl_combo.h"
#include "ui/ctrl_editval.h"
#include "ui/dlg.h"

class DLG_LEARNSKILL : public DLG_CLASS {
public:
    enum { IDD = 126, IDC_LIST = 1127, IDC_SKILL = 1125, IDC_LEVEL = 1116 };
    // Placed centred on `placeRef`, the ally page's learnt-skill list.
    DLG_LEARNSKILL(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, cLearnSkill* entry);
    ~DLG_LEARNSKILL() override;

    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        return ModalProc(hwnd, msg, wParam, lParam);
    }

    cLearnSkill* m_pEntry;
    VECTOR_CLASS<std::string> m_ListRows, m_SkillRows;
    std::vector<CTRL_COMBO_CLASS<int>> m_Combos;
    std::vector<CTRL_EDITVAL_CLASS<int>> m_Edits;
};
