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
    ~DLG_DBSKILLTYPE() override;

    // The influences of the bound type.
    CTRL_LIST_CLASS<cInfl> m_Infls;

protected:
    void AttachLists() override;
    int OnPageCommand(WORD id, WORD code) override;
    void ShowListMenu(POINT at) override;

private:
    void InsertInfluence();
    void EditInfluence();
    // The influence list's rows again and the bound type into the working copy.
    void InfluencesChanged();
    CTRL_LIST_DESC<cInfl> m_InflDesc = {};
};
