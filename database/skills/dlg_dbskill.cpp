#include "database/skills/dlg_dbskill.h"

#include "base/report.h"
#include "database/skills/dlg_dbskilllist.h"
#include "database/skills/skill_list_rules.h"
#include "database/skills/skill_rules.h"
#include "editing/preview_combos.h"
#include "editing/skill_combos.h"
#include "model/class.h"
#include "model/media_database.h"
#include "model/system.h"
#include "resources/db_skills_ids.h"
#include "ui/dlg_selectgraphic.h"
#include "ui/record_names.h"
#include "ui/wnd_list.h"

namespace {

const int kMaxSkills = 999;
const int kStatMax = 999999;

// The check boxes and the fields they show.
const struct {
    WORD id;
    int cSkill::*field;
} kChecks[] = {
    {1056, &cSkill::bNotInUse},
    {IDC_SKILL_UNLIMITED, &cSkill::bUnlimited},
    {1045, &cSkill::bVanishFromStock},
    {1053, &cSkill::bNoForget},
    {1036, &cSkill::bMapSkill},
    {1038, &cSkill::bMapStock},
    {1041, &cSkill::bBattleSkill},
    {1042, &cSkill::bBattleQuick},
    {1043, &cSkill::bBattleStock},
    {IDC_SKILL_SORT, &cSkill::bSortNo},
    {1302, &cSkill::bSubAPercent},
    {1303, &cSkill::bSubBPercent},
    {IDC_SKILL_SAME_COMPATI, &cSkill::bSameCompatiType},
    {IDC_SKILL_SAME_ELEM, &cSkill::bSameElem},
    {IDC_SKILL_SAME_HIT, &cSkill::bSameHit},
    {1047, &cSkill::bAddCritical},
    {1046, &cSkill::bNoStatEffect},
    {IDC_SKILL_SAME_EFFECT, &cSkill::bSameEffect},
};

// The numeric edits: edit, field, range, up-down.
const struct {
    WORD id;
    int cSkill::*field;
    int minimum, maximum;
    WORD spin;
} kEdits[] = {
    {1158, &cSkill::nPrice, 0, kStatMax, 1159},
    {1160, &cSkill::nStockMax, 1, 99, 1161},
    {1152, &cSkill::nSp, 0, 999, 1153},
    {1154, &cSkill::nUseLimit, 0, 99, 1155},
    {1156, &cSkill::nNeedSense, 0, 99, 1157},
    {1142, &cSkill::nLearnRate, 0, 100, 1143},
    {1146, &cSkill::nLearnLvMin, 0, 100, 1147},
    {1148, &cSkill::nLearnLvMax, 0, 100, 1149},
    {1167, &cSkill::nRankMin, 0, 999, 1168},
    {1169, &cSkill::nRankMax, 0, 999, 1172},
    {1173, &cSkill::nRarity, 0, 100, 1174},
    {1162, &cSkill::nElemValue, -999, 999, 1163},
    {1140, &cSkill::nHit, 0, 999, 1141},
    {1620, &cSkill::nEffect, -kStatMax, kStatMax, 1621},
    {1139, &cSkill::nDamageRate, 0, 999, 1164},
    {1137, &cSkill::nCritical, 0, 999, 1138},
    {1130, &cSkill::nSpecialValue, 0, kStatMax, 1087},
    {IDC_SKILL_EFFECT, &cSkill::nEffectGraphic, 1, 127, 1512},
    {1551, &cSkill::nZoom, 1, 900, 1513},
};

DLG_DBSKILL* Page() { return DLG_STATIC<DLG_DBSKILL>::s_pInstance; }

void SkillRow(std::string& text, int, const cSkill& skill) {
    text = Page() ? FormatSkillRow(skill, Page()->m_pSkillList->vCateg) : skill.strName;
}

// The list the page edits, with at least one skill to show.
VECTOR_CLASS<cSkill>* ShownSkills(DLG_DBSKILLLIST* owner) {
    VECTOR_CLASS<cSkill>& skills = owner->m_Record.vSkill;
    if (skills.size() < 2) skills.resize(2);
    return &skills;
}

// A combo of records that starts with a "none" row keeps that row when the list is empty.
void EnsureNoneRow(VECTOR_CLASS<std::string>& rows, const char* none) {
    if (rows.empty()) rows.push_back(none);
}

}  // namespace

