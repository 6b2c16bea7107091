#include "media/ggs4.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "base/report.h"
#include "media/ggs4_api.h"

namespace {

HMODULE g_hGgs4 = nullptr;

struct Ggs4Entries {
    GGS4OPENDEVICE OpenDevice;
    GGS4CLOSEDEVICE CloseDevice;
    GGS4ADDDLSW AddDlsW;
    GGS4ADDDLSA AddDlsA;
    GGS4PLAY Play;
    GGS4STOP Stop;
    GGS4PAUSE Pause;
    GGS4RESTART Restart;
    GGS4SETMASTERTEMPO SetMasterTempo;
    GGS4SETMASTERVOLUME SetMasterVolume;
    GGS4SETMASTERPITCH SetMasterPitch;
    GGS4GETPLAYERSTATUS GetPlayerStatus;
    GGS4ADDLISTFROMFILEW AddListFromFileW;
    GGS4ADDLISTFROMFILEA AddListFromFileA;
    GGS4ADDLISTFROMMEMORY AddListFromMemory;
    GGS4DELETELISTITEM DeleteListItem;
    GGS4CLEARLIST ClearList;
    GGS4ENUMLIST EnumList;
    GGS4GETSMFINFORMATION GetSmfInformation;
} g_Ggs4 = {};

void UnloadGgs4() {
    FreeLibrary(g_hGgs4);
    g_hGgs4 = nullptr;
    g_Ggs4 = Ggs4Entries();
}

template <typename T>
void Find(T* entry, const char* name) {
    *entry = reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(g_hGgs4, name)));
}

}  // namespace

int LoadGgs4() {
    if (g_hGgs4) return 0;
    wchar_t module[MAX_PATH] = {}, drive[_MAX_DRIVE] = {}, dir[_MAX_DIR] = {}, path[MAX_PATH + 32] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    _wsplitpath(module, drive, dir, nullptr, nullptr);
    _snwprintf(path, MAX_PATH + 31, L"%ls%ls%ls", drive, dir, L"GuruGuruSMF4.dll");
    g_hGgs4 = LoadLibraryW(path);
    if (!g_hGgs4) return 1;
    Find(&g_Ggs4.OpenDevice, "GGS4OpenDevice");
    Find(&g_Ggs4.CloseDevice, "GGS4CloseDevice");
    Find(&g_Ggs4.AddDlsW, "GGS4AddDlsW");
    Find(&g_Ggs4.AddDlsA, "GGS4AddDlsA");
    Find(&g_Ggs4.Play, "GGS4Play");
    Find(&g_Ggs4.Stop, "GGS4Stop");
    Find(&g_Ggs4.Pause, "GGS4Pause");
    Find(&g_Ggs4.Restart, "GGS4Restart");
    Find(&g_Ggs4.SetMasterTempo, "GGS4SetMasterTempo");
    Find(&g_Ggs4.SetMasterVolume, "GGS4SetMasterVolume");
    Find(&g_Ggs4.SetMasterPitch, "GGS4SetMasterPitch");
    Find(&g_Ggs4.GetPlayerStatus, "GGS4GetPlayerStatus");
    Find(&g_Ggs4.AddListFromFileW, "GGS4AddListFromFileW");
    Find(&g_Ggs4.AddListFromFileA, "GGS4AddListFromFileA");
    Find(&g_Ggs4.AddListFromMemory, "GGS4AddListFromMemory");
    Find(&g_Ggs4.DeleteListItem, "GGS4DeleteListItem");
    Find(&g_Ggs4.ClearList, "GGS4ClearList");
    Find(&g_Ggs4.EnumList, "GGS4EnumList");
    Find(&g_Ggs4.GetSmfInformation, "GGS4GetSmfInformation");
    return 0;
}

int Ggs4IsLoaded() { return g_hGgs4 != nullptr; }

int Ggs4MasterVolume(int volume) { return -127 - static_cast<int>(volume * -1.27); }

int Ggs4Open(cGgs4State* state, int directMusic) {
    if (LoadGgs4() != 0) {
        ECMSP("dllがないテスト");
        return 0;
    }
    const int device = directMusic ? kGgs4DeviceDirectMusic : kGgs4DeviceDefault;
    const int result = g_Ggs4.OpenDevice ? g_Ggs4.OpenDevice(device, nullptr) : kGgs4NoEntry;
    if (result != 0) {
        // No device: the library is of no use; the own player takes over.
        UnloadGgs4();
        return 0;
    }
    *state = cGgs4State();
    return 1;
}

int Ggs4Play(cGgs4State* state, int musicId, const char* file, int loop, int volume) {
    Ggs4Stop(1);
    const char* dot = file ? std::strrchr(file, '.') : nullptr;
    if (!dot || std::strcmp(dot + 1, "mid") != 0) return 0;
    if ((g_Ggs4.AddListFromFileA ? g_Ggs4.AddListFromFileA(file, 0, musicId) : kGgs4NoEntry) != 0) return 0;
    state->nMasterVolume = Ggs4MasterVolume(volume);
    if (g_Ggs4.SetMasterVolume) g_Ggs4.SetMasterVolume(state->nMasterVolume);
    if ((g_Ggs4.Play ? g_Ggs4.Play(loop ? 1 : 0, musicId, 0, 0, 0) : kGgs4NoEntry) != 0) return 0;
    state->nMusicId = musicId;
    return 1;
}

void Ggs4Stop(int pause) {
    if (pause) {
        if (g_Ggs4.Pause) g_Ggs4.Pause();
    } else if (g_Ggs4.Stop) {
        g_Ggs4.Stop(0);
    }
}

void Ggs4Close() {
    if (!g_hGgs4) return;
    if (g_Ggs4.CloseDevice) g_Ggs4.CloseDevice();
    UnloadGgs4();
}
