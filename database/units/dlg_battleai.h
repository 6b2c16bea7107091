// "戦闘AI": one battle-AI rule of an enemy (action, skill, priority level and
// value, and its conditions), edited in place; and "戦闘AI 条件": one
// condition, read as the sentence subject "の" item "が" value comparison.
// OK writes the controls (and the condition list) into the record; Cancel
// and the close box leave it as it was.
#pragma once

#include <vector>

#include "model/ai.h"
#include "ui/dlg_record.h"
#include "ui/record_sublist.h"

class DLG_BATTLEAI : public DLG_RECORD_CLASS {
public:
    enum {
        IDD = 132,
        IDC_ACTION = 1180,
        IDC_LIST = 1127,
        IDC_SKILL = 1181,
        IDC_CONDS = 1186,
        IDC_INSERT = 1192,
        IDC_EDIT = 1193,
        IDC_DELETE = 1194,
    };
    // Placed centred on `placeRef`, the enemy page's rule list.
    DLG_BATTLEAI(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, cBattleAI* rule);

    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    cBattleAI* m_pRule;
    VECTOR_CLASS<cBattleAICond> m_Conds;  // the working copy the condition list shows
    CTRL_LIST_CLASS<cBattleAICond> m_CondList;
    RECORD_SUBLIST m_CondEdits;
    VECTOR_CLASS<std::string> m_ListRows, m_SkillRows;

protected:
    void AttachCtrls() override;
    void OnCtrlsShown() override { UpdateEnables(); }

private:
    // The skill combos serve every action but the attack.
    void UpdateEnables();
};

class DLG_BATTLEAI_COND : public DLG_RECORD_CLASS {
public:
    enum { IDD = 133, IDC_SUBJECT = 1187, IDC_ITEM = 1188, IDC_VALUE = 11083, IDC_COMPARE = 1189, IDC_PERCENT = 1035 };
    DLG_BATTLEAI_COND(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, cBattleAICond* cond);
};
