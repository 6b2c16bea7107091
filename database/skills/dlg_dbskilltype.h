// The compatibility-type page "相性タイプ" (tab 4): the compatibility types
// (record 0 is never shown) with their names and their influences on other
// types, each influence edited in the dialog "相性".
#pragma once

#include "database/sheet/db_list_page.h"
#include "model/media_records.h"

class DLG_DBSKILLTYPE : public DLG_DBLIST<cCompatiType> {
public:
    // A database with fewer than two types gets two first.
    DLG_DBSKILLTYPE(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList);

    // The influences of the bound type.
    CTRL_LIST_CLASS<cInfl> m_Infls;
    // Their commands: "挿入", "編集", "削除", keys and menu.
    RECORD_SUBLIST m_InflEdits;

protected:
    void AttachLists() override;

private:
    CTRL_LIST_DESC<cInfl> m_InflDesc = {};
};
