// The skill sheet: the skills of one skill list, opened from the database
// sheet's skill-list page. The idle routine drives its previews.
#pragma once

#include "ui/dlg.h"
#include "ui/prop.h"

class PROP_DBSKILL : public PROP_CLASS {
public:
    PROP_DBSKILL(int modeless, WND_CLASS* parent, WND_LIST_CLASS* wndList);
    ~PROP_DBSKILL() override;
    // One idle step: the page showing redraws.
    void OnIdle(int advance);

    DLG_CLASS* m_pPage = nullptr;
};
