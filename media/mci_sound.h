// Sound effects: a small table of MCI devices, one per effect file. Entry 4
// is the preview entry that every sound-effect preview reopens.
#pragma once

#include <windows.h>
#include <mmsystem.h>

struct cMciTable {
    int bEnable = 0;
    MCI_OPEN_PARMSA* pEntries = nullptr;  // a device id of 0: not open
    int nCurrent = -1;                    // the entry played last
    int nCount = 0;
};

extern cMciTable g_MciTable;
constexpr int kMciPreviewEntry = 4;
// The five effect files start-up opens, ended by a null entry.
extern const char* const g_MciSoundFiles[];

// MCI's command function, or a test's own.
typedef MCIERROR(WINAPI* MciSendCommandProc)(MCIDEVICEID, UINT, DWORD_PTR, DWORD_PTR);
MciSendCommandProc SetMciSendCommand(MciSendCommandProc proc);  // null: MCI's; returns the old one

void MciInit(cMciTable* table);
// Closes what is open and opens one entry per name (null-ended list) with the
// device type; an entry that does not open stays all zero. 0 only when the
// entries cannot be allocated.
int MciOpenAll(cMciTable* table, const char* type, const char* const* files);
// Stops the current device and reopens the entry with the type and file ("sequencer"
// closes every device of the table first); 0 when the open fails.
int ChangeSound(cMciTable* table, int index, const char* type, const char* file);
// Reopens the entry for the file by its extension ("mid": "sequencer", with
// notification to the owner; "wav": "waveaudio") and plays it from the position.
// 1 also while the table is disabled; 0 for another extension or when it
// cannot be opened or played.
int MciPlayFile(HWND owner, cMciTable* table, int index, const char* file, DWORD position = 0);
void MciTerm(cMciTable* table);
