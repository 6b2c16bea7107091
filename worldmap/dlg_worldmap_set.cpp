#include "worldmap/dlg_worldmap_set.h"

#include <cstdio>

#include "base/paths.h"
#include "media/image_table.h"
#include "model/media_database.h"
#include "model/worldmap.h"
#include "resources/worldmap_ids.h"
#include "ui/common_dialogs.h"
#include "ui/record_names.h"

DLG_WORLDMAP_SET::DLG_WORLDMAP_SET(WND_CLASS* parent, WND_LIST_CLASS* wndList)
    : DLG_RECORD_CLASS(IDD_WORLDMAP_SET, parent, WND_MODE_DIALOG, wndList) {
    SetInstance(this);
    const cWorldMap& map = g_WorldMap;
    m_nWidth = map.Width;
    m_nHeight = map.Height;
    m_nStartX = map.StartX;
    m_nStartY = map.StartY;
    m_nBackNo = map.BackNo;
    m_nUseBackImage = map.UseBackImage;
    m_strBackImage = map.BackImage;
    m_Edits = {
        CTRL_EDITVAL_CLASS<int>({IDC_WMSET_WIDTH, &m_nWidth, 1, cWorldMap::MAX_WIDTH, IDC_WMSET_WIDTH_SPIN, 1}),
        CTRL_EDITVAL_CLASS<int>({IDC_WMSET_HEIGHT, &m_nHeight, 1, cWorldMap::MAX_HEIGHT, IDC_WMSET_HEIGHT_SPIN, 1}),
        CTRL_EDITVAL_CLASS<int>(
            {IDC_WMSET_START_X, &m_nStartX, 0, cWorldMap::MAX_WIDTH - 1, IDC_WMSET_START_X_SPIN, 1}),
        CTRL_EDITVAL_CLASS<int>(
            {IDC_WMSET_START_Y, &m_nStartY, 0, cWorldMap::MAX_HEIGHT - 1, IDC_WMSET_START_Y_SPIN, 1}),
    };
    MakeRecordNameList(m_BackRows, g_Database.Backs, nullptr, 1, 1, 3, 0);
    m_Combos = {CTRL_COMBO_CLASS<int>({IDC_WMSET_BACK, &m_nBackNo, nullptr, &m_BackRows, 1, nullptr})};
    m_Checks = {CTRL_CHECK_CLASS<int>({IDC_WMSET_USE_IMAGE, &m_nUseBackImage})};
    m_Strs = {CTRL_EDITSTR_CLASS({IDC_WMSET_IMAGE, &m_strBackImage, MAX_PATH + 1, 0, 1, 0, {0, 0, 0, 0}})};
    m_Buttons = {CTRL_BUTTON_CLASS({IDC_WMSET_BROWSE})};
}

void DLG_WORLDMAP_SET::AttachCtrls() {
    ShowWindow(GetDlgItem(m_hWnd, IDC_WORLD_VIEW), SW_HIDE);
    m_Picture.Attach(this, {IDC_WMSET_PICTURE, 32, 32, -1, -1});
}

int DLG_WORLDMAP_SET::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!CheckCommand(wParam)) return 0;
    DLG_CLASS::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case IDC_WORLD_OK: Commit(); return 1;
    case IDC_WORLD_CANCEL: End(0); return 1;
    case IDC_WMSET_BROWSE:
        if (HIWORD(wParam) == BN_CLICKED) Browse();
        return 1;
    }
    return 1;
}

void DLG_WORLDMAP_SET::Commit() {
    StoreCtrls();
    cWorldMap& map = g_WorldMap;
    map.StartX = m_nStartX;
    map.StartY = m_nStartY;
    map.BackNo = m_nBackNo;
    map.UseBackImage = m_nUseBackImage;
    map.BackImage = m_strBackImage;
    map.Resize(m_nWidth, m_nHeight);
    if (!map.BackImage.empty()) {
        cImageLoadParam& param = g_ImageParam[IMG_WORLDBACK];
        std::snprintf(param.szFileName, sizeof(param.szFileName), "%s", map.BackImage.c_str());
        g_ImageTable[IMG_WORLDBACK].LoadImage(&param);
    }
    if (m_pParentObj && m_pParentObj->m_hWnd) SendMessageA(m_pParentObj->m_hWnd, WM_SIZE, 0, 0);
    End(1);
}

void DLG_WORLDMAP_SET::Browse() {
    char path[MAX_PATH] = {};
    static const char kFilter[] = "ImageFile ( *.png;*.bmp )\0*.png;*.bmp\0";
    if (!SelectOpenFile(m_hWnd, path, sizeof(path), "image\\", "背景画像の選択", kFilter, "png;bmp")) return;
    if (!MakeRelativePath(path)) return;
    SetPathText(&m_Strs[0], path);
}
