// Previews of the sound-effect and BGM records that a dialog's combos show.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/ctrl_combo.h"

// Plays the sound effect / BGM record that a combo of the dialog shows
// (records 1 to the last; 0 is "none"). 1 when it plays; "読み込み失敗！"
// when the file cannot be played.
int PlaySelectedSound(std::vector<CTRL_COMBO_CLASS<int>>& combos, unsigned id);
int PlaySelectedBgm(std::vector<CTRL_COMBO_CLASS<int>>& combos, unsigned id);
// Plays a sound-effect file given by its path; "読み込み失敗！" when it cannot.
int PlaySoundFile(HWND owner, const char* file);
// Plays a BGM file from its beginning, looping, at `volume` percent;
// "読み込み失敗！" when it cannot.
int PlayBgmFile(const char* file, int volume);

// How the previews reach the sound layer: a wave file on the preview entry of
// the MCI table, a BGM file on slot 0 of the sound manager. Tests replace them.
typedef int (*SOUND_PREVIEW_PROC)(HWND owner, const char* file);
typedef int (*BGM_PREVIEW_PROC)(const char* file, int volume);
void SetSoundPreviewProcs(SOUND_PREVIEW_PROC sound,
                          BGM_PREVIEW_PROC bgm);  // null: the sound layer's
