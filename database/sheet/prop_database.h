// The database sheet: a modeless property sheet over the database pages,
// opened from the stage editor. Its idle step drives the page previews.
#pragma once

#include <functional>

#include "ui/dlg.h"
#include "ui/prop.h"

class PROP_DBSKILL;
class PROP_DATABASE;

// Tab 0: classes. Its window always exists, so its end is the sheet's.
class DLG_DBCLASS : public DLG_CLASS {
public:
    DLG_DBCLASS(WORD resId, PROP_DATABASE* sheet, int mode, WND_LIST_CLASS* wndList);
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    PROP_DATABASE* m_pSheet;
};

class PROP_DATABASE : public PROP_CLASS {
public:
    enum { TAB_CHARA_ANIM = 7, TAB_EFFECT_ANIM = 8 };

    // Enters the sheet in the registry with the owner's pointer to it, which
    // the main loop empties when it deletes the closed sheet. `onClosed` runs
    // when the sheet's windows are destroyed, whatever closed it.
    PROP_DATABASE(int modeless, WND_CLASS* parent, WND_LIST_CLASS* wndList, PROP_DATABASE** owner,
                  std::function<void()> onClosed);
    ~PROP_DATABASE() override;

    // Builds the pages and opens the sheet "データベースの設定"; 1 when it stands.
    int CreatePages();
    // One idle step of the page showing.
    void OnIdle(int advance);
    // The skill sheet a page holds open, or none.
    PROP_DBSKILL* SkillSheet() const { return nullptr; }

    std::function<void()> m_OnClosed;
    DLG_DBCLASS* m_pClassPage = nullptr;
};
