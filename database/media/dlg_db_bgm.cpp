#include "database/media/dlg_db_bgm.h"

#include "editing/preview_combos.h"
#include "model/media_database.h"

namespace {

const MEDIA_FILE_KIND kBgmFiles = {"bgm\\", "BGMの選択", "BgmFile ( *.mid;*.ogg )\0*.mid;*.ogg\0", "mid;ogg"};

}  // namespace

DLG_DB_BGM::DLG_DB_BGM(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList)
    : DLG_DBFILE(resId, sheet, wndList, &g_Database.Bgms, IDC_BGM_LIST, kBgmFiles,
                 FILE_PAGE_NAME_FOLLOWS | FILE_PAGE_STOPS_BGM) {
    SetInstance(this);
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({IDC_MEDIA_SAME_NAME, &m_Record.bSameAsFileName}));
    m_Sliders.push_back(
        CTRL_SLIDER_CLASS<int>({IDC_BGM_VOLUME, &m_Record.nVolume, 0, 100, 10, 1, IDC_BGM_VOLUME_EDIT}));
}

void DLG_DB_BGM::AttachLists() {
    DLG_DBFILE::AttachLists();
    AddCtrls(m_Sliders);
}

int DLG_DB_BGM::OnPageCommand(WORD id, WORD code) {
    if (id != IDC_MEDIA_PLAY || code != BN_CLICKED) return DLG_DBFILE::OnPageCommand(id, code);
    if (m_Record.strPath.empty()) return PAGE_CMD_KEEP;
    return PlayBgmFile(m_Record.strPath.c_str(), m_Sliders[0].GetPos()) ? PAGE_CMD_KEEP : PAGE_CMD_ABORT;
}
