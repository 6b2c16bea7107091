// Every string edit of every database page, on a record whose texts pass
// their limits (names from another tool or an older version): each text is
// shown whole, the page stores it byte for byte, and typing at its end
// cannot lengthen it.
#include "tests/support/stored_texts.h"

#include <string>
#include <vector>

#include "tests/database/sheet/sheet_test_support.h"

TEST_F(SheetTest, EveryPageShowsAndKeepsTextsBeyondTheirLimits) {
    Open();
    size_t total = 0;
    for (int tab = 0; tab < PROP_DATABASE::PAGE_COUNT; ++tab) {
        DLG_CLASS* page = Show<DLG_CLASS>(tab);
        if (!page || !page->m_hWnd) continue;
        SCOPED_TRACE("tab " + std::to_string(tab));
        std::vector<CTRL_EDITSTR_CLASS*> edits = StringEdits(page);
        std::vector<std::string> stored;
        for (CTRL_EDITSTR_CLASS* e : edits) {
            stored.push_back(e->m_pValue ? OverLongTextFor(*e) : std::string());
            if (!e->m_pValue) continue;
            // As the page shows its record: the bound text shown again.
            *e->m_pValue = stored.back();
            e->ValueToCtrl();
        }
        for (bool typeAtEnd : {false, true}) {
            size_t count = 0;
            EXPECT_EQ(std::vector<std::string>{}, StoredTextFaults(page, typeAtEnd, &count)) << typeAtEnd;
            // As the page stores its record after a change.
            for (CTRL_EDITSTR_CLASS* e : edits) e->CtrlToValue();
            for (size_t i = 0; i < edits.size(); ++i) {
                if (edits[i]->m_pValue) {
                    EXPECT_EQ(stored[i], *edits[i]->m_pValue) << edits[i]->m_wId << " " << typeAtEnd;
                }
            }
        }
        total += edits.size();
    }
    EXPECT_LE(20u, total) << "the names, descriptions, labels and paths of the pages";
}
