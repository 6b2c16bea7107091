#include "database/units/dlg_dbclass.h"

#include <algorithm>

#include "database/units/dlg_orgslot.h"
#include "database/units/dlg_sense.h"
#include "database/units/unit_rows.h"
#include "editing/skill_combos.h"
#include "media/image_table.h"
#include "model/system.h"
#include "ui/dlg_input.h"
#include "ui/dlg_selectgraphic.h"

namespace {

enum {
    IDC_CLASS_LIST = 1029,
    IDC_CLASS_GRAPHIC = 1071,
    IDC_CLASS_PICK = 1227,
    IDC_CLASS_PREVIEW = 1070,
    IDC_CLASS_SENSES = 1076,
    IDC_CLASS_SENSE_EDIT = 1542,
    IDC_CLASS_RESISTS = 1074,
    IDC_CLASS_RESIST_EDIT = 1077,
    IDC_CLASS_SLOTS = 1094,
    IDC_CLASS_SLOT_EDIT = 1543,
    IDC_CLASS_ATTACK_LIST = 1517,
    IDC_CLASS_ATTACK_SKILL = 1518,
    IDC_CLASS_NO_ATTACK = 1073,
};
const WORD kInitIds[9] = {1036, 1037, 1038, 1039, 1040, 1041, 1042, 1043, 21071};
const WORD kInitSpins[9] = {1054, 1056, 1058, 1059, 1060, 1061, 1062, 1063, 21072};
const WORD kFinalIds[9] = {1045, 1046, 1047, 1048, 1049, 1050, 1051, 1052, 1078};
const WORD kFinalSpins[9] = {1055, 1081, 1082, 1083, 1084, 1085, 1086, 1087, 1088};
const int kStatMax = 999999;
const int kGraphicMax = 159;

void ClassRow(std::string& text, int, const cClass& c) { text = c.Name; }

void ResistRow(std::string& text, int index, const int& resist) {
    const VECTOR_CLASS<cElem>& elems = g_System.Elements;
    text = index < static_cast<int>(elems.size()) ? elems[index].Name : std::string(kMissingName);
    text += " " + std::to_string(resist);
}

void SenseListRow(std::string& text, int list, const VECTOR_CLASS<int>& senses) { FormatSenseRow(text, list, senses); }

void SlotListRow(std::string& text, int list, const cOrgSlotList& org) { FormatOrgSlotRow(text, list, org); }

}  // namespace

