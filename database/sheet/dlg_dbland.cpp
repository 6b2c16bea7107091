#include "database/sheet/dlg_dbland.h"

#include "editing/skill_combos.h"
#include "editing/symbol_preview.h"
#include "media/image_table.h"
#include "model/media_database.h"
#include "model/system.h"
#include "ui/dlg_input.h"
#include "ui/dlg_selectgraphic.h"
#include "ui/record_names.h"

const char* const g_WordLandEffect[] = {"なし", "戦闘時間の修正(%)", ""};

namespace {

enum {
    IDC_LAND_LIST = 1129,
    IDC_LAND_ELEMS = 1074,
    IDC_LAND_ELEM_EDIT = 1077,
    IDC_LAND_GRAPHIC = 1511,
    IDC_LAND_PICK = 1510,
    IDC_LAND_CHIP = 1070,
    IDC_LAND_SYMBOLS = 1068,
    IDC_LAND_SYMBOL = 1069,
};
const int kStatMax = 999999;

void LandRow(std::string& text, int, const cLand& land) { text = land.Name; }

void ElemRow(std::string& text, int index, const int& rate) {
    const VECTOR_CLASS<cElem>& elems = g_System.Elements;
    text = index < static_cast<int>(elems.size()) ? elems[index].Name : std::string();
    text += " " + std::to_string(rate);
}

void BuildBackRows(VECTOR_CLASS<std::string>& rows) { MakeRecordNameList(rows, g_Database.Backs, nullptr, 1, 1, 3, 0); }

}  // namespace

DLG_DBLAND::DLG_DBLAND(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList)
    : DLG_DBLIST<cLand>(resId, sheet, wndList, &g_LandList),
      m_ElemEdits({IDC_LAND_ELEMS, 0, IDC_LAND_ELEM_EDIT, 0}, 0) {
    SetInstance(this);
    m_ElemEdits.m_Edit = [this](int index) -> int {
        if (index >= static_cast<int>(m_Record.ElemRate.size())) return 0;
        return InputValue(this, m_pWndList, &m_Record.ElemRate[index], 0, 999, "属性修正(%)", &m_Elems);
    };
    if (g_LandList.empty()) {
        g_LandList.emplace_back();
        m_Work.Assign(g_LandList);
    }
    m_ListDesc = RecordListDesc(IDC_LAND_LIST, &g_LandList, &m_Work, &m_Record, 1, 1, 999, 0, LandRow);
    m_ElemDesc = RecordListDesc<int>(IDC_LAND_ELEMS, nullptr, &m_Record.ElemRate, nullptr, 0, 1, 99, 1, ElemRow);
    BuildBackRows(m_BackRows);
    FillNumberCombo(m_SymbolRows);

    cLand& r = m_Record;
    m_Strs.push_back(CTRL_EDITSTR_CLASS({IDC_DBLIST_NAME, &r.Name, 9, 8, 1, 1, {}}));
    m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({1085, &r.MoveCost, 1, 9, 1086, 1}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({1035, &r.Impassable}));
    m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({IDC_LAND_GRAPHIC, &r.ChipGraphic, 0, 255, 1512, 1}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({1036, &r.Training}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({1594, &r.BattleBack, nullptr, &m_BackRows, 1, nullptr}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({1302, &r.StatInPercent}));
    for (int k = 0; k < 9; ++k)
        m_Edits.push_back(CTRL_EDITVAL_CLASS<int>(
            {static_cast<WORD>(11037 + k), &r.StatMod[k], -kStatMax, kStatMax, static_cast<WORD>(11060 + k), 1}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({1079, &r.EffectKind, g_WordLandEffect, nullptr, 0, nullptr}));
    m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({1130, &r.EffectValue, 0, kStatMax, 1087, 1}));
    m_Strs.push_back(CTRL_EDITSTR_CLASS({12057, &r.Description, 33, 32, 1, 1, {}}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_LAND_SYMBOLS, &m_nSymbol, nullptr, &m_SymbolRows, 0, nullptr}));
    m_Pictures.push_back(CTRL_PICTURE_CLASS({IDC_LAND_CHIP, 32, 32, -1, -1}));
    m_Pictures.push_back(CTRL_PICTURE_CLASS({IDC_LAND_SYMBOL, 32, 32, -1, -1}));
    m_Buttons.push_back(CTRL_BUTTON_CLASS({IDC_LAND_PICK}));
    m_Buttons.push_back(CTRL_BUTTON_CLASS({IDC_LAND_ELEM_EDIT}));
}

void DLG_DBLAND::AttachLists() {
    DLG_DBLIST<cLand>::AttachLists();
    m_Elems.Subclass(this, m_ElemDesc);
    AddCtrl(&m_Elems);
    AttachSubList(m_ElemEdits, &m_Elems, kEditOnlyCommands);
}

// The previews follow the land now shown at once.
void DLG_DBLAND::AfterRecordChange() { OnPaint(); }

int DLG_DBLAND::OnPageCommand(WORD id, WORD code) {
    if (id == IDC_LAND_PICK && code == BN_CLICKED) {
        // The edit shows the picked chip; refreshed from the record it would lose it.
        PickChip();
        return PAGE_CMD_KEEP;
    }
    return PAGE_CMD_NONE;
}

void DLG_DBLAND::PickChip() {
    int chip = m_Record.ChipGraphic;
    CTRL_EDITVAL_CLASS<int>* edit = FindCtrl(m_Edits, IDC_LAND_GRAPHIC);
    if (!edit || !SelectChipGraphic(&chip, this, FindCtrl(m_Buttons, IDC_LAND_PICK))) return;
    edit->ShowValue(chip);
}

void DLG_DBLAND::OnApplied() {
    BuildBackRows(m_BackRows);
    if (CTRL_COMBO_CLASS<int>* backs = FindCtrl(m_Combos, 1594)) backs->SetStrings(m_BackRows);
}

void DLG_DBLAND::Renumber() {
    for (size_t i = 0; i < m_Work.size(); ++i) m_Work[i].Number = static_cast<int>(i);
}

void DLG_DBLAND::OnPaint() {
    if (!m_bCreated) return;
    CTRL_PICTURE_CLASS& chip = m_Pictures[0];
    CTRL_PICTURE_CLASS& symbol = m_Pictures[1];
    CTRL_COMBO_CLASS<int>* pick = FindCtrl(m_Combos, IDC_LAND_SYMBOLS);
    if (pick) DrawSymbolPreview(&symbol, pick->GetCurSel());
    if (chip.Surface()) {
        // The value as typed, before it is stored.
        const int v = static_cast<int>(GetDlgItemInt(m_hWnd, IDC_LAND_GRAPHIC, nullptr, FALSE));
        chip.Surface()->Fill(RGB(0, 0, 0));
        chip.Surface()->Blt(0, 0, 32, 32, &g_ImageTable[IMG_MAPCHIP], v % 8 * 32, v / 8 * 32, 1);
        chip.Present();
    }
}