DLG_DBSKILL::DLG_DBSKILL(WORD resId, DLG_DBSKILLLIST* owner, WND_LIST_CLASS* wndList, int list)
    : DLG_DBLIST<cSkill>(resId, nullptr, wndList, ShownSkills(owner)),
      m_pOwner(owner),
      m_pSkillList(&owner->m_Record),
      m_nList(list) {
    SetInstance(this);
    m_ListDesc =
        RecordListDesc(IDC_SKILL_LIST, &m_pSkillList->vSkill, &m_Work, &m_Record, 1, 1, kMaxSkills, 1, SkillRow);
    BuildNameLists();

    cSkill& r = m_Record;
    for (const auto& e : kEdits)
        m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({e.id, &(r.*e.field), e.minimum, e.maximum, e.spin, 1}));
    for (int k = 0; k < 9; ++k) {
        m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({static_cast<WORD>(kSubAEditIds[k]), &r.nSubA[k], -kStatMax, kStatMax,
                                                   static_cast<WORD>(kSubASpinIds[k]), 1}));
        m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({static_cast<WORD>(kSubBEditIds[k]), &r.nSubB[k], -kStatMax, kStatMax,
                                                   static_cast<WORD>(kSubBSpinIds[k]), 1}));
    }
    m_Bytes.push_back(CTRL_EDITVAL_CLASS<unsigned char>({1170, &r.byAlpha, 0, 255, 1171, 1}));
    m_Doubles.push_back(CTRL_EDITVAL_CLASS<double>({1144, &r.dLearnRateSense, 0.0, 100.0, 1145, 0.1}));
    m_Doubles.push_back(CTRL_EDITVAL_CLASS<double>({1150, &r.dLearnLvSense, 0.0, 100.0, 1151, 0.1}));
    m_Doubles.push_back(CTRL_EDITVAL_CLASS<double>({1165, &r.dSortNo, 0.0, 999.99, 1166, 0.01}));
    m_Sliders.push_back(CTRL_SLIDER_CLASS<short>({1552, &r.sHue, 0, 359, 30, 1, 1514}));
    m_Sliders.push_back(CTRL_SLIDER_CLASS<short>({1553, &r.sSaturation, -255, 255, 30, 1, 1515}));
    m_Sliders.push_back(CTRL_SLIDER_CLASS<short>({1554, &r.sValue, -255, 255, 30, 1, 1516}));
    m_Strs.push_back(CTRL_EDITSTR_CLASS({IDC_DBLIST_NAME, &r.strName, 9, 8, 1, 1, {}}));
    m_Strs.push_back(CTRL_EDITSTR_CLASS({12057, &r.strHelp, 39, 38, 1, 1, {}}));
    const struct {
        WORD id;
        int* value;
        const char* const* words;
        VECTOR_CLASS<std::string>* rows;
        int offset;
    } combos[] = {
        {IDC_SKILL_RESOURCE, &r.nResourceType, ResourceTypeNames, nullptr, 0},
        {1081, &r.nCateg, nullptr, &m_CategRows, 0},
        {1094, &r.nClass, nullptr, &m_ClassRows, 0},
        {IDC_SKILL_KIND, &r.nKind, SkillKindNames, nullptr, 0},
        {IDC_SKILL_TARGET, &r.nTarget, SkillTargetNames, nullptr, 0},
        {1102, &r.nWeaponSkill, WeaponSkillNames, nullptr, 0},
        {1090, &r.nCompatiType, nullptr, &m_CompatiRows, 0},
        {1088, &r.nElem, nullptr, &m_ElemRows, 0},
        {1079, &r.nSpecial, SpecialEffectNames, nullptr, 0},
        {1099, &r.nCharaAnim, nullptr, &m_CharaAnimRows, 1},
        {IDC_SKILL_EFFECT_ANIM, &r.nEffectAnim, nullptr, &m_EffectAnimRows, 1},
        {IDC_SKILL_SOUND, &r.nSound, nullptr, &m_SoundRows, 0},
        {IDC_SKILL_SYMBOLS, &m_nSymbolNo, nullptr, &m_SymbolRows, 0},
    };
    for (const auto& c : combos)
        m_Combos.push_back(CTRL_COMBO_CLASS<int>({c.id, c.value, c.words, c.rows, c.offset, nullptr}));
    for (const auto& c : kChecks) m_Checks.push_back(CTRL_CHECK_CLASS<int>({c.id, &(r.*c.field)}));
    m_Pictures.push_back(CTRL_PICTURE_CLASS({IDC_SKILL_PREVIEW, 64, 64, -1, -1}));
    m_Pictures.push_back(CTRL_PICTURE_CLASS({IDC_SKILL_SYMBOL, 32, 32, -1, -1}));
    for (WORD id : {IDC_SKILL_EFFECT_PICK, IDC_SKILL_CSV_LOAD, IDC_SKILL_CSV_SAVE})
        m_Buttons.push_back(CTRL_BUTTON_CLASS({id}));
}

