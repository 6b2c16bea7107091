// What the ally and enemy pages share: record 0 hidden and the list padded
// to two records, the name with its random-name choice, class and level,
// growth timing and random growth, the nine initial and final stats beside
// the computed "ゲーム値" and "参考値", the class names rebuilt after an
// Apply, and a second list of records kept inside the character (learnt
// skills, battle-AI rules), each edited in its own dialog.
#pragma once

#include "database/sheet/db_list_page.h"
#include "model/chara.h"

// The ids in which the two pages differ.
struct CHARA_PAGE_IDS {
    WORD list;                // the characters
    WORD nameList;            // the random-name lists
    WORD growth, growthSpin;  // the growth timing
    SUBLIST_IDS sub;          // the second list and its buttons
    int subMax;               // the most records it holds
    int selectNext;           // after "挿入" and OK, the row after the new record is selected
};

template <class T, class S>
class DLG_DBCHARA : public DLG_DBLIST<T> {
public:
    // `subRecords` is the second list's vector inside the bound record.
    DLG_DBCHARA(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList, VECTOR_CLASS<T>* source,
                const CHARA_PAGE_IDS& ids, VECTOR_CLASS<S> T::*subRecords, typename CTRL_LIST_DESC<S>::ROW_TEXT subRow);

    // The second list and its commands; m_Sub.m_Edit is the page's dialog.
    CTRL_LIST_CLASS<S> m_SubList;
    RECORD_SUBLIST m_Sub;
    VECTOR_CLASS<std::string> m_ClassRows;  // classes 1 to the last

protected:
    void AttachLists() override;
    void OnApplied() override;
    void Renumber() override;
    void UpdatePageState() override;
    // Enable states that follow the check boxes.
    virtual void UpdateEnables();
    int IsChecked(WORD id);

    CHARA_PAGE_IDS m_Ids;

private:
    CTRL_LIST_DESC<S> m_SubDesc = {};
    void ShowFigures();
};
