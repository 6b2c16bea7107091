#include "editing/preview_combos.h"

#include "base/report.h"
#include "media/mci_sound.h"
#include "media/sound.h"
#include "model/media_database.h"
#include "ui/dlg.h"

namespace {

int PlayWave(HWND owner, const char* file) { return MciPlayFile(owner, &g_MciTable, kMciPreviewEntry, file, 0); }

int PlayBgm(const char* file, int volume) {
    g_Sound.SetFile(0, file, volume);
    return g_Sound.Play(0, 0, 1, 0, 1);
}

SOUND_PREVIEW_PROC g_pfnSound = PlayWave;
BGM_PREVIEW_PROC g_pfnBgm = PlayBgm;

// The record a combo of the dialog shows; 0 when it names none (row 0 is
// "none") or lies past `count`. A missing combo is a programming error.
int SelectedRecord(std::vector<CTRL_COMBO_CLASS<int>>& combos, unsigned id, int count, HWND* owner) {
    for (CTRL_COMBO_CLASS<int>& c : combos) {
        if (c.m_wId != id) continue;
        *owner = c.m_hParent;
        int value = c.GetValue();
        return value >= 1 && value < count ? value : 0;
    }
    ReportMissingCtrl(id);
    return 0;
}

}  // namespace

void SetSoundPreviewProcs(SOUND_PREVIEW_PROC sound, BGM_PREVIEW_PROC bgm) {
    g_pfnSound = sound ? sound : PlayWave;
    g_pfnBgm = bgm ? bgm : PlayBgm;
}

int PlaySelectedSound(std::vector<CTRL_COMBO_CLASS<int>>& combos, unsigned id) {
    HWND owner = nullptr;
    int record = SelectedRecord(combos, id, static_cast<int>(g_Database.Sounds.size()), &owner);
    if (!record) return 0;
    return PlaySoundFile(owner, g_Database.Sounds[record].strPath.c_str());
}

int PlaySoundFile(HWND owner, const char* file) {
    if (g_pfnSound(owner, file)) return 1;
    ErrorBox("読み込み失敗！");
    return 0;
}

int PlaySelectedBgm(std::vector<CTRL_COMBO_CLASS<int>>& combos, unsigned id) {
    HWND owner = nullptr;
    int record = SelectedRecord(combos, id, static_cast<int>(g_Database.Bgms.size()), &owner);
    if (!record) return 0;
    const cEdBgm& bgm = g_Database.Bgms[record];
    return PlayBgmFile(bgm.strPath.c_str(), bgm.nVolume);
}

int PlayBgmFile(const char* file, int volume) {
    if (g_pfnBgm(file, volume)) return 1;
    ErrorBox("読み込み失敗！");
    return 0;
}
