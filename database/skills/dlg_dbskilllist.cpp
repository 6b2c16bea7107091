#include "database/skills/dlg_dbskilllist.h"

#include <new>

#include "base/report.h"
#include "database/skills/dlg_categ.h"
#include "database/skills/dlg_slot.h"
#include "database/skills/prop_dbskill.h"
#include "database/skills/skill_list_rules.h"
#include "database/skills/skill_rules.h"
#include "editing/skill_rows.h"
#include "model/media_database.h"
#include "resources/db_skills_ids.h"
#include "ui/record_names.h"
#include "ui/wnd_list.h"

namespace {

enum {
    IDC_SLOT_TYPE = 1388,
    IDC_RESERVE = 1389,
    IDC_RESERVE_NUM = 1416,
    IDC_SHOW_SENSE = 1418,
    IDC_SENSE = 1419,
    IDC_TRADE_VAL = 1390,
    IDC_CONFIRM_LEARN = 1392,
    IDC_CONFIRM_FORGET = 1393,
};

// The skill-organisation menu: the check that offers command k and its label.
const WORD kCmdChecks[cSkillList::CMD_COUNT] = {1396, 1397, 1398, 1399, 1400, 1401, 1402};
const WORD kCmdLabels[cSkillList::CMD_COUNT] = {1404, 1405, 1406, 1407, 1408, 1409, 1410};
// The scene checks and the scene each shows; scene 3 has none.
const struct {
    int scene;
    WORD check;
} kScenes[] = {{0, 1426}, {1, 1427}, {2, 1437}, {4, 1428}, {5, 1420},
               {6, 1421}, {7, 1422}, {8, 1423}, {9, 1424}, {10, 1425}};
// Keys and context menus of the category and slot lists, in the order cut,
// copy, paste, new, insert, clear, delete.
const LIST_COMMAND_IDS kCategCommands = {IDR_ACCEL_DBCATEG,
                                         {40040, 40035, 40038, 40084, 0, 40085, 0},
                                         IDR_MENU_DBCATEG,
                                         {40075, 40076, 40077, 0, 0, 40086, 0}};
const LIST_COMMAND_IDS kSlotCommands = {IDR_ACCEL_DBSLOT,
                                        {40101, 40093, 40098, 40104, 0, 40100, 0},
                                        IDR_MENU_DBSLOT,
                                        {40088, 40089, 40090, 0, 0, 40133, 0}};
const int kMaxLists = 16, kMaxCategs = 99, kMaxSlots = 99;

DLG_DBSKILLLIST* Page() { return DLG_STATIC<DLG_DBSKILLLIST>::s_pInstance; }

void ListRow(std::string& text, int, const cSkillList& list) { text = list.strName; }
void CategRow(std::string& text, int, const cCateg& categ) { text = categ.strName; }
// A condition naming a category the list no longer has names the first one,
// in the record too, as its row is formed.
void SlotRow(std::string& text, int index, const cSlot&) {
    cSkillList& list = Page()->m_Record;
    cSlot& slot = list.vSlot.At(index);
    ResetLostConditions(slot, static_cast<int>(list.vCateg.size()));
    text = SlotCategoryNames(slot, list.vCateg, " ");
}

void BuildTradeValNames(VECTOR_CLASS<std::string>& rows) {
    MakeRecordNameList(rows, g_Database.PtVals, nullptr, 1, 1, 3, 0);
}

}  // namespace

