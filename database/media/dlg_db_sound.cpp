#include "database/media/dlg_db_sound.h"

#include "editing/preview_combos.h"
#include "model/media_database.h"

namespace {

const MEDIA_FILE_KIND kWaveFiles = {"wave", "効果音の選択", "WaveFile ( *.wav )\0*.wav\0", "wav"};

}  // namespace

DLG_DB_SOUND::DLG_DB_SOUND(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList)
    : DLG_DBFILE(resId, sheet, wndList, &g_Database.Sounds, IDC_SOUND_LIST, kWaveFiles, FILE_PAGE_NAME_FOLLOWS) {
    SetInstance(this);
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({IDC_MEDIA_SAME_NAME, &m_Record.bSameAsFileName}));
}

int DLG_DB_SOUND::OnPageCommand(WORD id, WORD code) {
    if (id != IDC_MEDIA_PLAY || code != BN_CLICKED) return DLG_DBFILE::OnPageCommand(id, code);
    if (!m_Record.strPath.empty()) PlaySoundFile(m_hWnd, m_Record.strPath.c_str());
    return PAGE_CMD_KEEP;
}
