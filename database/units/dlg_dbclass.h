// The class page "　　クラス　　" (tab 0): the classes with their recoloured
// graphic, movement, level limit and stats, their senses and own slots per
// skill list (edited in their dialogs), element resistances and normal
// attack. As the sheet's first page it also answers Apply and reports the
// sheet's end (the page frame does both).
#pragma once

#include <vector>

#include "database/sheet/db_list_page.h"
#include "model/class.h"
#include "ui/ctrl_slider.h"

class DLG_DBCLASS : public DLG_DBLIST<cClass> {
public:
    DLG_DBCLASS(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList);

    // The graphic preview, once the page is initialised.
    void OnPaint() override;

    // Sub-lists over the bound class's own vectors: the senses and own
    // slots one row per skill list, the resistances one per element but 0.
    CTRL_LIST_CLASS<VECTOR_CLASS<int>> m_Senses;
    CTRL_LIST_CLASS<int> m_Resists;
    CTRL_LIST_CLASS<cOrgSlotList> m_Slots;
    // Their rows are edited one at a time ("編集" or a double click).
    RECORD_SUBLIST m_SenseEdits, m_ResistEdits, m_SlotEdits;
    std::vector<CTRL_SLIDER_CLASS<short>> m_Sliders;
    VECTOR_CLASS<std::string> m_ListRows;   // skill lists, numbered from 01
    VECTOR_CLASS<std::string> m_SkillRows;  // skills 1 to the last of the normal attack's list

protected:
    void AttachLists() override;
    int OnPageCommand(WORD id, WORD code) override;
    void OnApplied() override;
    void BeforeShowRecord() override;
    void Renumber() override;
    void UpdatePageState() override;

private:
    void PickGraphic();
    // Rebuilds the recoloured row only when the graphic or a shift changed.
    void UpdatePreviewColours();

    CTRL_LIST_DESC<VECTOR_CLASS<int>> m_SenseDesc = {};
    CTRL_LIST_DESC<int> m_ResistDesc = {};
    CTRL_LIST_DESC<cOrgSlotList> m_SlotDesc = {};
    int m_Preview[4] = {-1, 0, 0, 0};  // graphic, hue, saturation, brightness of the row built last
};