void DLG_DBSKILL::BuildNameLists() {
    MakeRecordNameList(m_CategRows, m_pSkillList->vCateg, nullptr, 0, 0, 0, 0);
    MakeRecordNameList(m_ClassRows, g_ClassList, "全クラス習得可", 0, 1, 3, 0);
    EnsureNoneRow(m_ClassRows, "全クラス習得可");
    MakeRecordNameList(m_CompatiRows, g_Database.CompatiTypes, "なし", 0, 1, 3, 0);
    EnsureNoneRow(m_CompatiRows, "なし");
    MakeRecordNameList(m_ElemRows, g_System.Elements, "なし", 0, 1, 2, 0);
    EnsureNoneRow(m_ElemRows, "なし");
    MakeRecordNameList(m_CharaAnimRows, g_Database.CharaAnims, nullptr, 1, 1, 3, 0);
    MakeRecordNameList(m_EffectAnimRows, g_Database.EffectAnims, nullptr, 1, 1, 3, 0);
    MakeRecordNameList(m_SoundRows, g_Database.Sounds, "なし", 0, 1, 3, 0);
    EnsureNoneRow(m_SoundRows, "なし");
    FillNumberCombo(m_SymbolRows);
}

void DLG_DBSKILL::AttachLists() {
    DLG_DBLIST<cSkill>::AttachLists();
    AddCtrls(m_Bytes);
    AddCtrls(m_Doubles);
    AddCtrls(m_Sliders);
}

int DLG_DBSKILL::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_DBLIST<cSkill>::OnInitDialog(wParam, lParam);
    LoadEffectAnimation();
    UpdateEffectColours();
    return 0;
}

int DLG_DBSKILL::OnCommand(WPARAM wParam, LPARAM lParam) {
    DLG_DBLIST<cSkill>::OnCommand(wParam, lParam);
    // What the rules derived from the changed control (the target, a cleared
    // box) is stored with the change.
    if (m_bRulesChanged && GetChangedCtrlId(wParam) && m_bCreated && !m_bRefreshing) StoreRecord();
    if (m_bCreated && m_hWnd) {
        // Every command restarts the effect animation.
        LoadEffectAnimation();
        DrawPreviews(0);
    }
    return 1;
}

// Commands that change a value return 0, so that the frame stores it and
// does not show the record again over it.
int DLG_DBSKILL::OnPageCommand(WORD id, WORD code) {
    if (id == IDC_SKILL_SOUND && code == CBN_SELCHANGE) {
        PlaySelectedSound(m_Combos, IDC_SKILL_SOUND);
        return 0;
    }
    if (id == IDC_SKILL_EFFECT_PICK && code == BN_CLICKED) {
        PickEffectGraphic();
        return 0;
    }
    if (id == IDC_SKILL_EFFECT && code == EN_UPDATE) {
        if (m_bCreated) {
            UpdateEffectColours();
            DrawEffectPreview(0);
        }
        return 0;
    }
    if (id == IDC_SKILL_CSV_SAVE && code == BN_CLICKED) {
        ExportCsv();
        return 1;
    }
    if (id == IDC_SKILL_CSV_LOAD && code == BN_CLICKED) {
        ImportCsv();
        return 1;
    }
    return 0;
}

