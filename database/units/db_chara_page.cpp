#include "database/units/db_chara_page.h"

#include <cstdio>

#include "database/units/unit_figures.h"
#include "model/class.h"
#include "model/random_names.h"
#include "ui/record_names.h"

namespace {

enum { IDC_RANDOM_NAME = 12076, IDC_RANDOM_GROWTH = 1072, IDC_CLASS = 1117 };
const WORD kInitIds[STAT_COUNT] = {1036, 1037, 1038, 1039, 1040, 1041, 1042, 1043, 21071};
const WORD kInitSpins[STAT_COUNT] = {1054, 1056, 1058, 1059, 1060, 1061, 1062, 1063, 21072};
const WORD kFinalIds[STAT_COUNT] = {1045, 1046, 1047, 1048, 1049, 1050, 1051, 1052, 1078};
const WORD kFinalSpins[STAT_COUNT] = {1055, 1081, 1082, 1083, 1084, 1085, 1086, 1087, 1088};
const WORD kGameIds[STAT_COUNT] = {1097, 1098, 1099, 1100, 1101, 1102, 1103, 1104, 1105};
const WORD kReferenceIds[STAT_COUNT] = {1106, 1107, 1108, 1109, 11110, 11111, 1112, 1113, 1118};
const int kStatMax = 999999;

// The second list's keys (accelerator table 130) and context menu (169).
const LIST_COMMAND_IDS kSubCommands = {IDR_ACCEL_DBSUBLIST,
                                       {40040, 40035, 40038, 0, 40071, 0, 40039},
                                       IDR_MENU_DBSUBLIST,
                                       {40075, 40076, 40077, 0, 40078, 0, 40079}};

template <class T>
void NameRow(std::string& text, int, const T& chara) {
    text = chara.Name;
}

void BuildClassRows(VECTOR_CLASS<std::string>& rows) { MakeRecordNameList(rows, g_ClassList, nullptr, 1, 1, 3, 0); }

}  // namespace

template <class T, class S>
DLG_DBCHARA<T, S>::DLG_DBCHARA(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList, VECTOR_CLASS<T>* source,
                               const CHARA_PAGE_IDS& ids, VECTOR_CLASS<S> T::*subRecords,
                               typename CTRL_LIST_DESC<S>::ROW_TEXT subRow)
    : DLG_DBLIST<T>(resId, sheet, wndList, source), m_Sub(ids.sub, ids.selectNext), m_Ids(ids) {
    this->PadSource(source, 2);
    T& r = this->m_Record;
    this->m_ListDesc = RecordListDesc(ids.list, source, &this->m_Work, &r, 1, 1, 999, 1, NameRow<T>);
    m_SubDesc = RecordListDesc<S>(ids.sub.list, nullptr, &(r.*subRecords), nullptr, 0, 0, ids.subMax, 0, subRow);
    BuildClassRows(m_ClassRows);

    this->m_Strs.push_back(CTRL_EDITSTR_CLASS({IDC_DBLIST_NAME, &r.Name, 13, 12, 1, 1, {}}));
    this->m_Checks.push_back(CTRL_CHECK_CLASS<int>({IDC_RANDOM_NAME, &r.RandomName}));
    this->m_Checks.push_back(CTRL_CHECK_CLASS<int>({IDC_RANDOM_GROWTH, &r.RandomGrowth}));
    this->m_Combos.push_back(
        CTRL_COMBO_CLASS<int>({ids.nameList, &r.RandomNameList, nullptr, &g_RandomNames, 0, nullptr}));
    this->m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_CLASS, &r.Class, nullptr, &m_ClassRows, 1, nullptr}));
    this->m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({ids.growth, &r.GrowthTiming, -10, 10, ids.growthSpin, 1}));
    this->m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({1116, &r.Level, 1, 99, 1064, 1}));
    for (int k = 0; k < STAT_COUNT; ++k)
        this->m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({kInitIds[k], &r.InitStats[k], 0, kStatMax, kInitSpins[k], 1}));
    for (int k = 0; k < STAT_COUNT; ++k)
        this->m_Edits.push_back(
            CTRL_EDITVAL_CLASS<int>({kFinalIds[k], &r.FinalStats[k], 0, kStatMax, kFinalSpins[k], 1}));
    for (WORD button : {ids.sub.insert, ids.sub.edit, ids.sub.remove})
        this->m_Buttons.push_back(CTRL_BUTTON_CLASS({button}));
}

template <class T, class S>
void DLG_DBCHARA<T, S>::AttachLists() {
    DLG_DBLIST<T>::AttachLists();
    m_SubList.Subclass(this, m_SubDesc);
    this->AddCtrl(&m_SubList);
    this->AttachSubList(m_Sub, &m_SubList, kSubCommands);
}

template <class T, class S>
void DLG_DBCHARA<T, S>::OnApplied() {
    BuildClassRows(m_ClassRows);
    if (CTRL_COMBO_CLASS<int>* classes = this->FindCtrl(this->m_Combos, IDC_CLASS)) classes->SetStrings(m_ClassRows);
    if (CTRL_COMBO_CLASS<int>* names = this->FindCtrl(this->m_Combos, m_Ids.nameList)) names->SetStrings(g_RandomNames);
}

template <class T, class S>
void DLG_DBCHARA<T, S>::Renumber() {
    for (size_t i = 0; i < this->m_Work.size(); ++i) this->m_Work[i].Id = static_cast<int>(i);
}

template <class T, class S>
int DLG_DBCHARA<T, S>::IsChecked(WORD id) {
    CTRL_CHECK_CLASS<int>* check = this->FindCtrl(this->m_Checks, id);
    return check && check->GetCheck() == BST_CHECKED;
}

template <class T, class S>
void DLG_DBCHARA<T, S>::UpdateEnables() {
    this->EnableCtrl(this->m_Combos, m_Ids.nameList, IsChecked(IDC_RANDOM_NAME));
    this->EnableCtrl(this->m_Edits, m_Ids.growth, !IsChecked(IDC_RANDOM_GROWTH));
}

template <class T, class S>
void DLG_DBCHARA<T, S>::UpdatePageState() {
    UpdateEnables();
    ShowFigures();
}

template <class T, class S>
void DLG_DBCHARA<T, S>::ShowFigures() {
    int game[STAT_COUNT], reference[STAT_COUNT];
    // Without a class of the list the columns keep what they show.
    if (!CharaFigures(this->m_Record, game, reference)) return;
    char text[16];
    for (int k = 0; k < STAT_COUNT; ++k) {
        std::snprintf(text, sizeof(text), "%3d", game[k]);
        SetDlgItemTextA(this->m_hWnd, kGameIds[k], text);
        std::snprintf(text, sizeof(text), "%3d", reference[k]);
        SetDlgItemTextA(this->m_hWnd, kReferenceIds[k], text);
    }
}

template class DLG_DBCHARA<cFriend, cLearnSkill>;
template class DLG_DBCHARA<cEnemy, cBattleAI>;
