// "習得スキル": one skill an ally learns at a level (skill list, skill of
// that list, level), edited in place; OK writes the controls into it,
// Cancel and the close box leave it as it was.
#pragma once

#include <vector>

#include "model/skill.h"
#include "ui/dlg_record.h"

class DLG_LEARNSKILL : public DLG_RECORD_CLASS {
public:
    enum { IDD = 126, IDC_LIST = 1127, IDC_SKILL = 1125, IDC_LEVEL = 1116 };
    // Placed centred on `placeRef`, the ally page's learnt-skill list.
    DLG_LEARNSKILL(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, cLearnSkill* entry);

    int OnCommand(WPARAM wParam, LPARAM lParam) override;

    cLearnSkill* m_pEntry;
    VECTOR_CLASS<std::string> m_ListRows, m_SkillRows;
};
