// The database sheet: a modeless property sheet over the database pages,
// opened from the stage editor. Its idle step drives the page previews.
#pragma once

#include "ui/dlg.h"
#include "ui/prop.h"

class DLG_MAIN;
class PROP_DBSKILL;

// Tab 0: classes. It hands the closing sheet back to the stage editor.
class DLG_DBCLASS : public DLG_CLASS {
public:
    DLG_DBCLASS(WORD resId, DLG_MAIN* parent, int mode, WND_LIST_CLASS* wndList);
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    DLG_MAIN* m_pStageWnd;
};

class PROP_DATABASE : public PROP_CLASS {
public:
    enum { TAB_CHARA_ANIM = 7, TAB_EFFECT_ANIM = 8 };

    // Enters the sheet in the registry with the owner's pointer to it, which
    // the main loop empties when it deletes the closed sheet.
    PROP_DATABASE(int modeless, DLG_MAIN* parent, WND_LIST_CLASS* wndList, PROP_DATABASE** owner);
    ~PROP_DATABASE() override;

    // Builds the pages and opens the sheet "データベースの設定"; 1 when it stands.
    int CreatePages();
    // One idle step of the page showing.
    void OnIdle(int advance);
    // The skill sheet a page holds open, or none.
    PROP_DBSKILL* SkillSheet() const { return nullptr; }

    DLG_MAIN* m_pStageWnd;
    DLG_DBCLASS* m_pClassPage = nullptr;
};
