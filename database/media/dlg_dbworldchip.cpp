#include "database/media/dlg_dbworldchip.h"

#include "database/media/media_rules.h"
#include "media/image_table.h"
#include "resources/db_media_ids.h"
#include "ui/common_dialogs.h"

namespace {

void ChipRow(std::string& text, int, const cWorldChip& chip) { text = chip.strName; }

}  // namespace

void DrawWorldChipCell(cDib* dst, int n) {
    const cDib& sheet = g_ImageTable[IMG_WORLDMAPCHIP];
    if (!dst || n < 0 || !sheet.IsCreated()) return;
    // A cell the sheet holds only in part is copied as far as it goes.
    dst->Blt(0, 0, 32, 32, &sheet, (n & 7) * 32, (n >> 3) * 32, 0);
}

DLG_DBWORLDCHIP::DLG_DBWORLDCHIP(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList)
    : DLG_DBLIST<cWorldChip>(resId, sheet, wndList, &g_WorldMap.Chips) {
    SetInstance(this);
    if (g_WorldMap.Chips.empty()) {
        g_WorldMap.Chips.emplace_back();
        m_Work.Assign(g_WorldMap.Chips);
    }
    cWorldChip& r = m_Record;
    m_ListDesc = RecordListDesc(IDC_WCHIP_LIST, &g_WorldMap.Chips, &m_Work, &r, 1, 1, 999, 0, ChipRow);
    m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({IDC_WCHIP_GRAPHIC, &r.nGraphic, 0, 255, IDC_WCHIP_GRAPHIC_SPIN, 1}));
    m_Strs.push_back(CTRL_EDITSTR_CLASS({IDC_DBLIST_NAME, &r.strName, 9, 8, 1, 1, {}}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({IDC_WCHIP_IMPASSABLE, &r.bImpassable}));
    m_Pictures.push_back(CTRL_PICTURE_CLASS({IDC_WCHIP_PREVIEW, 32, 32, -1, -1}));
}

void DLG_DBWORLDCHIP::Renumber() {
    for (size_t i = 0; i < m_Work.size(); ++i) m_Work[i].nNo = static_cast<int>(i);
}

void DLG_DBWORLDCHIP::OnPaint() {
    if (!m_bCreated || !IsWindowOpen()) return;
    CTRL_PICTURE_CLASS* preview = FindCtrl(m_Pictures, IDC_WCHIP_PREVIEW);
    if (!preview || !preview->m_hWndDC || !preview->Surface()) return;
    preview->Surface()->Fill(RGB(0, 0, 0));
    // The number as typed, kept to the edit's range.
    int n = EditTextNumber(GetDlgItemString(m_hWnd, IDC_WCHIP_GRAPHIC, 32), 0);
    n = n < 0 ? 0 : n > 255 ? 255 : n;
    DrawWorldChipCell(preview->Surface(), n);
    preview->Present();
}