LRESULT DLG_DBSKILL::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT r = DLG_DBLIST<cSkill>::MsgProc(hwnd, msg, wParam, lParam);
    if (msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(PSN_APPLY)) {
        Commit();
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, PSNRET_NOERROR);
        return TRUE;
    }
    // The skill-list page disabled every window when it opened the sheet.
    if (msg == WM_DESTROY && m_pWndList) m_pWndList->EnableAll(1);
    return r;
}

void DLG_DBSKILL::Renumber() {
    for (size_t i = 0; i < m_Work.size(); ++i) m_Work[i].nNo = static_cast<int>(i);
}

void DLG_DBSKILL::Commit() {
    DLG_DBLIST<cSkill>::Commit();
    if (HasWindow()) m_pOwner->StoreSkillList();
}

void DLG_DBSKILL::OnIdle() {
    if (m_bCreated && m_hWnd && m_List.GetDataPos() >= 0) DrawPreviews(1);
}

void DLG_DBSKILL::PickEffectGraphic() {
    CTRL_EDITVAL_CLASS<int>* edit = FindCtrl(m_Edits, IDC_SKILL_EFFECT);
    int cell = m_Record.nEffectGraphic;
    RedrawList();  // drawn again under the picker
    if (!edit || !SelectEffectGraphic(&cell, this, FindCtrl(m_Buttons, IDC_SKILL_EFFECT_PICK))) return;
    edit->ShowValue(cell);
    UpdateEffectColours();
}

CTRL_CLASS* DLG_DBSKILL::FindBound(int id) {
    for (CTRL_CLASS* c : m_CtrlList)
        if (c->m_wId == id) return c;
    ReportMissingCtrl(static_cast<unsigned>(id));
    return nullptr;
}

void DLG_DBSKILL::UpdatePageState() { m_bRulesChanged = ApplyControlRules(); }

int DLG_DBSKILL::ApplyControlRules() {
    auto ticked = [this](int id) {
        CTRL_CHECK_CLASS<int>* box = FindCtrl(m_Checks, static_cast<unsigned>(id));
        return box && box->GetCheck() == BST_CHECKED ? 1 : 0;
    };
    auto shown = [this](int id) {
        CTRL_COMBO_CLASS<int>* combo = FindCtrl(m_Combos, static_cast<unsigned>(id));
        return combo ? combo->GetValue() : -1;
    };
    SKILL_RULE_INPUT in;
    in.kind = shown(IDC_SKILL_KIND);
    in.resourceType = shown(IDC_SKILL_RESOURCE);
    in.unlimited = ticked(IDC_SKILL_UNLIMITED);
    in.sameHit = ticked(IDC_SKILL_SAME_HIT);
    in.sameEffect = ticked(IDC_SKILL_SAME_EFFECT);
    in.sameElem = ticked(IDC_SKILL_SAME_ELEM);
    in.sameCompati = ticked(IDC_SKILL_SAME_COMPATI);
    in.sortNo = ticked(IDC_SKILL_SORT);
    const SKILL_RULE_RESULT result = ApplySkillRules(in);
    int changed = 0;
    for (const SKILL_CTRL_STATE& state : result.controls) {
        CTRL_CLASS* c = FindBound(state.id);
        if (!c) continue;
        c->Enable(state.enabled);
        if (!state.cleared || SendMessageA(c->m_hWnd, BM_GETCHECK, 0, 0) == BST_UNCHECKED) continue;
        SendMessageA(c->m_hWnd, BM_SETCHECK, BST_UNCHECKED, 0);
        changed = 1;
    }
    if (result.target >= 0 && shown(IDC_SKILL_TARGET) != result.target) {
        SendDlgItemMessageA(m_hWnd, IDC_SKILL_TARGET, CB_SETCURSEL, static_cast<WPARAM>(result.target), 0);
        changed = 1;
    }
    UpdateEffectColours();
    return changed;
}
