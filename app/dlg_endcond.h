// One explanation line "説明" (dialog 145): its text, what the map cursor is
// put on when the player selects the line (the leader, an enemy by its
// character ID, a position group or a cell), and the group shown then. It
// edits a line of the stage settings' working copy.
#pragma once

#include <string>
#include <vector>

#include "model/stage.h"
#include "ui/dlg_record.h"

class DLG_ENDCOND : public DLG_RECORD_CLASS {
public:
    DLG_ENDCOND(WND_CLASS* parent, WND_LIST_CLASS* wndList, cEndCond* line);

    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Which of the target's fields apply, from the target the combo shows.
    void UpdateControls();

    cEndCond* m_pLine;
    VECTOR_CLASS<std::string> m_GroupRows;
    VECTOR_CLASS<std::string> m_ShownRows;

protected:
    void AttachCtrls() override;
    void OnCtrlsShown() override { UpdateControls(); }
};
