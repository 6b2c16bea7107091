// The database sheet "データベースの設定": a modeless property sheet of 25
// pages over the game database, opened from the stage editor. Apply commits
// every page and writes the database files; the idle step drives the page
// previews.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "database/sheet/db_page.h"
#include "ui/prop.h"

class PROP_DATABASE;
class PROP_DBSKILL;

// One tab of the sheet: its page's dialog and how the page is made. The
// sheet knows its pages only through such a table, which the library above
// every page supplies.
typedef DLG_DBPAGE* (*DB_PAGE_MAKER)(WORD dialog, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList);
struct DB_TAB {
    WORD dialog;
    DB_PAGE_MAKER make;
};

class PROP_DATABASE : public PROP_CLASS {
public:
    enum {
        PAGE_COUNT = 25,
        TAB_CLASS = 0,
        TAB_SKILL_LIST = 3,
        TAB_SKILL_TYPE = 4,
        TAB_LAND = 5,
        TAB_PARTY_VAL = 6,
        TAB_CHARA_ANIM = 7,
        TAB_EFFECT_ANIM = 8,
        TAB_SYSTEM1 = 15,  // system pages 1 to 10 are tabs 15 to 24
        TAB_SYSTEM4 = 18,
    };

    // Enters the sheet in the registry with the owner's pointer to it, which
    // the main loop empties when it deletes the closed sheet. `onClosed` runs
    // when the sheet's windows are destroyed, whatever closed it.
    PROP_DATABASE(int modeless, WND_CLASS* parent, WND_LIST_CLASS* wndList, PROP_DATABASE** owner,
                  std::function<void()> onClosed);
    ~PROP_DATABASE() override;

    // Builds the pages of `tabs` (PAGE_COUNT of them, in tab order; each
    // takes its working copy now) and opens the sheet; 1 when it stands.
    int CreatePages(const DB_TAB* tabs);
    // Commits every page, marks them applied and writes the database files.
    // 1 when every file was written; otherwise the files left as they were
    // are named in an error box and 0 keeps the sheet open.
    int ApplyAll();
    // One idle step of the page showing.
    void OnIdle(int advance);
    // The skill sheet a page holds open, or none.
    PROP_DBSKILL* SkillSheet() const {
        return m_pPage[TAB_SKILL_LIST] ? m_pPage[TAB_SKILL_LIST]->SkillSheet() : nullptr;
    }
    // The page of a tab, or none (before CreatePages).
    DLG_DBPAGE* Page(int tab) const { return tab >= 0 && tab < PAGE_COUNT ? m_pPage[tab] : nullptr; }

    std::function<void()> m_OnClosed;
    DLG_DBPAGE* m_pPage[PAGE_COUNT] = {};
};

// The text of the error box of an Apply that could not write `failed`.
std::string ApplyFailureText(const std::vector<std::string>& failed);
