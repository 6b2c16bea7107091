// The skill sheet "スキルの設定": the skills of one skill list, opened from
// the skill-list page on its working record with every other window
// disabled. Its one page commits into that record on OK and Apply; the idle
// routine drives the page's previews while the sheet is open.
#pragma once

#include "ui/prop.h"

class DLG_DBSKILL;
class DLG_DBSKILLLIST;

class PROP_DBSKILL : public PROP_CLASS {
public:
    // Enters the sheet in the registry with the page's pointer to it, which
    // the main loop empties when it deletes the closed sheet. `list` is the
    // position of the edited list in the page's working copy.
    PROP_DBSKILL(int modeless, DLG_DBSKILLLIST* owner, WND_LIST_CLASS* wndList, int list);
    ~PROP_DBSKILL() override;

    // Builds the page and opens the sheet; 1 when it stands.
    int CreatePage();
    // One idle step: the page's previews, advanced with `advance`.
    void OnIdle(int advance);
    // Whether the sheet's window and its page's stand: a closed sheet is not stepped.
    int IsOpen() const;

    DLG_DBSKILL* m_pPage = nullptr;
    DLG_DBSKILLLIST* m_pOwner;
    int m_nList;
};
