// The message layer: the main window, message boxes and the system seams
// (free memory, clock, screen size). With the file layer, the only part of
// base/ that differs between the Windows program and the native (sanitizer,
// fuzz) builds.
#pragma once

#include <cstdint>
#include <string>

#include "base/file.h"

#ifdef _WIN32
#include <windows.h>
#else
// The few Win32 names the message layer carries, for the POSIX twin.
typedef int BOOL;
typedef uint32_t DWORD;
#define INVALID_HANDLE_VALUE ((HANDLE)(intptr_t)-1)
#define MB_OK 0x00000000u
#define MB_OKCANCEL 0x00000001u
#define MB_YESNOCANCEL 0x00000003u
#define MB_YESNO 0x00000004u
#define MB_ICONERROR 0x00000010u
#define MB_ICONQUESTION 0x00000020u
#define MB_ICONWARNING 0x00000030u
#define MB_ICONINFORMATION 0x00000040u
#define IDOK 1
#define IDCANCEL 2
#define IDYES 6
#define IDNO 7
#endif

// ---- Main window and message boxes ------------------------------------------

// The main frame, stored by start-up right after it is created.
extern HWND g_hWndMain;

// Message boxes: every box of the program is shown through the sink. The
// program keeps the system box; tests install one that records and answers.
typedef int (*MessageBoxSink)(HWND owner, const char* text, const char* caption, unsigned type);
MessageBoxSink SetMessageBoxSink(MessageBoxSink sink);  // null: the system box; returns the old one
int ShowMessageBox(HWND owner, const char* text, const char* caption, unsigned type);
HWND GetActiveOwner();  // the active window, the owner of an unowned box

// What a programming error or a memory shortage does to the main frame.
enum { MAINWND_DESTROY = 0, MAINWND_CLOSE = 1 };
typedef int (*MainWindowAction)(int action);
MainWindowAction SetMainWindowAction(MainWindowAction action);  // null: the real one
int DestroyMainWindow();                                        // DestroyWindow(g_hWndMain): ends the program
int CloseMainWindow();  // PostMessage(g_hWndMain, WM_CLOSE): the frame asks to quit

// Free physical memory in bytes (capped at 4 GB), as the undo histories see it.
typedef unsigned (*FreeMemorySource)();
FreeMemorySource SetFreeMemorySource(FreeMemorySource source);  // null: the system's
unsigned GetAvailPhysMemory();

// Millisecond clock of the multimedia timer (wraps at 2^32).
typedef uint32_t (*ClockSource)();
ClockSource SetClockSource(ClockSource source);  // null: the system's
uint32_t ClockMs();

// Size of the full-screen client area (SM_CXFULLSCREEN, SM_CYFULLSCREEN).
void GetFullScreenSize(int* width, int* height);
