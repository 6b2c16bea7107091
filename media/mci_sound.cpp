#include "media/mci_sound.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "base/report.h"

cMciTable g_MciTable;

const char* const g_MciSoundFiles[] = {"wave\\決定.wav",   "wave\\キャンセル.wav", "wave\\エラー.wav",
                                       "wave\\コピー.wav", "wave\\free.wav",       nullptr};

namespace {

MciSendCommandProc g_pfnMciSend = mciSendCommandA;

void CloseEntry(cMciTable* table, int index) {
    MCI_OPEN_PARMSA& entry = table->pEntries[index];
    if (!entry.wDeviceID) return;
    // Drivers refuse a command without its parameter block.
    MCI_GENERIC_PARMS close = {};
    if (g_pfnMciSend(entry.wDeviceID, MCI_CLOSE, 0, reinterpret_cast<DWORD_PTR>(&close)) != 0)
        ECSP("MCI_CLOSE失敗！ %d", index);
    entry.wDeviceID = 0;
}

void StopCurrent(cMciTable* table) {
    const int cur = table->nCurrent;
    if (cur < 0 || cur >= table->nCount || !table->pEntries[cur].wDeviceID) return;
    const MCIDEVICEID id = table->pEntries[cur].wDeviceID;
    MCI_GENERIC_PARMS stop = {};
    MCIERROR mr = g_pfnMciSend(id, MCI_STOP, 0, reinterpret_cast<DWORD_PTR>(&stop));
    if (mr == 0) {
        ECSP("Stop成功！ mr = %8x stop =%d", static_cast<unsigned>(mr), cur);
    } else {
        ECSP("Stop失敗！ mr = %8x stop =%d", static_cast<unsigned>(mr), cur);
    }
    MCI_SEEK_PARMS seek = {};
    g_pfnMciSend(id, MCI_SEEK, MCI_SEEK_TO_START, reinterpret_cast<DWORD_PTR>(&seek));
}

int OpenEntry(cMciTable* table, int index, const char* type, const char* file) {
    MCI_OPEN_PARMSA& entry = table->pEntries[index];
    entry = MCI_OPEN_PARMSA{};
    entry.lpstrDeviceType = type;
    entry.lpstrElementName = file;
    if (g_pfnMciSend(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT, reinterpret_cast<DWORD_PTR>(&entry)) != 0) {
        entry = MCI_OPEN_PARMSA{};
        return 0;
    }
    entry.lpstrElementName = nullptr;  // the caller's text; MCI has its own copy
    return 1;
}

const char* Extension(const char* file) {
    const char* dot = std::strrchr(file, '.');
    return dot ? dot + 1 : nullptr;
}

}  // namespace

MciSendCommandProc SetMciSendCommand(MciSendCommandProc proc) {
    return std::exchange(g_pfnMciSend, proc ? proc : mciSendCommandA);
}

void MciInit(cMciTable* table) {
    table->bEnable = 1;
    table->nCurrent = -1;
}

int MciOpenAll(cMciTable* table, const char* type, const char* const* files) {
    for (int i = 0; i < table->nCount; ++i) CloseEntry(table, i);
    std::free(table->pEntries);
    table->pEntries = nullptr;
    table->nCount = 0;
    table->nCurrent = -1;
    int count = 0;
    while (files[count]) ++count;
    table->pEntries = static_cast<MCI_OPEN_PARMSA*>(std::calloc(count ? count : 1, sizeof(MCI_OPEN_PARMSA)));
    if (!table->pEntries) return 0;
    table->nCount = count;
    for (int i = 0; i < count; ++i) OpenEntry(table, i, type, files[i]);
    return 1;
}

int ChangeSound(cMciTable* table, int index, const char* type, const char* file) {
    if (index < 0 || index >= table->nCount) return 0;
    StopCurrent(table);
    if (std::strcmp(type, "sequencer") == 0) {
        for (int i = 0; i < table->nCount; ++i) CloseEntry(table, i);
    } else {
        CloseEntry(table, index);
    }
    if (!OpenEntry(table, index, type, file)) {
        ECSP("ChangeSound失敗！ %s", file);
        return 0;
    }
    return 1;
}

int MciPlayFile(HWND owner, cMciTable* table, int index, const char* file, DWORD position) {
    if (!table->bEnable) return 1;
    const char* ext = file ? Extension(file) : nullptr;
    if (!ext) return 0;
    DWORD flags = MCI_FROM;
    std::string name = file;
    if (std::strcmp(ext, "mid") == 0 || std::strcmp(ext, "MID") == 0) {
        // The sequencer is given the name with a lower-case extension; the
        // caller's text (a database record) is left as it is.
        name.replace(name.size() - 3, 3, "mid");
        if (!ChangeSound(table, index, "sequencer", name.c_str())) return 0;
        flags |= MCI_NOTIFY;
    } else if (std::strcmp(ext, "wav") == 0 || std::strcmp(ext, "WAV") == 0) {
        if (!ChangeSound(table, index, "waveaudio", name.c_str())) return 0;
    } else {
        return 0;
    }
    MCI_PLAY_PARMS play = {};
    if (flags & MCI_NOTIFY) play.dwCallback = reinterpret_cast<DWORD_PTR>(owner);
    play.dwFrom = position;
    table->nCurrent = index;
    return g_pfnMciSend(table->pEntries[index].wDeviceID, MCI_PLAY, flags, reinterpret_cast<DWORD_PTR>(&play)) == 0;
}

void MciTerm(cMciTable* table) {
    for (int i = 0; i < table->nCount; ++i) CloseEntry(table, i);
    std::free(table->pEntries);
    table->pEntries = nullptr;
    table->nCount = 0;
    table->nCurrent = -1;
    table->bEnable = 0;
}
