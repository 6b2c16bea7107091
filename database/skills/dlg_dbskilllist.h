// The skill-list page "　　スキル　　" (tab 3): up to 16 skill lists
// ("スキルグループ") with their options, scenes, menu labels and
// confirmation menus; the categories and slots of the selected list in two
// lists of their own, each edited in its dialog; and the button that opens
// the skill sheet on the selected list.
#pragma once

#include "database/sheet/db_list_page.h"
#include "model/skill.h"

class PROP_DBSKILL;

class DLG_DBSKILLLIST : public DLG_DBLIST<cSkillList> {
public:
    // An empty database gets one default skill list first.
    DLG_DBSKILLLIST(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList);
    ~DLG_DBSKILLLIST() override;

    PROP_DBSKILL* SkillSheet() const override { return m_pSkillSheet; }
    // The working record (the selected list, which the skill sheet edits)
    // back into the working copy and its row.
    void StoreSkillList() { m_List.StoreCurrentRecord(); }

    CTRL_LIST_CLASS<cCateg> m_Categs;
    CTRL_LIST_CLASS<cSlot> m_Slots;
    // Their commands: "新規", "ｸﾘｱ", "ﾃﾞｰﾀ数", "編集", keys and menu.
    RECORD_SUBLIST m_CategEdits;
    RECORD_SUBLIST m_SlotEdits;
    VECTOR_CLASS<std::string> m_vTradeValName;  // party variables 1 to the last
    PROP_DBSKILL* m_pSkillSheet = nullptr;      // the registry deletes it once closed

protected:
    void AttachLists() override;
    int OnPageCommand(WORD id, WORD code) override;
    void OnApplied() override;
    void Renumber() override;
    void UpdatePageState() override;

private:
    void OpenSkillSheet();
    void EnableId(WORD id, int flag);

    CTRL_LIST_DESC<cCateg> m_CategDesc = {};
    CTRL_LIST_DESC<cSlot> m_SlotDesc = {};
};
