// The stage enemy dialog "敵" (dialog 169): which enemy of the database a
// placed enemy is, its group and character ID, and its movement-AI rules,
// which it also loads from, stores as and overwrites movement-AI templates.
// The rules are edited on a working copy; the record changes only on OK.
// The template commands change the templates and their file at once.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/placement.h"
#include "ui/ctrl_list.h"
#include "ui/dlg_record.h"
#include "ui/record_sublist.h"

class DLG_MOVEAI;
class DLG_MOVEAITEMPLATE;

class DLG_ENEMY_SET : public DLG_RECORD_CLASS {
public:
    enum { MAX_RULES = 10 };

    // `beforeCommit` runs on OK before the record changes: the stage's undo step.
    DLG_ENEMY_SET(WND_CLASS* parent, WND_LIST_CLASS* wndList, cPutEnemy* record, std::function<void()> beforeCommit);
    ~DLG_ENEMY_SET() override;

    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    void LoadTemplate();
    void OverwriteTemplate();
    void SaveAsTemplate();
    void ArrangeTemplates();

    cPutEnemy* m_pRecord;
    VECTOR_CLASS<cMoveAI> m_Rules;                  // the rule list's working copy
    VECTOR_CLASS<cMoveAITemplate> m_TemplatesWork;  // the template dialog's copy of the templates
    int m_nTemplate = 0;                            // the template combo's row
    VECTOR_CLASS<std::string> m_EnemyRows;
    VECTOR_CLASS<std::string> m_TemplateRows;
    CTRL_LIST_CLASS<cMoveAI> m_RuleList;
    // "挿入" (a new rule before the current row, edited at once and gone
    // again after a cancel), "編集", "削除", keys and menu.
    RECORD_SUBLIST m_RuleEdits;
    DLG_MOVEAI* m_lpMoveAI = nullptr;
    DLG_MOVEAITEMPLATE* m_lpTemplates = nullptr;

protected:
    void AttachCtrls() override;
    void OnCtrlsShown() override { UpdateControls(); }

private:
    void UpdateControls();
    void BuildTemplateRows();
    // The template the combo shows, or -1 after the error box.
    int ChosenTemplate();
    int RunTemplateDialog(int newTemplate);

    std::function<void()> m_BeforeCommit;
};
