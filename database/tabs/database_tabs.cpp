#include "database/tabs/database_tabs.h"

#include <new>

#include "database/media/dlg_db_back.h"
#include "database/media/dlg_db_bgm.h"
#include "database/media/dlg_db_charaanim.h"
#include "database/media/dlg_db_effectanim.h"
#include "database/media/dlg_db_help.h"
#include "database/media/dlg_db_picture.h"
#include "database/media/dlg_db_sound.h"
#include "database/media/dlg_dbworldchip.h"
#include "database/sheet/dlg_db_ptval.h"
#include "database/sheet/dlg_dbland.h"
#include "database/sheet/dlg_dbsystem.h"
#include "database/sheet/dlg_dbsystem_4.h"
#include "database/skills/dlg_dbskilllist.h"
#include "database/skills/dlg_dbskilltype.h"
#include "database/skills/dlg_slot.h"
#include "database/units/dlg_dbclass.h"
#include "database/units/dlg_dbenemy.h"
#include "database/units/dlg_dbfriend.h"
#include "database/units/dlg_orgslot.h"

namespace {

template <class P>
DLG_DBPAGE* Make(WORD dialog, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList) {
    return new (std::nothrow) P(dialog, sheet, wndList);
}

// A class's own slot is edited in the skill pages' slot dialog, offering the
// categories of the database's skill list the slot organisation is for.
int EditOrgSlot(DLG_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* list, cSlot* slot, int skillList) {
    if (skillList < 0 || skillList >= SkillListCount()) return 0;
    DLG_SLOT dialog(parent, wndList, list, slot, &g_SkillLists[skillList].vCateg);
    return dialog.DoModal(0) == 1;
}
const struct ORGSLOT_EDITOR_SETTER {
    ORGSLOT_EDITOR_SETTER() { g_pfnEditOrgSlot = EditOrgSlot; }
} g_OrgSlotEditorSetter;

}  // namespace

// The tab text is the dialog's caption.
const DB_TAB g_DatabaseTabs[PROP_DATABASE::PAGE_COUNT] = {
    {111, Make<DLG_DBCLASS>},     {110, Make<DLG_DBFRIEND>},     {127, Make<DLG_DBENEMY>},
    {196, Make<DLG_DBSKILLLIST>}, {227, Make<DLG_DBSKILLTYPE>},  {194, Make<DLG_DBLAND>},
    {197, Make<DLG_DB_PTVAL>},    {209, Make<DLG_DB_CHARAANIM>}, {210, Make<DLG_DB_EFFECTANIM>},
    {217, Make<DLG_DB_PICTURE>},  {220, Make<DLG_DB_BACK>},      {123, Make<DLG_DB_SOUND>},
    {195, Make<DLG_DB_BGM>},      {230, Make<DLG_DB_HELP>},      {226, Make<DLG_DBWORLDCHIP>},
    {112, Make<DLG_DBSYSTEM>},    {128, Make<DLG_DBSYSTEM_2>},   {172, Make<DLG_DBSYSTEM_3>},
    {191, Make<DLG_DBSYSTEM_4>},  {203, Make<DLG_DBSYSTEM_5>},   {204, Make<DLG_DBSYSTEM_6>},
    {205, Make<DLG_DBSYSTEM_7>},  {206, Make<DLG_DBSYSTEM_8>},   {207, Make<DLG_DBSYSTEM_9>},
    {208, Make<DLG_DBSYSTEM_10>},
};
