// The movement-AI templates "移動AIテンプレート" (dialog 219): the user's
// named rule sets, named, described, reordered and deleted here on a copy
// that reaches the templates and "data\MoveAITemplate.dat" only on OK.
#pragma once

#include <vector>

#include "model/ai.h"
#include "ui/ctrl_list.h"
#include "ui/dlg_record.h"

class DLG_MOVEAITEMPLATE : public DLG_RECORD_CLASS {
public:
    // `templates`: the stage enemy dialog's copy; `newTemplate`: its last
    // template was just added and is to be named.
    DLG_MOVEAITEMPLATE(WND_CLASS* parent, WND_LIST_CLASS* wndList, VECTOR_CLASS<cMoveAITemplate>* templates,
                       int newTemplate);

    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    int m_bNewTemplate;
    VECTOR_CLASS<cMoveAITemplate>* m_pTemplates;
    VECTOR_CLASS<cMoveAITemplate> m_Work;  // the list's working copy
    cMoveAITemplate m_Template;            // the selected template
    CTRL_LIST_CLASS<cMoveAITemplate> m_List;

protected:
    void AttachCtrls() override;
};
