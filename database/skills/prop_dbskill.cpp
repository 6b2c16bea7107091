#include "database/skills/prop_dbskill.h"

#include <new>

#include "base/report.h"
#include "database/skills/dlg_dbskill.h"
#include "database/skills/dlg_dbskilllist.h"
#include "resources/db_skills_ids.h"
#include "ui/wnd_list.h"

PROP_DBSKILL::PROP_DBSKILL(int modeless, DLG_DBSKILLLIST* owner, WND_LIST_CLASS* wndList, int list)
    : PROP_CLASS(modeless, owner, wndList), m_pOwner(owner), m_nList(list) {
    if (wndList) wndList->AddSheet(this, reinterpret_cast<PROP_CLASS**>(&owner->m_pSkillSheet));
}

PROP_DBSKILL::~PROP_DBSKILL() {
    Close();  // before the page its window reaches
    SafeDelete(m_pPage);
}

int PROP_DBSKILL::CreatePage() {
    m_pPage = new (std::nothrow) DLG_DBSKILL(IDD_DBSKILL, m_pOwner, m_pWndList, m_nList);
    if (!m_pPage) {
        MemoryShortageExit();
        return 0;
    }
    m_Pages.push_back(m_pPage);
    if (!Run()) return 0;
    SetWindowTextA(m_hWnd, "スキルの設定");
    return 1;
}

int PROP_DBSKILL::IsOpen() const { return m_hWnd && IsWindow(m_hWnd) && m_pPage && m_pPage->m_hWnd; }

void PROP_DBSKILL::OnIdle(int advance) {
    if (!IsOpen()) return;
    if (GetCurPage() == 0)
        m_pPage->DrawPreviews(advance);
    else
        m_pPage->OnPaint();
}
