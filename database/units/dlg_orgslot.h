// "スロット": a class's own slot organisation for one skill list: whether the
// class uses slots of its own for that list, and those slots (each taking
// every category, "無制限", or the categories it lists). It edits a copy;
// OK writes it and the flag into the class, Cancel and the close box leave
// the class as it was.
#pragma once

#include <vector>

#include "model/skill.h"
#include "ui/ctrl_list.h"
#include "ui/dlg_record.h"
#include "ui/record_sublist.h"

class DLG_ORGSLOT;

// Edits one slot in place with the skill pages' slot dialog, offering the
// categories of `skillList`; 1 after OK. The library above both sets it;
// while it is unset a slot cannot be edited here (a beep).
typedef int (*ORGSLOT_EDITOR)(DLG_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* list, cSlot* slot,
                              int skillList);
extern ORGSLOT_EDITOR g_pfnEditOrgSlot;

class DLG_ORGSLOT : public DLG_RECORD_CLASS {
public:
    enum {
        IDD = 223,
        IDC_OWN = 1622,
        IDC_SLOTS = 1074,
        IDC_NEW = 1070,
        IDC_EDIT = 1077,
        IDC_CLEAR = 1071,
        IDC_COUNT = 1072,
    };
    // `org`: the class's entry of skill list `skillList`.
    DLG_ORGSLOT(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, cOrgSlotList* org,
                int skillList);

    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    int m_nSkillList;
    VECTOR_CLASS<cSlot> m_Work;
    CTRL_LIST_CLASS<cSlot> m_List;
    CTRL_LIST_DESC<cSlot> m_Desc = {};
    // The slots' commands: "新規", "編集", "ｸﾘｱ", "ﾃﾞｰﾀ数", keys and menu.
    RECORD_SUBLIST m_SlotEdits;

protected:
    void AttachCtrls() override;
    void OnCtrlsShown() override { UpdateEnables(); }

private:
    // The list and its buttons serve only a class with slots of its own.
    void UpdateEnables();
    int OwnSlots();
};