DLG_DBCLASS::DLG_DBCLASS(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList)
    : DLG_DBLIST<cClass>(resId, sheet, wndList, &g_ClassList),
      m_SenseEdits({IDC_CLASS_SENSES, 0, IDC_CLASS_SENSE_EDIT, 0}, 0),
      m_ResistEdits({IDC_CLASS_RESISTS, 0, IDC_CLASS_RESIST_EDIT, 0}, 0),
      m_SlotEdits({IDC_CLASS_SLOTS, 0, IDC_CLASS_SLOT_EDIT, 0}, 0) {
    SetInstance(this);
    m_SenseEdits.m_Edit = [this](int list) -> int {
        if (list >= static_cast<int>(m_Record.Senses.size())) return 0;
        DLG_SENSE dialog(this, m_pWndList, &m_Senses, &m_Record.Senses[list], list);
        return dialog.DoModal(0);
    };
    m_ResistEdits.m_Edit = [this](int index) -> int {
        if (index >= static_cast<int>(m_Record.Resists.size())) return 0;
        return InputValue(this, m_pWndList, &m_Record.Resists[index], 0, 999, "属性耐性", &m_Resists);
    };
    m_SlotEdits.m_Edit = [this](int list) -> int {
        if (list >= static_cast<int>(m_Record.OrgSlots.size())) return 0;
        DLG_ORGSLOT dialog(this, m_pWndList, &m_Slots, &m_Record.OrgSlots[list], list);
        return dialog.DoModal(0);
    };
    PadSource(&g_ClassList, 2);
    cClass& r = m_Record;
    m_ListDesc = RecordListDesc(IDC_CLASS_LIST, &g_ClassList, &m_Work, &r, 1, 1, 999, 1, ClassRow);
    m_SenseDesc =
        RecordListDesc<VECTOR_CLASS<int>>(IDC_CLASS_SENSES, nullptr, &r.Senses, nullptr, 0, 0, 999, 0, SenseListRow);
    m_ResistDesc = RecordListDesc<int>(IDC_CLASS_RESISTS, nullptr, &r.Resists, nullptr, 0, 0, 999, 1, ResistRow);
    m_SlotDesc =
        RecordListDesc<cOrgSlotList>(IDC_CLASS_SLOTS, nullptr, &r.OrgSlots, nullptr, 0, 0, 999, 0, SlotListRow);
    MakeSkillListRows(m_ListRows);  // the skills follow the shown class (BeforeShowRecord)

    m_Strs.push_back(CTRL_EDITSTR_CLASS({IDC_DBLIST_NAME, &r.Name, 13, 12, 1, 1, {}}));
    m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({IDC_CLASS_GRAPHIC, &r.Graphic, 1, kGraphicMax, 1509, 1}));
    m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({1072, &r.Scale, 1, 900, 1510, 1}));
    m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({1033, &r.Move, 0, 8, 1057, 1}));
    m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({1034, &r.ExpRate, 0, 999, 1064, 1}));
    m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({1053, &r.MaxLevel, 1, 99, 1065, 1}));
    for (int k = 0; k < 9; ++k)
        m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({kInitIds[k], &r.InitStats[k], 0, kStatMax, kInitSpins[k], 1}));
    for (int k = 0; k < 9; ++k)
        m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({kFinalIds[k], &r.FinalStats[k], 0, kStatMax, kFinalSpins[k], 1}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({1035, &r.Flying}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({IDC_CLASS_NO_ATTACK, &r.NoNormalAttack}));
    m_Combos.push_back(
        CTRL_COMBO_CLASS<int>({IDC_CLASS_ATTACK_LIST, &r.AttackSkillList, nullptr, &m_ListRows, 0, nullptr}));
    m_Combos.push_back(
        CTRL_COMBO_CLASS<int>({IDC_CLASS_ATTACK_SKILL, &r.AttackSkill, nullptr, &m_SkillRows, 1, nullptr}));
    m_Sliders.push_back(CTRL_SLIDER_CLASS<short>({1552, &r.Hue, 0, 359, 30, 1, 1514}));
    m_Sliders.push_back(CTRL_SLIDER_CLASS<short>({1553, &r.Saturation, -255, 255, 30, 1, 1515}));
    m_Sliders.push_back(CTRL_SLIDER_CLASS<short>({1554, &r.Brightness, -255, 255, 30, 1, 1516}));
    m_Pictures.push_back(CTRL_PICTURE_CLASS({IDC_CLASS_PREVIEW, 48, 48, -1, -1}));
    for (WORD id : {IDC_CLASS_PICK, IDC_CLASS_SENSE_EDIT, IDC_CLASS_RESIST_EDIT, IDC_CLASS_SLOT_EDIT})
        m_Buttons.push_back(CTRL_BUTTON_CLASS({id}));
}

// Each class offers the skills of its own list. The rows alone, also when an
// Apply refreshes the page: a skill the list does not hold (one an Apply cut
// from it) shows no row and is kept (FillRecordComboEx would move the combo
// to the list's first skill, which the next edit would store).
void DLG_DBCLASS::BeforeShowRecord() {
    MakeSkillRows(m_SkillRows, m_Record.AttackSkillList);
    CTRL_COMBO_CLASS<int>* skills = FindCtrl(m_Combos, IDC_CLASS_ATTACK_SKILL);
    if (!skills || !skills->m_hWnd) return;
    skills->SetStrings(m_SkillRows);
    UpdateCtrl(skills);
}

