// The movement-AI rule dialog "移動AI" (dialog 142): in which range the
// enemy looks for which target and what it does there, with the skill of a
// healing rule, a destination group, and the conditions under which the
// rule holds. It edits one rule of the stage enemy dialog's working copy,
// written back only on OK.
#pragma once

#include <string>
#include <vector>

#include "model/ai.h"
#include "ui/ctrl_combo.h"
#include "ui/ctrl_editval.h"
#include "ui/dlg.h"

class DLG_MOVEAI : public DLG_CLASS {
public:
    // Placed centred on `placeRef`, the rule list.
    DLG_MOVEAI(WND_CLASS* parent, WND_LIST_CLASS* wndList, cMoveAI* rule, const CTRL_CLASS* placeRef);

    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        return ModalProc(hwnd, msg, wParam, lParam);
    }

    // The enabling rules, from what the controls show.
    void UpdateControls();

    cMoveAI* m_pRule;
    VECTOR_CLASS<std::string> m_SkillListRows;
    VECTOR_CLASS<std::string> m_SkillRows;
    VECTOR_CLASS<int> m_SkillValues;
    VECTOR_CLASS<std::string> m_DestRows;
    VECTOR_CLASS<int> m_DestValues;
    VECTOR_CLASS<std::string> m_GValRows;
    std::vector<CTRL_EDITVAL_CLASS<int>> m_Edits;
    std::vector<CTRL_CHECK_CLASS<int>> m_Checks;
    std::vector<CTRL_COMBO_CLASS<int>> m_Combos;
    std::vector<CTRL_BUTTON_CLASS> m_Buttons;

private:
    int Shown(WORD id);
    // The skill combo's rows for the chosen skill list; the first when its skill is not among them.
    void RefillSkills();
};
