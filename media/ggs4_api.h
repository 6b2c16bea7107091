// The entry points of the optional MIDI library "GuruGuruSMF4.dll" as the
// editor calls them (0 is success). Shared with the test double.
#pragma once

#include <windows.h>

#define GGS4_CALL WINAPI

typedef int(GGS4_CALL* GGS4OPENDEVICE)(int device, HWND window);
typedef void(GGS4_CALL* GGS4CLOSEDEVICE)(void);
typedef int(GGS4_CALL* GGS4ADDDLSW)(const wchar_t* file);
typedef int(GGS4_CALL* GGS4ADDDLSA)(const char* file);
typedef int(GGS4_CALL* GGS4PLAY)(int option, int music, int seek, int fadeIn, int keyShift);
typedef void(GGS4_CALL* GGS4STOP)(int fadeOut);
typedef void(GGS4_CALL* GGS4PAUSE)(void);
typedef void(GGS4_CALL* GGS4RESTART)(void);
typedef void(GGS4_CALL* GGS4SETMASTERTEMPO)(float tempo);
typedef void(GGS4_CALL* GGS4SETMASTERVOLUME)(int volume);
typedef void(GGS4_CALL* GGS4SETMASTERPITCH)(int pitch);
typedef void(GGS4_CALL* GGS4GETPLAYERSTATUS)(void* status, int size);
typedef int(GGS4_CALL* GGS4ADDLISTFROMFILEW)(const wchar_t* file, int option, int music);
typedef int(GGS4_CALL* GGS4ADDLISTFROMFILEA)(const char* file, int option, int music);
typedef int(GGS4_CALL* GGS4ADDLISTFROMMEMORY)(const void* data, int size, int option, int music);
typedef void(GGS4_CALL* GGS4DELETELISTITEM)(int music);
typedef void(GGS4_CALL* GGS4CLEARLIST)(void);
typedef const void*(GGS4_CALL* GGS4ENUMLIST)(void);
typedef int(GGS4_CALL* GGS4GETSMFINFORMATION)(void* info, int size, int music);

// The result of a call whose entry the library lacks.
constexpr int kGgs4NoEntry = 15;
// The device OpenDevice is given with and without the DirectMusic setting.
constexpr int kGgs4DeviceDirectMusic = -1100;
constexpr int kGgs4DeviceDefault = -1;