void DLG_DBCLASS::AttachLists() {
    DLG_DBLIST<cClass>::AttachLists();
    m_Senses.Subclass(this, m_SenseDesc);
    m_Resists.Subclass(this, m_ResistDesc);
    m_Slots.Subclass(this, m_SlotDesc);
    AddCtrl(&m_Senses);
    AddCtrl(&m_Resists);
    AddCtrl(&m_Slots);
    AttachSubList(m_SenseEdits, &m_Senses, kEditOnlyCommands);
    AttachSubList(m_ResistEdits, &m_Resists, kEditOnlyCommands);
    AttachSubList(m_SlotEdits, &m_Slots, kEditOnlyCommands);
    AddCtrls(m_Sliders);
}

int DLG_DBCLASS::OnPageCommand(WORD id, WORD code) {
    if (id == IDC_CLASS_PICK && code == BN_CLICKED) {
        PickGraphic();
        return PAGE_CMD_REFRESH;
    }
    // Another list offers its own skills. Not handled: the choice is stored
    // as it stands, not shown again from the record.
    if (id == IDC_CLASS_ATTACK_LIST && code == CBN_SELCHANGE && m_bCreated)
        FillRecordCombo(m_SkillRows, this, m_Combos, IDC_CLASS_ATTACK_LIST, IDC_CLASS_ATTACK_SKILL);
    return PAGE_CMD_NONE;
}

void DLG_DBCLASS::PickGraphic() {
    int graphic = m_Record.Graphic;
    RedrawList();
    if (!SelectCharaGraphic(&graphic, this, FindCtrl(m_Buttons, IDC_CLASS_PICK))) return;
    // Into the record: the page shows it again from there and stores it.
    m_Record.Graphic = graphic < 1 ? 1 : graphic > kGraphicMax ? kGraphicMax : graphic;
}

// The skill lists' names as the Apply saved them (the skills: BeforeShowRecord).
void DLG_DBCLASS::OnApplied() {
    MakeSkillListRows(m_ListRows);
    if (CTRL_COMBO_CLASS<int>* lists = FindCtrl(m_Combos, IDC_CLASS_ATTACK_LIST)) lists->SetStrings(m_ListRows);
}

void DLG_DBCLASS::Renumber() {
    for (size_t i = 0; i < m_Work.size(); ++i) m_Work[i].Id = static_cast<int>(i);
}

void DLG_DBCLASS::UpdatePageState() {
    CTRL_CHECK_CLASS<int>* none = FindCtrl(m_Checks, IDC_CLASS_NO_ATTACK);
    const int attack = !none || none->GetCheck() != BST_CHECKED;
    EnableCtrl(m_Combos, IDC_CLASS_ATTACK_LIST, attack);
    EnableCtrl(m_Combos, IDC_CLASS_ATTACK_SKILL, attack);
    OnPaint();
}

void DLG_DBCLASS::UpdatePreviewColours() {
    // The graphic as typed, before it is stored.
    const int now[4] = {static_cast<int>(GetDlgItemInt(m_hWnd, IDC_CLASS_GRAPHIC, nullptr, FALSE)),
                        m_Sliders[0].GetPos(), static_cast<short>(m_Sliders[1].GetPos()),
                        static_cast<short>(m_Sliders[2].GetPos())};
    if (std::equal(now, now + 4, m_Preview)) return;
    std::copy(now, now + 4, m_Preview);
    MakeHsvRow48(&g_ImageTable[IMG_HSV48], now[0], now[1], now[2], now[3]);
}

void DLG_DBCLASS::OnPaint() {
    if (!m_bCreated || m_Pictures.empty()) return;
    CTRL_PICTURE_CLASS& picture = m_Pictures[0];
    cDib* dib = picture.Surface();
    if (!dib) return;
    UpdatePreviewColours();
    dib->Fill(RGB(66, 0, 0));
    // Graphic 0 leaves the row as it was: nothing is drawn for it.
    if (m_Preview[0] > 0) DrawHsvCell48(dib, 0, 0, 0, 1);
    picture.Present();
}
