// The movement-AI rule dialog "移動AI" (dialog 142): in which range the
// enemy looks for which target and what it does there, with the skill of a
// healing rule, a destination group, and the conditions under which the
// rule holds. It edits one rule of the stage enemy dialog's working copy,
// written back only on OK.
#pragma once

#include <string>
#include <vector>

#include "model/ai.h"
#include "ui/dlg_record.h"

class DLG_MOVEAI : public DLG_RECORD_CLASS {
public:
    // Placed centred on `placeRef`, the rule list.
    DLG_MOVEAI(WND_CLASS* parent, WND_LIST_CLASS* wndList, cMoveAI* rule, const CTRL_CLASS* placeRef);

    int OnCommand(WPARAM wParam, LPARAM lParam) override;

    // The enabling rules, from what the controls show.
    void UpdateControls();

    cMoveAI* m_pRule;
    VECTOR_CLASS<std::string> m_SkillListRows;
    VECTOR_CLASS<std::string> m_SkillRows;
    VECTOR_CLASS<int> m_SkillValues;
    VECTOR_CLASS<std::string> m_DestRows;
    VECTOR_CLASS<int> m_DestValues;
    VECTOR_CLASS<std::string> m_GValRows;

protected:
    void AttachCtrls() override;
    void OnCtrlsShown() override;

private:
    int Shown(WORD id);
    // The skill combo's rows for the chosen skill list; the first when its skill is not among them.
    void RefillSkills();
};
