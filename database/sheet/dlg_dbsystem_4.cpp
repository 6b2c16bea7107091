#include "database/sheet/dlg_dbsystem_4.h"

#include "base/paths.h"
#include "database/sheet/db_list_page.h"
#include "database/sheet/dlg_elem.h"
#include "editing/preview_combos.h"
#include "media/sound.h"
#include "ui/common_dialogs.h"

namespace {

enum {
    IDC_ELEM_LIST = 1074,
    IDC_ELEM_NEW = 1067,
    IDC_ELEM_EDIT = 1077,
    IDC_ELEM_CLEAR = 1069,
    IDC_ELEM_COUNT = 1070,
    IDC_FONT = 1596,
    IDC_FONT_SAMPLE = 1628,
};

// The BGM rows: combo and play button.
const struct {
    WORD combo, play;
} kBgmRows[SYSTEM_BGM_COUNT] = {{1529, 1288}, {1530, 1280}, {1531, 1286}, {1532, 1283}, {1569, 1284}};

// The sound-effect rows: path edit, browse and play buttons.
const struct {
    WORD edit, browse, play;
} kSoundRows[SYSTEM_SOUND_COUNT] = {
    {1538, 1537, 1289}, {1540, 1539, 1291}, {1542, 1541, 1292}, {1544, 1543, 1293}, {1546, 1545, 1294},
    {1548, 1547, 1295}, {1550, 1549, 1296}, {1552, 1551, 1297}, {1554, 1553, 1298}, {1556, 1555, 1299},
    {1558, 1557, 1300}, {1560, 1559, 1301}, {1562, 1561, 1302}, {1564, 1563, 1303}, {1566, 1565, 1304},
    {1568, 1567, 1305}, {1572, 1571, 1306}, {1573, 1574, 1307},
};

const char kFontSample[] = "abc ABC あいう 剣魔龍";

void ElemRow(std::string& text, int, const cElem& element) { text = element.Name; }

}  // namespace

const char* FontSampleFace(int row) { return FontNameTable[row >= 0 && row < FONT_NAME_COUNT ? row : 0]; }

DLG_DBSYSTEM_4::DLG_DBSYSTEM_4(WORD, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList)
    : DLG_DBSYSTEM_N(SystemPageTable(3), sheet, wndList),
      m_ElemEdits({IDC_ELEM_LIST, 0, IDC_ELEM_EDIT, 0, IDC_ELEM_NEW, IDC_ELEM_CLEAR, IDC_ELEM_COUNT}, 0),
      m_Sample({IDC_FONT_SAMPLE, 380, 19, -1, -1}) {
    SetInstance(this);
    m_ElemEdits.m_Edit = [this](int index) -> int {
        if (index >= static_cast<int>(m_Elems.size())) return 0;
        DLG_ELEM dialog(this, m_pWndList, &m_ElemList, &m_Elems[index]);
        return dialog.DoModal(0) == 1;
    };
    m_Elems.Assign(g_System.Elements);
    for (const auto& row : kBgmRows) m_Buttons.push_back(CTRL_BUTTON_CLASS({row.play}));
    for (const auto& row : kSoundRows) m_Buttons.push_back(CTRL_BUTTON_CLASS({row.browse}));
    for (const auto& row : kSoundRows) m_Buttons.push_back(CTRL_BUTTON_CLASS({row.play}));
    m_Buttons.push_back(CTRL_BUTTON_CLASS({IDC_ELEM_COUNT}));
}

int DLG_DBSYSTEM_4::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnInitDialog(wParam, lParam);
    m_ElemList.Subclass(
        this, RecordListDesc<cElem>(IDC_ELEM_LIST, &g_System.Elements, &m_Elems, nullptr, 1, 0, 99, 1, ElemRow));
    AddCtrl(&m_ElemList);
    AttachTable();
    AddCtrls(m_Buttons);
    m_Sample.AttachDesc(this);
    m_ElemEdits.Attach(this, &m_ElemList, kDbListCommands);
    RefreshIfPending();
    m_ElemList.SelectOnly(0, 0);
    UpdateCtrls();
    m_bCreated = 1;
    return 0;
}

CTRL_EDITSTR_CLASS* DLG_DBSYSTEM_4::SoundEdit(int row) { return FindCtrl(m_Strs, kSoundRows[row].edit); }

int DLG_DBSYSTEM_4::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!CheckCommand(wParam)) return 0;
    DLG_CLASS::OnCommand(wParam, lParam);
    const WORD id = LOWORD(wParam), code = HIWORD(wParam);
    int changed = 0;
    m_ElemEdits.OnCommand(id, code, &changed);
    if (id == IDC_ELEM_CLEAR && code == BN_CLICKED) RefreshCtrlsExcept(-1, &m_ElemList);
    if (code == BN_CLICKED) {
        for (const auto& row : kBgmRows)
            if (id == row.play) PlaySelectedBgm(m_Combos, row.combo);
        for (int i = 0; i < SYSTEM_SOUND_COUNT; ++i) {
            if (id == kSoundRows[i].browse) BrowseSound(i);
            if (id == kSoundRows[i].play) PlaySoundRow(i);
        }
    }
    RedrawList();
    MarkChanged();
    return 1;
}

void DLG_DBSYSTEM_4::BrowseSound(int row) {
    char path[MAX_PATH] = "";
    if (!SelectOpenFile(m_hWnd, path, MAX_PATH, "wave\\", "効果音の選択", "WaveFile ( *.wav )\0*.wav\0", "wav")) return;
    if (!MakeRelativePath(path)) return;  // another drive: no path the game could use
    if (CTRL_EDITSTR_CLASS* edit = SoundEdit(row)) SetPathText(edit, path);
}

void DLG_DBSYSTEM_4::PlaySoundRow(int row) {
    CTRL_EDITSTR_CLASS* edit = SoundEdit(row);
    const std::string path = edit ? edit->GetText() : std::string();
    if (!path.empty()) PlaySoundFile(m_hWnd, path.c_str());
}

void DLG_DBSYSTEM_4::OnPaint() {
    cDib* sample = m_Sample.Surface();
    if (!m_bCreated || !m_hWnd || !sample || !sample->IsCreated()) return;
    const int row = static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_FONT, CB_GETCURSEL, 0, 0));
    sample->Fill(RGB(0, 0, 0));
    // A new face replaces (and deletes) the one the surface held.
    if (!sample->m_hFont || row != m_nSampleRow) sample->CreateFont(FontSampleFace(row), 0, 16);
    m_nSampleRow = row;
    sample->TextPrintf(0, 1, "%s", kFontSample);
    m_Sample.Present();
}

LRESULT DLG_DBSYSTEM_4::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    int handled = 0;
    LRESULT r = PageProc(hwnd, msg, wParam, lParam, &handled);
    if (handled) return TRUE;
    if (IsRightClicked()) m_ElemEdits.ShowMenu(m_CursorPos);
    if (msg == WM_DESTROY) g_Sound.Stop();
    if (IsSetActive(msg, lParam)) RefreshIfPending();
    if (!r && msg != WM_NOTIFY) return FALSE;
    OnPaint();
    return TRUE;
}

void DLG_DBSYSTEM_4::Commit() {
    if (!HasWindow()) return;
    DLG_DBSYSTEM_N::Commit();
    g_System.Elements.Assign(m_Elems);
}
