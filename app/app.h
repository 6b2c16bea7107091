// The program's entry, start-up, main loop and shut-down, and the global
// state they share with the main frame and the stage editor.
#pragma once

#include <windows.h>

class DLG_MAIN;

extern const char g_szAppTitle[];    // "Orrindale": window titles
extern const char g_szAppVersion[];  // "270": the report log's first line
extern const char g_szAppClass[];    // the main window class and the single-instance mutex

extern HINSTANCE g_hInstance;
extern int bTestPlay;                     // 1 while the game program runs a test play
extern int g_bAppActive;                  // the last WM_ACTIVATEAPP state; the idle routine runs only while set
extern int g_bFocusRequest;               // the editor in front takes the focus at the next idle step
extern unsigned char g_bStarted;          // start-up finished: shut-down saves the editor settings
extern int g_bStripCR;                    // loaded palettes lose their carriage returns; off
extern int g_nEditorMode;                 // 0 the stage editor is in front, 2 the world-map editor
extern DLG_MAIN* g_lpStageWnd;            // the current stage editor, null when none stands
extern int g_nFps;                        // frames per second of the idle routine, counted every step
extern char g_szProjectFolder[MAX_PATH];  // the current folder at start-up
extern int g_nExitCode;                   // the program's exit code when start-up ends it (AppInit 0)

// A start-up that failed ends the program with this code; one the user
// declined (a new project, a second copy) with 0.
enum { EXIT_FAILED = 1 };

enum { EDITOR_MODE_STAGE = 0, EDITOR_MODE_WORLDMAP = 2 };

// The whole program: report log, single instance, window class, start-up,
// message loop and shut-down. The exit code.
int EditorMain(HINSTANCE instance);

// The single-instance mutex. When another copy holds it the user is asked
// whether to start a second one; null when there is none to start (the
// mutex is then released), otherwise the mutex to release at the end.
HANDLE AcquireSingleInstance(const char* name);
int RegisterMainWindowClass(HINSTANCE instance);

// Start-up after the window class exists: true when the main frame and the
// stage editor stand; otherwise g_nExitCode tells whether it failed.
int AppInit();
// The main frame, off screen, and the stage editor in it with the focus; 0
// when either could not be made.
int CreateMainWindows();
// One step of the idle routine; always 1.
int AppIdle();
void AppExit();
// Every waiting message through the main loop's filter, without the idle
// routine; 0 when one of them was WM_QUIT (which is dropped).
int DispatchWaitingMessages();
// Runs the message loop (filter, idle routine): 1 at WM_QUIT with its exit
// code, 0 when the idle routine asked to stop.
int RunMessageLoop(int* exitCode);

// After the world-map window closed (flag 1): the stage editor is in front
// again and every registered window shown and enabled.
void RestoreStageWindows(int flag);