DLG_DBSKILLLIST::DLG_DBSKILLLIST(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList)
    : DLG_DBLIST<cSkillList>(resId, sheet, wndList, &g_SkillLists),
      m_CategEdits({IDC_CATEG_LIST, 0, IDC_CATEG_EDIT, 0, IDC_CATEG_NEW, IDC_CATEG_CLEAR, IDC_CATEG_COUNT}, 0),
      m_SlotEdits({IDC_SLOT_LIST, 0, IDC_SLOT_EDIT, 0, IDC_SLOT_NEW, IDC_SLOT_CLEAR, IDC_SLOT_COUNT}, 0) {
    SetInstance(this);
    if (g_SkillLists.empty()) g_SkillLists.emplace_back();
    // The page binds fixed entries of the record's menus and scenes, so every
    // list it may show has them all: the database's own, which the list
    // control copies again, or a longer list would move the record's entries
    // away from the controls.
    for (cSkillList& list : g_SkillLists) ShapeSkillList(list);
    m_Work.Assign(g_SkillLists);
    m_ListDesc = RecordListDesc(IDC_SKILLLIST_LIST, &g_SkillLists, &m_Work, &m_Record, 1, 1, kMaxLists, 0, ListRow);
    m_CategDesc =
        RecordListDesc<cCateg>(IDC_CATEG_LIST, nullptr, &m_Record.vCateg, nullptr, 1, 1, kMaxCategs, 0, CategRow);
    m_SlotDesc = RecordListDesc<cSlot>(IDC_SLOT_LIST, nullptr, &m_Record.vSlot, nullptr, 1, 1, kMaxSlots, 0, SlotRow);
    BuildTradeValNames(m_vTradeValName);

    cSkillList& r = m_Record;
    m_Strs.push_back(CTRL_EDITSTR_CLASS({IDC_DBLIST_NAME, &r.strName, 13, 12, 1, 1, {}}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_SLOT_TYPE, &r.nSlotType, SlotTypeNames, nullptr, 0, nullptr}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({IDC_RESERVE, &r.bReserve}));
    m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({IDC_RESERVE_NUM, &r.nReserveNum, 1, 999, 1417, 1}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({1391, &r.bShowSp}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({1395, &r.bShowCategSense}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({IDC_SHOW_SENSE, &r.bShowSense}));
    m_Strs.push_back(CTRL_EDITSTR_CLASS({IDC_SENSE, &r.strSense, 7, 6, 1, 1, {}}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({1430, &r.bMultiLearn}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({1429, &r.bRestoreUse}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({1438, &r.bStockCondSame}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_TRADE_VAL, &r.nTradeVal, nullptr, &m_vTradeValName, 1, nullptr}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({1431, &r.bForgetOnDeath}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({1432, &r.bForgetOnRelease}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({1433, &r.bTestLearnAll}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({1434, &r.bTestGetAll}));
    for (const auto& s : kScenes) m_Checks.push_back(CTRL_CHECK_CLASS<int>({s.check, &r.vScene[s.scene]}));
    for (int k = 0; k < cSkillList::CMD_COUNT; ++k) {
        m_Checks.push_back(CTRL_CHECK_CLASS<int>({kCmdChecks[k], &r.vCmd[k].Enabled}));
        m_Strs.push_back(CTRL_EDITSTR_CLASS({kCmdLabels[k], &r.vCmd[k].Label, 13, 12, 1, 1, {}}));
    }
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({1394, &r.bForgetToStock}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({IDC_CONFIRM_LEARN, &r.bConfirmLearn}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({IDC_CONFIRM_FORGET, &r.bConfirmForget}));
    m_Strs.push_back(CTRL_EDITSTR_CLASS({1412, &r.vLearnMenu[0].Label, 9, 8, 1, 1, {}}));
    m_Strs.push_back(CTRL_EDITSTR_CLASS({1413, &r.vLearnMenu[1].Label, 9, 8, 1, 1, {}}));
    m_Strs.push_back(CTRL_EDITSTR_CLASS({1435, &r.vSellMenu[0].Label, 9, 8, 1, 1, {}}));
    m_Strs.push_back(CTRL_EDITSTR_CLASS({1436, &r.vSellMenu[1].Label, 9, 8, 1, 1, {}}));
    m_Strs.push_back(CTRL_EDITSTR_CLASS({1414, &r.vForgetMenu[0].Label, 9, 8, 1, 1, {}}));
    m_Strs.push_back(CTRL_EDITSTR_CLASS({1415, &r.vForgetMenu[1].Label, 9, 8, 1, 1, {}}));
    for (WORD id : {IDC_CATEG_NEW, IDC_CATEG_CLEAR, IDC_CATEG_COUNT, IDC_CATEG_EDIT, IDC_SLOT_NEW, IDC_SLOT_CLEAR,
                    IDC_SLOT_COUNT, IDC_SLOT_EDIT, IDC_SKILLLIST_EDIT_SKILLS})
        m_Buttons.push_back(CTRL_BUTTON_CLASS({id}));
    m_CategEdits.m_Edit = [this](int index) -> int {
        if (index >= static_cast<int>(m_Record.vCateg.size())) return 0;
        DLG_CATEG dialog(this, m_pWndList, &m_Categs, &m_Record.vCateg[index]);
        return dialog.DoModal(0) == 1;
    };
    // Slot rows name the categories.
    m_CategEdits.m_Changed = [this] {
        m_Slots.FillList();
        m_Slots.RedrawList();
    };
    m_SlotEdits.m_Edit = [this](int index) -> int {
        if (index >= static_cast<int>(m_Record.vSlot.size())) return 0;
        DLG_SLOT dialog(this, m_pWndList, &m_Slots, &m_Record.vSlot[index], &m_Record.vCateg);
        return dialog.DoModal(0) == 1;
    };
}

DLG_DBSKILLLIST::~DLG_DBSKILLLIST() {
    if (m_pSkillSheet) m_pSkillSheet->Close();
    SafeDelete(m_pSkillSheet);
}

void DLG_DBSKILLLIST::AttachLists() {
    DLG_DBLIST<cSkillList>::AttachLists();
    m_Categs.Subclass(this, m_CategDesc);
    AddCtrl(&m_Categs);
    m_Slots.Subclass(this, m_SlotDesc);
    AddCtrl(&m_Slots);
    AttachSubList(m_CategEdits, &m_Categs, kCategCommands);
    AttachSubList(m_SlotEdits, &m_Slots, kSlotCommands);
}

int DLG_DBSKILLLIST::OnPageCommand(WORD id, WORD code) {
    if (id == IDC_SKILLLIST_EDIT_SKILLS && code == BN_CLICKED) {
        OpenSkillSheet();
        return 1;
    }
    return 0;
}

void DLG_DBSKILLLIST::OpenSkillSheet() {
    // A list that is no row of the working copy has nowhere to keep its skills.
    const int list = m_List.GetDataPos();
    if (list < 0) {
        MessageBeep(0);
        return;
    }
    m_Record.Fixup();
    m_pWndList->EnableAll(0);
    if (m_pSkillSheet) m_pSkillSheet->Close();
    SafeDelete(m_pSkillSheet);
    m_pSkillSheet = new (std::nothrow) PROP_DBSKILL(1, this, m_pWndList, list);
    if (!m_pSkillSheet) {
        m_pWndList->EnableAll(1);
        MemoryShortageExit();
        return;
    }
    if (!m_pSkillSheet->CreatePage()) {
        SafeDelete(m_pSkillSheet);
        m_pWndList->EnableAll(1);
    }
}

void DLG_DBSKILLLIST::OnApplied() {
    BuildTradeValNames(m_vTradeValName);
    if (CTRL_COMBO_CLASS<int>* trade = FindCtrl(m_Combos, IDC_TRADE_VAL)) trade->SetStrings(m_vTradeValName);
}

void DLG_DBSKILLLIST::Renumber() { RenumberSkillLists(m_Work); }

void DLG_DBSKILLLIST::EnableId(WORD id, int flag) {
    for (CTRL_CLASS* c : m_CtrlList) {
        if (c->m_wId != id) continue;
        c->Enable(flag);
        return;
    }
    ReportMissingCtrl(id);
}

void DLG_DBSKILLLIST::UpdatePageState() {
    auto ticked = [this](WORD id) {
        CTRL_CHECK_CLASS<int>* box = FindCtrl(m_Checks, id);
        return box && box->GetCheck() == BST_CHECKED;
    };
    EnableId(IDC_RESERVE_NUM, ticked(IDC_RESERVE));
    EnableId(IDC_SENSE, ticked(IDC_SHOW_SENSE));
    CTRL_COMBO_CLASS<int>* type = FindCtrl(m_Combos, IDC_SLOT_TYPE);
    const int slotType = type ? type->GetValue() : -1;
    if (slotType >= 0 && slotType <= 2)
        for (WORD id : {IDC_SLOT_LIST, IDC_SLOT_NEW, IDC_SLOT_EDIT, IDC_SLOT_CLEAR, IDC_SLOT_COUNT})
            EnableId(id, slotType == 0);
    for (int k = 0; k < cSkillList::CMD_COUNT; ++k) EnableId(kCmdLabels[k], ticked(kCmdChecks[k]));
    EnableId(1412, ticked(IDC_CONFIRM_LEARN));
    EnableId(1413, ticked(IDC_CONFIRM_LEARN));
    EnableId(1414, ticked(IDC_CONFIRM_FORGET));
    EnableId(1415, ticked(IDC_CONFIRM_FORGET));
}
