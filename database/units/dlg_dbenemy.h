// The enemy page "　敵キャラ　" (tab 2): the enemies with their description,
// fixed EX, reward on defeat and battle-AI rules, and a symbol preview for
// looking up the numbers of "#P" codes.
#pragma once

#include "database/units/db_chara_page.h"

class DLG_DBENEMY : public DLG_DBCHARA<cEnemy, cBattleAI> {
public:
    DLG_DBENEMY(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList);

    // The symbol preview, once the page is initialised.
    void OnPaint() override;

    int m_nSymbol = 0;  // the symbol the preview shows; never stored
    VECTOR_CLASS<std::string> m_PtValRows;
    VECTOR_CLASS<std::string> m_SymbolRows;

protected:
    void OnApplied() override;
    void UpdateEnables() override;
    void UpdatePageState() override;
};
