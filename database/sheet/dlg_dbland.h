// The land page "　　地形　　" (tab 5): the land types with their move cost,
// graphic, stat and element modifiers, battle background and special effect.
#pragma once

#include "database/sheet/db_list_page.h"
#include "model/land.h"

class DLG_DBLAND : public DLG_DBLIST<cLand> {
public:
    // An empty land list gets one default land in the database itself.
    DLG_DBLAND(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList);

    // The symbol and map-chip previews, once the page is initialised.
    void OnPaint() override;

    // The element rates of the bound land; element 0 is never shown.
    CTRL_LIST_CLASS<int> m_Elems;
    // A rate is edited in a number box ("編集" or a double click).
    RECORD_SUBLIST m_ElemEdits;
    int m_nSymbol = 0;  // the symbol the preview shows; never stored
    VECTOR_CLASS<std::string> m_BackRows;
    VECTOR_CLASS<std::string> m_SymbolRows;

protected:
    void AttachLists() override;
    int OnPageCommand(WORD id, WORD code) override;
    void OnApplied() override;
    void Renumber() override;
    void AfterRecordChange() override;

private:
    void PickChip();
    CTRL_LIST_DESC<int> m_ElemDesc = {};
};

// The word table of the special effects, row = value.
extern const char* const g_WordLandEffect[];
