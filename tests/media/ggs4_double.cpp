// A stand-in for "GuruGuruSMF4.dll" that plays nothing and records its calls.
#include "tests/media/ggs4_double.h"

#include <cstring>

#include "media/ggs4_api.h"

namespace {
Ggs4DoubleState g_State = {};
}

#define EXPORT extern "C" __declspec(dllexport)

EXPORT Ggs4DoubleState* WINAPI Ggs4DoubleRecord() { return &g_State; }

EXPORT int GGS4_CALL GGS4OpenDevice(int device, HWND) {
    ++g_State.opens;
    g_State.device = device;
    return g_State.openResult;
}
EXPORT void GGS4_CALL GGS4CloseDevice(void) { ++g_State.closes; }
EXPORT int GGS4_CALL GGS4AddDlsW(const wchar_t*) { return 0; }
EXPORT int GGS4_CALL GGS4AddDlsA(const char*) { return 0; }
EXPORT int GGS4_CALL GGS4Play(int option, int music, int, int, int) {
    ++g_State.plays;
    g_State.playOption = option;
    g_State.playMusic = music;
    return g_State.playResult;
}
EXPORT void GGS4_CALL GGS4Stop(int) { ++g_State.stops; }
EXPORT void GGS4_CALL GGS4Pause(void) { ++g_State.pauses; }
EXPORT void GGS4_CALL GGS4Restart(void) {}
EXPORT void GGS4_CALL GGS4SetMasterTempo(float) {}
EXPORT void GGS4_CALL GGS4SetMasterVolume(int volume) { g_State.volume = volume; }
EXPORT void GGS4_CALL GGS4SetMasterPitch(int) {}
EXPORT void GGS4_CALL GGS4GetPlayerStatus(void*, int) {}
EXPORT int GGS4_CALL GGS4AddListFromFileW(const wchar_t*, int, int) { return 0; }
EXPORT int GGS4_CALL GGS4AddListFromFileA(const char* file, int, int music) {
    ++g_State.adds;
    g_State.addMusic = music;
    std::strncpy(g_State.file, file, sizeof(g_State.file) - 1);
    return g_State.addResult;
}
EXPORT int GGS4_CALL GGS4AddListFromMemory(const void*, int, int, int) { return 0; }
EXPORT void GGS4_CALL GGS4DeleteListItem(int) {}
EXPORT void GGS4_CALL GGS4ClearList(void) {}
EXPORT const void* GGS4_CALL GGS4EnumList(void) { return nullptr; }
EXPORT int GGS4_CALL GGS4GetSmfInformation(void*, int, int) { return 0; }
