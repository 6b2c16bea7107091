#include "database/media/dlg_db_back.h"

#include "database/media/media_rules.h"
#include "model/media_database.h"
#include "ui/common_dialogs.h"

const char* const BackDispModeNames[] = {"マップチップを並べる ※戦闘背景にのみ有効", "画像で指定", "色で指定", ""};

namespace {

const MEDIA_FILE_KIND kBackFiles = {"image\\back\\", "画像の選択", "ImageFile ( *.png;*.bmp )\0*.png;*.bmp\0",
                                    "png;bmp"};

// The items each display mode enables; the others of the three groups are disabled.
const WORD kChipItems[] = {IDC_BACK_CHIP_W, IDC_BACK_CHIP_H};
const WORD kImageItems[] = {IDC_MEDIA_PATH, IDC_MEDIA_BROWSE};
const WORD kColorItems[] = {IDC_BACK_RED, IDC_BACK_GREEN, IDC_BACK_BLUE};

int ColorByte(HWND dlg, int id) {
    const int v = EditTextNumber(GetDlgItemString(dlg, id, 32), 0);
    return v < 0 ? 0 : v > 255 ? 255 : v;
}

}  // namespace

DLG_DB_BACK::DLG_DB_BACK(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList)
    : DLG_DBFILE(resId, sheet, wndList, &g_Database.Backs, IDC_BACK_LIST, kBackFiles, FILE_PAGE_STOPS_BGM) {
    SetInstance(this);
    cEdBack& r = m_Record;
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_BACK_MODE, &r.nDispMode, BackDispModeNames, nullptr, 0, nullptr}));
    m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({IDC_BACK_CHIP_W, &r.nChipWidth, 1, 640, IDC_BACK_CHIP_W_SPIN, 1}));
    m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({IDC_BACK_CHIP_H, &r.nChipHeight, 1, 640, IDC_BACK_CHIP_H_SPIN, 1}));
    m_ByteEdits.push_back(CTRL_EDITVAL_CLASS<unsigned char>({IDC_BACK_RED, &r.byColorR, 0, 255, IDC_BACK_RED_SPIN, 1}));
    m_ByteEdits.push_back(
        CTRL_EDITVAL_CLASS<unsigned char>({IDC_BACK_GREEN, &r.byColorG, 0, 255, IDC_BACK_GREEN_SPIN, 1}));
    m_ByteEdits.push_back(
        CTRL_EDITVAL_CLASS<unsigned char>({IDC_BACK_BLUE, &r.byColorB, 0, 255, IDC_BACK_BLUE_SPIN, 1}));
    m_RealEdits.push_back(
        CTRL_EDITVAL_CLASS<double>({IDC_BACK_SCROLL_X, &r.dScrollX, -64.0, 64.0, IDC_BACK_SCROLL_X_SPIN, 0.1}));
    m_RealEdits.push_back(
        CTRL_EDITVAL_CLASS<double>({IDC_BACK_SCROLL_Y, &r.dScrollY, -48.0, 48.0, IDC_BACK_SCROLL_Y_SPIN, 0.1}));
    m_Pictures.push_back(CTRL_PICTURE_CLASS({IDC_BACK_COLOR, 32, 32, -1, -1}));
}

void DLG_DB_BACK::AttachLists() {
    DLG_DBFILE::AttachLists();
    AddCtrls(m_ByteEdits);
    AddCtrls(m_RealEdits);
}

void DLG_DB_BACK::UpdateEnables() {
    CTRL_COMBO_CLASS<int>* modes = FindCtrl(m_Combos, IDC_BACK_MODE);
    const int mode = modes ? modes->GetCurSel() : -1;
    if (mode < BACK_CHIPS || mode > BACK_COLOR) return;
    for (WORD id : kChipItems) EnableCtrl(m_Edits, id, mode == BACK_CHIPS);
    EnableCtrl(m_Strs, kImageItems[0], mode == BACK_IMAGE);
    EnableCtrl(m_Buttons, kImageItems[1], mode == BACK_IMAGE);
    for (WORD id : kColorItems) EnableCtrl(m_ByteEdits, id, mode == BACK_COLOR);
}

void DLG_DB_BACK::DrawPreview() {
    if (!m_bCreated || !IsWindowOpen()) return;
    CTRL_PICTURE_CLASS* preview = FindCtrl(m_Pictures, IDC_BACK_COLOR);
    if (!preview || !preview->m_hWndDC || !preview->Surface()) return;
    preview->Surface()->Fill(
        RGB(ColorByte(m_hWnd, IDC_BACK_RED), ColorByte(m_hWnd, IDC_BACK_GREEN), ColorByte(m_hWnd, IDC_BACK_BLUE)));
    preview->Present();
}
