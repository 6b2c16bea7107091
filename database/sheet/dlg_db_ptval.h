// The party-variable page "パーティー変数" (tab 6): named values of the
// party, each kept in a common variable; also where common variables are
// renamed.
#pragma once

#include "database/sheet/db_list_page.h"
#include "model/media_records.h"

class DLG_DB_PTVAL : public DLG_DBLIST<cPtVal> {
public:
    DLG_DB_PTVAL(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList);

    VECTOR_CLASS<std::string> m_VarRows;  // common variables 1 to the last

protected:
    int OnPageCommand(WORD id, WORD code) override;

private:
    // Renames the common variable the combo shows, in the global names at once.
    void RenameVariable();
};
