#include "database/skills/prop_dbskill.h"

PROP_DBSKILL::PROP_DBSKILL(int modeless, WND_CLASS* parent, WND_LIST_CLASS* wndList)
    : PROP_CLASS(modeless, parent, wndList) {}

PROP_DBSKILL::~PROP_DBSKILL() { SafeDelete(m_pPage); }

void PROP_DBSKILL::OnIdle(int) {
    if (m_pPage && m_pPage->m_hWnd) m_pPage->OnPaint();
}
